#pragma once

#include "framework/RegisterEditing.h"
#include "trips/OdometerForm.h"

namespace kv {

class DataModule;

// The odometer history register's statements: the grid query DBFPrzebiegi
// (the readings with their vehicle) and the insert and update.
void registerOdometerQueries(DataModule& db);

// The odometer register's part of the add and edit cycle: the vehicle list,
// a new reading's defaults with the vehicle of the vehicle selector when the
// option cbSetNrRej is on, the reading checked against the vehicle's other
// readings before it is saved (a question; "Nie" returns to the window), and
// the cursor on the saved reading. Readings typed here are not held to the
// current mileage: a lower reading may be stored on purpose.
RegisterEditing<OdometerFormValues> odometerEditing(DataModule& db);

} // namespace kv
