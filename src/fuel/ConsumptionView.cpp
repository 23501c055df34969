#include "fuel/ConsumptionView.h"

#include "framework/RegisterController.h"
#include "framework/RegisterHooks.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterSums.h"
#include "fuel/FuelKinds.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"

#include <array>
#include <memory>

namespace kv {

namespace {

// Logged when the stored values of a register cannot be read as numbers.
constexpr qint64 kConsumptionCode = 4301;
// Logged when the chosen vehicle's make and norm cannot be read.
constexpr qint64 kVehicleLabelCode = 4302;

struct Columns {
    int date, first, litres, reading;
};

Columns columnsOf(ConsumptionKind kind, const ResultSet& rows) {
    return {rows.columnIndex(QStringLiteral("DATA")),
            rows.columnIndex(kind == ConsumptionKind::Continuous ? QStringLiteral("BAK")
                                                                 : QStringLiteral("PRZEBIEG")),
            rows.columnIndex(QStringLiteral("TANKOWANIE")),
            rows.columnIndex(QStringLiteral("LICZNIK"))};
}

Decimal number(const ResultSet& rows, int row, int column) {
    if (column < 0)
        return {};
    return Decimal::fromStored(rows.value(row, column)).value_or(Decimal());
}

RefuellingRow rowAt(const Columns& c, const ResultSet& rows, int row) {
    return {c.date < 0 ? 0 : static_cast<int>(rows.value(row, c.date).toLongLong()),
            number(rows, row, c.first), number(rows, row, c.litres), number(rows, row, c.reading)};
}

// Every row's consumption worked out at the refresh, for the rows of that
// refresh: the grid, the sheet and the search then read a cell without
// working it out again. The rows are watched, not held: once the register
// lets them go, rows made later at the same place never match.
struct RowValues {
    std::weak_ptr<const ResultSet> rows;
    QList<std::optional<Decimal>> values;
};

struct TotalsState {
    KeptConsumptionTotals last;
    std::array<ConsumptionTotals, 3> byRegister;
    std::array<RowValues, 3> rowValues;
};

size_t slotOf(RegisterId id) {
    return static_cast<size_t>(id) - static_cast<size_t>(RegisterId::Consumption);
}

void keep(DataModule& db, RegisterId id, const ConsumptionTotals& totals) {
    TotalsState& s = db.companyState<TotalsState>();
    s.last = {id, totals};
    s.byRegister[slotOf(id)] = totals;
}

} // namespace

ConsumptionKind consumptionKind(RegisterId id) {
    switch (id) {
    case RegisterId::ConsumptionKm:
        return ConsumptionKind::PerKm;
    case RegisterId::ConsumptionMth:
        return ConsumptionKind::PerHour;
    default:
        return ConsumptionKind::Continuous;
    }
}

QList<RefuellingRow> refuellingRows(ConsumptionKind kind, const ResultSet& rows) {
    const Columns c = columnsOf(kind, rows);
    QList<RefuellingRow> out;
    out.reserve(rows.rowCount());
    for (int i = 0; i < rows.rowCount(); ++i)
        out.append(rowAt(c, rows, i));
    return out;
}

QString consumptionCell(ConsumptionKind kind, const ResultSet& rows, int row) {
    if (row < 0 || row >= rows.rowCount())
        return QStringLiteral("-");
    const Columns c = columnsOf(kind, rows);
    try {
        const RefuellingRow current = rowAt(c, rows, row);
        if (kind != ConsumptionKind::Continuous || row == 0)
            return consumptionText(rowConsumption(kind, nullptr, current));
        const RefuellingRow previous = rowAt(c, rows, row - 1);
        return consumptionText(rowConsumption(kind, &previous, current));
    } catch (const DecimalError&) {
        return QStringLiteral("-");
    }
}

KeptConsumptionTotals lastConsumptionTotals(DataModule& db) {
    return db.companyState<TotalsState>().last;
}

ConsumptionTotals registerConsumptionTotals(DataModule& db, RegisterId id) {
    return db.companyState<TotalsState>().byRegister[slotOf(id)];
}

QString consumptionPeriodText(const ConsumptionTotals& t) {
    if (t.firstDate > 99999998 && t.lastDate == 0)
        return {};
    return dateNumberToText(t.firstDate, true) + QStringLiteral(" - ") +
           dateNumberToText(t.lastDate, true);
}

ConsumptionLabels consumptionLabels(DataModule& db, RegisterId id) {
    ConsumptionLabels l;
    const ConsumptionTotals t = registerConsumptionTotals(db, id);
    l.average = QStringLiteral("Średnie zużycie paliwa: %1 %2")
                    .arg(formatDecimal(t.average, 2), id == RegisterId::ConsumptionMth
                                                          ? QStringLiteral("litrów / godzinę")
                                                          : QStringLiteral("litrów / 100 km"));
    const QString period = consumptionPeriodText(t);
    l.period =
        period.isEmpty() ? QStringLiteral("w okresie:") : QStringLiteral("w okresie: ") + period;
    l.vehicle = QStringLiteral("(Wybierz pojazd)");
    l.norm = QStringLiteral("Norma zużycia paliwa dla pojazdu");
    const int vehicle = sharedFilters(db).selectedVehicleId;
    if (vehicle <= 0)
        return l;
    try {
        const ResultSet r = db.select(QStringLiteral("SELECT NRREJ, MARKA, NORMAOD, NORMADO FROM "
                                                     "pojazdy.DB WHERE IDPOJAZD = :V"),
                                      {{QStringLiteral("V"), vehicle}});
        if (r.isEmpty())
            return l;
        l.vehicle = r.text(0, QStringLiteral("NRREJ")) + QStringLiteral(", ") +
                    r.text(0, QStringLiteral("MARKA"));
        auto norm = [&r](const char* column) {
            try {
                return formatDecimal(
                    Decimal::fromStored(r.value(0, QLatin1String(column))).value_or(Decimal()), 2);
            } catch (const DecimalError&) {
                return formatDecimal(Decimal(), 2);
            }
        };
        l.norm += u' ' + norm("NORMAOD") + QStringLiteral(" - ") + norm("NORMADO");
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kVehicleLabelCode, e.message()));
    }
    return l;
}

