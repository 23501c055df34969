#pragma once

#include "framework/Registers.h"
#include "fuel/Consumption.h"

#include <QString>
#include <optional>

namespace kv {

class DataModule;

// The statements of the three consumption registers, each a named template
// whose table line follows the register's fuel kind: the grid query, insert,
// update, the delete of one day, the refuelling of a day (existence and the
// merge's read) and the latest earlier reading.
void registerConsumptionQueries(DataModule& db);

// The component names of a register's statements ("DBFInsertZuzycieKm" ...).
struct ConsumptionQueryNames {
    QString insert, update, remove, day, previous;
};
ConsumptionQueryNames consumptionQueryNames(RegisterId id);

// The stored refuelling of a vehicle on a day in the register's current
// table; nothing when there is none. Throws DatabaseError.
std::optional<RefuellingRow> refuellingOfDay(DataModule& db, RegisterId id, int vehicleId,
                                             int date);
// The reading of the vehicle's latest refuelling before the date in the
// register's current table, whatever period the register shows; nothing when
// there is none. Throws DatabaseError.
std::optional<Decimal> previousReading(DataModule& db, RegisterId id, int vehicleId, int date);

// The single statements of a write, to be run inside the caller's transaction.
void insertRefuelling(DataModule& db, RegisterId id, int vehicleId, const RefuellingRow& row);
// Rewrites the vehicle's row of `oldDate` with the row's values and date.
void updateRefuelling(DataModule& db, RegisterId id, int vehicleId, int oldDate,
                      const RefuellingRow& row);
void deleteRefuelling(DataModule& db, RegisterId id, int vehicleId, int date);

} // namespace kv
