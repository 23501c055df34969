#include "dictionaries/AllowanceRates.h"

#include "dictionaries/RateTable.h"
#include "storage/DataModule.h"

namespace kv {

AllowanceRates::AllowanceRates(DataModule& db) : m_db(db) {}

bool AllowanceRates::reload() {
    // A failed read counts as read: the lookups answer 0 rather than retry
    // (and report) once for every trip on screen.
    m_loaded = true;
    return loadRateTable(m_db);
}

void AllowanceRates::ensureLoaded() {
    if (!m_loaded)
        reload();
}

Decimal AllowanceRates::exactRate(int dateNumber, int vehicleKind, int capacity) {
    ensureLoaded();
    return rateTable(m_db).rate(dateNumber, vehicleKind, capacity);
}

Decimal AllowanceRates::exactAmount(const Decimal& distance, int dateNumber, int vehicleKind,
                                    int capacity) {
    return RateTable::amount(distance, exactRate(dateNumber, vehicleKind, capacity));
}

QString AllowanceRates::rateText(int dateNumber, int vehicleKind, int capacity) {
    return formatDecimal(exactRate(dateNumber, vehicleKind, capacity), 4);
}

QString AllowanceRates::amountText(double distance, int dateNumber, int vehicleKind, int capacity) {
    return formatDecimal(
        exactAmount(Decimal::fromDouble(distance), dateNumber, vehicleKind, capacity), 2);
}

} // namespace kv
