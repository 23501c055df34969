#include "dictionaries/gui/RateDialog.h"

#include "dictionaries/VehicleKindNames.h"
#include "framework/gui/FormFields.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

namespace {
constexpr int kRowsPerColumn = 10;
constexpr int kRateLength = 12;
} // namespace

RateDialog::RateDialog(QWidget* parent) : EditDialog(parent) {
    setObjectName(QStringLiteral("TfStawki"));
    setWindowTitle(QStringLiteral("Stawki"));
    setModal(true);

    setHeading(QStringLiteral("Stawki za kilometr"));

    m_date = new DateField;
    m_date->setObjectName(kRateDateField);
    auto* dateRow = new QHBoxLayout;
    auto* dateLabel = new QLabel(QStringLiteral("Od kiedy obowiązują stawki"));
    dateLabel->setBuddy(m_date->lineEdit());
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(m_date);
    dateRow->addStretch(1);

    auto* rates = new QGridLayout;
    rates->setHorizontalSpacing(8);
    const QStringList labels = rateFieldLabels(VehicleKindNames{});
    for (int i = 0; i < kRateColumnCount; ++i) {
        auto* field = new NumberField;
        field->setObjectName(rateFieldNames().at(i));
        field->setDecimals(4);
        field->setZeroWhenInvalid(true);
        field->setMaxLength(kRateLength);
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000,00000")) +
                             16);
        auto* label = new QLabel(labels.at(i));
        label->setBuddy(field);
        label->setMinimumWidth(150);
        const int row = i % kRowsPerColumn;
        const int column = (i / kRowsPerColumn) * 4;
        rates->addWidget(label, row, column);
        rates->addWidget(field, row, column + 1);
        rates->addWidget(new QLabel(QStringLiteral("PLN")), row, column + 2);
        m_rates.append(field);
        m_labels.append(label);
    }
    rates->setColumnMinimumWidth(3, 24);

    body()->addLayout(dateRow);
    body()->addSpacing(6);
    body()->addWidget(new QLabel(QStringLiteral("Stawki w PLN w zależności od rodzaju pojazdu:")));
    body()->addLayout(rates);
    body()->addStretch(1);
    addButtons();
}

void RateDialog::setLabels(const QStringList& labels) {
    for (int i = 0; i < m_labels.size() && i < labels.size(); ++i)
        m_labels.at(i)->setText(labels.at(i));
}

QStringList RateDialog::labels() const {
    QStringList texts;
    for (const QLabel* l : m_labels)
        texts.append(l->text());
    return texts;
}

void RateDialog::load(const RateFormValues& values, const FormSetup& setup) {
    // Labels the setup does not name stay as they are.
    for (int i = 0; i < m_labels.size(); ++i)
        if (const auto it = setup.labels.constFind(rateColumns().at(i)); it != setup.labels.cend())
            m_labels.at(i)->setText(it.value());
    loadFields(this, rateFields(), values, setup);
}

RateFormValues RateDialog::values() const {
    return readFields(this, rateFields(), newRateDefaults());
}

FormCheck RateDialog::runChecks() {
    RateFormValues v = values();
    const FormCheck check = checkRateForm(v, labels());
    if (check.ok)
        for (int i = 0; i < m_rates.size(); ++i)
            m_rates.at(i)->setText(v.rates.value(i));
    return check;
}

QLineEdit* RateDialog::startField() const {
    return m_date->lineEdit();
}

} // namespace kv
