#include "fleet/TfStawki.h"

#include "fleet/RateQueries.h"
#include "fleet/VehicleKindNames.h"
#include "support/UserInterface.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace kv {

namespace {
constexpr int kRowsPerColumn = 10;
constexpr int kRateLength = 12;
} // namespace

TfStawki::TfStawki(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TfStawki"));
    setWindowTitle(QStringLiteral("Stawki"));
    setModal(true);

    auto* heading = new QLabel(QStringLiteral("Stawki za kilometr"));
    heading->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold; color: #2d5b8a;"));

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

    m_save = new QPushButton(QStringLiteral("&Zapisz"));
    m_save->setObjectName(QStringLiteral("bZapisz"));
    m_save->setToolTip(QStringLiteral("Zapisz zmiany"));
    m_save->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("&Anuluj"));
    m_cancel->setObjectName(QStringLiteral("bAnuluj"));
    m_cancel->setToolTip(QStringLiteral("Anuluj zmiany"));
    m_cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto* root = new QVBoxLayout(this);
    root->addWidget(heading);
    root->addLayout(dateRow);
    root->addSpacing(6);
    root->addWidget(new QLabel(QStringLiteral("Stawki w PLN w zależności od rodzaju pojazdu:")));
    root->addLayout(rates);
    root->addStretch(1);
    root->addLayout(buttons);

    // Enter saves (the default button), Escape cancels.
    connect(m_save, &QPushButton::clicked, this, &TfStawki::trySave);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfStawki::setLabels(const QStringList& labels) {
    for (int i = 0; i < m_labels.size() && i < labels.size(); ++i)
        m_labels.at(i)->setText(labels.at(i));
}

QStringList TfStawki::labels() const {
    QStringList texts;
    for (const QLabel* l : m_labels)
        texts.append(l->text());
    return texts;
}

void TfStawki::load(const RateFormValues& values, const QStringList& labels) {
    setLabels(labels);
    m_date->setText(values.validFrom);
    for (int i = 0; i < m_rates.size(); ++i)
        m_rates.at(i)->setText(values.rates.value(i));
}

RateFormValues TfStawki::values() const {
    RateFormValues v;
    v.validFrom = m_date->text();
    for (const NumberField* f : m_rates)
        v.rates.append(f->text());
    return v;
}

void TfStawki::trySave() {
    RateFormValues v = values();
    const FormCheck check = checkRateForm(v, labels());
    if (!check.ok) {
        ui().information(QStringLiteral("Uwaga"), check.message);
        QLineEdit* field = check.field == kRateDateField
                               ? m_date->lineEdit()
                               : static_cast<QLineEdit*>(findChild<NumberField*>(check.field));
        if (field) {
            field->setFocus();
            field->selectAll();
        }
        return;
    }
    for (int i = 0; i < m_rates.size(); ++i)
        m_rates.at(i)->setText(v.rates.value(i));
    accept();
}

bool TfStawki::confirm() {
    return exec() == QDialog::Accepted;
}

void TfStawki::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QTimer::singleShot(0, this, [this] {
        m_date->lineEdit()->setFocus();
        m_date->lineEdit()->selectAll();
    });
}

} // namespace kv
