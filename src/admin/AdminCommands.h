#pragma once

#include "admin/RowDeletion.h"

#include <QString>
#include <optional>

namespace kv {

class DataModule;

// The commands of the administration window as the user runs them: checks,
// the question, the work and its message, all through kv::ui(), so a test
// runs them exactly as the window does.

// "Usuń dane z tabeli dla wskazanego zakresu dat od - do" on the entry of
// the list: the range checks (shown under "Uwaga"), the question, the
// deletion. The field at fault when a check failed, for the focus.
std::optional<RangeProblem::Field> runRowDeletion(DataModule& db, int entry,
                                                  const QString& fromText, const QString& toText);

// "Usuń wszystkie dane ze wskazanej tabeli": the question, then the emptying.
void runEmptying(DataModule& db, int entry);

// " Czyść log błędów programu  ": the question, then the log cleared and
// said; a log that cannot be written is left unsaid.
void runClearErrorLog();

} // namespace kv
