#include "admin/AdminCommands.h"

#include "admin/DatabaseMaintenance.h"
#include "admin/TableEmptying.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

namespace kv {

std::optional<RangeProblem::Field> runRowDeletion(DataModule& db, int entry,
                                                  const QString& fromText, const QString& toText) {
    if (const auto problem = checkDeletionRange(fromText, toText)) {
        ui().information(QStringLiteral("Uwaga"), problem->message);
        return problem->field;
    }
    if (entry < 0 || entry >= rowDeletionEntries().size())
        return std::nullopt;
    if (!ui().question(QStringLiteral("Pytanie"),
                       QStringLiteral("Czy na pewno trwale usunąć dane z podanego zakresu dla "
                                      "wskazanej tabeli? Upewnij się, czy w tej chwili nikt nie "
                                      "pracuje na bazie. Wskazne jest wcześniejsze wykonanie "
                                      "kopii bezpieczeństwa bazy."),
                       DefaultAnswer::No))
        return std::nullopt;
    deleteRowsInRange(db, rowDeletionEntries().at(entry), textToDateNumber(fromText),
                      textToDateNumber(toText), SafetyCopyPolicy::Ask);
    return std::nullopt;
}

void runEmptying(DataModule& db, int entry) {
    if (entry < 0 || entry >= emptyingEntries().size())
        return;
    if (!ui().question(QStringLiteral("Pytanie"),
                       QStringLiteral("Czy na pewno trwale usunąć wszystkie dane z zaznaczonej "
                                      "tabeli? Upewnij się, czy w tej chwili nikt nie pracuje na "
                                      "bazie."),
                       DefaultAnswer::No))
        return;
    emptyEntry(db, emptyingEntries().at(entry), SafetyCopyPolicy::Ask);
}

void runClearErrorLog() {
    if (!ui().question(QStringLiteral("Pytanie"),
                       QStringLiteral("Czy wyczyścić log błędów programu?"), DefaultAnswer::No))
        return;
    if (clearErrorLog())
        ui().information(QStringLiteral("Informacja"),
                         QStringLiteral("Log błędów programu został wyczyszczony."));
}

} // namespace kv
