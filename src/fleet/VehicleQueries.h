#pragma once

#include "data/ChangeTemplate.h"

namespace kv {

class TmyDataBase;

// The vehicle register's statements: the grid query DBFpojazdy and the insert
// and update templates.
void registerVehicleQueries(TmyDataBase& db);

const ChangeTemplate& vehicleInsertShape();
const ChangeTemplate& vehicleUpdateShape();

} // namespace kv
