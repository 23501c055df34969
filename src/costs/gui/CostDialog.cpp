#include "costs/gui/CostDialog.h"

#include "framework/HandOver.h"
#include "framework/gui/FormFields.h"
#include "storage/ProgramOptions.h"
#include "support/Decimal.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QToolButton>

namespace kv {

namespace {

QToolButton* noneButton(const char* name, const char* hint) {
    return newSmallButton(QLatin1String(name), QStringLiteral("×"), QString::fromUtf8(hint));
}

QHash<QString, QString> extras(const FormSetup& setup, const QString& column) {
    QHash<QString, QString> out;
    for (const KeyedItem& item : setup.lists.value(column))
        out.insert(item.key, item.extra);
    return out;
}

NumberField* amountField(const char* name) {
    NumberField* n = newNumberField(QLatin1String(name));
    n->setZeroWhenInvalid(true);
    n->setMaximumWidth(130);
    return n;
}

} // namespace

CostDialog::CostDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fKoszty"));
    setWindowTitle(QStringLiteral("Koszt"));
    build();
}

void CostDialog::build() {
    setHeading(QStringLiteral("Koszt"));
    const QString table = costFields().table();

    m_date = newDateField(QStringLiteral("fDATA"));
    m_vehicle = newListField(QStringLiteral("fNRREJ"), false, 16);
    m_kind = newListField(QStringLiteral("fRODZWYD"), true, 30);
    m_kind->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("RODZWYD")));
    m_kindDictionary = newSmallButton(QStringLiteral("SBRodzajWyd"), QStringLiteral("[...]"),
                                      QStringLiteral("Edytuj słowniki"));
    QLineEdit* goods = newTextField(table, QStringLiteral("NAZWATOWAR"), 320);
    QLineEdit* document = newTextField(table, QStringLiteral("NRDOKUMENT"), 200);
    m_net = amountField("fWARTNETTO");
    m_vat = amountField("fWARTVAT");
    m_gross = amountField("fWARTBRUTTO");
    m_rate = newListField(QStringLiteral("stawkaVAT"), false, 5);
    m_rate->setToolTip(QStringLiteral("Wylicza kwotę VAT i wartość brutto z wartości netto"));
    m_bookVat = new QCheckBox(QStringLiteral("Czy księgować VAT?"));
    m_bookVat->setObjectName(QStringLiteral("fCZYVAT"));
    DateField* issued = newDateField(QStringLiteral("fDATAWYSTAW"));
    QComboBox* payment = newListField(QStringLiteral("fRODZAJPLAT"), false, 20);
    QComboBox* card = newListField(QStringLiteral("fIDKARTY"), false, 24);
    m_reading = newNumberField(QStringLiteral("fLICZNIK"));
    m_reading->setZeroWhenInvalid(true);
    m_reading->setMaximumWidth(130);
    m_driver = newListField(QStringLiteral("fIDKIEROWCY"), false, 24);
    m_isFuel = new QCheckBox(QStringLiteral("Dotyczy zakupu paliwa"));
    m_isFuel->setObjectName(QStringLiteral("fISFUEL"));
    m_fuel = newNumberField(QStringLiteral("fFUEL"));
    m_fuel->setZeroWhenInvalid(true);
    m_fuel->setMaximumWidth(100);
    QComboBox* centre = newListField(QStringLiteral("fCK"), false, 20);
    QComboBox* roadCard = newListField(QStringLiteral("fIDDROGOWA"), false, 16);
    QLineEdit* other = newTextField(table, QStringLiteral("UWAGI"), 320);

    QToolButton* noPayment = noneButton("SBPlatnoscBrak", "Nie wskazuj żadnego rodzaju płatności");
    QToolButton* noCard = noneButton("SBKartaBrak", "Nie wskazuj żadnej karty paliwowej");
    QToolButton* noDriver = noneButton("SBKierowcaBrak", "Nie wskazuj żadnego kierowcy");
    QToolButton* noCentre = noneButton("SBCKBrak", "Nie wskazuj żadnego centrum kosztowego");
    QToolButton* noRoadCard = noneButton("SBDrogowaBrak", "Nie wskazuj żadnej karty drogowej");

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data powstania kosztu"), fieldRow({m_date}, true));
    form->addRow(QStringLiteral("Wskaż pojazd"), fieldRow({m_vehicle}, true));
    form->addRow(QStringLiteral("Rodzaj wydatku"), fieldRow({m_kind, m_kindDictionary}));
    form->addRow(QStringLiteral("Nazwa towaru"), goods);
    form->addRow(QStringLiteral("Numer dokumentu"), document);

    auto* values = new QGroupBox(QStringLiteral("Wartości"));
    auto* grid = new QGridLayout(values);
    grid->addWidget(new QLabel(QStringLiteral("Wartość netto")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Stawka VAT")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kwota VAT")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Wartość brutto")), 0, 3);
    grid->addWidget(m_net, 1, 0);
    grid->addWidget(withUnit(m_rate, QStringLiteral("%")), 1, 1);
    grid->addWidget(m_vat, 1, 2);
    grid->addWidget(m_gross, 1, 3);
    grid->addWidget(m_bookVat, 2, 0, 1, 4);

    // One form, so every label column lines up; the values span it.
    form->addRow(values);
    form->addRow(QStringLiteral("Data wystawienia"), fieldRow({issued}, true));
    form->addRow(QStringLiteral("Rodzaj płatności"), fieldRow({payment, noPayment}));
    form->addRow(QStringLiteral("Karta paliwowa"), fieldRow({card, noCard}));
    form->addRow(QStringLiteral("Stan licz. w trakcie zakupu"),
                 withUnit(m_reading, QStringLiteral("km")));
    form->addRow(QStringLiteral("Kierowca"), fieldRow({m_driver, noDriver}));
    form->addRow(QString(), fieldRow({m_isFuel, new QLabel(QStringLiteral("  Ilość paliwa")),
                                      m_fuel, new QLabel(QStringLiteral("Litrów"))},
                                     true));
    form->addRow(QStringLiteral("CK"), fieldRow({centre, noCentre}));
    form->addRow(QStringLiteral("Koszt z karty drogowej"), fieldRow({roadCard, noRoadCard}));
    form->addRow(QStringLiteral("Ilość towaru / inne"), other);
    body()->addLayout(form);
    body()->addWidget(buildHandOver());
    addButtons();

    for (auto [button, list] : {std::pair{noPayment, payment}, std::pair{noCard, card},
                                std::pair{noCentre, centre}, std::pair{noRoadCard, roadCard}})
        connect(button, &QToolButton::clicked, list, [list] { list->setCurrentIndex(-1); });
    connect(noDriver, &QToolButton::clicked, this, [this] {
        m_driver->setCurrentIndex(-1);
        m_driverFromVehicle = false;
    });
    connect(m_driver, &QComboBox::activated, this, [this] { m_driverFromVehicle = false; });
    connect(m_vehicle, &QComboBox::activated, this, &CostDialog::vehicleChosen);
    connect(m_kind, &QComboBox::activated, this, &CostDialog::expenseKindChosen);
    connect(m_kindDictionary, &QToolButton::clicked, this, [this] {
        if (!editExpenseKinds)
            return;
        const QString typed = m_kind->currentText();
        FormSetup s;
        s.lists.insert(QStringLiteral("RODZWYD"), editExpenseKinds());
        setFieldControl(m_kind, FieldKind::Text, typed, 0, &s.lists[QStringLiteral("RODZWYD")],
                        true);
        m_kindVat = extras(s, QStringLiteral("RODZWYD"));
    });
    for (NumberField* n : {m_net, m_vat, m_gross})
        connect(n, &QLineEdit::textEdited, this, [this, n] { amountTyped(n); });
    // Closing the list on a rate, or leaving it, works the values out.
    connect(m_rate, &QComboBox::activated, this, &CostDialog::rateChosen);
    connect(m_fuel, &QLineEdit::textEdited, this, &CostDialog::fuelTyped);
}

