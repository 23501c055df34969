#pragma once

#include <QList>
#include <QString>

namespace kv {

class DataModule;

// The month copy of trips: every trip of one month, of every vehicle and
// whatever the register's filters, written again into another month.

struct YearMonth {
    int year = 0;
    int month = 0; // 1..12
    bool operator==(const YearMonth&) const = default;
};

// What happens to a trip whose day the target month lacks (the 31st copied
// into April).
enum class LastDayRule {
    Skip,          // "Pomiń ten przejazd"
    MoveToLastDay, // "Dodaj z datą ustawioną jako ostatni dzień miesiąca"
};

// The days of a month of the Gregorian calendar.
int daysInMonth(YearMonth month);
// The date number a day of the source month gets in the target month; 0 when
// the trip is skipped.
int copiedTripDate(int sourceDate, YearMonth target, LastDayRule rule);

// One trip to be copied, as the dry run lists it.
struct TripCopyItem {
    int sourceDate = 0;
    int newDate = 0;
    QString registration; // Nr Rej.
    QString route;
    QString km; // the length with two decimals
    bool lent = false;
};

struct TripMonthCopyResult {
    bool ok = false;
    int copied = 0;  // written, or to be written by a dry run
    int skipped = 0; // days the target month lacks
    int lent = 0;    // copies of lent trips, written with readings 0
    QList<TripCopyItem> items;
};

// Reads all trips of month `from` completely, then (unless a dry run) writes
// their copies into `to` in one write transaction: all of them or, after a
// failure (reported with its code), none. Each copy keeps the vehicle,
// purpose, route, length, driver and remarks; a lent trip stays lent with its
// person, but its odometer readings are written as 0: the readings of one
// day do not hold for another month, and the VAT record would read them.
// No duplicate check and no odometer history copy.
TripMonthCopyResult copyTripMonth(DataModule& db, YearMonth from, YearMonth to, LastDayRule rule,
                                  bool dryRun);

// "Skopiowano przejazdów: N (pominięto: M)." (a dry run: "Do skopiowania
// przejazdów: ..."), with the lent trips whose readings were set to 0.
QString tripMonthCopyMessage(const TripMonthCopyResult& result, bool dryRun);

inline const QString kMonthNames[12] = {
    QStringLiteral("Styczeń"),     QStringLiteral("Luty"),     QStringLiteral("Marzec"),
    QStringLiteral("Kwiecień"),    QStringLiteral("Maj"),      QStringLiteral("Czerwiec"),
    QStringLiteral("Lipiec"),      QStringLiteral("Sierpień"), QStringLiteral("Wrzesień"),
    QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień")};

} // namespace kv
