// "init", "company ..." and "check": setting up the database location and its
// companies without the program's window, with the same checks and messages.
#include "cli/CliCommands.h"

#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "location/DatabaseSetup.h"
#include "location/InstallationCheck.h"

#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace kv::cli {

namespace {

int exitCodeOf(SetupResult result) {
    return result == SetupResult::Done ? Ok : Refused;
}

// The location of a company command with a password that opens it; the
// refusal already written when there is none.
std::optional<CompanyAdministration> openLocation(CliContext& c) {
    const QString location = withoutTrailingSeparator(c.location().trimmed());
    if (location.isEmpty()) {
        c.refuse(QStringLiteral("Nie wskazano lokalizacji bazy danych. Podaj ją opcją --location "
                                "KATALOG albo załóż bazę poleceniem init."));
        return std::nullopt;
    }
    if (!isDatabaseDirectory(location)) {
        c.refuse(QStringLiteral("W katalogu %1 nie ma bazy danych (brak pliku firmy.DB).")
                     .arg(QDir::toNativeSeparators(location)));
        return std::nullopt;
    }
    const QString password = c.databasePassword();
    if (!passwordOpensLocation(location, password)) {
        c.refuse(connectionProblemText());
        return std::nullopt;
    }
    return CompanyAdministration(location, password);
}

// The outermost folder of the path that does not exist yet; empty when the
// whole path exists.
QString firstMissingFolder(const QString& path) {
    QString missing;
    for (QString p = QDir::cleanPath(path); !QFileInfo::exists(p);) {
        missing = p;
        const QString parent = QFileInfo(p).absolutePath();
        if (parent == p)
            break;
        p = parent;
    }
    return missing;
}

int runInit(CliContext& c, const QStringList& args) {
    const QString usage =
        QStringLiteral("Użycie: karvento-cli init KATALOG [--db-password HASŁO] [--demo]");
    if (args.size() != 1)
        return c.usage(usage);
    if (CliContext::isBlank(args.first()))
        return c.blankPath(usage);
    // Nothing is asked for, nor any folder made, for a database that an
    // incomplete installation cannot make.
    if (!checkInstallation(CreationMode::NewDatabase, c.has(QStringLiteral("--demo"))))
        return Refused;
    // The password first: a refused one must leave nothing behind.
    QString password = c.option(QStringLiteral("--db-password"));
    if (c.has(QStringLiteral("--db-password"))) {
        if (const QString problem = databasePasswordProblem(password); !problem.isEmpty()) {
            ui().information(QStringLiteral("Informacja"), problem);
            return Refused;
        }
    } else {
        const std::optional<QString> asked = askNewDatabasePassword();
        if (!asked)
            return c.refuse(QStringLiteral("Podaj hasło nowej bazy danych: --db-password HASŁO."));
        password = *asked;
    }
    const QString target = QDir(args.first()).absolutePath();
    const QString made = firstMissingFolder(target);
    if (!QFileInfo(target).isDir() && !QDir().mkpath(target))
        return c.refuse(QStringLiteral("Wystąpił błąd podczas zakładania katalogu. Prawdopodobną "
                                       "przyczyną błędu może być zła nazwa katalogu lub brak "
                                       "odpowiednich uprawnień."));
    const SetupResult result = createDatabase(target, c.has(QStringLiteral("--demo")), password);
    // Folders made for a database that did not come about go again.
    if (result != SetupResult::Done && !made.isEmpty())
        QDir(made).removeRecursively();
    if (result == SetupResult::Done)
        c.out() << QStringLiteral("Lokalizacja bazy danych: %1")
                       .arg(QDir::toNativeSeparators(currentDatabaseLocation().location))
                << Qt::endl;
    return exitCodeOf(result);
}

int runCompanyList(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(QStringLiteral("Użycie: karvento-cli company list"));
    const std::optional<CompanyAdministration> admin = openLocation(c);
    if (!admin)
        return Refused;
    const std::optional<QList<CompanyEntry>> list = admin->companies(325);
    if (!list)
        return Refused;
    for (const CompanyEntry& company : *list)
        c.out() << company.name << u'\t' << company.folder << Qt::endl;
    return Ok;
}

int runCompanyAdd(CliContext& c, const QStringList& args) {
    if (args.size() != 2)
        return c.usage(QStringLiteral("Użycie: karvento-cli company add NAZWA FOLDER"));
    // The names are checked before anything else, as in the window.
    if (!CompanyAdministration::checkNewCompany(args.at(0), args.at(1)))
        return Refused;
    std::optional<CompanyAdministration> admin = openLocation(c);
    if (!admin)
        return Refused;
    return exitCodeOf(admin->addCompany(args.at(0), args.at(1)));
}

// Everything that can be checked is checked before the question: a "Tak"
// must not be asked for work that would be refused anyway.
int runCompanyRename(CliContext& c, const QStringList& args) {
    if (args.size() != 2)
        return c.usage(
            QStringLiteral("Użycie: karvento-cli company rename STARA_NAZWA NOWA_NAZWA"));
    if (!CompanyAdministration::checkNewName(args.at(1)))
        return Refused;
    std::optional<CompanyAdministration> admin = openLocation(c);
    if (!admin)
        return Refused;
    if (admin->checkRename(args.at(0), args.at(1)) != SetupResult::Done || !confirmCompanyRename())
        return Refused;
    return exitCodeOf(admin->renameCompany(args.at(0), args.at(1)));
}

int runCompanyDelete(CliContext& c, const QStringList& args) {
    if (args.size() != 1)
        return c.usage(QStringLiteral("Użycie: karvento-cli company delete NAZWA"));
    std::optional<CompanyAdministration> admin = openLocation(c);
    if (!admin)
        return Refused;
    const std::optional<QList<CompanyEntry>> list = admin->companies(326);
    if (!list)
        return Refused;
    if (std::none_of(list->cbegin(), list->cend(),
                     [&](const CompanyEntry& e) { return e.name == args.at(0); }))
        return c.refuse(QStringLiteral("Nie znaleziono firmy o nazwie \"%1\".").arg(args.at(0)));
    if (!confirmCompanyDeletion())
        return Refused;
    return exitCodeOf(admin->deleteCompany(args.at(0)));
}

int runCheck(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(QStringLiteral("Użycie: karvento-cli check"));
    const DatabaseLocation location{c.location(), c.databasePassword()};
    const LocationCheck result = checkLocation(location, true);
    switch (result) {
    case LocationCheck::Usable:
        c.out() << QStringLiteral("0 – poprawna: baza danych w %1 jest dostępna.")
                       .arg(QDir::toNativeSeparators(location.location))
                << Qt::endl;
        return Ok;
    case LocationCheck::Missing:
        c.out() << QStringLiteral("1 – brak: nie wskazano lokalizacji albo nie ma w niej pliku "
                                  "firmy.DB.")
                << Qt::endl;
        return 1;
    case LocationCheck::WrongPassword:
        c.out() << QStringLiteral("2 – niedostępna: pliku firmy.DB nie można otworzyć podanym "
                                  "hasłem.")
                << Qt::endl;
        return 2;
    }
    return Refused;
}

} // namespace