QWidget* CostDialog::buildHandOver() {
    auto* box = new QWidget;
    auto* l = new QHBoxLayout(box);
    l->setContentsMargins(0, 6, 0, 0);
    m_handOn = new QCheckBox(QStringLiteral("Dodaj powyższe do"));
    m_handOn->setObjectName(QStringLiteral("dodaj"));
    m_handTarget = newListField(QStringLiteral("dodajDo"), false, 22);
    m_handTarget->addItems({QStringLiteral("rejestru napraw"),
                            QStringLiteral("zużycia paliwa - ciągłe"),
                            QStringLiteral("rejestr opon"), QStringLiteral("zużycia paliwa - km"),
                            QStringLiteral("zużycia paliwa - mth")});
    m_fuelKindLabel = new QLabel(QStringLiteral("Rodzaj paliwa:"));
    m_fuelKind = newListField(QStringLiteral("rPaliwaCombo"), false, 12);
    m_fuelKind->addItems({QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")});
    l->addWidget(m_handOn);
    l->addWidget(m_handTarget);
    l->addSpacing(12);
    l->addWidget(m_fuelKindLabel);
    l->addWidget(m_fuelKind);
    // The window keeps its width whichever target is chosen.
    for (QWidget* w : {static_cast<QWidget*>(m_fuelKindLabel), static_cast<QWidget*>(m_fuelKind)}) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
    l->addStretch(1);
    connect(m_handTarget, &QComboBox::currentIndexChanged, this, &CostDialog::updateHandOver);
    connect(m_handOn, &QCheckBox::toggled, this, &CostDialog::updateHandOver);
    return box;
}

void CostDialog::load(const CostFormValues& v, const FormSetup& setup) {
    loadFields(this, costFields(), v, setup);
    m_rate->clear();
    for (const KeyedItem& rate : setup.lists.value(kCostRateList))
        m_rate->addItem(rate.text);
    m_rate->setCurrentIndex(-1);
    m_vehicleDrivers = extras(setup, QStringLiteral("IDPOJAZD"));
    m_kindVat = extras(setup, QStringLiteral("RODZWYD"));
    m_driverFromVehicle = setup.adding && !v.driver.isEmpty() &&
                          v.driver == m_vehicleDrivers.value(QString::number(v.vehicle));
    // Only the list's entries, when the option says so: typing is dropped.
    m_kind->lineEdit()->setReadOnly(programOptions().RodzajKosztuRO);

    // A target this version lacks is shown but cannot be chosen.
    auto* model = qobject_cast<QStandardItemModel*>(m_handTarget->model());
    for (int i = 0; i < m_handTarget->count(); ++i)
        if (QStandardItem* item = model ? model->item(i) : nullptr)
            item->setEnabled(handOverTarget(costHandOverTargets().value(i)) != nullptr);
    m_secondWindow = setup.secondWindow;
    m_handOn->setChecked(false);
    m_handTarget->setCurrentIndex(v.handTarget);
    m_fuelKind->setCurrentIndex(v.fuelKind);
    updateHandOver();
}

CostFormValues CostDialog::values() const {
    CostFormValues v = readFields(this, costFields());
    v.handOn = m_handOn->isChecked() && m_handOn->isEnabled();
    v.handTarget = std::max(0, m_handTarget->currentIndex());
    v.fuelKind = std::max(0, m_fuelKind->currentIndex());
    return v;
}

void CostDialog::vehicleChosen(int index) {
    // The vehicle's own driver, unless the user has chosen one.
    if (index < 0 || (m_driver->currentIndex() >= 0 && !m_driverFromVehicle))
        return;
    const QString driver = m_vehicleDrivers.value(m_vehicle->itemData(index).toString());
    m_driver->setCurrentIndex(driver.isEmpty() ? -1 : m_driver->findData(driver));
    m_driverFromVehicle = m_driver->currentIndex() >= 0;
}

void CostDialog::expenseKindChosen(int index) {
    m_bookVat->setChecked(expenseKindBooksVat(m_kindVat.value(m_kind->itemText(index))));
}

void CostDialog::showAmounts(const CostAmounts& a) {
    for (auto [field, text] :
         {std::pair{m_net, a.net}, std::pair{m_vat, a.vat}, std::pair{m_gross, a.gross}})
        if (field->text() != text)
            field->setText(text);
}

void CostDialog::amountTyped(NumberField* field) {
    CostAmounts a{m_net->text(), m_vat->text(), m_gross->text()};
    if (field == m_net)
        a.netTyped(m_net->text());
    else if (field == m_vat)
        a.vatTyped(m_vat->text());
    else
        a.grossTyped(m_gross->text());
    showAmounts(a);
    m_rate->setCurrentIndex(-1);
}

void CostDialog::rateChosen() {
    CostAmounts a{m_net->text(), m_vat->text(), m_gross->text()};
    if (a.rateChosen(m_rate->currentText()))
        showAmounts(a);
    // A calculator: no choice is kept.
    m_rate->setCurrentIndex(-1);
}

void CostDialog::fuelTyped(const QString& text) {
    const std::optional<Decimal> litres = Decimal::parse(text);
    if (!litres)
        m_isFuel->setChecked(false);
    else if (litres->signum() > 0)
        m_isFuel->setChecked(true);
}

void CostDialog::updateHandOver() {
    m_handOn->setEnabled(!m_secondWindow);
    if (m_secondWindow)
        m_handOn->setChecked(false);
    m_handTarget->setEnabled(!m_secondWindow);
    const bool fuel = costTargetNeedsFuelKind(m_handTarget->currentIndex());
    m_fuelKindLabel->setVisible(fuel);
    m_fuelKind->setVisible(fuel);
    m_fuelKind->setEnabled(!m_secondWindow);
}

void CostDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    if (!editExpenseKinds)
        m_kindDictionary->hide();
    m_kindDictionary->setEnabled(canEditDictionary && canEditDictionary());
    updateHandOver();
}

FormCheck CostDialog::runChecks() {
    // Enter saves without leaving the field: the fields are shown as leaving
    // them would show them.
    for (NumberField* n : {m_net, m_vat, m_gross, m_reading, m_fuel})
        n->normalize();
    CostFormValues v = values();
    const FormCheck c = checkCostForm(v, programOptions().poleInneJestLiczba);
    m_reading->setText(v.licznik);
    m_fuel->setText(v.fuel);
    return c;
}

QLineEdit* CostDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
