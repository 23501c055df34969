#include "charts/gui/StartPagePanel.h"

#include "charts/gui/ChartView.h"
#include "storage/ErrorLog.h"
#include "support/Clock.h"
#include "users/Permissions.h"

#include <QGroupBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace kv {

StartPagePanel::StartPagePanel(DataModule& db, QWidget* parent) : QWidget(parent), m_db(db) {
    setObjectName(QStringLiteral("startPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_deadlinesPart = new QGroupBox(QStringLiteral("Terminy w najbliższych dniach"));
    m_deadlinesPart->setObjectName(QStringLiteral("startTerminy"));
    auto* deadlinesLayout = new QVBoxLayout(m_deadlinesPart);
    m_deadlines = new QListWidget;
    m_deadlines->setObjectName(QStringLiteral("startListaTerminow"));
    deadlinesLayout->addWidget(m_deadlines);
    layout->addWidget(m_deadlinesPart, 2);
    m_chartPart = new QGroupBox(QStringLiteral("Koszty i przebieg floty"));
    m_chartPart->setObjectName(QStringLiteral("startWykresFloty"));
    auto* chartLayout = new QVBoxLayout(m_chartPart);
    m_chart = new ChartView;
    m_chart->setObjectName(QStringLiteral("startWykres"));
    chartLayout->addWidget(m_chart);
    layout->addWidget(m_chartPart, 5);
    clear();
}

void StartPagePanel::clear() {
    m_deadlines->clear();
    m_chart->clearChart();
    m_deadlinesPart->hide();
    m_chartPart->hide();
}

void StartPagePanel::display(const StartPageContent& c) {
    m_deadlines->clear();
    if (!c.deadlinesAvailable)
        m_deadlines->addItem(kNoDeadlineCheckText);
    else if (c.deadlinesFailed)
        m_deadlines->addItem(kDeadlinesFailedText);
    else if (c.deadlines.isEmpty())
        m_deadlines->addItem(kNoDeadlinesDueText);
    else
        m_deadlines->addItems(c.deadlines);
    m_deadlinesPart->setVisible(c.deadlinesAllowed);
    if (c.chartAllowed)
        m_chart->showChart(c.fleetChart);
    else
        m_chart->clearChart();
    m_chartPart->setVisible(c.chartAllowed);
}

void StartPagePanel::refresh() {
    try {
        display(loadStartPageContent(m_db, currentLogin().permissions, Clock::today().year()));
    } catch (const std::exception& e) {
        // Nothing on the start page may stand in the way of the work.
        clear();
        appendErrorLog(codedLine(161012, QString::fromUtf8(e.what())));
    }
}

} // namespace kv
