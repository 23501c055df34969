#include "subregisters/gui/CalendarDialog.h"
#include "subregisters/gui/DictionaryButtons.h"

#include "framework/gui/FormFields.h"
#include "framework/gui/KeyedLookup.h"
#include "subregisters/SubregisterFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

CalendarDialog::CalendarDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfTerminarz"));
    setWindowTitle(QStringLiteral("Edytuj termin"));
    setHeading(QStringLiteral("Termin"));
    const QString table = calendarFields().table();
    const QString dictionaryHint = QStringLiteral("Edytuj słowniki");

    m_from = newDateField(QStringLiteral("fDATAOD"));
    DateField* to = newDateField(QStringLiteral("fDATADO"));
    QComboBox* which = newListField(QStringLiteral("fSPRODDO"), false, 10);
    QComboBox* kind = newListField(QStringLiteral("fRODZAJTERMINU"), false, 24);
    QComboBox* vehicle = newListField(QStringLiteral("fIDPOJAZDU"), false, 16);
    QComboBox* person = newListField(QStringLiteral("fNREW"), false, 30);
    m_contractor = newListField(QStringLiteral("fKONTRAHENT"), true, 30);
    m_contractor->lineEdit()->setMaxLength(fieldWidth(table, QStringLiteral("KONTRAHENT")));
    m_kindDictionary =
        newSmallButton(QStringLiteral("goToSlownik1"), QStringLiteral("[...]"), dictionaryHint);
    m_contractorDictionary =
        newSmallButton(QStringLiteral("goToSlownik2"), QStringLiteral("[...]"), dictionaryHint);
    m_reading = newNumberField(QStringLiteral("fLICZTERM"));
    m_reading->setMaxLength(15);
    m_reading->setZeroWhenInvalid(true);
    m_reading->setMaximumWidth(140);

    auto* dates = new QGroupBox(QStringLiteral("Termin po osiągnięciu daty:"));
    auto* dateForm = new QFormLayout(dates);
    dateForm->addRow(QStringLiteral("Data od"), m_from);
    dateForm->addRow(QStringLiteral("Data do"), to);
    dateForm->addRow(QStringLiteral("Którą date uwzględnić?"), which);
    body()->addWidget(dates);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Rodzaj terminu"),
                 fieldRow({lookupWithClear(kind, QStringLiteral("SBBezRodzaju"),
                                           QStringLiteral("Nie wskazuj żadnego rodzaju")),
                           m_kindDictionary}));
    form->addRow(QStringLiteral("Pojazd"),
                 lookupWithClear(vehicle, QStringLiteral("SBBezPojazdu"),
                                 QStringLiteral("Nie wskazuj żadnego pojazdu")));
    form->addRow(QStringLiteral("Pracownik"),
                 lookupWithClear(person, QStringLiteral("SBBezPracownika"),
                                 QStringLiteral("Nie wskazuj żadnego pracownika")));
    form->addRow(QStringLiteral("Kontrahent"),
                 fieldRow({lookupWithClear(m_contractor, QStringLiteral("SBBezKontrahenta"),
                                           QStringLiteral("Nie wskazuj żadnego kontrahenta")),
                           m_contractorDictionary}));
    form->addRow(QStringLiteral("Opis"), newTextField(table, QStringLiteral("OPIS"), 360));
    body()->addLayout(form);

    auto* readings = new QGroupBox(QStringLiteral("Termin po osiągnięciu stanu licznika:"));
    auto* readingForm = new QFormLayout(readings);
    readingForm->addRow(QStringLiteral("Stan licznika"), withUnit(m_reading, QStringLiteral("km")));
    body()->addWidget(readings);
    addButtons();

    connect(m_kindDictionary, &QToolButton::clicked, this,
            [this] { openDictionary(kCalendarKindsCode); });
    connect(m_contractorDictionary, &QToolButton::clicked, this,
            [this] { openDictionary(kContractorsCode); });
}

void CalendarDialog::load(const CalendarFormValues& v, const FormSetup& setup) {
    loadFields(this, calendarFields(), v, setup);
}

CalendarFormValues CalendarDialog::values() const {
    return readFields(this, calendarFields());
}

void CalendarDialog::openDictionary(const QString& code) {
    editDictionaryKeepingTyped(this, calendarFields(), editDictionary, code);
}

void CalendarDialog::showEvent(QShowEvent* event) {
    EditDialog::showEvent(event);
    showDictionaryButtons({m_kindDictionary, m_contractorDictionary},
                          static_cast<bool>(editDictionary),
                          canEditDictionary && canEditDictionary());
}

FormCheck CalendarDialog::runChecks() {
    CalendarFormValues v = values();
    const FormCheck check = checkCalendarForm(v);
    m_reading->setText(v.liczterm);
    return check;
}

QLineEdit* CalendarDialog::startField() const {
    return m_from->lineEdit();
}

} // namespace kv
