#include "data/QueryRegistry.h"

#include "fleet/VehicleQueries.h"
#include "users/UserQueries.h"

namespace kv {

void registerProgramQueries(TmyDataBase& db) {
    registerVehicleQueries(db);
    registerUserQueries(db);
}

} // namespace kv
