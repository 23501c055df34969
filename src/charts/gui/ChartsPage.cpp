#include "charts/gui/ChartsPage.h"

#include "charts/ChartLists.h"
#include "charts/gui/ChartTab.h"
#include "charts/gui/ChartView.h"
#include "storage/ProgramOptions.h"
#include "support/Clock.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

ChartsPage::ChartsPage(DataModule& db, QWidget* parent) : QWidget(parent), m_db(db) {
    setObjectName(QStringLiteral("wykresyStrona"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("WykresyTab"));
    for (ChartKind kind : kChartKinds) {
        auto* page = new ChartTab(db, kind);
        m_pages.append(page);
        m_tabs->addTab(page, chartTabTitle(kind));
    }
    layout->addWidget(m_tabs);
}

ChartTab* ChartsPage::tab(ChartKind kind) const {
    return m_pages.value(static_cast<int>(kind));
}

void ChartsPage::showTab(ChartKind kind) {
    m_tabs->setCurrentIndex(static_cast<int>(kind));
}

void ChartsPage::prepareAfterLogin() {
    const ProgramOptions& o = programOptions();
    const QList<int> years = chartYears(o.filtrRokOd, o.filtrRokDo);
    const int index = chartYearIndex(years, Clock::today().year());
    for (ChartTab* t : std::as_const(m_pages)) {
        t->setYears(years, index);
        t->setLists({}); // another company's vehicles are no choice here
        t->view()->clearChart();
    }
    m_tabs->setCurrentIndex(0);
}

void ChartsPage::reloadLists() {
    const ChartLists lists = loadChartLists(m_db);
    for (ChartTab* t : std::as_const(m_pages))
        t->setLists(lists);
}

} // namespace kv
