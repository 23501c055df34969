#pragma once

#include <QString>

namespace kv {

// Caption of every database failure shown to the user.
inline const QString kDatabaseErrorCaption = QStringLiteral("Błąd bazy danych");
inline const QString kGeneralErrorPrefix =
    QStringLiteral("Wystąpił nieoczekiwany błąd. Orginalny komunikat: ");
inline const QString kLockedFilesText = QStringLiteral(
    "Pliki bazy danych są zablokowane przez inny program. Odczekaj chwilę i spróbuj ponownie. "
    "Jeśli sytuacja powtórzy się spróbuj uruchomić program ponownie lub zrestartuj komputer.");
// The engine's text for files another program holds (see PresenceLock).
inline const QString kLockedDirectoryMarker =
    QStringLiteral("Directory is controlled by other .NET file");

// Shows a caught failure in the information window (unless the program is
// shutting down) and writes it to the error log with the code of its place.
// With show clear the general prefix is left out of the shown text.
void reportDatabaseError(const QString& message, bool show, qint64 code);

} // namespace kv
