#include "charts/gui/ChartTab.h"

#include "charts/ChartBuilder.h"
#include "charts/gui/ChartFiles.h"
#include "charts/gui/ChartView.h"
#include "fuel/FuelKinds.h"
#include "support/UserInterface.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {

// Refills a list from keyed entries, keeping the chosen key where it is
// still offered.
void fill(QComboBox* box, const QList<KeyedItem>& items) {
    const QVariant chosen = box->currentData();
    box->clear();
    for (const KeyedItem& i : items)
        box->addItem(i.text, i.key);
    box->setCurrentIndex(chosen.isValid() ? box->findData(chosen) : -1);
}

} // namespace

ChartTab::ChartTab(DataModule& db, ChartKind kind, QWidget* parent)
    : QWidget(parent), m_db(db), m_kind(kind) {
    setObjectName(QStringLiteral("tab") + chartObjectStem(kind));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(buildControls());
    m_view = new ChartView;
    m_view->setObjectName(chartObjectStem(kind) + QStringLiteral("Wykres"));
    layout->addWidget(m_view, 1);
}

QWidget* ChartTab::buildControls() {
    const QString stem = chartObjectStem(m_kind);
    auto* panel = new QWidget;
    panel->setFixedWidth(290);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);

    auto* period = new QFormLayout;
    m_year = new QComboBox;
    m_year->setObjectName(stem + QStringLiteral("Rok"));
    period->addRow(QStringLiteral("Rok:"), m_year);
    if (chartHasMonth(m_kind)) {
        m_month = new QComboBox;
        m_month->setObjectName(stem + QStringLiteral("Miesiac"));
        m_month->addItems(chartMonthTexts());
        period->addRow(QStringLiteral("Miesiąc:"), m_month);
    }
    if (chartHasFuelKind(m_kind)) {
        m_fuel = new QComboBox;
        m_fuel->setObjectName(stem + QStringLiteral("RDPaliwa"));
        m_fuel->addItems(fuelKindTexts());
        period->addRow(QStringLiteral("Rodzaj paliwa:"), m_fuel);
    }
    column->addLayout(period);

    auto* series = new QGroupBox(chartSelectsFuelKinds(m_kind) ? QStringLiteral("Rodzaje paliw")
                                                               : QStringLiteral("Pojazdy"));
    auto* seriesLayout = new QVBoxLayout(series);
    for (int i = 0; i < kChartSeriesCount; ++i) {
        auto* box = new QCheckBox(QStringLiteral("Umieść na wykresie"));
        box->setObjectName(stem + QStringLiteral("CB%1").arg(i + 1));
        auto* selector = new QComboBox;
        selector->setObjectName(stem + QStringLiteral("Wybor%1").arg(i + 1));
        // Choosing an entry means it is wanted on the chart.
        connect(selector, &QComboBox::activated, box, [box] { box->setChecked(true); });
        m_boxes[i] = box;
        m_selectors[i] = selector;
        auto* mark = new QLabel;
        mark->setFixedSize(12, 12);
        mark->setStyleSheet(QStringLiteral("background: #%1; border: 1px solid palette(dark);")
                                .arg(chartSeriesColour(i), 6, 16, QLatin1Char('0')));
        auto* line = new QHBoxLayout;
        line->addWidget(mark);
        line->addWidget(box);
        seriesLayout->addLayout(line);
        seriesLayout->addWidget(selector);
    }
    column->addWidget(series);

    if (m_kind == ChartKind::Costs) {
        m_expenseBox = new QCheckBox(QStringLiteral("Rodzaj wydatku"));
        m_expenseBox->setObjectName(QStringLiteral("kosztyCBRodzajWydatku"));
        m_expense = new QComboBox;
        m_expense->setObjectName(QStringLiteral("kosztyRodzajWydatku"));
        QCheckBox* box = m_expenseBox;
        connect(m_expense, &QComboBox::activated, box, [box] { box->setChecked(true); });
        m_fuelOnly = new QCheckBox(QStringLiteral("Tylko zakup paliwa"));
        m_fuelOnly->setObjectName(QStringLiteral("kosztyTylkoPaliwo"));
        column->addWidget(m_expenseBox);
        column->addWidget(m_expense);
        column->addWidget(m_fuelOnly);
    }

    m_draw = new QPushButton(QStringLiteral("Rysuj wykres"));
    m_draw->setObjectName(stem + QStringLiteral("Rysuj"));
    connect(m_draw, &QPushButton::clicked, this, [this] { draw(); });
    m_save = new QPushButton(QStringLiteral("Zapisz jako ..."));
    m_save->setObjectName(stem + QStringLiteral("Zapisz"));
    connect(m_save, &QPushButton::clicked, this, [this] { saveAs(); });
    column->addWidget(m_draw);
    column->addWidget(m_save);
    column->addStretch(1);
    return panel;
}

void ChartTab::setYears(const QList<int>& years, int index) {
    m_year->clear();
    for (int y : years)
        m_year->addItem(QString::number(y));
    m_year->setCurrentIndex(index);
    if (m_month)
        m_month->setCurrentIndex(0);
    if (m_fuel)
        m_fuel->setCurrentIndex(0);
}

void ChartTab::setLists(const ChartLists& lists) {
    const QList<KeyedItem>& items =
        chartSelectsFuelKinds(m_kind) ? lists.fuelKinds : lists.vehicles;
    for (QComboBox* selector : m_selectors)
        fill(selector, items);
    if (m_expense) {
        const QString typed = m_expense->currentText();
        m_expense->clear();
        for (const KeyedItem& i : lists.expenseKinds)
            m_expense->addItem(i.text, i.key);
        m_expense->setCurrentIndex(m_expense->findText(typed));
    }
}

std::optional<ChartRequest> ChartTab::request() const {
    const std::optional<int> year = parseChartYear(m_year->currentText());
    if (!year) {
        ui().information(kChartYearErrorCaption, kChartYearErrorText);
        return std::nullopt;
    }
    ChartRequest r;
    r.kind = m_kind;
    r.period = {*year, m_month ? std::max(0, m_month->currentIndex()) : 0};
    for (int i = 0; i < kChartSeriesCount; ++i) {
        const QComboBox* s = m_selectors.at(i);
        // A ticked box with nothing chosen passes nothing either.
        if (m_boxes.at(i)->isChecked() && s->currentIndex() >= 0)
            r.selections[i] = ChartSelection{s->currentData().toInt(), s->currentText()};
    }
    r.lpg = m_fuel && m_fuel->currentIndex() == static_cast<int>(FuelKind::Lpg);
    if (m_expenseBox && m_expenseBox->isChecked() && !m_expense->currentText().isEmpty())
        r.expenseKind = m_expense->currentText();
    r.fuelOnly = m_fuelOnly && m_fuelOnly->isChecked();
    return r;
}

bool ChartTab::draw() {
    const std::optional<ChartRequest> r = request();
    if (!r) {
        // No chart of a year nobody chose stays on screen.
        m_view->clearChart();
        return false;
    }
    m_view->showChart(buildChart(m_db, *r));
    return true;
}

void ChartTab::saveAs() {
    saveChartPicture(*m_view, this);
}

} // namespace kv
