#include "fleet/gui/VehicleModule.h"

#include "fleet/gui/VehicleDialog.h"
#include "framework/RegisterController.h"
#include "framework/gui/RegisterGrid.h"
#include "storage/Query.h"
#include "support/gui/WindowEditable.h"

namespace kv {

VehicleModule::VehicleModule(RegisterController& controller, RegisterGrid& grid, Host host,
                             QWidget* windowParent)
    : m_controller(controller), m_grid(grid), m_host(std::move(host)),
      m_window(std::make_unique<VehicleDialog>(windowParent)) {
    if (m_host.editFleetDictionary)
        m_window->editFleetDictionary = [this] {
            m_host.editFleetDictionary();
            return lists();
        };
    m_window->canEditFleetDictionary = m_host.canEditDictionary;
}

VehicleModule::~VehicleModule() = default;

VehicleLists VehicleModule::lists() const {
    return loadVehicleLists(m_controller.database(),
                            m_host.companyName ? m_host.companyName() : QString());
}

EditSteps VehicleModule::steps() {
    return vehicleEditSteps(
        m_controller, *m_window, [this] { return lists(); },
        [this](bool insert) {
            if (m_host.rebuildVehicleSelector)
                m_host.rebuildVehicleSelector(insert);
        });
}

void VehicleModule::add(bool copyMode) {
    runAdd(m_controller, steps(), copyMode);
    m_grid.showRows();
}

void VehicleModule::edit() {
    runEdit(m_controller, steps());
    m_grid.showRows();
}

void VehicleModule::preview() {
    if (m_controller.isEmpty() || m_controller.currentRow() < 0)
        return;
    m_window->load(vehicleFromRecord(*m_controller.query().result(), m_controller.currentRow()),
                   lists());
    setWindowEditable(m_window.get(), false);
    m_window->confirm();
    setWindowEditable(m_window.get(), true);
}

void VehicleModule::refreshLookups() {
    if (m_host.refreshFilterLists)
        m_host.refreshFilterLists();
}

void VehicleModule::afterDelete() {
    if (m_host.rebuildVehicleSelector)
        m_host.rebuildVehicleSelector(false);
}

} // namespace kv
