#include "reports/FuelPeriodStats.h"

#include "storage/engine/ResultSet.h"
#include "support/DateNumbers.h"

namespace kv {

namespace {

Decimal cell(const ResultSet& rows, int row, const QString& column) {
    try {
        return Decimal::fromStored(rows.value(row, column)).value_or(Decimal());
    } catch (const DecimalError&) {
        return Decimal();
    }
}

} // namespace

QString FuelPeriodStats::firstDateText() const {
    return firstDate == 99999999 ? QString() : dateNumberToText(firstDate, true);
}

QString FuelPeriodStats::lastDateText() const {
    return dateNumberToText(lastDate, true);
}

FuelPeriodStats fuelPeriodStats(RegisterId id, const ResultSet& rows) {
    FuelPeriodStats s;
    const int n = rows.rowCount();
    if (n == 0)
        return s;
    const QString data = QStringLiteral("DATA");
    Decimal fuelSum, distanceSum;
    for (int r = 0; r < n; ++r) {
        const qint64 date = rows.value(r, data).toLongLong();
        s.firstDate = std::min(s.firstDate, date);
        s.lastDate = std::max(s.lastDate, date);
        fuelSum += cell(rows, r, QStringLiteral("TANKOWANIE"));
        if (id != RegisterId::Consumption)
            distanceSum += cell(rows, r, QStringLiteral("PRZEBIEG"));
    }
    Decimal distance, litres;
    if (id == RegisterId::Consumption) {
        const QString meter = QStringLiteral("LICZNIK"), tank = QStringLiteral("BAK");
        distance = cell(rows, n - 1, meter) - cell(rows, 0, meter);
        litres = cell(rows, 0, tank) + fuelSum - cell(rows, n - 1, QStringLiteral("TANKOWANIE")) -
                 cell(rows, n - 1, tank);
    } else {
        distance = distanceSum;
        litres = fuelSum;
    }
    if (distance.signum() <= 0)
        return s;
    s.distance = distance;
    s.litres = litres;
    const Decimal perUnit =
        id == RegisterId::ConsumptionMth ? litres : litres * Decimal::fromInteger(100);
    s.usage = perUnit.divided(distance, 2);
    return s;
}

} // namespace kv
