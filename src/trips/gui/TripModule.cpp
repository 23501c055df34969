#include "trips/gui/TripModule.h"

#include "framework/gui/MainWindowServices.h"
#include "users/Permissions.h"

namespace kv {

TripModule::TripModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid, [this] { return tripEditing(m_db); }, c.windowParent),
      m_db(c.db), m_services(c.services) {
    // The dictionary window comes with its own module, which may be made later.
    window().editDictionary = [this](const QString& code) {
        if (m_services.openDictionary)
            m_services.openDictionary(code);
        return loadTripDictionaryLists(m_db);
    };
    window().canEditDictionary = [this] {
        return static_cast<bool>(m_services.openDictionary) &&
               currentLogin().permissions.has(permission::DictionaryRead);
    };
}

} // namespace kv
