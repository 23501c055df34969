#pragma once

#include "framework/RegisterEditing.h"
#include "fuel/FuelPriceForm.h"

namespace kv {

class DataModule;

// The fuel price register's statements: the grid query (the price with its
// fuel kind's name; equal values of the sort column in date order) and the
// insert and update.
void registerFuelPriceQueries(DataModule& db);

// The window's lists by column: the fuel kinds (RODZAJPALIWA, keyed by KOD)
// and the places (MIEJSCE, the texts of "PMIEJ" in order).
QHash<QString, QList<KeyedItem>> loadFuelPriceLists(DataModule& db);

// The fuel price register's part of the add and edit cycle: the lists, the
// defaults, the cursor on the saved price by its id.
RegisterEditing<FuelPriceFormValues> fuelPriceEditing(DataModule& db);

} // namespace kv
