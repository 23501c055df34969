#include "fleet/gui/VehicleFilterPanel.h"

#include "fleet/VehicleRegister.h"
#include "framework/RegisterFilters.h"
#include "storage/DataModule.h"
#include "support/gui/WidgetFilters.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace kv {

namespace {

QToolButton* clearButton(const char* name) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(QStringLiteral("×"));
    b->setToolTip(QStringLiteral("Wyczyść filtr"));
    b->setStatusTip(QStringLiteral("Wyczyść filtr"));
    return b;
}

} // namespace

VehicleFilterPanel::VehicleFilterPanel(DataModule& db, std::function<void()> changed,
                                       QWidget* parent)
    : QWidget(parent), m_db(db), m_changed(std::move(changed)) {
    setObjectName(QStringLiteral("vehicleFilters"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(new QLabel(QStringLiteral("Status pojazdu")));
    m_status = new QComboBox;
    m_status->setObjectName(QStringLiteral("filtrSTATUSPOJAZDU"));
    m_status->setToolTip(QStringLiteral("Filtruj wg statusu pojazdu"));
    m_status->addItems({QStringLiteral("Aktywny"), QStringLiteral("Nieaktywny"),
                        QStringLiteral("Sprzedany"), QStringLiteral("Zniszczony"),
                        QStringLiteral("Inne"), QStringLiteral("(Wszystkie prócz aktywnych)")});
    m_status->setCurrentIndex(-1);
    layout->addWidget(m_status);
    QToolButton* clearStatus = clearButton("SBStatusWyczysc");
    layout->addWidget(clearStatus);
    layout->addSpacing(16);
    layout->addWidget(new QLabel(QStringLiteral("Numer Floty")));
    m_fleet = new QComboBox;
    m_fleet->setObjectName(QStringLiteral("filtrNRFLOTY"));
    m_fleet->setToolTip(QStringLiteral("Filtruj pojazdy wg numer floty"));
    m_fleet->setMinimumContentsLength(14);
    layout->addWidget(m_fleet);
    QToolButton* clearFleet = clearButton("SBFlotaWyczysc");
    layout->addWidget(clearFleet);
    layout->addStretch(1);

    for (QComboBox* list : {m_status, m_fleet}) {
        ignoreWheel(list);
        connect(list, &QComboBox::activated, this, &VehicleFilterPanel::apply);
    }
    connect(clearStatus, &QToolButton::clicked, this, [this] {
        m_status->setCurrentIndex(-1);
        apply();
    });
    connect(clearFleet, &QToolButton::clicked, this, [this] {
        m_fleet->setCurrentIndex(-1);
        apply();
    });
}

void VehicleFilterPanel::apply() {
    RegisterFilters filters(m_db);
    filters.setExtraFilter(RegisterId::Vehicles, kVehicleStatusFilter,
                           vehicleStatusFragment(m_status->currentIndex()));
    const QVariant key = m_fleet->currentData();
    filters.setExtraFilter(RegisterId::Vehicles, kVehicleFleetFilter,
                           vehicleFleetFragment(key.isValid() ? key.toInt() : -1));
    if (m_changed)
        m_changed();
}

void VehicleFilterPanel::refreshFleetNumbers() {
    const QVariant chosen = m_fleet->currentData();
    m_fleet->clear();
    if (const auto fleets = m_db.reopenLookup(QStringLiteral("DBFNrFloty")))
        for (int i = 0; i < fleets->rowCount(); ++i)
            m_fleet->addItem(fleets->text(i, QStringLiteral("OPIS")),
                             fleets->value(i, QStringLiteral("KOD")).toInt());
    m_fleet->setCurrentIndex(chosen.isValid() ? m_fleet->findData(chosen) : -1);
}

} // namespace kv
