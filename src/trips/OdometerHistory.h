#pragma once

#include "support/Decimal.h"

#include <QHash>
#include <QString>
#include <optional>

namespace kv {

class DataModule;

// The odometer history's part in the other registers: the current mileage
// of a vehicle (its greatest reading in the history) and the copy of a
// reading typed elsewhere into the history.

// The greatest reading of every vehicle with readings, by vehicle id, in one
// statement. Throws DatabaseError.
QHash<int, Decimal> currentMileages(DataModule& db);
// The greatest reading of one vehicle; nothing when it has none (which is
// not a reading of 0). Throws DatabaseError.
std::optional<Decimal> currentMileage(DataModule& db, int vehicleId);

// The source names the registers hand their readings over with; the copy
// remarks them as "Przebieg z tabeli: " + the name.
inline const QString kTripsHistorySource = QStringLiteral("PRZEJAZDY");
inline const QString kHistoryRemarkPrefix = QStringLiteral("Przebieg z tabeli: ");

enum class HistoryCopy {
    Added,
    NoReading, // the text is no number (empty: the row has no reading)
    NoVehicle,
    Lower,  // below the vehicle's greatest reading
    Failed, // a database error, logged
};

// Adds a reading typed in another register to the history when it does not
// go backwards: a text that is no number, or vehicle 0, adds nothing and says
// nothing; a reading equal to the greatest is added again; the date is the
// given date text when valid, else today. Reading the greatest reading and
// adding the row are one write transaction. A failure is logged, never shown:
// the caller's own save stands.
HistoryCopy copyReadingToHistory(DataModule& db, int vehicleId, const QString& dateText,
                                 const QString& sourceName, const QString& readingText);
// The same, when the option cbKopiujPrzebiegDoHistorii asks for it (every
// caller calls this after its own save); nothing otherwise.
void offerReadingToHistory(DataModule& db, int vehicleId, const QString& dateText,
                           const QString& sourceName, const QString& readingText);

} // namespace kv
