#include "fuel/Consumption.h"

namespace kv {

namespace {

const Decimal kHundred = Decimal::fromInteger(100);

} // namespace

std::optional<Decimal> rowConsumption(ConsumptionKind kind, const RefuellingRow* previous,
                                      const RefuellingRow& row) {
    if (kind != ConsumptionKind::Continuous) {
        // Nothing driven or worked gives no consumption, whatever was used.
        if (row.first.isZero())
            return std::nullopt;
        const Decimal used = kind == ConsumptionKind::PerKm ? row.litres * kHundred : row.litres;
        return used.divided(row.first, 2);
    }
    if (!previous)
        return std::nullopt;
    const Decimal distance = row.reading - previous->reading;
    // A previous row of nothing but zeros is no refuelling to measure from.
    const bool measured = previous->first.signum() > 0 || previous->litres.signum() > 0 ||
                          previous->reading.signum() > 0;
    if (distance.signum() <= 0 || !measured)
        return std::nullopt;
    return ((previous->first + previous->litres - row.first) * kHundred).divided(distance, 2);
}

ConsumptionTotals consumptionTotals(ConsumptionKind kind, const QList<RefuellingRow>& rows) {
    ConsumptionTotals t;
    if (rows.isEmpty())
        return t;
    Decimal distance;
    Decimal fuel;
    for (const RefuellingRow& r : rows) {
        t.firstDate = std::min(t.firstDate, r.date);
        t.lastDate = std::max(t.lastDate, r.date);
        fuel += r.litres;
        if (kind != ConsumptionKind::Continuous)
            distance += r.first;
    }
    if (kind == ConsumptionKind::Continuous) {
        const RefuellingRow& first = rows.first();
        const RefuellingRow& last = rows.last();
        distance = last.reading - first.reading;
        if (distance.signum() <= 0)
            return t;
        // The litres of the last refuelling have not been driven yet, and
        // what was left in the tank before it was not used.
        t.distance = distance;
        t.fuelUsed = first.first + fuel - last.litres - last.first;
        t.average = (t.fuelUsed * kHundred).divided(distance, 2);
        return t;
    }
    t.distance = distance;
    t.fuelUsed = fuel;
    if (distance.signum() > 0)
        t.average = (kind == ConsumptionKind::PerKm ? fuel * kHundred : fuel).divided(distance, 2);
    return t;
}

ConsumptionResult computeConsumption(ConsumptionKind kind, const QList<RefuellingRow>& rows) {
    ConsumptionResult r;
    r.rows.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        r.rows.append(rowConsumption(kind, i > 0 ? &rows.at(i - 1) : nullptr, rows.at(i)));
    r.totals = consumptionTotals(kind, rows);
    return r;
}

QString consumptionText(const std::optional<Decimal>& value) {
    return value ? formatDecimal(*value, 2) : QStringLiteral("-");
}

} // namespace kv
