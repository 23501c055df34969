#include "trips/gui/DistanceModule.h"

#include "framework/gui/MainWindowServices.h"
#include "trips/gui/DistanceDialog.h"

namespace kv {

DistanceModule::DistanceModule(ProgramContext& c) : m_db(c.db), m_parent(c.windowParent) {
    c.services.addMenuCommand(QStringLiteral("Tabela odległości"), [this] {
        if (!m_window)
            m_window = std::make_unique<DistanceDialog>(m_db, m_parent);
        m_window->showTool();
    });
}

DistanceModule::~DistanceModule() = default;

} // namespace kv
