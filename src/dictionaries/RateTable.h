#pragma once

#include "support/Decimal.h"

#include <QHash>
#include <QList>
#include <array>

namespace kv {

// One row of the allowance rates: from which date it applies and the rate per
// kilometre for each vehicle kind.
// The rates are read exactly (see Decimal), as they were typed.
struct RateRow {
    int validFrom = 0; // DATAOD
    Decimal lw900;     // passenger cars up to 900 cm3
    Decimal gt900;     // above 900 cm3
    Decimal motorcycle;
    Decimal moped;
    std::array<Decimal, 16> further{}; // RDPOJ5 .. RDPOJ20
};

// The allowance rates in memory, newest first, with what is needed to pick the
// column of a vehicle kind.
class RateTable {
public:
    void clear();
    void setRows(QList<RateRow> rows); // sorted newest first here
    const QList<RateRow>& rows() const { return m_rows; }

    // The KOD of the vehicle kind whose second value is "5" (0 when missing).
    int kindBase() const { return m_kindBase; }
    void setKindBase(int kod) { m_kindBase = kod; }
    // Rate column number (5..20) of the further vehicle kinds, by KOD.
    void setKindColumns(QHash<int, int> columns) { m_kindColumns = std::move(columns); }

    // The rate of the row with the latest valid-from date not after the date,
    // in the column for the vehicle's kind and engine capacity, rounded to four
    // decimals; 0 when no row applies or the kind has no column. A further
    // kind takes the column its dictionary entry names, so gaps in the
    // kinds' numbers (a deleted and re-added kind) do not shift the columns.
    Decimal rate(int dateNumber, int vehicleKind, int capacity) const;
    // The one allowance amount of the program: the distance times the rate
    // rounded to four decimals, the product rounded to grosze (two decimals),
    // both half away from zero. 175 km at 0.8358 is 146.265, so 146.27.
    static Decimal amount(const Decimal& distance, const Decimal& rate);

    // The same as doubles, for callers that hold doubles.
    double rateFor(int dateNumber, int vehicleKind, int capacity) const {
        return rate(dateNumber, vehicleKind, capacity).toDouble();
    }
    static double amountFor(double distance, double rate);

private:
    QList<RateRow> m_rows;
    int m_kindBase = 0;
    QHash<int, int> m_kindColumns;
};

class DataModule;

// The open company's rate table: read by loadRateTable (rates and the vehicle
// kinds' rate columns, failure code 24), empty until then.
bool loadRateTable(DataModule& db);
const RateTable& rateTable(DataModule& db);

} // namespace kv
