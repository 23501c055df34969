#include "subregisters/gui/SubregisterModules.h"

#include "framework/RecordDefaults.h"
#include "framework/gui/MainWindowServices.h"
#include "subregisters/SubregisterLists.h"
#include "users/Permissions.h"

namespace kv {

namespace {

// Reported when a list cannot be read again after the dictionary window.
constexpr qint64 kReloadCode = 4308;

bool dictionaryOpen(MainWindowServices& services) {
    return static_cast<bool>(services.openDictionary) &&
           currentLogin().permissions.has(permission::DictionaryRead);
}

} // namespace

RepairModule::RepairModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid, [this] { return repairEditing(m_db); }, c.windowParent),
      m_db(c.db), m_services(c.services) {
    // The dictionary window comes with its own module, which may be made later.
    window().editRepairKinds = [this] {
        if (m_services.openDictionary)
            m_services.openDictionary(kRepairKindsCode);
        return loadRepairKinds(m_db);
    };
    window().canEditDictionary = [this] { return dictionaryOpen(m_services); };
}

TyreModule::TyreModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid, [this] { return tyreEditing(m_db); }, c.windowParent),
      m_db(c.db), m_services(c.services) {
    window().editDictionary = [this](const QString& code) {
        if (m_services.openDictionary)
            m_services.openDictionary(code);
        return loadDictionaryEntries(m_db, code, kReloadCode);
    };
    window().canEditDictionary = [this] { return dictionaryOpen(m_services); };
}

} // namespace kv
