#pragma once

#include "support/CsvWriter.h"

#include <QString>

namespace kv {

class RegisterTableModel;

// "do CSV": the register's sheet (registerSheet) written to a file, whole or
// not at all, in the chosen encoding.
CsvOutcome exportRegister(const RegisterTableModel& model, const QString& fileName,
                          CsvEncoding encoding);

inline const QString kExportDoneText = QStringLiteral("Eksport zakończony poprawnie.");
inline const QString kExportFailedText = QStringLiteral("Nie udało się wyeksportować danych.");

// What the code page could not hold, for the user: "" when nothing was
// replaced. The hint names how to keep those characters (the window's
// choice or the command-line option).
QString replacedCharactersText(qsizetype replaced,
                               const QString& howToKeep = QStringLiteral("zapisz w UTF-8"));

// The message after an export: done (with the replaced characters, if any)
// or failed.
QString exportResultText(const CsvOutcome& outcome);

// Shows that message in the information window captioned "Informacja".
void reportExport(const CsvOutcome& outcome);

} // namespace kv
