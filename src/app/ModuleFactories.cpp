#include "app/ModuleFactories.h"

#include "dictionaries/gui/DictionaryModule.h"
#include "fleet/gui/EmployeeModule.h"
#include "fleet/gui/VehicleModule.h"
#include "framework/gui/MainWindowServices.h"
#include "users/Permissions.h"

namespace kv {

namespace {

std::unique_ptr<RegisterModule> makeVehicles(ModuleContext& c) {
    VehicleModule::Host host;
    MainWindowServices* services = &c.services;
    host.rebuildVehicleSelector = [services](bool toAll) {
        services->rebuildVehicleSelector(toAll);
    };
    host.companyName = [services] { return services->companyName(); };
    host.editFleetDictionary = [services] {
        if (services->openDictionary)
            services->openDictionary(QStringLiteral("FLOTA"));
    };
    host.canEditDictionary = [services] {
        return static_cast<bool>(services->openDictionary) &&
               currentLogin().permissions.has(permission::DictionaryRead);
    };
    host.refreshFilterLists = [services] { services->refreshVehicleFilterLists(); };
    return std::make_unique<VehicleModule>(c.controller, c.grid, host, c.windowParent);
}

std::unique_ptr<RegisterModule> makeDictionaries(ModuleContext& c) {
    return std::make_unique<DictionaryModule>(c.controller, c.grid, c.services, c.windowParent);
}

} // namespace

QList<ModuleFactory> registerModuleFactories() {
    return {
        {RegisterId::Vehicles, makeVehicles},
        {RegisterId::Rates, makeDictionaries},
        {RegisterId::Employees,
         [](ModuleContext& c) { return std::make_unique<EmployeeModule>(c); }},
    };
}

} // namespace kv
