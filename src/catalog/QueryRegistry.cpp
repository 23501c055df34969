#include "storage/QueryRegistry.h"

#include "dictionaries/DictionaryQueries.h"
#include "fleet/EmployeeQueries.h"
#include "fleet/VehicleQueries.h"
#include "users/UserQueries.h"

namespace kv {

void registerProgramQueries(DataModule& db) {
    registerVehicleQueries(db);
    registerDictionaryQueries(db);
    registerEmployeeQueries(db);
    registerUserQueries(db);
}

} // namespace kv
