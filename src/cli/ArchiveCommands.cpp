// "archive ...", "pack" and "delete-range": the company's archives and the
// administrator's maintenance without the program's windows. Each refuses
// while another program works with the company, as the windows do.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "admin/ArchiveCopy.h"
#include "admin/ArchiveFolders.h"
#include "admin/ArchiveRestore.h"
#include "admin/DatabaseMaintenance.h"
#include "admin/RowDeletion.h"
#include "storage/DataModule.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>

namespace kv::cli {

namespace {

const QString kLogin =
    QStringLiteral("--company FOLDER --user NAZWA --user-password HASŁO [--yes]");
const QString kName = QStringLiteral("--name");
const QString kDate = QStringLiteral("--date");
const QString kNoSafetyCopy = QStringLiteral("--no-safety-copy");

QString usageOf(const QString& command) {
    return QStringLiteral("Użycie: karvento-cli ") + command;
}

int exitOf(AdminResult result) {
    return result == AdminResult::Done ? Ok : Refused;
}

SafetyCopyPolicy safetyPolicy(const CliContext& c) {
    return c.has(kNoSafetyCopy) ? SafetyCopyPolicy::Skip : SafetyCopyPolicy::Refuse;
}

// --date as the archive's date text: today when not given, no date when
// given empty; nothing (wrong use, written) for a day the calendar lacks.
std::optional<QString> archiveDate(CliContext& c, const QString& usage, const QString& fallback) {
    if (!c.has(kDate))
        return fallback;
    const QString text = c.option(kDate).trimmed();
    if (text.isEmpty())
        return blankDateText();
    const qint64 number = parseCliDate(text);
    if (number == 0) {
        c.usage(
            QStringLiteral("Niepoprawna data %1: podaj RRRR-MM-DD albo DD.MM.RRRR.\n").arg(text) +
            usage);
        return std::nullopt;
    }
    return dateNumberToText(number);
}

// The folder argument: one, not blank.
std::optional<QString> folderArgument(CliContext& c, const QStringList& args,
                                      const QString& usage) {
    if (args.size() != 1) {
        c.usage(usage);
        return std::nullopt;
    }
    if (CliContext::isBlank(args.first())) {
        c.blankPath(usage);
        return std::nullopt;
    }
    return QDir(args.first()).absolutePath();
}

// The administrator's login; the exit code in *code when there is none.
std::unique_ptr<DataModule> adminLogin(CliContext& c, int* code) {
    std::unique_ptr<DataModule> db = logIn(c, true);
    if (!db)
        *code = failedLogin(c);
    return db;
}

int runList(CliContext& c, const QStringList& args) {
    const PolishLocale polish; // dates as the window shows them
    const QString usage = usageOf(QStringLiteral("archive list KATALOG"));
    const std::optional<QString> folder = folderArgument(c, args, usage);
    if (!folder)
        return Usage;
    if (!noOptionsBut(c,
                      {kName, kDate, kNoSafetyCopy, QStringLiteral("--user"),
                       QStringLiteral("--user-password"), QStringLiteral("--company")},
                      usage))
        return Usage;
    if (!QFileInfo(*folder).isDir())
        return c.refuse(
            QStringLiteral("Katalog %1 nie istnieje.").arg(QDir::toNativeSeparators(*folder)));
    const QList<FoundArchive> found = findArchives(*folder);
    for (const FoundArchive& a : found)
        c.out() << QDir::toNativeSeparators(a.folder) << u'\t' << a.description.name << u'\t'
                << (isBlankDateText(a.description.date) ? QString() : a.description.date)
                << Qt::endl;
    c.err() << QStringLiteral("Znalezione archiwa: %1").arg(found.size()) << Qt::endl;
    return Ok;
}

int runMake(CliContext& c, const QStringList& args) {
    const PolishLocale polish; // dates as the window shows them
    const QString usage = usageOf(QStringLiteral("archive make KATALOG [--name NAZWA] [--date "
                                                 "DATA] ") +
                                  kLogin);
    const std::optional<QString> folder = folderArgument(c, args, usage);
    if (!folder || !noOptionsBut(c, {kNoSafetyCopy}, usage))
        return Usage;
    const std::optional<QString> date = archiveDate(c, usage, dateToText(Clock::today()));
    if (!date)
        return Usage;
    int code = Ok;
    const std::unique_ptr<DataModule> db = adminLogin(c, &code);
    if (!db)
        return code;
    const AdminResult result = makeArchive(*db, *folder, {c.option(kName), *date});
    if (result == AdminResult::Done)
        c.out() << QDir::toNativeSeparators(*folder) << Qt::endl;
    return exitOf(result);
}

int runDescribe(CliContext& c, const QStringList& args) {
    const PolishLocale polish; // dates as the window shows them
    const QString usage = usageOf(QStringLiteral("archive describe KATALOG [--name NAZWA] "
                                                 "[--date DATA] ") +
                                  kLogin);
    const std::optional<QString> folder = folderArgument(c, args, usage);
    if (!folder || !noOptionsBut(c, {kNoSafetyCopy}, usage))
        return Usage;
    if (!holdsArchive(*folder))
        return c.refuse(QStringLiteral("We wskazanym katalogu nie znaleziono archiwum."));
    const ArchiveDescription now = readArchiveDescription(*folder);
    const std::optional<QString> date = archiveDate(c, usage, now.date);
    if (!date)
        return Usage;
    int code = Ok;
    const std::unique_ptr<DataModule> db = adminLogin(c, &code);
    if (!db)
        return code;
    if (!c.has(kName) && !c.has(kDate)) {
        c.out() << now.name << u'\t' << (isBlankDateText(now.date) ? QString() : now.date)
                << Qt::endl;
        return Ok;
    }
    return exitOf(describeArchive(*folder, {c.has(kName) ? c.option(kName) : now.name, *date}));
}

int runDelete(CliContext& c, const QStringList& args) {
    const PolishLocale polish; // dates as the window shows them
    const QString usage = usageOf(QStringLiteral("archive delete KATALOG ") + kLogin);
    const std::optional<QString> folder = folderArgument(c, args, usage);
    if (!folder || !noOptionsBut(c, {kName, kDate, kNoSafetyCopy}, usage))
        return Usage;
    int code = Ok;
    const std::unique_ptr<DataModule> db = adminLogin(c, &code);
    if (!db)
        return code;
    const AdminResult result = deleteArchive(*db, *folder);
    if (result == AdminResult::Done)
        c.out() << QStringLiteral("Archiwum zostało usunięte.") << Qt::endl;
    return exitOf(result);
}

int runRestore(CliContext& c, const QStringList& args) {
    const PolishLocale polish; // dates as the window shows them
    const QString usage = usageOf(QStringLiteral("archive restore KATALOG [--archive-password "
                                                 "HASŁO] [--no-safety-copy] ") +
                                  kLogin);
    const std::optional<QString> folder = folderArgument(c, args, usage);
    if (!folder || !noOptionsBut(c, {kName, kDate}, usage))
        return Usage;
    int code = Ok;
    const std::unique_ptr<DataModule> db = adminLogin(c, &code);
    if (!db)
        return code;
    if (!confirmRestore())
        return Refused;
    RestoreOptions options;
    options.safety = safetyPolicy(c);
    if (c.has(QStringLiteral("--archive-password")))
        options.archivePassword = c.option(QStringLiteral("--archive-password"));
    const RestoreOutcome out = restoreArchive(*db, *folder, c.databasePassword(), options);
    if (out.result == AdminResult::Cancelled)
        return c.refuse(QStringLiteral("Odtwarzanie przerwano, danych nie odtworzono. Hasło "
                                       "archiwum z innej bazy podaj opcją --archive-password."));
    if (!out.safetyCopy.isEmpty())
        c.out() << QStringLiteral("Kopia bezpieczeństwa: ")
                << QDir::toNativeSeparators(out.safetyCopy) << Qt::endl;
    return exitOf(out.result);
}

int runPack(CliContext& c, const QStringList& args) {
    const PolishLocale polish; // dates as the window shows them
    const QString usage = usageOf(QStringLiteral("pack ") + kLogin);
    if (!args.isEmpty())
        return c.usage(usage);
    if (!noOptionsBut(c, {kName, kDate, kNoSafetyCopy}, usage))
        return Usage;
    int code = Ok;
    const std::unique_ptr<DataModule> db = adminLogin(c, &code);
    if (!db)
        return code;
    return packCompanyTables(*db, c.databasePassword()) ? Ok : Refused;
}

int runDeleteRange(CliContext& c, const QStringList& args) {
    const PolishLocale polish; // dates as the window shows them
    const QString usage = usageOf(QStringLiteral("delete-range TABELA --from DATA --to DATA "
                                                 "[--dry-run] [--no-safety-copy] ") +
                                  kLogin);
    if (args.size() != 1 || !c.has(QStringLiteral("--from")) || !c.has(QStringLiteral("--to")))
        return c.usage(usage);
    if (!noOptionsBut(c, {kName, kDate}, usage))
        return Usage;
    const RowDeletionEntry* entry = rowDeletionEntryForTable(args.first());
    if (!entry) {
        QStringList tables;
        for (const RowDeletionEntry& e : rowDeletionEntries())
            tables.append(e.table.left(e.table.size() - 3));
        return c.usage(QStringLiteral("Nieznana tabela %1. Tabele: %2.\n")
                           .arg(args.first(), tables.join(QStringLiteral(", "))) +
                       usage);
    }
    const qint64 from = parseCliDate(c.option(QStringLiteral("--from")));
    const qint64 to = parseCliDate(c.option(QStringLiteral("--to")));
    if (from == 0 || to == 0)
        return c.usage(QStringLiteral("Niepoprawna data: podaj RRRR-MM-DD albo DD.MM.RRRR.\n") +
                       usage);
    if (to < from)
        return c.usage(QStringLiteral("Data od większa niż data do.\n") + usage);
    int code = Ok;
    const std::unique_ptr<DataModule> db = adminLogin(c, &code);
    if (!db)
        return code;
    if (c.has(QStringLiteral("--dry-run"))) {
        const int rows = countRowsInRange(*db, *entry, int(from), int(to));
        if (rows < 0)
            return Refused;
        c.out()
            << QStringLiteral("Wiersze do usunięcia z tabeli %1: %2").arg(entry->table).arg(rows)
            << Qt::endl;
        return Ok;
    }
    if (!ui().question(QStringLiteral("Pytanie"),
                       QStringLiteral("Czy na pewno trwale usunąć dane z podanego zakresu dla "
                                      "wskazanej tabeli?"),
                       DefaultAnswer::No))
        return Refused;
    const RowDeletionOutcome out =
        deleteRowsInRange(*db, *entry, int(from), int(to), safetyPolicy(c));
    if (!out.done)
        return Refused;
    c.out() << QStringLiteral("Usunięte wiersze z tabeli %1: %2").arg(entry->table).arg(out.rows)
            << Qt::endl;
    if (!out.safetyCopy.isEmpty())
        c.out() << QStringLiteral("Kopia bezpieczeństwa: ")
                << QDir::toNativeSeparators(out.safetyCopy) << Qt::endl;
    return Ok;
}

} // namespace

void addArchiveCommands(QList<Command>& commands) {
    commands.append({{QStringLiteral("archive"), QStringLiteral("list")},
                     QStringLiteral("KATALOG"),
                     QStringLiteral("wypisuje archiwa w katalogu i jego podkatalogach: folder, "
                                    "nazwa, data (bez logowania)"),
                     runList});
    commands.append({{QStringLiteral("archive"), QStringLiteral("make")},
                     QStringLiteral("KATALOG [--name NAZWA] [--date DATA]"),
                     QStringLiteral("tworzy archiwum tabel firmy we wskazanym katalogu "
                                    "(administrator)"),
                     runMake});
    commands.append({{QStringLiteral("archive"), QStringLiteral("describe")},
                     QStringLiteral("KATALOG [--name NAZWA] [--date DATA]"),
                     QStringLiteral("wypisuje opis archiwum, a z --name lub --date zapisuje "
                                    "nowy (administrator)"),
                     runDescribe});
    commands.append({{QStringLiteral("archive"), QStringLiteral("delete")},
                     QStringLiteral("KATALOG"),
                     QStringLiteral("usuwa archiwum z katalogu (administrator)"),
                     runDelete});
    commands.append({{QStringLiteral("archive"), QStringLiteral("restore")},
                     QStringLiteral("KATALOG [--archive-password HASŁO] [--no-safety-copy]"),
                     QStringLiteral("odtwarza tabele firmy z archiwum; najpierw kopia "
                                    "bezpieczeństwa safety_... w folderze firmy (administrator)"),
                     runRestore});
    commands.append({{QStringLiteral("pack")},
                     QString(),
                     QStringLiteral("optymalizuje wszystkie tabele firmy (administrator)"),
                     runPack});
    commands.append({{QStringLiteral("delete-range")},
                     QStringLiteral("TABELA --from DATA --to DATA [--dry-run] [--no-safety-copy]"),
                     QStringLiteral("usuwa wiersze tabeli z zakresu dat i wypisuje ich liczbę "
                                    "oraz kopię bezpieczeństwa (administrator)"),
                     runDeleteRange});
}

} // namespace kv::cli
