#include "fuel/gui/FuelPriceModule.h"

#include "framework/gui/MainWindowServices.h"
#include "users/Permissions.h"

namespace kv {

FuelPriceModule::FuelPriceModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid, [this] { return fuelPriceEditing(m_db); }, c.windowParent),
      m_db(c.db), m_services(c.services) {
    window().editDictionary = [this](const QString& code) {
        if (m_services.openDictionary)
            m_services.openDictionary(code);
        return loadFuelPriceLists(m_db);
    };
    window().canEditDictionary = [this] {
        return static_cast<bool>(m_services.openDictionary) &&
               currentLogin().permissions.has(permission::DictionaryRead);
    };
}

} // namespace kv
