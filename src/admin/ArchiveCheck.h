#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

// The checks a restore makes on an archive before anything of the company is
// touched. Each answers the Polish refusal, empty when the check passes.

// Only "zuzycielpg.DB" (added by a later upgrade) may be missing.
inline const QString kOptionalArchiveTable = QStringLiteral("zuzycielpg.DB");
// The company tables an archive folder lacks, apart from the optional one.
QStringList missingArchiveTables(const QString& folder);

// How the archive's password was found.
struct ArchivePassword {
    enum class Outcome { Found, Cancelled, Wrong, Damaged } outcome;
    QString password;
};
// The current password when it opens the archive's "userzy.DB"; else the
// given one (karvento-cli --archive-password), else the prompt, repeated
// after "Podane hasło jest niepoprawne." until a password fits or the prompt
// is cancelled. A password that opens the archive's other tables but not
// "userzy.DB" means that file is damaged: no password can help, so that is
// said instead of asking again.
ArchivePassword findArchivePassword(const QString& folder, const QString& currentPassword,
                                    const std::optional<QString>& given);

// Opens every table file of a folder with the password and checks it whole
// (quick_check) and of this version's shape: a table or column the program
// does not know means a newer version made it, one it lacks an incomplete
// archive. The first problem found, empty when all are fine.
QString checkArchiveTables(const QString& folder, const QString& password,
                           const QStringList& files);

// The texts said by the checks.
inline const QString kArchiveInconsistentText = QStringLiteral(
    "Pliki archiwum są niespójne. Podane hasło nie pasuje do niektórych plików archiwum. "
    "Prawdopodobną przyczyną jest niepowołana ingerencja użytkownika w archiwum.");
inline const QString kArchiveNewerText =
    QStringLiteral("Archiwum pochodzi z nowszej wersji programu.");
inline const QString kWrongArchivePasswordText = QStringLiteral("Podane hasło jest niepoprawne.");

} // namespace kv
