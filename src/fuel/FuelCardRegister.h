#pragma once

#include "framework/RegisterEditing.h"
#include "fuel/FuelCardForm.h"

namespace kv {

class DataModule;

// The fuel card register's statements: the grid query (the card with its
// vehicle and holder; the PIN is read for the window, never shown in the
// grid) and the insert and the update keyed by the identifier the card had.
void registerFuelCardQueries(DataModule& db);

// The fuel card register's part of the add and edit cycle: the vehicle and
// driver lists; a new card takes the vehicle of the vehicle selector when
// the option cbSetNrRej is on; identifiers are unique (checked when editing
// only if changed: costs that named the old identifier keep it); the cursor
// on the saved card by its identifier.
RegisterEditing<FuelCardFormValues> fuelCardEditing(DataModule& db);

} // namespace kv
