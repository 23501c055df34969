#include "fleet/gui/EmployeeDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

namespace {

QLineEdit* textField(const char* name, int maxLength, int minimumWidth = 0) {
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    if (minimumWidth > 0)
        e->setMinimumWidth(minimumWidth);
    return e;
}

} // namespace

EmployeeDialog::EmployeeDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fOsobowa"));
    setWindowTitle(QStringLiteral("Kartoteka osobowa"));
    build();
}

void EmployeeDialog::build() {
    setHeading(QStringLiteral("Katroteka osobowa"));

    m_nrew = textField("fNREW", 15, 140);
    m_nazwisko = textField("fNAZWISKO", 50, 320);
    m_imie = textField("fIMIE", 30);
    m_adres = textField("fADRES", 50);
    m_numer = textField("fNUMER", 10);
    m_numer->setMaximumWidth(110);
    m_kod = textField("fKOD", 10);
    m_kod->setMaximumWidth(110);
    m_miasto = textField("fMIASTO", 50);
    m_kraj = textField("fKRAJ", 30);
    m_telefon = textField("fTELEFON", 100);
    m_kontakt = textField("fKONTAKT", 254);
    m_uwagi = textField("fUWAGI", 254);

    auto* form = new QFormLayout;
    auto* numberRow = new QWidget;
    auto* numberLayout = new QHBoxLayout(numberRow);
    numberLayout->setContentsMargins(0, 0, 0, 0);
    numberLayout->addWidget(m_nrew);
    auto* note = new QLabel(QStringLiteral("*) By edytować to pole włącz stosowną opcję."));
    note->setObjectName(QStringLiteral("lNREWUwaga"));
    note->setStyleSheet(QStringLiteral("color: #5a6b7d; font-size: 8pt;"));
    numberLayout->addWidget(note);
    numberLayout->addStretch(1);
    form->addRow(QStringLiteral("Numer ewidencyjny"), numberRow);
    form->addRow(QStringLiteral("Nazwisko"), m_nazwisko);
    form->addRow(QStringLiteral("Imię"), m_imie);
    form->addRow(QStringLiteral("Adres"), m_adres);
    form->addRow(QStringLiteral("Numer domu"), m_numer);
    form->addRow(QStringLiteral("Kod pocztowy"), m_kod);
    form->addRow(QStringLiteral("Miasto"), m_miasto);
    form->addRow(QStringLiteral("Kraj"), m_kraj);
    form->addRow(QStringLiteral("Telefon (-y)"), m_telefon);
    form->addRow(QStringLiteral("Adres kontaktowy"), m_kontakt);
    form->addRow(QStringLiteral("Inne"), m_uwagi);
    body()->addLayout(form);
    addButtons();
}

void EmployeeDialog::load(const EmployeeFormValues& v, bool numberEditable) {
    m_nrew->setEnabled(numberEditable);
    m_nrew->setText(v.nrew);
    m_nazwisko->setText(v.nazwisko);
    m_imie->setText(v.imie);
    m_adres->setText(v.adres);
    m_numer->setText(v.numer);
    m_kod->setText(v.kod);
    m_miasto->setText(v.miasto);
    m_kraj->setText(v.kraj);
    m_telefon->setText(v.telefon);
    m_kontakt->setText(v.kontakt);
    m_uwagi->setText(v.uwagi);
}

EmployeeFormValues EmployeeDialog::values() const {
    EmployeeFormValues v;
    v.nrew = m_nrew->text();
    v.nazwisko = m_nazwisko->text();
    v.imie = m_imie->text();
    v.adres = m_adres->text();
    v.numer = m_numer->text();
    v.kod = m_kod->text();
    v.miasto = m_miasto->text();
    v.kraj = m_kraj->text();
    v.telefon = m_telefon->text();
    v.kontakt = m_kontakt->text();
    v.uwagi = m_uwagi->text();
    return v;
}

FormCheck EmployeeDialog::runChecks() {
    EmployeeFormValues v = values();
    const FormCheck check = checkEmployeeForm(v);
    if (check.ok)
        m_nrew->setText(v.nrew); // stored trimmed, and shown so when the window returns
    return check;
}

QLineEdit* EmployeeDialog::startField() const {
    return m_nrew->isEnabled() ? m_nrew : m_nazwisko;
}

} // namespace kv
