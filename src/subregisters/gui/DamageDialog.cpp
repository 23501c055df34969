#include "subregisters/gui/DamageDialog.h"

#include "framework/gui/FormFields.h"
#include "framework/gui/KeyedLookup.h"
#include "subregisters/SubregisterLists.h"
#include "subregisters/gui/AmountLink.h"
#include "subregisters/gui/HandOverBox.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace kv {

DamageDialog::DamageDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fSzkody"));
    setWindowTitle(QStringLiteral("Opis szkody - stłuczki"));
    setHeading(QStringLiteral("Szkoda, stłuczka ..."));
    const QString table = damageFields().table();

    m_vehicle = newListField(QStringLiteral("fNRREJ"), false, 16);
    m_date = newDateField(QStringLiteral("fDATA"));
    QLineEdit* description = newTextField(table, QStringLiteral("OPIS"), 360);
    NumberField* net = newNumberField(QStringLiteral("fWARTNETTO"));
    NumberField* vat = newNumberField(QStringLiteral("fWARTVAT"));
    NumberField* gross = newNumberField(QStringLiteral("fWARTBRUTTO"));
    for (NumberField* n : {net, vat, gross}) {
        n->setMaxLength(16);
        n->setMaximumWidth(130);
    }
    QComboBox* rate = newListField(kVatRateList, false, 5);
    QLineEdit* other = newTextField(table, QStringLiteral("UWAGI"), 360);
    m_driver = newListField(QStringLiteral("fIDKIEROWCY"), false, 24);
    m_reading = newNumberField(QStringLiteral("fLICZNIK"));
    m_reading->setMaxLength(15);
    m_reading->setZeroWhenInvalid(true);
    m_reading->setMaximumWidth(140);
    m_handOn = newHandOverBox();

    auto* values = new QGroupBox(QStringLiteral("Wartości"));
    auto* grid = new QGridLayout(values);
    grid->addWidget(new QLabel(QStringLiteral("Wartość netto")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Stawka VAT")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Kwota VAT")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral(" Wartość brutto")), 0, 3);
    grid->addWidget(net, 1, 0);
    grid->addWidget(withUnit(rate, QStringLiteral("%")), 1, 1);
    grid->addWidget(vat, 1, 2);
    grid->addWidget(gross, 1, 3);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral(" Wskaż pojazd"), fieldRow({m_vehicle}, true));
    form->addRow(QStringLiteral("Data szkody"), fieldRow({m_date}, true));
    form->addRow(QStringLiteral("Opis zdarzenia"), description);
    form->addRow(values);
    form->addRow(QStringLiteral("Inne"), other);
    form->addRow(QStringLiteral("Kierowca"),
                 lookupWithClear(m_driver, QStringLiteral("SBKierowcaBrak"),
                                 QStringLiteral("Nie wskazuj żadnego kierowcy")));
    form->addRow(QStringLiteral("Stan licznika w trakcie zdarzenia"),
                 withUnit(m_reading, QStringLiteral("km")));
    body()->addLayout(form);
    body()->addWidget(m_handOn);
    addButtons();

    m_amounts = new AmountLink(net, vat, gross, rate, this);
    m_link = new VehicleDriverLink(m_vehicle, m_driver, this);
}

void DamageDialog::load(const DamageFormValues& v, const FormSetup& setup) {
    loadFields(this, damageFields(), v, setup);
    m_amounts->setRates(setup.lists.value(kVatRateList));
    m_link->setVehicles(setup.lists.value(QStringLiteral("IDPOJAZD")));
    loadHandOverBox(m_handOn, v.handOn, setup);
}

DamageFormValues DamageDialog::values() const {
    DamageFormValues v = readFields(this, damageFields());
    v.handOn = m_handOn->isChecked() && m_handOn->isEnabled();
    return v;
}

FormCheck DamageDialog::runChecks() {
    m_amounts->normalize();
    m_reading->normalize();
    DamageFormValues v = values();
    const FormCheck c = checkDamageForm(v);
    m_reading->setText(v.licznik);
    return c;
}

QLineEdit* DamageDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
