#pragma once

#include "framework/RegisterEditing.h"
#include "subregisters/WarehouseForm.h"

namespace kv {

class DataModule;

// The warehouse register's statements: the grid query DBFMagazyn (every
// resource; its three filter slots stay empty) and the insert and update.
// The deadline checker's stock check walks the same query.
void registerWarehouseQueries(DataModule& db);

// The warehouse's part of the add and edit cycle: no uniqueness (two
// resources may share a name), the cursor on the saved record by its id.
RegisterEditing<WarehouseFormValues> warehouseEditing(DataModule& db);

} // namespace kv
