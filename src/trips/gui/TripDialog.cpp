#include "trips/gui/TripDialog.h"

#include "dictionaries/DictionaryLists.h"
#include "framework/gui/FormFields.h"
#include "support/Decimal.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace kv {

namespace {

const QString kPurposesCode = QStringLiteral("CELWY");

QComboBox* list(const char* name, bool editable) {
    return newListField(QLatin1String(name), editable, 30);
}

QToolButton* smallButton(const char* name, const QString& text, const QString& hint) {
    return newSmallButton(QLatin1String(name), text, hint);
}

QWidget* row(std::initializer_list<QWidget*> widgets, bool stretch = false) {
    return fieldRow(widgets, stretch);
}

QHash<QString, QString> extras(const FormSetup& setup, const QString& column) {
    QHash<QString, QString> out;
    for (const KeyedItem& item : setup.lists.value(column))
        out.insert(item.key, item.extra);
    return out;
}

} // namespace

TripDialog::TripDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fPrzejazdy"));
    setWindowTitle(QStringLiteral("Przejazd"));
    build();
}

void TripDialog::build() {
    setHeading(QStringLiteral("Informacje o trasie przejazdu"));
    const QString table = tripFields().table();

    m_date = newDateField(QStringLiteral("fDATA"));
    m_vehicle = list("fNRREJ", false);
    m_vehicle->setMinimumContentsLength(16);
    m_purpose = list("fCELWYJAZDU", true);
    m_purpose->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("CELWYJAZDU")));
    m_route = list("fTRASA", true);
    m_route->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("TRASA")));
    const QString dictionaryHint = QStringLiteral("Edytuj słowniki");
    m_purposeDictionary = smallButton("SBCelWyjazdu", QStringLiteral("[...]"), dictionaryHint);
    m_routeDictionary = smallButton("SBTrasa", QStringLiteral("[...]"), dictionaryHint);
    m_distanceTable = new QPushButton(QStringLiteral("Wybierz trasę z tabeli odległości"));
    m_distanceTable->setObjectName(QStringLiteral("bTabelaOdleglosci"));
    m_distanceTable->setAutoDefault(false);
    m_distanceTable->setEnabled(false); // until a picker is given (see showEvent)
    m_length = newNumberField(QStringLiteral("fODLEGLOSC"));
    m_length->setZeroWhenInvalid(true);
    m_length->setMaximumWidth(120);
    m_driver = list("fIDKIEROWCY", false);
    auto* driverClear = smallButton("SBKierowcaBrak", QStringLiteral("×"),
                                    QStringLiteral("Nie wskazuj żadnego kierowcy"));
    QLineEdit* remarks = newTextField(table, QStringLiteral("UWAGI"), 420);

    m_lent = new QCheckBox(
        QStringLiteral("Pojazd był używany przez osobę niebędącą pracownikiem podatnika VAT"));
    m_lent->setObjectName(QStringLiteral("fPRYW"));
    m_handover = newNumberField(QStringLiteral("fPRYWLICZOD"));
    m_return = newNumberField(QStringLiteral("fPRYWLICZDO"));
    for (NumberField* n : {m_handover, m_return}) {
        n->setZeroWhenInvalid(true);
        n->setMaximumWidth(140);
    }
    m_lentTo = newTextField(table, QStringLiteral("PRYWKTO"), 320);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data wyjazdu"), m_date);
    form->addRow(QStringLiteral("Wskaż pojazd"), row({m_vehicle}, true));
    form->addRow(QStringLiteral("Cel wyjazdu"), row({m_purpose, m_purposeDictionary}));
    form->addRow(QStringLiteral("Trasa"), row({m_route, m_routeDictionary}));
    form->addRow(QString(), row({m_distanceTable}, true));
    form->addRow(QStringLiteral("Długość trasy"),
                 row({m_length, new QLabel(QStringLiteral("km"))}, true));
    form->addRow(QStringLiteral("Kierowca"), row({m_driver, driverClear}));
    form->addRow(QStringLiteral("Inne"), remarks);
    body()->addLayout(form);

    auto* vat = new QGroupBox(QStringLiteral("Dodatkowe pola - kilometrówka VAT:"));
    auto* vatLayout = new QFormLayout(vat);
    vatLayout->addRow(m_lent);
    vatLayout->addRow(QStringLiteral("Stan licznika na dzień udostępnienia pojazdu"),
                      row({m_handover, new QLabel(QStringLiteral("km"))}, true));
    vatLayout->addRow(QStringLiteral("Stan licznika na dzień zwrotu pojazdu"),
                      row({m_return, new QLabel(QStringLiteral("km"))}, true));
    vatLayout->addRow(QStringLiteral("Imię i nazwisko osoby, której udostępniono pojazd"),
                      m_lentTo);
    body()->addWidget(vat);
    addButtons();

    connect(driverClear, &QToolButton::clicked, this, [this] {
        m_driver->setCurrentIndex(-1);
        m_driverFromVehicle = false;
    });
    connect(m_driver, &QComboBox::activated, this, [this] { m_driverFromVehicle = false; });
    connect(m_vehicle, &QComboBox::activated, this, &TripDialog::vehicleChosen);
    connect(m_route, &QComboBox::activated, this, &TripDialog::routeChosen);
    connect(m_lent, &QCheckBox::toggled, this, &TripDialog::updateVatFields);
    connect(m_distanceTable, &QPushButton::clicked, this, &TripDialog::routeFromDistanceTable);
    connect(m_purposeDictionary, &QToolButton::clicked, this,
            [this] { openDictionary(kPurposesCode); });
    connect(m_routeDictionary, &QToolButton::clicked, this,
            [this] { openDictionary(kRoutesCode); });
}

