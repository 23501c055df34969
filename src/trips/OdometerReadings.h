#pragma once

#include "support/Decimal.h"

#include <QHash>
#include <QList>
#include <QString>

namespace kv {

class DataModule;

// Every odometer reading in kilometres the company keeps, wherever it was
// typed: the odometer history, the hand-over and return of lent vehicles on
// trips, road cards, costs, the kilometre-based fuel registers (liquid fuel
// and LPG), repairs, damages and equipment. Engine hours are no kilometres
// and stay out.

struct OdometerReading {
    int date = 0; // date number
    Decimal reading;
    QString registerName; // where it was typed ("Historia przebiegów")
    bool operator==(const OdometerReading&) const = default;
};

// The row being edited, whose own readings are not compared with the new
// ones: its table ("przebiegi") and the value of the column that keys it
// within the vehicle (an id, or the date in the fuel registers).
struct EditedRow {
    QString table;
    qint64 key = 0;
};

// The readings of one vehicle, table by table (one table per statement), each
// with a valid date and above 0; the edited row's are left out. A table that
// cannot be read is logged and skipped.
QList<OdometerReading> vehicleReadings(DataModule& db, int vehicleId, const EditedRow& edited = {});
// The same for every vehicle at once, by vehicle id.
QHash<int, QList<OdometerReading>> allVehicleReadings(DataModule& db);

// The engine-hour readings of one vehicle: those of the per-hour fuel
// register (liquid fuel and LPG), compared only with each other.
QList<OdometerReading> vehicleEngineHours(DataModule& db, int vehicleId,
                                          const EditedRow& edited = {});

// The most kilometres a vehicle is believed to cover in one day.
inline const Decimal kDefaultMaxKmPerDay = Decimal::fromInteger(1500);
// An engine runs at most 24 hours a day.
inline const Decimal kMaxEngineHoursPerDay = Decimal::fromInteger(24);

// What a reading counts: kilometres on the odometer or an engine's hours.
enum class ReadingUnit { Kilometres, EngineHours };

enum class ReadingProblem {
    BelowEarlier,        // below the greatest reading of the latest earlier day
    AboveLater,          // above the smallest reading of the earliest later day
    TooFast,             // more kilometres a day than the limit from a neighbour
    ReturnBelowHandover, // a vehicle came back with less than it left with
    OutOfSequence,       // breaks the order of the vehicle's other readings
};

struct ReadingFinding {
    ReadingProblem problem;
    OdometerReading reading; // the reading at fault
    OdometerReading other;   // what it was compared with
    int days = 0;            // TooFast: days between the two (same day: 1)
};

// Whole days from one date number to a later one; a day counts as 1, so a
// same-day pair is held to one day's limit. -1 when a date is no calendar day.
int daysBetween(int fromDate, int toDate);

// The findings of a typed reading against the vehicle's other readings:
// below the greatest reading of the latest earlier day, above the smallest of
// the earliest later day, or further than the daily limit from either (or
// from the nearest reading of the same day, whose order within the day is not
// known). A typed reading of 0 or less, or without a valid date, is no
// reading and passes.
QList<ReadingFinding> checkReading(const QList<OdometerReading>& others,
                                   const OdometerReading& typed,
                                   const Decimal& maxKmPerDay = kDefaultMaxKmPerDay);

// The readings of one vehicle that look wrong: sorted by date (and reading
// within a day), the fewest readings that must go for the rest to never go
// backwards (those not in a longest non-decreasing sequence), then, between
// neighbours of what stays, the steps over the daily limit.
QList<ReadingFinding> implausibleReadings(QList<OdometerReading> readings,
                                          const Decimal& maxKmPerDay = kDefaultMaxKmPerDay);

// A one-line Polish description of a finding ("mniej niż 10000,00 km z dnia
// 01.03.2024 (Historia przebiegów)").
QString describeFinding(const ReadingFinding& finding, const Decimal& maxKmPerDay,
                        ReadingUnit unit = ReadingUnit::Kilometres);

// What a window asks before saving readings: the vehicle, the readings typed
// (with what the user calls them) and, for a lent vehicle, the hand-over and
// return pair.
struct TypedReading {
    QString label; // "Stan licznika", "Stan licznika przy zwrocie"
    OdometerReading reading;
};
struct ReadingCheck {
    int vehicleId = 0;
    QList<TypedReading> typed;
    EditedRow edited;
    bool handoverAndReturn = false; // typed[0] is the hand-over, typed[1] the return
    // Engine hours are checked against the vehicle's other engine-hour
    // readings with a day's limit of 24, kilometres against the kilometres.
    ReadingUnit unit = ReadingUnit::Kilometres;
};

// The findings of every typed reading, and of the return against the
// hand-over; the vehicle's readings are read once.
QList<QPair<TypedReading, ReadingFinding>> checkTypedReadings(DataModule& db,
                                                              const ReadingCheck& check);
// The question that lists the findings (empty for none).
QString readingQuestion(const QList<QPair<TypedReading, ReadingFinding>>& findings,
                        ReadingUnit unit = ReadingUnit::Kilometres);
// Saves without asking when every reading fits; otherwise asks "Pytanie"
// with the findings and "Czy mimo to zapisać?" (Enter answers no, which
// returns to the window).
bool confirmReadings(DataModule& db, const ReadingCheck& check);

} // namespace kv
