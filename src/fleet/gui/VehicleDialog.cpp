#include "fleet/gui/VehicleDialog.h"

#include "fleet/VehicleStatus.h"
#include "framework/gui/FormFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

namespace {

QLineEdit* textField(const char* name, int maxLength) {
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    return e;
}

QComboBox* list(const char* name, bool editable = false) {
    return newListField(QLatin1String(name), editable);
}

NumberField* number(const char* name) {
    return newNumberField(QLatin1String(name));
}

DateField* date(const char* name) {
    return newDateField(QLatin1String(name));
}

QToolButton* smallButton(const char* name, const QString& text, const QString& hint) {
    return newSmallButton(QLatin1String(name), text, hint);
}

} // namespace

VehicleDialog::VehicleDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fPojazdy"));
    setWindowTitle(QStringLiteral("Pojazd"));
    build();
}

void VehicleDialog::build() {
    setHeading(QStringLiteral("Informacje o pojeździe"));

    m_lp = new NumberField;
    m_lp->setObjectName(QStringLiteral("fLP"));
    static_cast<NumberField*>(m_lp)->setIntegerMode(true);
    m_lp->setMaxLength(6);
    m_lp->setMaximumWidth(80);
    m_nrewid = textField("fNREWID", 50);
    m_status = list("fSTATUS");
    m_status->addItems(vehicleStatusTexts());
    m_fleet = list("fNRFLOTY");
    m_fleetDictionary =
        smallButton("SBFlota", QStringLiteral("[...]"), QStringLiteral("Edytuj słowniki"));
    auto* fleetClear = smallButton("SBFlotaBrak", QStringLiteral("×"),
                                   QStringLiteral("Nie wskazuj żadnego numeru floty"));
    m_nrrej = textField("fNRREJ", 15);
    m_poprzNrrej = textField("fPOPRZNRREJ", 15);
    m_marka = textField("fMARKA", 50);
    m_kind = list("fRODZAJ");
    m_capacity = textField("fPOJEMNOSC", 5);
    m_capacity->setMaximumWidth(80);
    m_year = list("fROCZNIK", true);
    m_year->addItem(QString());
    for (int y = kFirstListedYear; y <= kLastListedYear; ++y)
        m_year->addItem(QString::number(y));
    m_year->lineEdit()->setMaxLength(4);
    m_seria = textField("fSERIADREJ", 15);
    m_engine = textField("fNRSILNIKA", 30);
    m_body = textField("fNRNADWOZIA", 30);
    m_owner = list("fNREW", true);
    m_owner->lineEdit()->setMaxLength(100);
    m_driver = list("fIDKIEROWCY");
    auto* driverClear = smallButton("SBKierowcaBrak", QStringLiteral("×"),
                                    QStringLiteral("Nie wskazuj żadnego kierowcy"));

    m_dataOc = date("fDATAOC");
    m_polOc = textField("fNRPOLOC", 20);
    m_dataAc = date("fDATAAC");
    m_polAc = textField("fNRPOLAC", 20);
    m_dataPrze = date("fDATAPRZE");
    m_dataPrzeGw = date("fDATAPRZEGW");
    m_dataTacho = date("fDATATACHO");
    m_liczPrzeg = number("fLICZPRZEG");
    m_liczGwar = number("fLICZGWAR");
    m_normaOd = number("fNORMAOD");
    m_normaDo = number("fNORMADO");
    m_stawka = number("fSTAWKA");
    for (NumberField* n : {m_liczPrzeg, m_liczGwar, m_normaOd, m_normaDo, m_stawka})
        n->setMaximumWidth(110);
    m_uwagi = textField("fUWAGI", 254);

    auto* vehicle = new QGroupBox(QStringLiteral("Dane pojazdu"));
    auto* left = new QFormLayout(vehicle);
    auto* lpRow = new QWidget;
    auto* lpLayout = new QHBoxLayout(lpRow);
    lpLayout->setContentsMargins(0, 0, 0, 0);
    lpLayout->addWidget(m_lp);
    lpLayout->addWidget(new QLabel(QStringLiteral("ID pojazdu")));
    lpLayout->addWidget(m_nrewid, 1);
    left->addRow(QStringLiteral("Lp"), lpRow);
    left->addRow(QStringLiteral("Status pojazdu"), m_status);
    auto* fleetRow = new QWidget;
    auto* fleetLayout = new QHBoxLayout(fleetRow);
    fleetLayout->setContentsMargins(0, 0, 0, 0);
    fleetLayout->addWidget(m_fleet, 1);
    fleetLayout->addWidget(m_fleetDictionary);
    fleetLayout->addWidget(fleetClear);
    left->addRow(QStringLiteral("Numer Floty"), fleetRow);
    left->addRow(QStringLiteral("Numer rejestracyjny"), m_nrrej);
    left->addRow(QStringLiteral("Poprzedni nr rejestr."), m_poprzNrrej);
    left->addRow(QStringLiteral("Marka / typ / model"), m_marka);
    left->addRow(QStringLiteral("Rodzaj pojazdu"), m_kind);
    left->addRow(QStringLiteral("Pojemność"), withUnit(m_capacity, QStringLiteral("w cm3")));
    left->addRow(QStringLiteral("Rocznik"), m_year);
    left->addRow(QStringLiteral("Seria dow. rejestrac."), m_seria);
    left->addRow(QStringLiteral("Numer silnika"), m_engine);
    left->addRow(QStringLiteral("Numer nadwozia"), m_body);
    left->addRow(QStringLiteral("Właściciel"), m_owner);
    auto* driverRow = new QWidget;
    auto* driverLayout = new QHBoxLayout(driverRow);
    driverLayout->setContentsMargins(0, 0, 0, 0);
    driverLayout->addWidget(m_driver, 1);
    driverLayout->addWidget(driverClear);
    left->addRow(QStringLiteral("Kierowca"), driverRow);
    auto* driverNote =
        new QLabel(QStringLiteral("Jeśli brakuje kierowcy, dopisz go w kartotece osobowej"));
    driverNote->setStyleSheet(QStringLiteral("color: #5a6b7d; font-size: 8pt;"));
    left->addRow(QString(), driverNote);

    auto* terms = new QGroupBox(QStringLiteral("Terminy, ubezpieczenia i normy"));
    auto* right = new QFormLayout(terms);
    right->addRow(QStringLiteral("Data ważności OC"), m_dataOc);
    right->addRow(QStringLiteral("Numer polisy OC"), m_polOc);
    right->addRow(QStringLiteral("Data ważności AC"), m_dataAc);
    right->addRow(QStringLiteral("Numer polisy AC"), m_polAc);
    right->addRow(QStringLiteral("Następny przegląd techniczny"), m_dataPrze);
    right->addRow(QStringLiteral("Data przeglądu gwarancyjnego"), m_dataPrzeGw);
    right->addRow(QStringLiteral("Data legalizacji tachografu"), m_dataTacho);
    right->addRow(QStringLiteral("Przegl.tech. przy stanie licznika"),
                  withUnit(m_liczPrzeg, QStringLiteral("km")));
    right->addRow(QStringLiteral("Przegląd gwaranyjny po stanie licz."),
                  withUnit(m_liczGwar, QStringLiteral("km")));
    auto* normRow = new QWidget;
    auto* normLayout = new QHBoxLayout(normRow);
    normLayout->setContentsMargins(0, 0, 0, 0);
    normLayout->addWidget(m_normaOd);
    normLayout->addWidget(new QLabel(QStringLiteral("do")));
    normLayout->addWidget(m_normaDo);
    normLayout->addWidget(new QLabel(QStringLiteral("litrów")));
    normLayout->addStretch(1);
    right->addRow(QStringLiteral("Norma zużycia paliwa od"), normRow);
    right->addRow(QStringLiteral("Stawka za godzinę pracy"),
                  withUnit(m_stawka, QStringLiteral("PLN / h")));

    auto* columns = new QHBoxLayout;
    columns->addWidget(vehicle, 1);
    columns->addWidget(terms, 1);
    body()->addLayout(columns);
    auto* other = new QFormLayout;
    other->addRow(QStringLiteral("Inne"), m_uwagi);
    body()->addLayout(other);
    addButtons();

    connect(driverClear, &QToolButton::clicked, this, [this] { m_driver->setCurrentIndex(-1); });
    // Its hint speaks of the fleet number, so it clears the fleet number.
    connect(fleetClear, &QToolButton::clicked, this, [this] { m_fleet->setCurrentIndex(0); });
    connect(m_fleetDictionary, &QToolButton::clicked, this, [this] {
        if (!editFleetDictionary)
            return;
        const int key = m_fleet->currentData().toInt();
        const VehicleLists reloaded = editFleetDictionary();
        const auto fleets = reloaded.constFind(QStringLiteral("NRFLOTY"));
        setFieldControl(m_fleet, FieldKind::Code, QString(), key,
                        fleets == reloaded.cend() ? nullptr : &fleets.value(), true);
    });
}

