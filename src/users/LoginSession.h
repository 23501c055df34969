#pragma once

#include "location/DatabaseLocation.h"

#include <QList>
#include <QString>
#include <optional>

namespace kv {

class DataModule;

// A company as the login offers it: NAZWA shown, DIR its folder.
struct LoginCompany {
    QString name;
    QString dir;
};

inline const QString kLoginRefusedText = QStringLiteral("Niepoprawny login lub hasło");
inline const QString kNoCompanyText =
    QStringLiteral("Nie wskazano firmy. Kliknij przycisk \"Konfiguruj bazę\" i dodaj nową firmę.");
inline const QString kLocationUnusableText = QStringLiteral(
    "Nie udało się określić lokalizacji i hasła bazy danych. Program zostanie zamknięty.");

// The login's rules, apart from its window (which the command-line tool does
// without): the company list, the attempts and their count, the check of the
// user against the company's own user table, and what an accepted login
// leaves behind. A database failure during an attempt is reported and does
// not count; the third refused attempt ends the login.
class LoginSession {
public:
    static constexpr int kMaxFailedAttempts = 3;
    static constexpr int kMinPasswordLength = 3;

    enum class Outcome {
        NoCompany,       // nothing chosen; the hint to add a company was shown
        Accepted,        // the login state is set and the company database open
        Refused,         // a failed attempt; more may follow
        Closed,          // the last allowed attempt failed: the login ends unaccepted
        DatabaseFailure, // reported; not counted as an attempt
    };

    explicit LoginSession(DataModule& db);

    // What happens before the login is offered: the engine session keeps the
    // database password alone, the stale lock files of the location go, and
    // the company list is read, ordered by name. Starts the count anew.
    // Nothing after a failure, reported with code 330 (the program then ends).
    std::optional<QList<LoginCompany>> prepare(const DatabaseLocation& location);

    // The company to preselect: the remembered folder when listed, else the
    // first; -1 for an empty list.
    static int preselectedIndex(const QList<LoginCompany>& companies, const QString& rememberedDir);

    // One press of "OK" with the chosen company (an empty folder when none is
    // chosen). An empty user name or a password shorter than three characters
    // is refused without reading the database. On acceptance the login state
    // (currentLogin()) holds the user in upper case, the description, the
    // company, an empty permission set until loadPermissions runs, and the
    // company is remembered for the next login; a password still kept in an
    // older form (or hashed at a lower cost) is replaced by its Argon2id hash.
    // A missing user and a wrong password take the same time to refuse.
    Outcome attempt(const LoginCompany& company, const QString& user, const QString& password);

    int failedAttempts() const { return m_failed; }
    bool accepted() const { return m_accepted; }
    bool closed() const { return m_failed >= kMaxFailedAttempts; }

    // After the database window: true when the stored location is usable (the
    // caller then prepares the login again); otherwise the closing message has
    // been shown and the program must end.
    static bool checkLocationAfterConfiguration(DataModule& db);

private:
    Outcome refuse();
    bool openCompany(const QString& dir);
    void replaceOlderPasswordForm(const QString& user, const QString& password,
                                  const QString& description);

    DataModule& m_db;
    int m_failed = 0;
    bool m_accepted = false;
};

} // namespace kv
