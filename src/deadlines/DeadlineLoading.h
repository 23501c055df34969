#pragma once

#include "deadlines/DeadlineRules.h"

#include <functional>

namespace kv {

class DataModule;

// Reading the candidates of the deadline checker: one statement per kind,
// the bounds bound as parameters. A statement only narrows what the rules
// look at; the rules decide, so a candidate the statement lets through by a
// kilometre of slack is still judged exactly.

// Called before every statement but the first of a check, with the progress
// the statements done so far stand for; answering true stops the loading.
using DeadlineStopTest = std::function<bool(double progressStep)>;

struct DeadlineLoad {
    DeadlineInput input;
    QList<qint64> failedCodes; // one per kind that could not be read, reported
    bool stopped = false;      // the stop test ended the loading
    bool showErrors = true;    // a failing kind is shown, not only logged
};

// Reads what the checks of `input.checks` need for the options, permissions
// and today already in `input`. A kind switched off or not permitted is not
// read. A failing kind is reported with its code and the others still run.
DeadlineLoad loadDeadlineCandidates(DataModule& db, DeadlineInput input,
                                    const DeadlineStopTest& stopTest = {}, bool showErrors = true);

// The statement of one date kind, with :UPPER and :LOWER for the bounds.
QString dateKindStatement(DeadlineKind kind, bool activeVehiclesOnly);
// The statement of one table mileage kind, joined to every vehicle's current
// mileage, with :BEFORE and :AFTER for the margins.
QString mileageKindStatement(DeadlineKind kind);
// The warehouse parts running short.
QString lowStockStatement();

// What is due today for the logged-in user under the program's options, all
// three lists, without a window, a progress or a question (the start page).
// A kind that cannot be read is logged and throws DatabaseError.
DeadlineLists deadlinesDueToday(DataModule& db, const QDate& today);
// The lists as the start page shows them, one line a row: date or reading,
// vehicle and description; a short part by its name and stock.
QStringList dueDeadlineLines(const DeadlineLists& lists);

} // namespace kv
