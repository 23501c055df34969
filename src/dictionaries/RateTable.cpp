#include "dictionaries/RateTable.h"

#include <algorithm>
#include <cmath>

namespace kv {

void RateTable::clear() {
    m_rows.clear();
    m_kindBase = 0;
    m_kindColumns.clear();
}

void RateTable::setRows(QList<RateRow> rows) {
    // Newest first whatever order the rows came in, so that the lookup never
    // depends on how the rate register happens to be sorted.
    std::stable_sort(rows.begin(), rows.end(),
                     [](const RateRow& a, const RateRow& b) { return a.validFrom > b.validFrom; });
    m_rows = std::move(rows);
}

double RateTable::roundRate(double rate) {
    return std::round(rate * 10000.0) / 10000.0;
}

double RateTable::amountFor(double distance, double rate) {
    return std::round(distance * roundRate(rate) * 100.0) / 100.0;
}

double RateTable::rateFor(int dateNumber, int vehicleKind, int capacity) const {
    for (const RateRow& row : m_rows) {
        if (row.validFrom > dateNumber)
            continue;
        switch (vehicleKind) {
        case 1:
        case 2:
            return roundRate(capacity <= 900 ? row.lw900 : row.gt900);
        case 3:
            return roundRate(row.motorcycle);
        case 4:
            return roundRate(row.moped);
        default: {
            int column = m_kindColumns.value(vehicleKind, 0);
            if (column == 0 && m_kindBase > 0 && vehicleKind >= m_kindBase)
                column = 5 + vehicleKind - m_kindBase;
            if (column < 5 || column > 20)
                return 0.0;
            return roundRate(row.further[static_cast<size_t>(column - 5)]);
        }
        }
    }
    return 0.0;
}

} // namespace kv
