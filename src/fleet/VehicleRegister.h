#pragma once

#include "fleet/VehicleForm.h"
#include "framework/RegisterEditing.h"

#include <functional>

namespace kv {

class DataModule;

// The vehicle register's statements: the grid query and the insert and update.
void registerVehicleQueries(DataModule& db);

// What the vehicle window's lists offer, by column: fleet numbers (NRFLOTY,
// an empty entry first), vehicle kinds (RODZAJ), drivers (IDKIEROWCY) and
// owners (NREW: the company name first, then the drivers).
using VehicleLists = QHash<QString, QList<KeyedItem>>;
VehicleLists loadVehicleLists(DataModule& db, const QString& companyName);

// The vehicles as the other registers' windows offer them, by registration
// number: the id as key, the number as text and the vehicle's own driver
// (employee number, empty for none) as extra, so that choosing a vehicle can
// fill in its driver.
QList<KeyedItem> loadVehicleChoices(DataModule& db);
// The people a window offers as drivers: the employee number as key, the
// person as the lists show them.
QList<KeyedItem> loadDriverChoices(DataModule& db);
// The driver of a vehicle (empty for none, an unknown vehicle or a failure).
QString vehicleDriver(DataModule& db, int vehicleId);

// The vehicle register's part of the add and edit cycle: the registration
// number is unique whatever its letter case (stored as typed), the cursor
// goes to the saved vehicle, and afterSave rebuilds what lists the vehicles
// (set back to all vehicles after an insert, keeping its choice after an
// update).
RegisterEditing<VehicleFormValues> vehicleEditing(std::function<VehicleLists()> lists,
                                                  std::function<void(bool insert)> afterSave);
EditSteps vehicleEditSteps(RegisterController& reg, FormView<VehicleFormValues>& form,
                           std::function<VehicleLists()> lists,
                           std::function<void(bool insert)> afterSave);

// The fragments of the vehicle register's own filters: a status 0..4, 5 for
// every status but active, -1 for none; a fleet number's key, -1 for none.
QString vehicleStatusFragment(int index);
QString vehicleFleetFragment(int key);
inline const QString kVehicleStatusFilter = QStringLiteral("status");
inline const QString kVehicleFleetFilter = QStringLiteral("fleet");

} // namespace kv
