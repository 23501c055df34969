#pragma once

#include "deadlines/DeadlineRules.h"
#include "support/CsvWriter.h"

#include <QByteArray>

namespace kv {

// The checker's lists saved as a sheet or as a text file. Both are written
// whole or not at all, so a failed export never leaves half a file.

// The names the save dialogs propose.
QString reminderCsvName(ReminderListKind kind);
QString reminderTxtName(ReminderListKind kind);

// The sheet: titles and rows without the hidden columns ("Niczego nie
// znaleziono" for a list without results), each cell made safe as the
// register export makes it.
QList<QStringList> reminderSheet(const ReminderList& list);
// The text file: per row its labelled lines and a rule of 33 dashes, lines
// ending with CR LF.
QString reminderText(const ReminderList& list);
QByteArray reminderTextBytes(const ReminderList& list, CsvEncoding encoding);

bool exportReminderCsv(const ReminderList& list, const QString& fileName, CsvEncoding encoding);
bool exportReminderTxt(const ReminderList& list, const QString& fileName, CsvEncoding encoding);

inline const QString kExportDoneText = QStringLiteral("Eksport zakończony poprawnie.");
inline const QString kExportFailedText = QStringLiteral("Nie udało się wyeksportować danych.");

} // namespace kv
