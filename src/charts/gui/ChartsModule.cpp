#include "charts/gui/ChartsModule.h"

#include "charts/gui/ChartTab.h"
#include "charts/gui/ChartsPage.h"
#include "framework/gui/MainWindowServices.h"
#include "storage/DataModule.h"

#include <QMenu>

namespace kv {

ChartsModule::ChartsModule(ProgramContext& context)
    : m_context(context), m_page(new ChartsPage(context.db)) {
    context.services.setSectionContent(Section::Charts, m_page);
    if (QMenu* menu = context.services.viewSubmenu(QStringLiteral("Wykresy"))) {
        MainWindowServices* s = &context.services;
        ChartsPage* page = m_page;
        for (ChartKind kind : kChartKinds) {
            QAction* item = menu->addAction(chartMenuItem(kind));
            QObject::connect(item, &QAction::triggered, menu, [s, page, kind] {
                s->showSection(Section::Charts);
                page->showTab(kind);
            });
        }
    }
}

void ChartsModule::afterLogin() {
    m_page->prepareAfterLogin();
}

void ChartsModule::sectionOpened(Section section) {
    if (section == Section::Charts && DataModule::current())
        m_page->reloadLists();
}

} // namespace kv
