#include "data/QueryRegistry.h"

#include "fleet/DictionaryQueries.h"
#include "fleet/EmployeeQueries.h"
#include "fleet/VehicleQueries.h"
#include "users/UserQueries.h"

namespace kv {

void registerProgramQueries(TmyDataBase& db) {
    registerVehicleQueries(db);
    registerDictionaryQueries(db);
    registerEmployeeQueries(db);
    registerUserQueries(db);
}

} // namespace kv
