#include "subregisters/gui/EquipmentDialog.h"
#include "subregisters/gui/DictionaryButtons.h"

#include "framework/gui/FormFields.h"
#include "subregisters/SubregisterFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

namespace {

NumberField* readingField(const char* name, int length) {
    NumberField* f = newNumberField(QString::fromLatin1(name));
    f->setMaxLength(length);
    f->setZeroWhenInvalid(true);
    f->setMaximumWidth(140);
    return f;
}

} // namespace

EquipmentDialog::EquipmentDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfWyposazenie"));
    setWindowTitle(QStringLiteral("Wyposażenie"));
    setHeading(QStringLiteral("Element wyposażenia pojazdu"));
    const QString table = equipmentFields().table();

    m_date = newDateField(QStringLiteral("fDATA"));
    DateField* expiry = newDateField(QStringLiteral("fTERMIN"));
    QComboBox* vehicle = newListField(QStringLiteral("fNRREJ"), false, 16);
    m_reading = readingField("fLICZNIK", 18);
    QComboBox* kind = newListField(QStringLiteral("fRODZAJ"), true, 30);
    kind->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("RODZAJ")));
    m_kindDictionary = newSmallButton(QStringLiteral("OpenSlowniki1"), QStringLiteral("[...]"),
                                      QStringLiteral("Edytuj słowniki"));
    m_reminder = readingField("fLICZTERM", 15);
    m_reminder->setToolTip(
        QStringLiteral("Informuj o terminie wymiany wyposażenia przy stanie licznika"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data montażu"), m_date);
    form->addRow(QStringLiteral("Termin ważności"), expiry);
    form->addRow(QStringLiteral("Wskaż pojazd"), vehicle);
    form->addRow(QStringLiteral("Montaż przy stanie licznika"),
                 withUnit(m_reading, QStringLiteral("km")));
    form->addRow(QStringLiteral("Rodzaj wyposażenia"), fieldRow({kind, m_kindDictionary}));
    form->addRow(QStringLiteral("Opis elementu"), newTextField(table, QStringLiteral("OPIS"), 360));
    form->addRow(QStringLiteral("Inne"), newTextField(table, QStringLiteral("UWAGI"), 360));
    form->addRow(QStringLiteral("Termin przy stanie licznika"),
                 withUnit(m_reminder, QStringLiteral("km")));
    body()->addLayout(form);
    addButtons();

    connect(m_kindDictionary, &QToolButton::clicked, this, [this] {
        editDictionaryKeepingTyped(this, equipmentFields(), editDictionary, kEquipmentKindsCode);
    });
}

void EquipmentDialog::load(const EquipmentFormValues& v, const FormSetup& setup) {
    loadFields(this, equipmentFields(), v, setup);
}

EquipmentFormValues EquipmentDialog::values() const {
    return readFields(this, equipmentFields());
}

void EquipmentDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    showDictionaryButtons({m_kindDictionary}, static_cast<bool>(editDictionary),
                          canEditDictionary && canEditDictionary());
}

FormCheck EquipmentDialog::runChecks() {
    EquipmentFormValues v = values();
    const FormCheck check = checkEquipmentForm(v);
    m_reading->setText(v.licznik);
    m_reminder->setText(v.liczterm);
    return check;
}

QLineEdit* EquipmentDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
