#include "cli/CliLogin.h"

#include "location/DatabaseLocation.h"
#include "storage/ProgramOptions.h"
#include "storage/DataModule.h"
#include "users/LoginSession.h"
#include "users/PermissionLoading.h"
#include "users/Permissions.h"

namespace kv::cli {

namespace {

bool loginGiven(const CliContext& c) {
    return c.has(QStringLiteral("--user")) && c.has(QStringLiteral("--user-password"));
}

} // namespace

int failedLogin(const CliContext& c) {
    return loginGiven(c) ? Refused : Usage;
}

std::unique_ptr<DataModule> logIn(CliContext& c, bool administrator) {
    if (!loginGiven(c)) {
        c.usage(QStringLiteral("Podaj użytkownika programu i jego hasło: --user NAZWA "
                               "--user-password HASŁO."));
        return nullptr;
    }
    const std::optional<DatabaseLocation> usable = c.usableLocation();
    if (!usable)
        return nullptr;
    const DatabaseLocation& where = *usable;
    QString folder = c.option(QStringLiteral("--company"));
    if (!c.has(QStringLiteral("--company")))
        folder = ProgramOptions::load(optionsFilePath()).firmaDir;
    if (folder.isEmpty()) {
        c.refuse(QStringLiteral("Nie wskazano firmy. Podaj folder firmy opcją --company FOLDER."));
        return nullptr;
    }

    auto db = std::make_unique<DataModule>();
    LoginSession session(*db);
    const std::optional<QList<LoginCompany>> companies = session.prepare(where);
    if (!companies) {
        c.err() << QStringLiteral("Nie można odczytać listy firm.") << Qt::endl;
        return nullptr;
    }
    const auto company = std::find_if(companies->cbegin(), companies->cend(),
                                      [&folder](const LoginCompany& f) { return f.dir == folder; });
    if (company == companies->cend()) {
        c.refuse(QStringLiteral("W bazie danych nie ma firmy w folderze %1.").arg(folder));
        return nullptr;
    }
    switch (session.attempt(*company, c.option(QStringLiteral("--user")),
                            c.option(QStringLiteral("--user-password")))) {
    case LoginSession::Outcome::Accepted:
        break;
    case LoginSession::Outcome::Refused:
    case LoginSession::Outcome::Closed:
    case LoginSession::Outcome::NoCompany:
        c.refuse(kLoginRefusedText);
        return nullptr;
    case LoginSession::Outcome::DatabaseFailure:
        return nullptr;
    }
    if (!loadPermissions(*db))
        return nullptr;
    if (administrator && !currentLogin().permissions.has(permission::Administrator)) {
        c.refuse(kNoPermissionText);
        return nullptr;
    }
    return db;
}

} // namespace kv::cli
