#include "trips/TripAllowance.h"

#include "dictionaries/RateTable.h"
#include "framework/RegisterController.h"
#include "framework/RegisterHooks.h"
#include "framework/RegisterSums.h"
#include "storage/ErrorLog.h"
#include "storage/engine/ResultSet.h"

namespace kv {

namespace {

// Logged when a row's allowance cannot be worked out.
constexpr qint64 kAllowanceCode = 4205;

// The columns the allowance reads, found once per set of rows: the cells of
// one refresh are drawn, summed and exported many times over.
struct Columns {
    const ResultSet* rows = nullptr;
    int date = -1, kind = -1, capacity = -1, length = -1;
};

bool named(const ResultSet& rows, int column, QLatin1String name) {
    return column >= 0 && column < rows.columnCount() &&
           rows.columns().at(column).compare(name, Qt::CaseInsensitive) == 0;
}

const Columns& columnsOf(const ResultSet& rows) {
    thread_local Columns c;
    // Rows made later may live where earlier ones did: the names must match too.
    if (c.rows != &rows || !named(rows, c.date, QLatin1String("DATA")) ||
        !named(rows, c.length, QLatin1String("ODLEGLOSC")) ||
        (c.kind >= 0 && !named(rows, c.kind, QLatin1String("RODZAJ"))) ||
        (c.capacity >= 0 && !named(rows, c.capacity, QLatin1String("POJEMNOSC")))) {
        c.rows = &rows;
        c.date = rows.columnIndex(QStringLiteral("DATA"));
        c.kind = rows.columnIndex(QStringLiteral("RODZAJ"));
        c.capacity = rows.columnIndex(QStringLiteral("POJEMNOSC"));
        c.length = rows.columnIndex(QStringLiteral("ODLEGLOSC"));
    }
    return c;
}

int intAt(const ResultSet& rows, int row, int column) {
    return column < 0 ? 0 : static_cast<int>(rows.value(row, column).toLongLong());
}

} // namespace

TripAllowance tripAllowance(const RateTable& rates, const ResultSet& rows, int row) {
    const Columns& c = columnsOf(rows);
    TripAllowance a;
    a.rate = rates.rate(intAt(rows, row, c.date), intAt(rows, row, c.kind),
                        intAt(rows, row, c.capacity));
    const std::optional<Decimal> length =
        c.length < 0 ? std::nullopt : Decimal::fromStored(rows.value(row, c.length));
    a.amount = RateTable::amount(length.value_or(Decimal()), a.rate);
    return a;
}

Decimal tripAllowanceTotal(const RateTable& rates, const ResultSet& rows) {
    Decimal total;
    for (int i = 0; i < rows.rowCount(); ++i)
        total += tripAllowance(rates, rows, i).amount;
    return total;
}

QString tripAllowanceCell(const RateTable& rates, const ResultSet& rows, int row,
                          const GridColumn& column) {
    const bool isRate = column.field.compare(QLatin1String("STAWKA"), Qt::CaseInsensitive) == 0;
    try {
        const TripAllowance a = tripAllowance(rates, rows, row);
        return isRate ? formatDecimal(a.rate, 4) : formatDecimal(a.amount, 2);
    } catch (const DecimalError& e) {
        appendErrorLog(codedLine(kAllowanceCode, QString::fromUtf8(e.what())));
        return formatDecimal(Decimal(), isRate ? 4 : 2);
    }
}

void installTripHooks() {
    RegisterHooks& hooks = registerHooks(RegisterId::Trips);
    // A change of rates shows at the next refresh.
    hooks.beforeRefresh = [](RegisterController& reg) { loadRateTable(reg.database()); };
    hooks.computedCell = [](DataModule& db, const ResultSet& rows, int row,
                            const GridColumn& column) {
        return tripAllowanceCell(rateTable(db), rows, row, column);
    };
    // "Kwota przejazdów": the amounts as the grid shows them, added.
    setSumValueHook(RegisterId::Trips, [](DataModule& db, const ResultSet& rows, const QString&) {
        loadRateTable(db);
        return tripAllowanceTotal(rateTable(db), rows);
    });
}

} // namespace kv
