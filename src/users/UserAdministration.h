#pragma once

#include "users/Permissions.h"
#include "users/UserEditCheck.h"

#include <QList>
#include <QString>
#include <optional>

namespace kv {

class DataModule;

// One row of userzy.DB as the administration shows it.
struct UserRecord {
    QString name;
    QString description;
    bool supervisor = false; // SUPERVISOR "T": the built-in administrator
};

// The permissions a new user starts with: 1 to 53, not the administrator's 0.
constexpr int kFirstNewUserPermission = 1;
constexpr int kLastNewUserPermission = 53;

// Adding, changing and deleting users and granting and revoking their
// permissions, on the tables of the open company. Every change is written at
// once. Refusals are shown through kv::ui(); failures are reported with the
// codes of their place, except those of grant and revoke, which only answer
// false. The checks of the entered values are checkUserEdit's.
class UserAdministration {
public:
    enum class Result {
        Done,
        Duplicate, // a user of that name exists (told); the window offers the values again
        Refused,   // a rule forbids it (told)
        Cancelled, // the question was answered "Nie"
        Failed,    // reported
    };

    explicit UserAdministration(DataModule& db);

    // Every user by name; nothing after a failure (code 210).
    std::optional<QList<UserRecord>> users();

    // Inserts the user (name in upper case, the password as its hash) and
    // grants 1 to 53. Rows another user of the same name left in the
    // permission table are removed first, so a new account never inherits
    // them. Failures: code 203.
    Result addUser(const UserEditValues& values);
    // A new password and description for an existing user (code 202).
    Result changeUser(const UserEditValues& values);
    // Refuses the administrator account and the logged-in user; otherwise
    // asks, then deletes the user (code 204) and, whatever came of that, all
    // the user's permission rows (code 205).
    Result deleteUser(const UserRecord& user, const QString& loggedInUser);

    // The permissions the user holds, read as loadPermissions reads them
    // (code 210); ADMIN holds all.
    std::optional<PermissionSet> permissionsOf(const QString& user);
    // Grants or revokes one permission at once. Granting adds the row unless
    // one exists; revoking removes every row that stands for the number.
    bool setPermission(const QString& user, int number, bool granted);

private:
    bool grantInitialPermissions(const QString& user);

    DataModule& m_db;
};

inline const QString kDuplicateUserText =
    QStringLiteral("Istnieje już użytkownik o podanej nazwie.");
inline const QString kDeleteAdministratorText = QStringLiteral("Nie można usunąć konta ADMIN.");
inline const QString kDeleteLoggedInUserText =
    QStringLiteral("Nie można usunąć konta dla zalogowanego użytkownika.");
inline const QString kDeleteUserQuestion = QStringLiteral("Czy usunąć wskazanego użytkownika?");

} // namespace kv
