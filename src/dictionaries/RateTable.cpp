#include "dictionaries/RateTable.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

#include <algorithm>

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

Decimal RateTable::amount(const Decimal& distance, const Decimal& rate) {
    return (distance * rate.rounded(4)).rounded(2);
}

double RateTable::amountFor(double distance, double rate) {
    return amount(Decimal::fromDouble(distance), Decimal::fromDouble(rate)).toDouble();
}

Decimal RateTable::rate(int dateNumber, int vehicleKind, int capacity) const {
    for (const RateRow& row : m_rows) {
        if (row.validFrom > dateNumber)
            continue;
        switch (vehicleKind) {
        case 1:
        case 2:
            return (capacity <= 900 ? row.lw900 : row.gt900).rounded(4);
        case 3:
            return row.motorcycle.rounded(4);
        case 4:
            return row.moped.rounded(4);
        default: {
            int column = m_kindColumns.value(vehicleKind, 0);
            if (column == 0 && m_kindBase > 0 && vehicleKind >= m_kindBase)
                column = 5 + vehicleKind - m_kindBase;
            if (column < 5 || column > 20)
                return {};
            return row.further[static_cast<size_t>(column - 5)].rounded(4);
        }
        }
    }
    return {};
}

bool loadRateTable(DataModule& db) {
    RateTable& rates = db.companyState<RateTable>();
    rates.clear();
    try {
        const ResultSet r = db.select(QStringLiteral("SELECT * FROM stawki.DB ORDER BY DATAOD"));
        QList<RateRow> rows;
        for (int i = r.rowCount() - 1; i >= 0; --i) {
            RateRow row;
            // A rate that cannot be read (NULL, a stray text) counts as none.
            auto rateOf = [&r, i](const QString& column) {
                try {
                    return Decimal::fromStored(r.value(i, column)).value_or(Decimal());
                } catch (const DecimalError&) {
                    return Decimal();
                }
            };
            row.validFrom = r.value(i, QStringLiteral("DATAOD")).toInt();
            row.lw900 = rateOf(QStringLiteral("LW900"));
            row.gt900 = rateOf(QStringLiteral("GT900"));
            row.motorcycle = rateOf(QStringLiteral("MOTOCYKL"));
            row.moped = rateOf(QStringLiteral("MOTOROWER"));
            for (int n = 5; n <= 20; ++n)
                row.further[static_cast<size_t>(n - 5)] = rateOf(QStringLiteral("RDPOJ%1").arg(n));
            rows.append(row);
        }
        rates.setRows(rows);
        const ResultSet kinds = db.select(QStringLiteral(
            "SELECT KOD, UZUP1 FROM slowniki.DB WHERE IDSLOWNIK='RDPOJ' AND KOD > 4"));
        QHash<int, int> columns;
        for (int i = 0; i < kinds.rowCount(); ++i) {
            const int kod = kinds.value(i, 0).toInt();
            const int column = kinds.value(i, 1).toString().trimmed().toInt();
            if (column == 5)
                rates.setKindBase(kod);
            if (column >= 5 && column <= 20)
                columns.insert(kod, column);
        }
        rates.setKindColumns(columns);
        return true;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 24);
        return false;
    }
}

const RateTable& rateTable(DataModule& db) {
    return db.companyState<RateTable>();
}

} // namespace kv