void TripDialog::load(const TripFormValues& v, const FormSetup& setup) {
    loadFields(this, tripFields(), v, setup);
    m_vehicleDrivers = extras(setup, QStringLiteral("IDPOJAZD"));
    m_routeLengths = extras(setup, QStringLiteral("TRASA"));
    // A new trip's driver preset with its vehicle goes with that vehicle.
    m_driverFromVehicle = setup.adding && !v.driver.isEmpty() &&
                          v.driver == m_vehicleDrivers.value(QString::number(v.vehicle));
    updateVatFields();
}

TripFormValues TripDialog::values() const {
    // The VAT fields as they stand, also while disabled: the field table
    // decides what a trip that is not lent stores.
    return readFields(this, tripFields());
}

void TripDialog::vehicleChosen(int index) {
    // The vehicle's own driver, unless the user has chosen one.
    if (index < 0 || (m_driver->currentIndex() >= 0 && !m_driverFromVehicle))
        return;
    const QString driver = m_vehicleDrivers.value(m_vehicle->itemData(index).toString());
    m_driver->setCurrentIndex(driver.isEmpty() ? -1 : m_driver->findData(driver));
    m_driverFromVehicle = m_driver->currentIndex() >= 0;
}

void TripDialog::routeChosen(int index) {
    const QString length = m_routeLengths.value(m_route->itemText(index));
    if (const std::optional<Decimal> d = Decimal::parse(length))
        m_length->setText(formatDecimal(*d, 2));
}

void TripDialog::routeFromDistanceTable() {
    if (!pickDistance)
        return;
    const std::optional<DistancePick> p = pickDistance();
    if (!p)
        return;
    m_route->setEditText(distanceRouteText(p->departure, p->arrival));
    if (const std::optional<Decimal> d = Decimal::parse(p->km))
        m_length->setText(formatDecimal(*d, 2));
}

void TripDialog::updateVatFields() {
    const bool on = m_lent->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_handover, m_return, m_lentTo})
        w->setEnabled(on);
}

void TripDialog::fillDictionaryLists(const TripLists& lists) {
    // The texts typed so far stay.
    for (auto [box, column] : {std::pair{m_purpose, QStringLiteral("CELWYJAZDU")},
                               std::pair{m_route, QStringLiteral("TRASA")}}) {
        const auto items = lists.constFind(column);
        if (items != lists.cend())
            setFieldControl(box, FieldKind::Text, box->currentText(), 0, &items.value(), true);
    }
    FormSetup s;
    s.lists = lists;
    m_routeLengths = extras(s, QStringLiteral("TRASA"));
}

void TripDialog::openDictionary(const QString& code) {
    if (editDictionary)
        fillDictionaryLists(editDictionary(code));
}

void TripDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    // Shown while the window is editable (setWindowEditable hides them for a
    // preview); without the dictionary permission they are there but disabled.
    const bool allowed = canEditDictionary && canEditDictionary();
    for (QToolButton* b : {m_purposeDictionary, m_routeDictionary}) {
        if (!editDictionary)
            b->hide();
        b->setEnabled(allowed);
    }
    m_distanceTable->setEnabled(static_cast<bool>(pickDistance));
    updateVatFields();
}

FormCheck TripDialog::runChecks() {
    // Enter saves without leaving the field: numbers are shown as leaving
    // would show them; other text stays for the checks to point at.
    for (NumberField* n : {m_length, m_handover, m_return})
        if (const std::optional<Decimal> d = Decimal::parse(n->text()))
            n->setText(formatDecimal(*d, 2));
    return checkTripForm(values());
}

QLineEdit* TripDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
