#include "subregisters/gui/DocumentDialog.h"
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

DocumentDialog::DocumentDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfDokumenty"));
    setWindowTitle(QStringLiteral("Dokumenty"));
    setHeading(QStringLiteral("Dokument pojazdu"));
    const QString table = documentFields().table();

    m_date = newDateField(QStringLiteral("fDATA"));
    DateField* expiry = newDateField(QStringLiteral("fTERMIN"));
    QComboBox* vehicle = newListField(QStringLiteral("fNRREJ"), false, 16);
    QComboBox* kind = newListField(QStringLiteral("fRODZAJ"), true, 30);
    kind->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("RODZAJ")));
    m_kindDictionary = newSmallButton(QStringLiteral("OpenSlowniki1"), QStringLiteral("[...]"),
                                      QStringLiteral("Edytuj słowniki"));
    m_reminder = newNumberField(QStringLiteral("fLICZTERM"));
    m_reminder->setMaxLength(15);
    m_reminder->setZeroWhenInvalid(true);
    m_reminder->setMaximumWidth(140);
    m_reminder->setToolTip(QStringLiteral("Informuj o dokumencie przy stanie licznika"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data dokumentu"), m_date);
    form->addRow(QStringLiteral("Termin ważności"), expiry);
    form->addRow(QStringLiteral(" Wskaż pojazd"), vehicle);
    form->addRow(QStringLiteral("Rodzaj dokumentu"), fieldRow({kind, m_kindDictionary}));
    form->addRow(QStringLiteral("Nazwa"), newTextField(table, QStringLiteral("NAZWA"), 360));
    form->addRow(QStringLiteral("Opis"), newTextField(table, QStringLiteral("OPIS"), 360));
    form->addRow(QStringLiteral("Inne"), newTextField(table, QStringLiteral("UWAGI"), 360));
    form->addRow(QStringLiteral("Numer dokumentu"), newTextField(table, QStringLiteral("NUMER")));
    form->addRow(QStringLiteral("Termin przy stanie licznika"),
                 withUnit(m_reminder, QStringLiteral("km")));
    body()->addLayout(form);
    addButtons();

    connect(m_kindDictionary, &QToolButton::clicked, this, [this] {
        editDictionaryKeepingTyped(this, documentFields(), editDictionary, kDocumentKindsCode);
    });
}

void DocumentDialog::load(const DocumentFormValues& v, const FormSetup& setup) {
    loadFields(this, documentFields(), v, setup);
}

DocumentFormValues DocumentDialog::values() const {
    return readFields(this, documentFields());
}

void DocumentDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    showDictionaryButtons({m_kindDictionary}, static_cast<bool>(editDictionary),
                          canEditDictionary && canEditDictionary());
}

FormCheck DocumentDialog::runChecks() {
    DocumentFormValues v = values();
    const FormCheck check = checkDocumentForm(v);
    m_reminder->setText(v.liczterm); // reformatted before the checks, whatever they find
    return check;
}

QLineEdit* DocumentDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
