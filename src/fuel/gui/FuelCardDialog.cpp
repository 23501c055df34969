#include "fuel/gui/FuelCardDialog.h"

#include "framework/gui/FormFields.h"
#include "support/gui/DateField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

FuelCardDialog::FuelCardDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfKPaliwowe"));
    setWindowTitle(QStringLiteral("Karta paliwowa"));
    setHeading(QStringLiteral("Informacje o karcie paliwowej"));
    const QString table = fuelCardFields().table();

    m_id = newTextField(table, QStringLiteral("IDKARTY"), 240);
    m_vehicle = newListField(QStringLiteral("fNRREJ"), false, 16);
    auto* noVehicle = newSmallButton(QStringLiteral("SBPojazdBrak"), QStringLiteral("×"),
                                     QStringLiteral("Nie wskazuj żadnego pojazdu"));
    m_holder = newListField(QStringLiteral("fIDKIEROWCY"), false, 30);
    auto* noHolder = newSmallButton(QStringLiteral("SBKierowcaBrak"), QStringLiteral("×"),
                                    QStringLiteral("Nie wskazuj żadnego kierowcy"));
    m_expiry = newDateField(QStringLiteral("fTERMIN"));
    QLineEdit* pin = newTextField(table, QStringLiteral("PIN"), 120);
    auto* pinNote = new QLabel(QStringLiteral("Jawne przechowywanie PIN kodu w tym polu jest "
                                              "niezalecane ze względów bezpieczeństwa"));
    pinNote->setWordWrap(true);
    pinNote->setObjectName(QStringLiteral("lPinUwaga"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("ID karty"), m_id);
    form->addRow(QStringLiteral("Nazwa"), newTextField(table, QStringLiteral("NAZWA"), 360));
    form->addRow(QStringLiteral("Pojazd"), fieldRow({m_vehicle, noVehicle}, true));
    form->addRow(QStringLiteral("Kierowca"), fieldRow({m_holder, noHolder}));
    form->addRow(QStringLiteral("Stacja"), newTextField(table, QStringLiteral("STACJA"), 360));
    form->addRow(QStringLiteral("Termin"), m_expiry);
    form->addRow(QStringLiteral("PIN"), pin);
    form->addRow(QString(), pinNote);
    form->addRow(QStringLiteral("WWW"), newTextField(table, QStringLiteral("WWW"), 360));
    form->addRow(QStringLiteral("Email"), newTextField(table, QStringLiteral("EMAIL"), 360));
    form->addRow(QStringLiteral("Inne"), newTextField(table, QStringLiteral("UWAGI"), 360));
    body()->addLayout(form);
    addButtons();

    connect(noVehicle, &QToolButton::clicked, this, [this] { m_vehicle->setCurrentIndex(-1); });
    connect(noHolder, &QToolButton::clicked, this, [this] { m_holder->setCurrentIndex(-1); });
    connect(m_vehicle, &QComboBox::activated, this, &FuelCardDialog::vehicleChosen);
}

void FuelCardDialog::load(const FuelCardFormValues& v, const FormSetup& setup) {
    loadFields(this, fuelCardFields(), v, setup);
    m_vehicleDrivers.clear();
    for (const KeyedItem& item : setup.lists.value(QStringLiteral("IDPOJAZD")))
        m_vehicleDrivers.insert(item.key, item.extra);
}

FuelCardFormValues FuelCardDialog::values() const {
    return readFields(this, fuelCardFields());
}

void FuelCardDialog::vehicleChosen(int index) {
    // The vehicle's own driver becomes the holder while none is set.
    if (index < 0 || m_holder->currentIndex() >= 0)
        return;
    const QString driver = m_vehicleDrivers.value(m_vehicle->itemData(index).toString());
    if (!driver.isEmpty())
        m_holder->setCurrentIndex(m_holder->findData(driver));
}

FormCheck FuelCardDialog::runChecks() {
    return checkFuelCardForm(values());
}

QLineEdit* FuelCardDialog::startField() const {
    return m_id;
}

} // namespace kv
