#include "fuel/gui/FuelPriceDialog.h"

#include "framework/gui/FormFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

FuelPriceDialog::FuelPriceDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfCenyPaliw"));
    setWindowTitle(QStringLiteral("Rejestr cen paliw"));
    setHeading(QStringLiteral("Cena paliwa"));

    m_date = newDateField(QStringLiteral("fDATA"));
    m_kind = newListField(QStringLiteral("fRODZAJPALIWA"), false, 24);
    m_place = newListField(QStringLiteral("fMIEJSCE"), true, 30);
    m_place->lineEdit()->setMaxLength(fieldWidth(fuelPriceFields().table(), "MIEJSCE"));
    m_price = newNumberField(QStringLiteral("fBRUTTO"));
    m_price->setZeroWhenInvalid(true);
    m_price->setMaximumWidth(120);
    const QString hint = QStringLiteral("Edytuj słowniki");
    m_kindDictionary = newSmallButton(QStringLiteral("SBRodzajPaliwa"), "[...]", hint);
    m_placeDictionary = newSmallButton(QStringLiteral("SBMiejsce"), "[...]", hint);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data"), m_date);
    form->addRow(QStringLiteral("Rodzaj paliwa"), fieldRow({m_kind, m_kindDictionary}));
    form->addRow(QStringLiteral("Miejsce"), fieldRow({m_place, m_placeDictionary}));
    form->addRow(QStringLiteral("Cena brutto za 1 litr"), withUnit(m_price, QStringLiteral("zł")));
    body()->addLayout(form);
    addButtons();

    connect(m_kindDictionary, &QToolButton::clicked, this,
            [this] { openDictionary(kFuelKindsCode); });
    connect(m_placeDictionary, &QToolButton::clicked, this,
            [this] { openDictionary(kFuelPlacesCode); });
}

void FuelPriceDialog::load(const FuelPriceFormValues& v, const FormSetup& setup) {
    loadFields(this, fuelPriceFields(), v, setup);
}

FuelPriceFormValues FuelPriceDialog::values() const {
    return readFields(this, fuelPriceFields());
}

void FuelPriceDialog::openDictionary(const QString& code) {
    if (!editDictionary)
        return;
    // What is chosen and typed so far stays.
    const FuelPriceFormValues typed = values();
    FormSetup s;
    s.lists = editDictionary(code);
    loadFields(this, fuelPriceFields(), typed, s);
}

void FuelPriceDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    const bool allowed = canEditDictionary && canEditDictionary();
    for (QToolButton* b : {m_kindDictionary, m_placeDictionary}) {
        if (!editDictionary)
            b->hide();
        b->setEnabled(allowed);
    }
}

FormCheck FuelPriceDialog::runChecks() {
    FuelPriceFormValues v = values();
    const FormCheck check = checkFuelPriceForm(v);
    m_price->setText(v.brutto); // reformatted before the checks, whatever they find
    return check;
}

QLineEdit* FuelPriceDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
