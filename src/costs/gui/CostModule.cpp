#include "costs/gui/CostModule.h"

#include "costs/gui/CostFilterPanel.h"
#include "dictionaries/DictionaryLists.h"
#include "framework/gui/MainWindowServices.h"
#include "users/Permissions.h"

namespace kv {

CostModule::CostModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid, [this] { return costEditing(m_db); }, c.windowParent),
      m_db(c.db), m_services(c.services) {
    // The dictionary window comes with its own module, which may be made later.
    window().editExpenseKinds = [this] {
        if (m_services.openDictionary)
            m_services.openDictionary(kExpenseKindsCode);
        return loadExpenseKinds(m_db);
    };
    window().canEditDictionary = [this] {
        return static_cast<bool>(m_services.openDictionary) &&
               currentLogin().permissions.has(permission::DictionaryRead);
    };
}

void CostModule::refreshLookups() {
    if (m_panel)
        m_panel->refreshLists();
}

QWidget* CostModule::createFilterPanel() {
    // Its lists are read when the register opens (no company is open yet).
    m_panel = new CostFilterPanel(m_db, [this] { grid().refresh(); });
    return m_panel;
}

} // namespace kv