void installConsumptionHooks() {
    for (RegisterId id : kConsumptionRegisters) {
        RegisterHooks& hooks = registerHooks(id);
        const ConsumptionKind kind = consumptionKind(id);
        hooks.computedCell = [id, kind](DataModule& db, const ResultSet& rows, int row,
                                        const GridColumn&) {
            const RowValues& kept = db.companyState<TotalsState>().rowValues[slotOf(id)];
            if (kept.rows.lock().get() == &rows && row >= 0 && row < kept.values.size())
                return consumptionText(kept.values.at(row));
            return consumptionCell(kind, rows, row);
        };
        hooks.beforeRefresh = [id](RegisterController& reg) {
            keep(reg.database(), id, ConsumptionTotals{});
            reg.database().companyState<TotalsState>().rowValues[slotOf(id)] = {};
        };
        hooks.afterRefresh = [id, kind](RegisterController& reg) {
            const auto rows = reg.rows();
            if (!rows)
                return;
            try {
                ConsumptionResult r = computeConsumption(kind, refuellingRows(kind, *rows));
                keep(reg.database(), id, r.totals);
                reg.database().companyState<TotalsState>().rowValues[slotOf(id)] = {
                    rows, std::move(r.rows)};
            } catch (const DecimalError& e) {
                appendErrorLog(codedLine(kConsumptionCode, QString::fromUtf8(e.what())));
            }
        };
    }
    // "Przejechano km." of the continuous register: the last row's reading
    // less the first's, as the grid shows them (rows by date; 0 for none).
    setSumValueHook(
        RegisterId::Consumption, [](DataModule&, const ResultSet& rows, const QString&) {
            if (rows.isEmpty())
                return Decimal();
            const int reading = rows.columnIndex(QStringLiteral("LICZNIK"));
            const auto shown = [&](int row) {
                return Decimal::fromStored(rows.value(row, reading)).value_or(Decimal()).rounded(2);
            };
            return shown(rows.rowCount() - 1) - shown(0);
        });
}

} // namespace kv
