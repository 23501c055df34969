#pragma once

#include "import/ImportChoices.h"
#include "import/ImportLookups.h"
#include "import/ImportSheet.h"

#include <QHash>
#include <QSet>
#include <QVariantList>

namespace kv {

// One line as checked: good, or the message of its first failing field; the
// values to store by list (cb1 first; numbers as their exact text, dates
// and ids as integers) and, for the fuel imports, whether it goes to LPG.
struct CheckedRow {
    bool good = false;
    QString message;
    QVariantList values;
    bool lpg = false;

    QVariant value(int list) const { return values.value(list - 1); }
};

// The row check of one pass. It remembers the good lines it has seen, so a
// second line with an employee number already used above, or (with "Pomiń")
// a second refuelling of one vehicle on one day, is marked at once.
class RowChecker {
public:
    RowChecker(const ImportLayout& layout, const ImportChoices& choices,
               const ImportLookups& lookups);

    // lineNumber counts from 1, as the sheet shows it.
    CheckedRow check(const SheetLine& line, int lineNumber);

private:
    bool checkField(const ImportField& f, const SheetLine& line, CheckedRow& row);
    bool fail(CheckedRow& row, const QString& message);

    const ImportLayout& m_layout;
    const ImportChoices& m_choices;
    const ImportLookups& m_lookups;
    QList<int> m_columns;                // per field in checking order: its sheet column, -1 none
    QHash<QString, int> m_widths;        // column -> its width as text
    QHash<QString, int> m_employeeLines; // number (in capitals) -> its line
    QSet<quint64> m_days[2];             // good refuellings above, liquid / LPG
    bool m_skipSameDay = false;
};

// The verify pass over the loaded sheet: writes "Ok" or "Błędy" and the
// message into the status columns of every data line (line 1's are emptied
// when it holds titles) and answers the checked rows by line index (lines
// not checked are not good).
struct VerifyOutcome {
    QList<CheckedRow> rows;
    int faulty = 0;
};
VerifyOutcome verifyLines(ImportSheet& sheet, const ImportLayout& layout,
                          const ImportChoices& choices, const ImportLookups& lookups);

} // namespace kv
