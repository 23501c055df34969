// "users ...": the program's users and their permissions without its window.
// Every command is a login of its own (--user, --user-password) into one
// company; changing anything needs the administrator's permission 0. The
// checks and messages are the window's, from the same core.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"

#include "location/DatabaseLocation.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "users/LoginSession.h"
#include "users/PermissionBoxes.h"
#include "users/PermissionLoading.h"
#include "users/Permissions.h"
#include "users/UserAdministration.h"

#include <QDir>
#include <memory>

namespace kv::cli {

namespace {

using Result = UserAdministration::Result;

// The user of that name (compared in upper case); the refusal is written
// when there is none.
std::optional<UserRecord> findUser(CliContext& c, UserAdministration& admin, const QString& name) {
    const std::optional<QList<UserRecord>> users = admin.users();
    if (!users)
        return std::nullopt;
    const QString wanted = name.trimmed().toUpper();
    for (const UserRecord& u : *users)
        if (u.name == wanted)
            return u;
    c.refuse(QStringLiteral("Nie ma użytkownika o nazwie %1.").arg(wanted));
    return std::nullopt;
}

int exitCodeOf(Result result) {
    return result == Result::Done ? Ok : Refused;
}

int runList(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(QStringLiteral("Użycie: karvento-cli users list"));
    const auto db = logIn(c, false);
    if (!db)
        return failedLogin(c);
    const std::optional<QList<UserRecord>> users = UserAdministration(*db).users();
    if (!users)
        return Refused;
    for (const UserRecord& u : *users)
        c.out() << u.name << u'\t' << u.description << Qt::endl;
    return Ok;
}

int runAdd(CliContext& c, const QStringList& args) {
    if (args.size() != 1 || !c.has(QStringLiteral("--new-password")))
        return c.usage(QStringLiteral("Użycie: karvento-cli users add NAZWA --new-password HASŁO "
                                      "[--description OPIS]"));
    const QString password = c.option(QStringLiteral("--new-password"));
    const UserEditValues values{args.first(), c.option(QStringLiteral("--description")), password,
                                password};
    if (checkUserEdit(values) != UserField::None)
        return Refused;
    const auto db = logIn(c, true);
    if (!db)
        return failedLogin(c);
    const Result result = UserAdministration(*db).addUser(values);
    if (result == Result::Done)
        c.out() << QStringLiteral("Dodano użytkownika %1.").arg(values.name.trimmed().toUpper())
                << Qt::endl;
    return exitCodeOf(result);
}

// Logs in as an administrator, finds the user the command names and acts on
// it; a refusal on the way is written and answered.
int onNamedUser(CliContext& c, const QString& name,
                const std::function<int(UserAdministration&, const UserRecord&)>& act) {
    const auto db = logIn(c, true);
    if (!db)
        return failedLogin(c);
    UserAdministration admin(*db);
    const std::optional<UserRecord> user = findUser(c, admin, name);
    if (!user)
        return Refused;
    return act(admin, *user);
}

int runPasswd(CliContext& c, const QStringList& args) {
    if (args.size() != 1 || !c.has(QStringLiteral("--new-password")))
        return c.usage(
            QStringLiteral("Użycie: karvento-cli users passwd NAZWA --new-password HASŁO"));
    const QString password = c.option(QStringLiteral("--new-password"));
    if (checkUserEdit({args.first(), {}, password, password}) != UserField::None)
        return Refused;
    return onNamedUser(c, args.first(), [&](UserAdministration& admin, const UserRecord& user) {
        // The description stays as it is.
        const Result result = admin.changeUser({user.name, user.description, password, password});
        if (result == Result::Done)
            c.out() << QStringLiteral("Zmieniono hasło użytkownika %1.").arg(user.name) << Qt::endl;
        return exitCodeOf(result);
    });
}

int runDelete(CliContext& c, const QStringList& args) {
    if (args.size() != 1)
        return c.usage(QStringLiteral("Użycie: karvento-cli users delete NAZWA"));
    return onNamedUser(c, args.first(), [&](UserAdministration& admin, const UserRecord& user) {
        const Result result = admin.deleteUser(user, currentLogin().userName);
        if (result == Result::Done)
            c.out() << QStringLiteral("Usunięto użytkownika %1.").arg(user.name) << Qt::endl;
        return exitCodeOf(result);
    });
}

int runPermission(CliContext& c, const QStringList& args, bool granted) {
    const QString word = granted ? QStringLiteral("grant") : QStringLiteral("revoke");
    if (args.size() != 2)
        return c.usage(QStringLiteral("Użycie: karvento-cli users %1 NAZWA NUMER").arg(word));
    bool ok = false;
    const int number = args.at(1).toInt(&ok);
    if (!ok || number < 0 || number > 53)
        return c.refuse(QStringLiteral("Numer uprawnienia musi być liczbą od 0 do 53."));
    if (number >= 28 && number <= 30)
        return c.refuse(QStringLiteral("Uprawnienia 28, 29 i 30 nie są używane."));
    return onNamedUser(c, args.first(), [&](UserAdministration& admin, const UserRecord& user) {
        if (user.name == kAdministratorName)
            return c.refuse(QStringLiteral("Użytkownik ADMIN ma zawsze wszystkie uprawnienia."));
        const std::optional<PermissionSet> held = admin.permissionsOf(user.name);
        if (!held)
            return c.refuse(
                QStringLiteral("Nie udało się odczytać uprawnień użytkownika %1.").arg(user.name));
        if (!granted && !held->has(number))
            return c.refuse(
                QStringLiteral("Użytkownik %1 nie ma uprawnienia %2. Nic nie zmieniono.")
                    .arg(user.name)
                    .arg(number));
        // As in the window: a register's write permission is never held
        // without its read permission.
        for (const auto& [permission, grant] : permissionChangesFor(number, granted)) {
            if (held->has(permission) == grant)
                continue;
            if (!admin.setPermission(user.name, permission, grant))
                return c.refuse(QStringLiteral("Nie udało się zapisać zmiany uprawnień."));
            if (permission != number)
                c.out() << (grant ? QStringLiteral("Nadano także uprawnienie %1 (odczyt), bez "
                                                   "którego zapis nie działa.")
                                  : QStringLiteral("Odebrano także uprawnienie %1 (zapis), który "
                                                   "bez odczytu nie działa."))
                               .arg(permission)
                        << Qt::endl;
        }
        c.out() << (granted ? QStringLiteral("Nadano uprawnienie %1 użytkownikowi %2.")
                            : QStringLiteral("Odebrano uprawnienie %1 użytkownikowi %2."))
                       .arg(number)
                       .arg(user.name)
                << Qt::endl;
        return int(Ok);
    });
}

} // namespace

void addUserCommands(QList<Command>& commands) {
    const auto add = [&commands](const char* word, const char* usage, const char* help,
                                 std::function<int(CliContext&, const QStringList&)> run) {
        commands.append({{QStringLiteral("users"), QString::fromLatin1(word)},
                         QString::fromUtf8(usage),
                         QString::fromUtf8(help),
                         std::move(run)});
    };
    add("list", "",
        "wypisuje użytkowników firmy: nazwę i opis rozdzielone tabulatorem (każdy zalogowany "
        "użytkownik)",
        runList);
    add("add", "NAZWA --new-password HASŁO [--description OPIS]",
        "dodaje użytkownika z uprawnieniami 1-53 (wymaga uprawnień administratora)", runAdd);
    add("passwd", "NAZWA --new-password HASŁO",
        "zmienia hasło użytkownika (wymaga uprawnień administratora)", runPasswd);
    add("delete", "NAZWA",
        "usuwa użytkownika i jego uprawnienia; pyta o zgodę, --yes odpowiada Tak (wymaga "
        "uprawnień administratora)",
        runDelete);
    add("grant", "NAZWA NUMER",
        "nadaje użytkownikowi uprawnienie o numerze 0-53 (wymaga uprawnień administratora)",
        [](CliContext& c, const QStringList& a) { return runPermission(c, a, true); });
    add("revoke", "NAZWA NUMER",
        "odbiera użytkownikowi uprawnienie o numerze 0-53 (wymaga uprawnień administratora)",
        [](CliContext& c, const QStringList& a) { return runPermission(c, a, false); });
}

} // namespace kv::cli
