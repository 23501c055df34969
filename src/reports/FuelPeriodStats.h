#pragma once

#include "framework/Registers.h"
#include "support/Decimal.h"

#include <QString>

namespace kv {

class ResultSet;

// The period statistics of a fuel consumption register over the rows it
// shows, in their order: first and last date, distance (or engine hours),
// litres used and the consumption. The three figures stay 0 unless the
// distance is above 0.
struct FuelPeriodStats {
    qint64 firstDate = 99999999;
    qint64 lastDate = 0;
    Decimal distance; // SRKM
    Decimal litres;   // SRLITROW
    Decimal usage;    // SRZUZYCIE, rounded to hundredths

    QString firstDateText() const;
    QString lastDateText() const;
};

// Continuous: last LICZNIK - first LICZNIK, first BAK + all TANKOWANIE - last
// TANKOWANIE - last BAK, litres / distance x 100. Per km: sums of PRZEBIEG and
// TANKOWANIE, x 100. Per engine hour: the same sums, litres per hour.
FuelPeriodStats fuelPeriodStats(RegisterId id, const ResultSet& rows);

} // namespace kv