void VehicleDialog::load(const VehicleFormValues& v, const FormSetup& setup) {
    loadFields(this, vehicleFields(), v, setup);
}

VehicleFormValues VehicleDialog::values() const {
    return readFields(this, vehicleFields());
}

FormCheck VehicleDialog::runChecks() {
    VehicleFormValues v = values();
    const FormCheck check = checkVehicleForm(v);
    // The rewritten numbers show, whether or not a later check fails.
    for (const auto& [edit, text] : {std::pair{static_cast<QLineEdit*>(m_stawka), v.stawka},
                                     {m_normaOd, v.normaOd},
                                     {m_normaDo, v.normaDo},
                                     {m_liczPrzeg, v.liczPrzeg},
                                     {m_liczGwar, v.liczGwar}})
        edit->setText(text);
    if (check.ok)
        m_capacity->setText(v.capacity);
    return check;
}

void VehicleDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    // Shown while the window is editable (setWindowEditable hides it for a
    // preview); without the dictionary permission it is there but disabled.
    if (!editFleetDictionary)
        m_fleetDictionary->hide();
    m_fleetDictionary->setEnabled(canEditFleetDictionary && canEditFleetDictionary());
}

QLineEdit* VehicleDialog::startField() const {
    return m_nrrej;
}

} // namespace kv
