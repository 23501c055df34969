#include "fleet/gui/EmployeeDialog.h"

#include "framework/gui/FormFields.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kv {

EmployeeDialog::EmployeeDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fOsobowa"));
    setWindowTitle(QStringLiteral("Kartoteka osobowa"));
    setHeading(QStringLiteral("Katroteka osobowa"));

    const QString table = employeeFields().table();
    auto text = [&table](const char* column, int minimumWidth = 0) {
        return newTextField(table, QLatin1String(column), minimumWidth);
    };
    m_nrew = text("NREW", 140);
    m_nazwisko = text("NAZWISKO", 320);
    QLineEdit* numer = text("NUMER");
    numer->setMaximumWidth(110);
    QLineEdit* kod = text("KOD");
    kod->setMaximumWidth(110);

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
    form->addRow(QStringLiteral("Imię"), text("IMIE"));
    form->addRow(QStringLiteral("Adres"), text("ADRES"));
    form->addRow(QStringLiteral("Numer domu"), numer);
    form->addRow(QStringLiteral("Kod pocztowy"), kod);
    form->addRow(QStringLiteral("Miasto"), text("MIASTO"));
    form->addRow(QStringLiteral("Kraj"), text("KRAJ"));
    form->addRow(QStringLiteral("Telefon (-y)"), text("TELEFON"));
    form->addRow(QStringLiteral("Adres kontaktowy"), text("KONTAKT"));
    form->addRow(QStringLiteral("Inne"), text("UWAGI"));
    body()->addLayout(form);
    addButtons();
}

void EmployeeDialog::load(const EmployeeFormValues& v, const FormSetup& setup) {
    loadFields(this, employeeFields(), v, setup);
}

EmployeeFormValues EmployeeDialog::values() const {
    return readFields(this, employeeFields());
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
