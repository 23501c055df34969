// The features of this version of the program, as the core sees them: their
// statements, the work to do when a company opens, and the registers' hooks.
// Adding a register adds its line here and its module to the module list.
#include "storage/ProgramFeatures.h"

#include "costs/CostHandOvers.h"
#include "costs/CostRegister.h"
#include "dictionaries/DictionaryQueries.h"
#include "dictionaries/VehicleKinds.h"
#include "fleet/EmployeeRegister.h"
#include "fleet/VehicleRegister.h"
#include "storage/DataModule.h"
#include "trips/OdometerRegister.h"
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
    registerCostQueries(db);
    installCostHandOverTarget();
    registerUserQueries(db);
    db.addCompanyOpenedHandler(refillVehicleKinds);
}

} // namespace kv