void addLocationCommands(QList<Command>& commands) {
    const auto add = [&commands](QStringList words, const char* usage, const char* help,
                                 std::function<int(CliContext&, const QStringList&)> run) {
        commands.append(
            {std::move(words), QString::fromUtf8(usage), QString::fromUtf8(help), std::move(run)});
    };
    add({QStringLiteral("init")}, "KATALOG [--db-password HASŁO] [--demo]",
        "zakłada w katalogu nową bazę danych (z --demo z firmą demonstracyjną, bez niej pustą) "
        "i zapamiętuje ją jako bazę programu; bez --db-password pyta o hasło dwukrotnie",
        runInit);
    add({QStringLiteral("company"), QStringLiteral("list")}, "",
        "wypisuje firmy bazy danych: nazwę i folder rozdzielone tabulatorem", runCompanyList);
    add({QStringLiteral("company"), QStringLiteral("add")}, "NAZWA FOLDER",
        "zakłada nową firmę w podanym folderze lokalizacji bazy danych", runCompanyAdd);
    add({QStringLiteral("company"), QStringLiteral("rename")}, "STARA_NAZWA NOWA_NAZWA",
        "zmienia krótką nazwę firmy (folder się nie zmienia); pyta o zgodę, --yes odpowiada Tak",
        runCompanyRename);
    add({QStringLiteral("company"), QStringLiteral("delete")}, "NAZWA",
        "usuwa firmę i jej tabele; pyta o zgodę, --yes odpowiada Tak", runCompanyDelete);
    add({QStringLiteral("check")}, "",
        "sprawdza lokalizację bazy danych: 0 poprawna, 1 brak, 2 niedostępna (złe hasło)",
        runCheck);
}

} // namespace kv::cli
