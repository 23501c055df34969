#include "fleet/gui/VehicleModule.h"

#include "fleet/gui/VehicleFilterPanel.h"
#include "framework/gui/MainWindowServices.h"
#include "users/Permissions.h"

namespace kv {

VehicleModule::VehicleModule(ModuleContext& c)
    : FormRegisterModule(
          c.controller, c.grid,
          [this] {
              MainWindowServices* services = &m_services;
              return vehicleEditing(
                  [this] { return lists(); },
                  [services](bool insert) { services->rebuildVehicleSelector(insert); });
          },
          c.windowParent),
      m_db(c.db), m_services(c.services) {
    // The dictionary window comes with its own module, which may be made later.
    window().editFleetDictionary = [this] {
        if (m_services.openDictionary)
            m_services.openDictionary(QStringLiteral("FLOTA"));
        return lists();
    };
    window().canEditFleetDictionary = [this] {
        return static_cast<bool>(m_services.openDictionary) &&
               currentLogin().permissions.has(permission::DictionaryRead);
    };
}

VehicleLists VehicleModule::lists() const {
    return loadVehicleLists(m_db, m_services.companyName());
}

void VehicleModule::refreshLookups() {
    if (m_panel)
        m_panel->refreshFleetNumbers();
}

void VehicleModule::afterDelete() {
    m_services.rebuildVehicleSelector(false);
}

QWidget* VehicleModule::createFilterPanel() {
    m_panel = new VehicleFilterPanel(m_db, [this] { grid().refresh(); });
    return m_panel;
}

} // namespace kv
