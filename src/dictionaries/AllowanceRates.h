#pragma once

#include "support/Decimal.h"

#include <QString>

namespace kv {

class DataModule;

// The per-kilometre allowance of a trip, for the trips register and the
// reports: the rate of the latest rate row not after the trip's date in the
// column of the vehicle's kind and engine capacity, and the amount for a
// distance (RateTable::amount). The rates are read on the first lookup and
// again after reload().
class AllowanceRates {
public:
    explicit AllowanceRates(DataModule& db);

    // Reads the rates again (the trips register does before every refresh);
    // false after a failure, which the data module reports.
    bool reload();

    // Four decimals; 0 when no row applies or the kind has no rate column.
    Decimal exactRate(int dateNumber, int vehicleKind, int capacity);
    // Distance times the four-decimal rate, rounded to two decimals.
    Decimal exactAmount(const Decimal& distance, int dateNumber, int vehicleKind, int capacity);

    // The same as doubles, for callers that hold doubles.
    double rate(int dateNumber, int vehicleKind, int capacity) {
        return exactRate(dateNumber, vehicleKind, capacity).toDouble();
    }
    double amount(double distance, int dateNumber, int vehicleKind, int capacity) {
        return exactAmount(Decimal::fromDouble(distance), dateNumber, vehicleKind, capacity)
            .toDouble();
    }

    // As the grids show them: "0.0000" and "0.00" with the system separator.
    QString rateText(int dateNumber, int vehicleKind, int capacity);
    QString amountText(double distance, int dateNumber, int vehicleKind, int capacity);

private:
    void ensureLoaded();

    DataModule& m_db;
    bool m_loaded = false;
};

} // namespace kv
