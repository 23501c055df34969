#pragma once

#include <QString>
#include <functional>
#include <optional>

namespace kv {

// What came of one step of setting up the database or a company. Every outcome
// but Done has already been told to the user through kv::ui() (or, for
// WrongPassword, is left to the caller, who shows its own explanation).
enum class SetupResult {
    Done,
    Cancelled,     // the user answered "Nie" or cancelled a prompt
    Refused,       // a check refused the input; nothing was changed
    WrongPassword, // the password does not open the database; nothing was changed
    Failed,        // the work itself failed (copying, the engine, a file)
};

// The explanation given whenever the database cannot be opened with a password
// (the GUI shows it in its own window with more detail).
inline const QString kConnectionProblemTitle = QStringLiteral("Problem z połączeniem z bazą ...");
QString connectionProblemText();
// Said instead when the database is known to open (with the stored password)
// and only the password typed now does not.
inline const QString kWrongDatabasePasswordText = QStringLiteral(
    "Podane hasło bazy danych jest nieprawidłowe. Hasło rozróżnia małe i duże litery. Jest to "
    "hasło podane przy zakładaniu bazy danych, a nie hasło użytkownika programu.");

// --- the creation page ---

// Asks for the password of a new database (masked, typed twice) until it
// keeps the rules; nothing when the prompt is cancelled.
std::optional<QString> askNewDatabasePassword();

// The folder a new database goes into: the chosen folder itself when it is
// named "Pojazdy_DB" (in any case), else its subfolder "Pojazdy_DB", created
// when missing. Empty, with the message shown, when it cannot be created.
QString databaseFolderBelow(const QString& chosen);

// Creates a subfolder (one plain name) of a folder; its path, or empty with the
// message shown when it cannot be made.
QString createSubfolder(const QString& parent, const QString& name);

// Creates a database in an existing folder and makes it the program's database
// (the in-memory location and password, karvento.ini and config.dat, a line in
// the error log). Checks the password rules first; asks before replacing a
// database found there; refuses, having told which, when templates are missing
// from the installation. A database without demonstration data gets the
// message that a company must be added next.
SetupResult createDatabase(const QString& target, bool withDemo, const QString& password);

// --- the opening page ---

// Makes an existing database the program's database when the password opens
// its company list; WrongPassword (nothing shown, nothing changed) otherwise.
SetupResult selectDatabase(const QString& directory, const QString& password);

// Asks for the password of the database in a location (prompt in password mode)
// until it opens the location's company list. Each wrong password runs
// onWrongPassword (by default the explanation in the information window)
// before the next prompt. Nothing when the prompt is cancelled.
std::optional<QString> askDatabasePassword(const QString& location, const QString& message,
                                           const std::function<void()>& onWrongPassword = {});
// True when the password opens "firmy.DB" of the location.
bool passwordOpensLocation(const QString& location, const QString& password);

} // namespace kv
