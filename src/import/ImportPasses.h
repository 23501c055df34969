#pragma once

#include "import/ImportChoices.h"
#include "import/ImportRowCheck.h"
#include "import/ImportSheet.h"

#include <functional>

namespace kv {

class DataModule;

// The verify pass against the open company: the look-ups are read once, then
// every data line is checked and its status written. A database failure marks
// every data line "Błędy" with "Błąd bazy danych " and the failure, and is
// reported with the import's code.
VerifyOutcome verifyImport(DataModule& db, ImportSheet& sheet, const ImportLayout& layout,
                           const ImportChoices& choices);

struct ImportPassOptions {
    // Store the good lines although others are faulty (else nothing is
    // stored while a line is faulty).
    bool skipFaulty = true;
    // Called before each line is stored, with its index; tests make it
    // throw a DatabaseError to see a failure half-way.
    std::function<void(int line)> beforeLine;
    // Told the lines done and their number as the pass goes.
    std::function<void(int done, int total)> progress;
};

struct ImportPassResult {
    bool completed = false; // the rows went in (possibly none)
    int added = 0;
    int faulty = 0;  // lines found faulty inside the pass
    QString failure; // why nothing was stored, when not completed
};

// The insert pass, all or nothing: one write transaction over the tables it
// writes and looks up; the lines are checked again inside it (a vehicle
// deleted since the verify pass makes its line faulty), then each good line
// goes through one prepared insert with its values bound (the fuel imports
// merge a refuelling into the one of the same day with "Sumuj "). A failure
// rolls everything back, marks the line and stores nothing.
ImportPassResult importSheetLines(DataModule& db, ImportSheet& sheet, const ImportLayout& layout,
                                  const ImportChoices& choices,
                                  const ImportPassOptions& options = {});

// The text the insert pass ends with: "Operacja zakończona[ Podczas importu
// pojawiły się błędy...]. Dodano wierszy: N." or the reason nothing was added.
QString importSummary(const ImportPassResult& result);

} // namespace kv
