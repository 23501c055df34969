#include "fleet/gui/VehicleDialog.h"

#include "framework/DisplayFormatters.h"
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
    auto* c = new QComboBox;
    c->setObjectName(QLatin1String(name));
    c->setEditable(editable);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(18);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

NumberField* number(const char* name, int decimals = 2) {
    auto* n = new NumberField;
    n->setObjectName(QLatin1String(name));
    n->setDecimals(decimals);
    n->setMaxLength(18);
    n->setAlignment(Qt::AlignRight);
    return n;
}

DateField* date(const char* name) {
    auto* d = new DateField;
    d->setObjectName(QLatin1String(name));
    return d;
}

QWidget* withUnit(QWidget* field, const QString& unit) {
    auto* box = new QWidget;
    auto* l = new QHBoxLayout(box);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(field);
    l->addWidget(new QLabel(unit));
    l->addStretch(1);
    return box;
}

QToolButton* smallButton(const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton;
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    return b;
}

void selectKey(QComboBox* box, const QString& key) {
    box->setCurrentIndex(box->findData(key));
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
        m_fleet->clear();
        m_fleet->addItem(QString(), QStringLiteral("0"));
        for (const KeyedItem& f : reloaded.fleets)
            m_fleet->addItem(f.text, f.key);
        selectKey(m_fleet, QString::number(key));
    });
}

void VehicleDialog::load(const VehicleFormValues& v, const VehicleLists& lists) {
    m_lists = lists;
    m_fleet->clear();
    m_fleet->addItem(QString(), QStringLiteral("0"));
    for (const KeyedItem& f : lists.fleets)
        m_fleet->addItem(f.text, f.key);
    m_kind->clear();
    for (const KeyedItem& k : lists.kinds)
        m_kind->addItem(k.text, k.key);
    m_driver->clear();
    for (const KeyedItem& d : lists.drivers)
        m_driver->addItem(d.text, d.key);
    m_owner->clear();
    m_owner->addItems(lists.owners);

    m_lp->setText(v.lp);
    m_nrewid->setText(v.nrewid);
    m_status->setCurrentIndex(v.status);
    selectKey(m_fleet, QString::number(v.fleetKey));
    m_nrrej->setText(v.nrrej);
    m_poprzNrrej->setText(v.poprzNrrej);
    m_marka->setText(v.marka);
    selectKey(m_kind, QString::number(v.kindKey));
    m_capacity->setText(v.capacity);
    m_year->setCurrentText(v.year);
    m_seria->setText(v.seriaDrej);
    m_engine->setText(v.nrSilnika);
    m_body->setText(v.nrNadwozia);
    m_owner->setCurrentText(v.owner);
    selectKey(m_driver, v.driver);
    m_dataOc->setText(v.dataOc);
    m_polOc->setText(v.nrPolOc);
    m_dataAc->setText(v.dataAc);
    m_polAc->setText(v.nrPolAc);
    m_dataPrze->setText(v.dataPrze);
    m_dataPrzeGw->setText(v.dataPrzeGw);
    m_dataTacho->setText(v.dataTacho);
    m_liczPrzeg->setText(v.liczPrzeg);
    m_liczGwar->setText(v.liczGwar);
    m_normaOd->setText(v.normaOd);
    m_normaDo->setText(v.normaDo);
    m_stawka->setText(v.stawka);
    m_uwagi->setText(v.uwagi);
}

VehicleFormValues VehicleDialog::values() const {
    VehicleFormValues v;
    v.lp = m_lp->text();
    v.nrewid = m_nrewid->text();
    v.status = std::max(0, m_status->currentIndex());
    v.fleetKey = m_fleet->currentData().toInt();
    v.nrrej = m_nrrej->text();
    v.poprzNrrej = m_poprzNrrej->text();
    v.marka = m_marka->text();
    v.kindKey = m_kind->currentIndex() >= 0 ? m_kind->currentData().toInt() : 0;
    v.capacity = m_capacity->text();
    v.year = m_year->currentText();
    v.seriaDrej = m_seria->text();
    v.nrSilnika = m_engine->text();
    v.nrNadwozia = m_body->text();
    v.owner = m_owner->currentText();
    v.driver = m_driver->currentIndex() >= 0 ? m_driver->currentData().toString() : QString();
    v.dataOc = m_dataOc->text();
    v.nrPolOc = m_polOc->text();
    v.dataAc = m_dataAc->text();
    v.nrPolAc = m_polAc->text();
    v.dataPrze = m_dataPrze->text();
    v.dataPrzeGw = m_dataPrzeGw->text();
    v.dataTacho = m_dataTacho->text();
    v.liczPrzeg = m_liczPrzeg->text();
    v.liczGwar = m_liczGwar->text();
    v.normaOd = m_normaOd->text();
    v.normaDo = m_normaDo->text();
    v.stawka = m_stawka->text();
    v.uwagi = m_uwagi->text();
    return v;
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
