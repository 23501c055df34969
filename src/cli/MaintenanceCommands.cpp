// "backup" and "upgrade": the company's rotating backup and the upgrade of a
// company made by an older version, without the program's window.
#include "cli/CliCommands.h"

#include "location/BackupCopy.h"
#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "schema/upgrades/SchemaUpgrade.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <memory>

namespace kv::cli {

namespace {

// The company of --company (which the caller checked is given) in the
// location, opened as the program opens it after a login; null after a
// refusal already written.
std::unique_ptr<DataModule> openCompany(CliContext& c) {
    const QString folder = c.option(QStringLiteral("--company"));
    if (const QString problem = companyFolderProblem(folder); !problem.isEmpty()) {
        c.refuse(problem);
        return nullptr;
    }
    // Where the location is a whole database, its password is checked first,
    // so a wrong one is said plainly; a bare company folder is opened as is.
    std::optional<DatabaseLocation> usable =
        DatabaseLocation{withoutTrailingSeparator(c.location().trimmed()), c.databasePassword()};
    if (usable->location.isEmpty() ||
        QFileInfo::exists(QDir(usable->location).filePath(QStringLiteral("firmy.DB"))))
        usable = c.usableLocation();
    if (!usable)
        return nullptr;
    const QString location = usable->location;
    const QString directory = QDir(location).filePath(folder);
    if (!QFileInfo(directory).isDir()) {
        c.refuse(QStringLiteral("Folder firmy %1 nie istnieje.")
                     .arg(QDir::toNativeSeparators(directory)));
        return nullptr;
    }
    const QString password = usable->password;
    engine::EngineSession::defaultSession().addPassword(password);
    // Tables the upgrade adds are protected with this password.
    currentDatabaseLocation() = {location, password};
    auto db = std::make_unique<DataModule>();
    db->setLocation(location);
    if (!db->openCompanyDatabase(folder)) {
        c.refuse(QStringLiteral("Nie udało się otworzyć firmy %1.").arg(folder));
        return nullptr;
    }
    return db;
}

int runBackup(CliContext& c, const QStringList& args) {
    const QString usage = QStringLiteral(
        "Użycie: karvento-cli backup --company FOLDER [--location KATALOG] [--db-password HASŁO]");
    if (!args.isEmpty() || !c.has(QStringLiteral("--company")))
        return c.usage(usage);
    const std::unique_ptr<DataModule> db = openCompany(c);
    if (!db)
        return Refused;
    const QString folder = makeBackup(*db); // failures are shown on the terminal
    if (folder.isEmpty())
        return Refused;
    c.out() << folder << Qt::endl;
    return Ok;
}

// What was appended to the error log since it had the given size.
QStringList logLinesFrom(qint64 offset) {
    QFile log(errorLogPath());
    if (!log.open(QIODevice::ReadOnly) || !log.seek(offset))
        return {};
    return QString::fromUtf8(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

int runUpgrade(CliContext& c, const QStringList& args) {
    const QString usage =
        QStringLiteral("Użycie: karvento-cli upgrade --company FOLDER [--location KATALOG] "
                       "[--db-password HASŁO] [--yes]");
    if (!args.isEmpty() || !c.has(QStringLiteral("--company")))
        return c.usage(usage);
    const std::unique_ptr<DataModule> db = openCompany(c);
    if (!db)
        return Refused;
    const qint64 logSize = QFileInfo(errorLogPath()).size();
    const bool current = runSchemaUpgrades(*db, currentDatabaseLocation().password);
    const QStringList lines = logLinesFrom(logSize);
    for (const QString& line : lines)
        c.out() << line << Qt::endl;
    if (!current)
        return c.refuse(QStringLiteral("Aktualizacja nie została ukończona. Po usunięciu przyczyny "
                                       "błędu uruchom ją ponownie."));
    if (lines.isEmpty())
        c.out() << QStringLiteral("Baza danych firmy jest aktualna.") << Qt::endl;
    return Ok;
}

} // namespace

void addMaintenanceCommands(QList<Command>& commands) {
    commands.append({{QStringLiteral("backup")},
                     QStringLiteral("--company FOLDER"),
                     QStringLiteral("tworzy kopię zapasową tabel firmy w kolejnym folderze "
                                    "backup_N (bez pytania) i wypisuje jego ścieżkę"),
                     runBackup});
    commands.append({{QStringLiteral("upgrade")},
                     QStringLiteral("--company FOLDER [--yes]"),
                     QStringLiteral("aktualizuje tabele firmy założonej starszą wersją programu i "
                                    "wypisuje wpisy, które dodała do dziennika błędów"),
                     runUpgrade});
}

} // namespace kv::cli
