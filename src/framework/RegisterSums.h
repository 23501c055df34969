#pragma once

#include "framework/Registers.h"
#include "support/Decimal.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kv {

class DataModule;
class ResultSet;

// One value of the column sums ("Przelicz sumy").
enum class SumKind {
    Count,    // the statement's COUNT(*), shown as returned
    Rows,     // the number of rows the statement returned
    Amount,   // the column's values added as the grid shows them, "0.00"
    Computed, // worked out by the register's hook (setSumValueHook), "0.00"
};

struct SumColumn {
    QString label;
    SumKind kind = SumKind::Count;
    QString field; // the statement's column (Amount) or the hook's name (Computed)
};

// The column sums of a register: the window's caption, the values with their
// labels and the statement that gives them. The statement is followed by the
// register's filter fragments (vehicle, period, its own filters, in that
// order) unless `filtered` is off, then by `tail`.
struct RegisterSums {
    QString caption;
    QList<SumColumn> columns;
    QString statement; // "SELECT ... WHERE 1 = 1"
    QString tail;      // after the filters ("ORDER BY DATA")
    bool filtered = true;
};

// The sums of a register, null when it has none. The table is the catalog's,
// beside the register descriptors: giving a register sums is one entry there.
const RegisterSums* registerSums(RegisterId id);

// A computed value of a register's sums (SumKind::Computed, by its name) over
// the rows of its sums statement; installed by the register's core code.
// Throws DecimalError when it cannot be worked out.
using SumValueHook = std::function<Decimal(DataModule&, const ResultSet&, const QString& name)>;
void setSumValueHook(RegisterId id, SumValueHook hook);

// What the column sums window shows: a caption, a row of labels and a row of
// values. A register without sums shows only the caption that asks for
// another register; a failed statement leaves the values empty.
struct ColumnSums {
    QString caption;
    QStringList labels;
    QStringList values;
    bool failed = false;
};

// The caption shown for a page whose register has no sums.
QString noColumnSumsCaption();

// The statement of the register's sums as it runs now: the descriptor's
// statement with the register's table of the moment (twin tables), its
// filter fragments and its tail.
QString columnSumsStatement(DataModule& db, RegisterId id);

// Works the sums of the register out over exactly the rows its filters
// select: counts as returned, amounts added as the grid shows them (a sum
// over no rows is 0.00). A database error is logged and leaves the values
// empty.
ColumnSums computeColumnSums(DataModule& db, RegisterId id);

// The sums as one more line of a sheet: the caption, then each label
// followed by its value, each made safe for the sheet as the register's cells.
QStringList columnSumsLine(const ColumnSums& sums);

// The sums of a page that is no register ("Włącz odpowiednią tabelę ...").
ColumnSums noColumnSums();

} // namespace kv
