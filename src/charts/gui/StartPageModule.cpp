#include "charts/gui/StartPageModule.h"

#include "charts/gui/StartPagePanel.h"
#include "framework/gui/MainWindowServices.h"

#include <QPointer>
#include <QTimer>

namespace kv {

StartPageModule::StartPageModule(ProgramContext& context)
    : m_panel(new StartPagePanel(context.db)) {
    context.services.addStartPagePart(m_panel);
}

void StartPageModule::welcome() {
    // After the welcome steps, not inside them: the window is usable first.
    QPointer<StartPagePanel> panel = m_panel;
    QTimer::singleShot(0, m_panel, [panel] {
        if (panel)
            panel->refresh();
    });
}

void StartPageModule::beforeLogout() {
    m_panel->clear();
}

} // namespace kv
