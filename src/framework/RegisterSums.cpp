#include "framework/RegisterSums.h"

#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "framework/TwinTables.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/DatabaseError.h"
#include "support/CsvWriter.h"

#include <QHash>

namespace kv {

namespace {

// Logged when a sums statement fails.
constexpr qint64 kSumsCode = 6303;

QHash<RegisterId, SumValueHook>& sumHooks() {
    static QHash<RegisterId, SumValueHook> hooks;
    return hooks;
}

QString amountText(const Decimal& value) {
    return formatDecimal(value, 2);
}

} // namespace

QString noColumnSumsCaption() {
    return QStringLiteral("Włącz odpowiednią tabelę i ponownie kliknij \"Przelicz sumy\"");
}

ColumnSums noColumnSums() {
    ColumnSums s;
    s.caption = noColumnSumsCaption();
    return s;
}

void setSumValueHook(RegisterId id, SumValueHook hook) {
    sumHooks().insert(id, std::move(hook));
}

QStringList columnSumsLine(const ColumnSums& sums) {
    QStringList line{csvCellText(sums.caption)};
    for (int i = 0; i < sums.labels.size(); ++i)
        line << csvCellText(sums.labels.at(i)) << csvCellText(sums.values.value(i));
    return line;
}

QString columnSumsStatement(DataModule& db, RegisterId id) {
    const RegisterDescriptor& d = registerDescriptor(id);
    const RegisterSums* found = registerSums(id);
    if (!found)
        return QString();
    const RegisterSums& sums = *found;
    QStringList lines{sums.statement};
    const QString table = currentRegisterTable(db, id);
    if (table != d.table)
        lines.first().replace(d.table, table);
    if (sums.filtered) {
        const RegisterViewState& s = registerState(db, id);
        if (d.vehicleSlot && d.vehicleFilter != VehicleFilter::None)
            lines << s.vehicleFragment;
        if (d.periodSlot)
            lines << s.periodFragment;
        for (const QString& name : d.extraFilters)
            lines << s.extraFragments.value(name);
    }
    lines << sums.tail;
    lines.removeAll(QString());
    return lines.join(u'\n');
}

ColumnSums computeColumnSums(DataModule& db, RegisterId id) {
    const RegisterDescriptor& d = registerDescriptor(id);
    const RegisterSums* sums = registerSums(id);
    if (!sums || !db.hasQuery(d.query))
        return noColumnSums();
    ColumnSums out;
    out.caption = sums->caption;
    for (const SumColumn& c : sums->columns)
        out.labels << c.label;
    try {
        const engine::Params params =
            sums->filtered ? RegisterController(db, id).params() : engine::Params{};
        const ResultSet rows = db.select(columnSumsStatement(db, id), params);
        int countColumn = 0;
        for (const SumColumn& c : sums->columns) {
            switch (c.kind) {
            case SumKind::Count:
                out.values << (rows.isEmpty() ? QStringLiteral("0")
                                              : rows.value(0, countColumn).toString());
                ++countColumn;
                break;
            case SumKind::Rows:
                out.values << QString::number(rows.rowCount());
                break;
            case SumKind::Amount: {
                const int column = rows.columnIndex(c.field);
                Decimal total;
                for (int i = 0; i < rows.rowCount(); ++i)
                    if (const auto v = Decimal::fromStored(rows.value(i, column)))
                        total += v->rounded(2);
                out.values << amountText(total);
                break;
            }
            case SumKind::Computed: {
                const SumValueHook hook = sumHooks().value(id);
                out.values << amountText(hook ? hook(db, rows, c.field) : Decimal());
                break;
            }
            }
        }
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kSumsCode, e.message()));
        out.values.clear();
        out.failed = true;
    } catch (const DecimalError& e) {
        appendErrorLog(codedLine(kSumsCode, QString::fromUtf8(e.what())));
        out.values.clear();
        out.failed = true;
    }
    return out;
}

} // namespace kv
