#pragma once

#include "framework/RegisterEditing.h"
#include "subregisters/EquipmentForm.h"

namespace kv {

class DataModule;

// The equipment register's statements: the grid query DBFwyposazenie (the
// items with their vehicle) and the insert and update.
void registerEquipmentQueries(DataModule& db);

// The equipment register's part of the add and edit cycle: the vehicle list
// and the equipment kinds (RDWYP, typed text kept), a new item's vehicle from
// the vehicle selector when the option cbSetNrRej is on, the fitting reading
// checked against the vehicle's other readings (a question; "Nie" returns to
// the window) and, after every save, offered to the odometer history as
// "WYPOSAŻENIE" when the option cbKopiujPrzebiegDoHistorii is on.
RegisterEditing<EquipmentFormValues> equipmentEditing(DataModule& db);

} // namespace kv
