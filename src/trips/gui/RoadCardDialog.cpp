#include "trips/gui/RoadCardDialog.h"

#include "framework/gui/FormFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace kv {

namespace {

QLineEdit* timeField(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setInputMask(QStringLiteral("99:99"));
    edit->setMaximumWidth(70);
    return edit;
}

} // namespace

RoadCardDialog::RoadCardDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfKDrogowe"));
    setWindowTitle(QStringLiteral("Karta drogowa"));
    setHeading(QStringLiteral("Informacje o karcie drogowej"));
    const QString table = roadCardFields().table();

    m_number = newTextField(table, QStringLiteral("NRKARTY"), 240);
    m_vehicle = newListField(QStringLiteral("fIDPOJAZD"), false, 16);
    m_driver = newListField(QStringLiteral("fIDKIEROWCY"), false, 30);
    auto* noDriver = newSmallButton(QStringLiteral("SBKierowcaBrak"), QStringLiteral("×"),
                                    QStringLiteral("Nie wskazuj żadnego kierowcy"));
    QComboBox* purpose = newListField(QStringLiteral("fCELWYJAZDU"), true, 30);
    purpose->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("CELWYJAZDU")));
    m_route = newListField(QStringLiteral("fTRASA"), true, 30);
    m_route->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("TRASA")));
    auto* distance = new QPushButton(QStringLiteral("Wybierz trasę z tabeli odległości"));
    distance->setObjectName(QStringLiteral("bTabelaOdleglosci"));
    distance->setAutoDefault(false);
    m_distanceButton = distance;

    auto number = [this](const char* name) {
        NumberField* n = newNumberField(QLatin1String(name));
        n->setZeroWhenInvalid(true);
        n->setMaximumWidth(120);
        m_numbers.append(n);
        return n;
    };
    NumberField* start = number("fLICZSTART");
    NumberField* end = number("fLICZEND");
    NumberField* driving = number("fCZAS");
    NumberField* total = number("fGODZSUMA");
    NumberField* rest = number("fODPOCZYNEK");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Numer karty"), m_number);
    form->addRow(QStringLiteral("Data wystawienia"), newDateField(QStringLiteral("fDATAWYST")));
    form->addRow(QStringLiteral("Wskaż pojazd"), fieldRow({m_vehicle}, true));
    form->addRow(QStringLiteral("Kierowca"), fieldRow({m_driver, noDriver}));
    form->addRow(QStringLiteral("Nr prawa jazdy"),
                 newTextField(table, QStringLiteral("PRAWOJAZDY"), 240));
    form->addRow(QStringLiteral("Cel wyjazdu"), purpose);
    form->addRow(QStringLiteral("Trasa"), m_route);
    form->addRow(QString(), fieldRow({distance}, true));
    form->addRow(QStringLiteral("Stan licznika przed wyjazdem"),
                 fieldRow({start, new QLabel(QStringLiteral("km"))}, true));
    form->addRow(QStringLiteral("Stan licznika po powrocie"),
                 fieldRow({end, new QLabel(QStringLiteral("km"))}, true));
    form->addRow(
        QStringLiteral("Data i godzina rozpoczęcia"),
        fieldRow({newDateField(QStringLiteral("fDATASTART")), timeField("fGODZSTART")}, true));
    form->addRow(QStringLiteral("Zakończenia"),
                 fieldRow({newDateField(QStringLiteral("fDATAEND")), timeField("fGODZEND")}, true));
    form->addRow(QStringLiteral("Czas prowadzenia pojazdu"), fieldRow({driving}, true));
    form->addRow(QStringLiteral("Ogółem godzin pracy"), fieldRow({total}, true));
    form->addRow(QStringLiteral("Dobowy czas odpoczynku"), fieldRow({rest}, true));
    form->addRow(QStringLiteral("Inne"), newTextField(table, QStringLiteral("UWAGI"), 360));
    body()->addLayout(form);
    addButtons();

    connect(noDriver, &QToolButton::clicked, this, [this] { m_driver->setCurrentIndex(-1); });
    connect(m_vehicle, &QComboBox::activated, this, &RoadCardDialog::vehicleChosen);
    connect(distance, &QPushButton::clicked, this, &RoadCardDialog::routeFromDistanceTable);
}

void RoadCardDialog::load(const RoadCardFormValues& v, const FormSetup& setup) {
    loadFields(this, roadCardFields(), v, setup);
    m_vehicleDrivers.clear();
    for (const KeyedItem& item : setup.lists.value(QStringLiteral("IDPOJAZD")))
        m_vehicleDrivers.insert(item.key, item.extra);
}

RoadCardFormValues RoadCardDialog::values() const {
    return readFields(this, roadCardFields());
}

void RoadCardDialog::vehicleChosen(int index) {
    // The vehicle's own driver, while no driver is set.
    if (index < 0 || m_driver->currentIndex() >= 0)
        return;
    const QString driver = m_vehicleDrivers.value(m_vehicle->itemData(index).toString());
    if (!driver.isEmpty())
        m_driver->setCurrentIndex(m_driver->findData(driver));
}

void RoadCardDialog::routeFromDistanceTable() {
    if (!pickDistance)
        return;
    if (const std::optional<DistancePick> p = pickDistance())
        m_route->setEditText(distanceRouteText(p->departure, p->arrival));
}

void RoadCardDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    m_distanceButton->setVisible(static_cast<bool>(pickDistance) && m_number->isEnabled());
}

FormCheck RoadCardDialog::runChecks() {
    RoadCardFormValues v = values();
    const FormCheck check = checkRoadCardForm(v);
    // The numbers as the checks rewrote them, also when a check failed.
    const QStringList rewritten{v.liczStart, v.liczEnd, v.czas, v.godzSuma, v.odpoczynek};
    for (int i = 0; i < m_numbers.size(); ++i)
        m_numbers.at(i)->setText(rewritten.at(i));
    return check;
}

QLineEdit* RoadCardDialog::startField() const {
    return m_number;
}

} // namespace kv
