#include "trips/gui/OdometerDialog.h"

#include "framework/gui/FormFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"
#include "trips/OdometerKinds.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace kv {

OdometerDialog::OdometerDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("fPrzebiegi"));
    setWindowTitle(QStringLiteral("Bieżący przebieg"));
    setHeading(QStringLiteral("Informacja o aktualnym przebiegu - stan licznika"));

    m_date = newDateField(QStringLiteral("fDATA"));
    m_vehicle = new QComboBox;
    m_vehicle->setObjectName(QStringLiteral("fNRREJ"));
    m_vehicle->setMinimumContentsLength(16);
    m_reading = newNumberField(QStringLiteral("fLICZNIK"));
    m_reading->setMaxLength(15);
    m_reading->setZeroWhenInvalid(true);
    m_reading->setMaximumWidth(140);
    m_kind = new QComboBox;
    m_kind->setObjectName(QStringLiteral("fDOTYCZY"));
    m_kind->addItems(odometerKindTexts());
    QLineEdit* remarks = newTextField(odometerFields().table(), QStringLiteral("UWAGI"), 360);

    auto* readingRow = new QWidget;
    auto* readingLayout = new QHBoxLayout(readingRow);
    readingLayout->setContentsMargins(0, 0, 0, 0);
    readingLayout->addWidget(m_reading);
    readingLayout->addWidget(new QLabel(QStringLiteral("km")));
    readingLayout->addStretch(1);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Data odczytu"), m_date);
    form->addRow(QStringLiteral("Wskaż pojazd"), m_vehicle);
    form->addRow(QStringLiteral("Stan licznika"), readingRow);
    form->addRow(QStringLiteral("Dotyczy"), m_kind);
    form->addRow(QStringLiteral("Uwagi"), remarks);
    body()->addLayout(form);
    addButtons();
}

void OdometerDialog::load(const OdometerFormValues& v, const FormSetup& setup) {
    loadFields(this, odometerFields(), v, setup);
}

OdometerFormValues OdometerDialog::values() const {
    return readFields(this, odometerFields());
}

FormCheck OdometerDialog::runChecks() {
    OdometerFormValues v = values();
    const FormCheck check = checkOdometerForm(v);
    m_reading->setText(v.licznik); // reformatted before the checks, whatever they find
    return check;
}

QLineEdit* OdometerDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
