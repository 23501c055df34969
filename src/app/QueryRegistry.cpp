#include "data/QueryRegistry.h"

#include "fleet/VehicleQueries.h"

namespace kv {

void registerProgramQueries(TmyDataBase& db) {
    registerVehicleQueries(db);
}

} // namespace kv
