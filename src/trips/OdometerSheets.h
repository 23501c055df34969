#pragma once

#include "support/Decimal.h"

#include <QList>
#include <QStringList>

namespace kv {

class DataModule;

// The two odometer sheets of the command-line tool, as titles and rows of
// texts the way the windows show them (dates as date text, readings with two
// decimals and the system separator).

// Every vehicle by registration number with its current mileage: "Nr Rej.",
// "Marka", "Przebieg"; empty for a vehicle without readings. Throws
// DatabaseError.
QStringList currentMileageTitles();
QList<QStringList> currentMileageRows(DataModule& db);

// The readings that look wrong, vehicle by vehicle (all vehicles, or the one
// with the id): "Nr Rej.", "Data", "Stan licznika", "Rejestr", "Problem".
// Throws DatabaseError.
QStringList readingCheckTitles();
QList<QStringList> readingCheckRows(DataModule& db, int vehicleId = 0,
                                    const Decimal& maxKmPerDay = Decimal::fromInteger(1500));

} // namespace kv
