#include "fleet/gui/CompanyDataDialog.h"

#include "support/gui/WindowEditable.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

namespace {

struct Field {
    const char* column;
    const char* label;
    int length;
};

// The company's own address and numbers, then the correspondence address.
const Field kNameField = {"NAZWA", "Nazwa firmy", 254};
const Field kCompanyFields[] = {
    {"KOD", "Kod pocztowy", 10}, {"MIASTO", "Miasto", 40},   {"ULICA", "Ulica", 80},
    {"NUMER", "Numer", 10},      {"NIP", "NIP", 13},         {"REGON", "REGON", 9},
    {"BANK", "Bank", 100},       {"ROR", "Numer konta", 30}, {"TELEFON", "Telefon", 100},
    {"FAX", "FAX", 100},         {"EMAIL", "Email", 100},    {"WWW", "WWW", 100},
};
const Field kCorrespondenceFields[] = {
    {"KKOD", "Kod pocztowy", 10}, {"KMIASTO", "Miasto", 40},    {"KULICA", "Ulica", 80},
    {"KNUMER", "Numer", 10},      {"KTELEFON", "Telefon", 100}, {"KFAX", "FAX", 100},
    {"KEMAIL", "Email", 100},
};
const Field kOtherField = {"INNE", "Inne", 254};

} // namespace

CompanyDataDialog::CompanyDataDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fFirma"));
    setWindowTitle(QStringLiteral("Dane Firmy"));
    build();
}

void CompanyDataDialog::build() {
    auto makeField = [this](const Field& f) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("f") + QLatin1String(f.column));
        e->setMaxLength(f.length);
        e->setMinimumWidth(f.length >= 80 ? 300 : f.length >= 30 ? 220 : 120);
        m_fields.insert(QLatin1String(f.column), e);
        return e;
    };

    setHeading(QStringLiteral("Dane firmy"));

    // One grid, so the labels of the name, the address and the remarks line
    // up; the name and the remarks are long texts and take the whole width.
    auto* grid = new QGridLayout;
    int row = 0;
    grid->addWidget(new QLabel(QString::fromUtf8(kNameField.label)), row, 0);
    grid->addWidget(makeField(kNameField), row++, 1, 1, 2);
    const int firstAddressRow = row;
    for (const Field& f : kCompanyFields) {
        grid->addWidget(new QLabel(QString::fromUtf8(f.label)), row, 0);
        grid->addWidget(makeField(f), row++, 1);
    }
    auto* correspondence = new QGroupBox(QStringLiteral("Adres korespondencyjny:"));
    auto* corrLayout = new QFormLayout(correspondence);
    for (const Field& f : kCorrespondenceFields)
        corrLayout->addRow(QString::fromUtf8(f.label), makeField(f));
    grid->addWidget(correspondence, firstAddressRow, 2, row - firstAddressRow, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QString::fromUtf8(kOtherField.label)), row, 0);
    grid->addWidget(makeField(kOtherField), row, 1, 1, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    body()->addLayout(grid);
    addButtons();
}

void CompanyDataDialog::load(const CompanyRecord& record) {
    for (const QString& column : companyColumns())
        if (QLineEdit* e = m_fields.value(column))
            e->setText(record.value(column));
}

CompanyRecord CompanyDataDialog::values() const {
    CompanyRecord record;
    for (const QString& column : companyColumns())
        if (QLineEdit* e = m_fields.value(column))
            record.setValue(column, e->text());
    return record;
}

void CompanyDataDialog::setEditable(bool editable) {
    setWindowEditable(this, editable);
}

// Nothing to check: any texts make a valid company row.
FormCheck CompanyDataDialog::runChecks() {
    return FormCheck::pass();
}

QLineEdit* CompanyDataDialog::startField() const {
    return m_fields.value(QStringLiteral("NAZWA"));
}

} // namespace kv
