#pragma once

#include "support/Decimal.h"

#include <QList>
#include <QString>
#include <optional>

namespace kv {

// How a register measures consumption.
enum class ConsumptionKind {
    Continuous, // litres per 100 km from the tank level and the odometer
    PerKm,      // litres per 100 km from the km driven on the fuel used
    PerHour,    // litres per engine hour
};

// One refuelling as the calculation reads it. `first` is the tank level
// before refuelling (continuous) or the km or hours worked (per km, per hour).
struct RefuellingRow {
    int date = 0;
    Decimal first;
    Decimal litres;
    Decimal reading;
};

// The totals of the rows shown: no rows leave the first date at the sentinel
// 99999999 and the last at 0, the numbers at 0.
struct ConsumptionTotals {
    static constexpr int kNoFirstDate = 99999999;
    int firstDate = kNoFirstDate;
    int lastDate = 0;
    Decimal average;  // rounded to two places
    Decimal distance; // km, or engine hours
    Decimal fuelUsed;
    bool operator==(const ConsumptionTotals&) const = default;
};

// One row's consumption, rounded half away from zero to two places; nothing
// where none can be worked out (shown as "-"). A continuous row needs the
// refuelling before it in the same rows: the previous row of one vehicle's
// rows in date order, within the rows shown.
std::optional<Decimal> rowConsumption(ConsumptionKind kind, const RefuellingRow* previous,
                                      const RefuellingRow& row);
ConsumptionTotals consumptionTotals(ConsumptionKind kind, const QList<RefuellingRow>& rows);

// Every row's consumption and the totals in one pass.
struct ConsumptionResult {
    QList<std::optional<Decimal>> rows;
    ConsumptionTotals totals;
};
ConsumptionResult computeConsumption(ConsumptionKind kind, const QList<RefuellingRow>& rows);

// A row's consumption as the grid shows it: two decimals, or "-".
QString consumptionText(const std::optional<Decimal>& value);

} // namespace kv
