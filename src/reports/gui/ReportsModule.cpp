#include "reports/gui/ReportsModule.h"

#include "framework/gui/MainWindowServices.h"
#include "reports/RecordCardReport.h"
#include "reports/gui/ReportPreviewDialog.h"
#include "reports/gui/ReportsPage.h"
#include "storage/DataModule.h"

#include <QMenu>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTabWidget>

namespace kv {

ReportsModule::ReportsModule(ProgramContext& context)
    : m_context(context), m_page(new ReportsPage(context.db)) {
    MainWindowServices& services = context.services;
    services.setSectionContent(Section::Reports, m_page);
    if (context.windowParent)
        m_page->adoptOrderText(
            context.windowParent->findChild<QPlainTextEdit*>(QStringLiteral("rapZlecTresc")));
    MainWindowServices* s = &services;
    m_page->monthYearFilter = [s](bool& active, int& year, int& month) {
        s->monthYearFilter(active, year, month);
    };
    m_page->refreshRegisterOnScreen = [s] { s->refreshRegisterOnScreen(); };
    DataModule* db = &context.db;
    ReportsPage* page = m_page;
    QWidget* parent = context.windowParent;
    services.printRecordCard = [db, page, parent](const RecordCardText& card) {
        if (auto doc = recordCardDocument(*db, card, page->choices()))
            showReportPreview(std::move(*doc), parent);
    };
    buildMenus();
}

void ReportsModule::buildMenus() {
    QTabWidget* tabs = m_page->tabs();
    for (int t = 0; t < tabs->count(); ++t) {
        const QString tab = tabs->tabText(t);
        QMenu* menu = m_context.services.viewSubmenu(tab);
        if (!menu)
            continue;
        QAction* open = menu->addAction(QStringLiteral("Pokaż stronę \"%1\"").arg(tab));
        MainWindowServices* s = &m_context.services;
        QObject::connect(open, &QAction::triggered, menu, [s, tabs, t] {
            s->showSection(Section::Reports);
            tabs->setCurrentIndex(t);
        });
        menu->addSeparator();
        for (const ReportDefinition& d : reportDefinitions()) {
            if (d.tab != tab)
                continue;
            QAction* item = menu->addAction(d.caption);
            ReportsPage* page = m_page;
            const QString caption = d.caption;
            QObject::connect(item, &QAction::triggered, menu, [s, page, tabs, t, caption] {
                s->showSection(Section::Reports);
                tabs->setCurrentIndex(t);
                page->runReport(caption);
            });
        }
    }
}

void ReportsModule::afterLogin() {
    m_page->prepareAfterLogin();
}

void ReportsModule::sectionOpened(Section section) {
    if (section == Section::Reports && DataModule::current())
        m_page->reloadLists();
}

void ReportsModule::filtersChanged() {
    if (m_page->isVisible())
        m_page->reloadOrderNumbers();
}

} // namespace kv
