#pragma once

#include "storage/ChangeTemplate.h"

namespace kv {

class DataModule;

// The vehicle register's statements: the grid query DBFpojazdy and the insert
// and update templates.
void registerVehicleQueries(DataModule& db);

const ChangeTemplate& vehicleInsertShape();
const ChangeTemplate& vehicleUpdateShape();

} // namespace kv
