#pragma once

#include "admin/SafetyCopy.h"

#include <QList>
#include <QString>
#include <optional>

namespace kv {

class DataModule;

// One entry of the row deletion list: what the user picks and the table with
// the columns compared with the range.
struct RowDeletionEntry {
    QString label; // "Przejazdy (data wyjazdu)"
    QString table; // "przejazdy.DB"
    QString fromColumn;
    QString toColumn; // the same column for tables with one date
};
// The 19 entries in the order of the list.
const QList<RowDeletionEntry>& rowDeletionEntries();
// The entry of a table given by base name ("przejazdy"), case-insensitive.
const RowDeletionEntry* rowDeletionEntryForTable(const QString& baseName);

// The checks of the deletion command in order: the from-date, the to-date,
// the order of the two. Equal dates pass.
struct RangeProblem {
    enum Field { From, To } field;
    QString message;
};
std::optional<RangeProblem> checkDeletionRange(const QString& fromText, const QString& toText);

// The condition on the range, with the date numbers written in. A row goes
// when its from-date is on or after the range's start and its to-date on or
// before its end; a row without a to-date (0: still open) goes only when its
// from-date lies in the range, not whenever it starts after it.
QString rangeCondition(const RowDeletionEntry& entry, int from, int to);

// The rows the deletion would remove; -1 after a failure (reported, 14091419).
int countRowsInRange(DataModule& db, const RowDeletionEntry& entry, int from, int to);

struct RowDeletionOutcome {
    bool done = false;
    int rows = 0;
    QString safetyCopy; // the folder of the copy made first, if any
};

// Removes the rows in one transaction, with the company held alone and a
// safety copy made first. Refusals and failures are said (the engine's with
// code 14091419); the success message names the number of rows.
RowDeletionOutcome deleteRowsInRange(DataModule& db, const RowDeletionEntry& entry, int from,
                                     int to, SafetyCopyPolicy policy);

} // namespace kv
