// The features of this version of the program, as the core sees them: their
// statements, the work to do when a company opens, and the registers' hooks.
// Adding a register adds its line here and its module to the module list.
#include "storage/ProgramFeatures.h"

#include "charts/ChartQueries.h"
#include "charts/StartPageData.h"
#include "costs/CostHandOvers.h"
#include "costs/CostRegister.h"
#include "costs/OrderRegister.h"
#include "deadlines/DeadlineLoading.h"
#include "dictionaries/DictionaryQueries.h"
#include "dictionaries/VehicleKinds.h"
#include "fleet/EmployeeRegister.h"
#include "fleet/VehicleRegister.h"
#include "fuel/ConsumptionQueries.h"
#include "fuel/ConsumptionView.h"
#include "fuel/FuelCardRegister.h"
#include "fuel/FuelKinds.h"
#include "fuel/FuelPriceRegister.h"
#include "fuel/RefuellingHandOvers.h"
#include "storage/DataModule.h"
#include "subregisters/CalendarRegister.h"
#include "subregisters/DocumentRegister.h"
#include "subregisters/EquipmentRegister.h"
#include "subregisters/RepairRegister.h"
#include "subregisters/SubregisterHandOvers.h"
#include "subregisters/TyreRegister.h"
#include "subregisters/WarehouseRegister.h"
#include "support/Clock.h"
#include "trips/OdometerRegister.h"
#include "trips/RoadCardRegister.h"
#include "trips/TripAllowance.h"
#include "trips/TripRegister.h"
#include "users/UserQueries.h"

namespace kv {

void installProgramFeatures(DataModule& db) {
    registerVehicleQueries(db);
    registerDictionaryQueries(db);
    registerEmployeeQueries(db);
    installEmployeeHooks();
    registerTripQueries(db);
    installTripHooks();
    registerOdometerQueries(db);
    registerConsumptionQueries(db);
    installConsumptionHooks();
    registerFuelPriceQueries(db);
    registerFuelCardQueries(db);
    installRefuellingHandOverTargets();
    registerCostQueries(db);
    installCostHandOverTarget();
    registerRoadCardQueries(db);
    registerOrderQueries(db);
    installOrderHooks();
    installSettlementHandOverTarget();
    registerUserQueries(db);
    registerWarehouseQueries(db);
    registerRepairQueries(db);
    registerDamageQueries(db);
    registerTyreQueries(db);
    installSubregisterHandOverTargets();
    registerDocumentQueries(db);
    registerEquipmentQueries(db);
    registerCalendarQueries(db);
    registerChartQueries(db);
    setStartPageDeadlineProvider([](DataModule& company) {
        return dueDeadlineLines(deadlinesDueToday(company, Clock::today()));
    });
    db.addCompanyOpenedHandler(refillVehicleKinds);
    db.addCompanyOpenedHandler(resetFuelKinds);
}

} // namespace kv
