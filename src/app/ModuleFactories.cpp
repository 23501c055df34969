#include "app/ModuleFactories.h"

#include "admin/gui/AdminModule.h"
#include "charts/gui/ChartsModule.h"
#include "charts/gui/StartPageModule.h"
#include "costs/gui/CostModule.h"
#include "costs/gui/OrderModule.h"
#include "deadlines/gui/DeadlinesModule.h"
#include "dictionaries/gui/DictionaryModule.h"
#include "fleet/EmployeeRegister.h"
#include "fleet/gui/CompanyDataModule.h"
#include "fleet/gui/EmployeeDialog.h"
#include "fleet/gui/VehicleModule.h"
#include "fuel/FuelCardRegister.h"
#include "fuel/gui/ConsumptionModule.h"
#include "fuel/gui/FuelCardDialog.h"
#include "fuel/gui/FuelPriceModule.h"
#include "import/gui/ImportModule.h"
#include "reports/gui/ReportsModule.h"
#include "storage/ProgramOptions.h"
#include "subregisters/WarehouseRegister.h"
#include "subregisters/gui/DamageDialog.h"
#include "subregisters/gui/SubregisterModules.h"
#include "subregisters/gui/WarehouseDialog.h"
#include "subregisters/CalendarRegister.h"
#include "subregisters/DocumentRegister.h"
#include "subregisters/EquipmentRegister.h"
#include "subregisters/gui/CalendarDialog.h"
#include "subregisters/gui/DocumentDialog.h"
#include "subregisters/gui/EquipmentDialog.h"
#include "subregisters/gui/SubregisterModule.h"
#include "trips/OdometerRegister.h"
#include "trips/gui/DistanceModule.h"
#include "trips/gui/OdometerDialog.h"
#include "trips/gui/RoadCardModule.h"
#include "trips/gui/TripModule.h"

namespace kv {

namespace {

template <class V, class Dialog>
ModuleFactory formModule(RegisterId id, std::function<RegisterEditing<V>()> editing) {
    return {id, [editing](ModuleContext& c) -> std::unique_ptr<RegisterModule> {
                return std::make_unique<FormRegisterModule<V, Dialog>>(c.controller, c.grid,
                                                                       editing, c.windowParent);
            }};
}

// The same for a register whose part of the cycle reads the open company
// (lists, the vehicle selector).
template <class V, class Dialog>
ModuleFactory formModule(RegisterId id, RegisterEditing<V> (*editing)(DataModule&)) {
    return {id, [editing](ModuleContext& c) -> std::unique_ptr<RegisterModule> {
                DataModule* db = &c.db;
                return std::make_unique<FormRegisterModule<V, Dialog>>(
                    c.controller, c.grid, [db, editing] { return editing(*db); }, c.windowParent);
            }};
}

} // namespace

QList<ModuleFactory> registerModuleFactories() {
    return {
        {RegisterId::Vehicles, [](ModuleContext& c) { return std::make_unique<VehicleModule>(c); }},
        {RegisterId::Trips, [](ModuleContext& c) { return std::make_unique<TripModule>(c); }},
        {RegisterId::Costs, [](ModuleContext& c) { return std::make_unique<CostModule>(c); }},
        formModule<OdometerFormValues, OdometerDialog>(RegisterId::Odometer, odometerEditing),
        {RegisterId::Consumption,
         [](ModuleContext& c) { return std::make_unique<ConsumptionModule>(c); }},
        {RegisterId::ConsumptionKm,
         [](ModuleContext& c) { return std::make_unique<ConsumptionModule>(c); }},
        {RegisterId::ConsumptionMth,
         [](ModuleContext& c) { return std::make_unique<ConsumptionModule>(c); }},
        {RegisterId::FuelPrices,
         [](ModuleContext& c) { return std::make_unique<FuelPriceModule>(c); }},
        formModule<FuelCardFormValues, FuelCardDialog>(RegisterId::FuelCards, fuelCardEditing),
        {RegisterId::Rates,
         [](ModuleContext& c) {
             return std::make_unique<DictionaryModule>(c.controller, c.grid, c.services,
                                                       c.windowParent);
         }},
        formModule<EmployeeFormValues, EmployeeDialog>(
            RegisterId::Employees,
            [] {
                // The option is read for every command: the options window may change it.
                return employeeEditing([] { return programOptions().cbAllowChangeOsobowaNREW; });
            }),
        formModule<WarehouseFormValues, WarehouseDialog>(RegisterId::Warehouse, warehouseEditing),
        {RegisterId::Repairs, [](ModuleContext& c) { return std::make_unique<RepairModule>(c); }},
        formModule<DamageFormValues, DamageDialog>(RegisterId::Damages, damageEditing),
        {RegisterId::Tyres, [](ModuleContext& c) { return std::make_unique<TyreModule>(c); }},
        {RegisterId::Documents,
         [](ModuleContext& c) {
             return std::make_unique<SubregisterModule<DocumentFormValues, DocumentDialog>>(
                 c, documentEditing);
         }},
        {RegisterId::Equipment,
         [](ModuleContext& c) {
             return std::make_unique<SubregisterModule<EquipmentFormValues, EquipmentDialog>>(
                 c, equipmentEditing);
         }},
        {RegisterId::Calendar,
         [](ModuleContext& c) {
             return std::make_unique<SubregisterModule<CalendarFormValues, CalendarDialog>>(
                 c, calendarEditing);
         }},
        {RegisterId::RoadCards,
         [](ModuleContext& c) { return std::make_unique<RoadCardModule>(c); }},
        {RegisterId::Orders, makeOrderModule},
        {RegisterId::Settlements, makeSettlementModule},
    };
}

QList<ProgramModuleFactory> programModuleFactories() {
    return {
        {[](ProgramContext& c) {
            return std::make_unique<CompanyDataModule>(c.db, c.services, c.windowParent);
        }},
        {[](ProgramContext& c) {
            return std::make_unique<AdminModule>(c.db, c.services, c.windowParent);
        }},
        {[](ProgramContext& c) { return std::make_unique<ReportsModule>(c); }},
        {[](ProgramContext& c) {
            return std::make_unique<ImportModule>(c.db, c.services, c.windowParent);
        }},
        {[](ProgramContext& c) { return std::make_unique<DistanceModule>(c); }},
        {[](ProgramContext& c) { return std::make_unique<DeadlinesModule>(c); }},
        {[](ProgramContext& c) { return std::make_unique<ChartsModule>(c); }},
        {[](ProgramContext& c) { return std::make_unique<StartPageModule>(c); }},
    };
}

QList<SectionCommandInfo> sectionCommands() {
    return {
        {QStringLiteral("RBSlBiblioteka"), QStringLiteral("Biblioteka"),
         QStringLiteral("SlBiblioteka"), QStringLiteral("Biblioteka"), QStringLiteral("Ctrl+F1"),
         Section::Dictionaries, 0, 0},
        {QStringLiteral("RBSlDaneFirmy"), QStringLiteral("Dane Firmy"),
         QStringLiteral("SlDaneFirmy"), QStringLiteral("Dane Firmy"), QString(),
         Section::Dictionaries, 2, 2},
    };
}

} // namespace kv
