// "import": a CSV sheet into one of the six registers the import windows
// fill, through the same reader, checks and insert pass as the windows.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"

#include "import/ImportSession.h"
#include "storage/DataModule.h"
#include "storage/SettingsPaths.h"
#include "support/IniFile.h"
#include "support/UserInterface.h"
#include "users/Permissions.h"

namespace kv::cli {

namespace {

const QString kUsage = QStringLiteral(
    "Użycie: karvento-cli import REJESTR PLIK [--map cb1=1,cb2=3,...] [--skip-first] "
    "[--separator ZNAK] [--date-format DD-MM-RRRR|RRRR-MM-DD|RRRRMMDD] [--set KLUCZ=WARTOŚĆ,...] "
    "[--verify-only | --skip-faulty] --company FOLDER --user NAZWA --user-password HASŁO");

// "cb1=1,cb2=3": each list of the import to a sheet column (0: "Brak
// danych"); the fuel kind also takes "plynne" or "lpg" for its fixed
// entries. Nothing, with the reason, for anything else.
std::optional<QList<int>> parseMap(const ImportLayout& layout, const QString& text,
                                   QString* error) {
    QList<int> mapping(layout.listCount(), 0);
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QString key = part.section(u'=', 0, 0).trimmed().toLower();
        const QString value = part.section(u'=', 1).trimmed();
        bool numbered = false;
        const int list = key.startsWith(QLatin1String("cb")) ? key.mid(2).toInt(&numbered) : 0;
        const ImportField* f = numbered ? layout.field(list) : nullptr;
        if (f && !part.contains(u'=')) {
            *error = QStringLiteral("Brak numeru kolumny dla pola %1 (np. %1=2).").arg(key);
            return std::nullopt;
        }
        if (!f) {
            *error = QStringLiteral("Import %1 nie ma pola %2 (pola: cb1 do cb%3).")
                         .arg(layout.registerName, part.section(u'=', 0, 0).trimmed())
                         .arg(layout.listCount());
            return std::nullopt;
        }
        const int fixed = layout.fixedEntries(list);
        bool isNumber = false;
        const int column = value.toInt(&isNumber);
        if (fixed == 2 && (value.compare(QLatin1String("plynne"), Qt::CaseInsensitive) == 0 ||
                           value.compare(QLatin1String("lpg"), Qt::CaseInsensitive) == 0)) {
            mapping[list - 1] = value.compare(QLatin1String("lpg"), Qt::CaseInsensitive) == 0;
        } else if (isNumber && column >= 0 && !(fixed == 2 && column == 0)) {
            mapping[list - 1] = column == 0 ? 0 : column + fixed - 1;
        } else {
            *error = QStringLiteral("Niepoprawny numer kolumny dla pola %1: %2.").arg(key, value);
            return std::nullopt;
        }
    }
    return mapping;
}

// "KLUCZ=WARTOŚĆ,..." over the import's own options.
bool parseSet(const ImportLayout& layout, const QString& text, ImportChoices& choices,
              QString* error) {
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        const QString key = part.section(u'=', 0, 0).trimmed();
        const QString value = part.section(u'=', 1);
        const ImportOption* option = nullptr;
        for (const ImportOption& o : layout.options)
            if (o.key.compare(key, Qt::CaseInsensitive) == 0)
                option = &o;
        if (!option || !part.contains(u'=')) {
            QStringList keys;
            for (const ImportOption& o : layout.options)
                keys << o.key;
            *error = QStringLiteral("Import %1 nie ma ustawienia %2 (ustawienia: %3).")
                         .arg(layout.registerName, key,
                              keys.isEmpty() ? QStringLiteral("brak") : keys.join(u", "));
            return false;
        }
        QString chosen = value;
        if (option->byIndex) {
            chosen.clear();
            for (const QString& entry : option->entries)
                if (entry.trimmed().compare(value.trimmed(), Qt::CaseInsensitive) == 0)
                    chosen = entry;
            if (chosen.isEmpty()) {
                *error =
                    QStringLiteral("Ustawienie %1 przyjmuje: Sumuj albo Pomiń.").arg(option->key);
                return false;
            }
        }
        choices.options.insert(option->key, chosen);
    }
    return true;
}

int runImport(CliContext& c, const QStringList& args) {
    if (args.size() != 2)
        return c.usage(kUsage);
    const ImportLayout* layout = importLayoutByRegister(args.first());
    if (!layout) {
        c.err() << QStringLiteral("Nieznany rejestr importu %1. Rejestry: %2.")
                       .arg(args.first(), importRegisterNames().join(QStringLiteral(", ")))
                << Qt::endl;
        return c.usage(kUsage);
    }
    if (CliContext::isBlank(args.at(1)))
        return c.blankPath(kUsage);
    if (c.has(QStringLiteral("--verify-only")) && c.has(QStringLiteral("--skip-faulty")))
        return c.usage(QStringLiteral("Opcje --verify-only i --skip-faulty wykluczają się."));

    const QString settings = settingsFile(QStringLiteral("karvento.ini"));
    ImportChoices choices = defaultImportChoices(*layout);
    const bool mapGiven = c.has(QStringLiteral("--map"));
    QString error;
    if (mapGiven) {
        const auto mapping = parseMap(*layout, c.option(QStringLiteral("--map")), &error);
        if (!mapping)
            return c.usage(error);
        choices.mapping = *mapping;
    }
    if (c.has(QStringLiteral("--separator"))) {
        choices.separator = c.option(QStringLiteral("--separator"));
        if (choices.separator.isEmpty())
            return c.usage(QStringLiteral("Niepoprawny separator kolumn!"));
    }
    std::optional<ImportDateFormat> format;
    if (c.has(QStringLiteral("--date-format"))) {
        const qsizetype index = importDateFormatTexts().indexOf(
            c.option(QStringLiteral("--date-format")).trimmed().toUpper());
        if (!layout->hasDateFormat)
            return c.usage(
                QStringLiteral("Import %1 nie ma formatu daty.").arg(layout->registerName));
        if (index < 0)
            return c.usage(QStringLiteral("Format daty to DD-MM-RRRR, RRRR-MM-DD albo RRRRMMDD."));
        format = static_cast<ImportDateFormat>(index);
    }
    ImportChoices given; // only the options --set names
    if (c.has(QStringLiteral("--set")) &&
        !parseSet(*layout, c.option(QStringLiteral("--set")), given, &error))
        return c.usage(error);

    const std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db)
        return failedLogin(c);
    if (!currentLogin().permissions.has(permission::Import))
        return c.refuse(kNoPermissionText);

    std::optional<ReadSheet> read = loadImportSheet(*layout, args.at(1), choices.separator.at(0));
    if (!read)
        return Refused; // told by the error report
    ImportSheet sheet(std::move(*read), args.at(1));
    c.out() << QStringLiteral("Kodowanie arkusza: %1").arg(sheetEncodingName(sheet.encoding()))
            << Qt::endl;

    // Without --map the import's stored section chooses, as the window's
    // "przywrócić poprzednią konfigurację" does; the options given win.
    if (!mapGiven) {
        IniFile ini(settings);
        ini.load();
        QStringList dropped;
        readImportSettings(ini, *layout, sheet.width(), choices, &dropped);
        if (!dropped.isEmpty())
            return c.refuse(QStringLiteral("Zapamiętana konfiguracja importu wskazuje kolumny, "
                                           "których arkusz nie ma (pola: %1). Podaj --map.")
                                .arg(dropped.join(QStringLiteral(", "))));
    } else {
        for (const ImportField& f : layout->fields)
            if (mappedColumn(*layout, choices, f.list) >= sheet.width())
                return c.refuse(QStringLiteral("Arkusz ma %1 kolumn; pole cb%2 (%3) wskazuje "
                                               "kolumnę %4.")
                                    .arg(sheet.width())
                                    .arg(f.list)
                                    .arg(f.label)
                                    .arg(mappedColumn(*layout, choices, f.list) + 1));
    }
    for (auto it = given.options.cbegin(); it != given.options.cend(); ++it)
        choices.options.insert(it.key(), it.value());
    if (c.has(QStringLiteral("--skip-first")))
        choices.skipFirst = true;
    if (format)
        choices.dateFormat = *format;
    if (c.has(QStringLiteral("--separator")))
        choices.separator = c.option(QStringLiteral("--separator"));

    const auto listFaulty = [&](QTextStream& stream) {
        int faulty = 0;
        for (int i = ImportSheet::firstDataLine(choices.skipFirst); i < sheet.lineCount(); ++i)
            if (sheet.imported(i) == kStatusFaulty) {
                stream << QStringLiteral("wiersz %1: %2").arg(i + 1).arg(sheet.remark(i))
                       << Qt::endl;
                ++faulty;
            }
        return faulty;
    };

    if (c.has(QStringLiteral("--verify-only"))) {
        verifyImport(*db, sheet, *layout, choices);
        const int faulty = listFaulty(c.out());
        if (faulty > 0)
            return Refused;
        c.out() << QStringLiteral("Nie wykryto problemów. Arkusz .CSV wydaje się być poprawny.")
                << Qt::endl;
        return Ok;
    }

    ImportPassOptions options;
    options.skipFaulty = c.has(QStringLiteral("--skip-faulty"));
    ProgressWindow progress;
    options.progress = [&progress](int done, int total) {
        progress.step(QStringLiteral("Import danych"), total > 0 ? done * 100 / total : 100);
    };
    const ImportPassResult result = importSheetLines(*db, sheet, *layout, choices, options);
    listFaulty(result.completed ? c.out() : c.err());
    if (!result.completed) {
        c.err() << importSummary(result) << Qt::endl;
        return Refused;
    }
    c.out() << QStringLiteral("Dodano wierszy: %1").arg(result.added) << Qt::endl;
    return Ok;
}

} // namespace

void addImportCommands(QList<Command>& commands) {
    commands.append(
        {{QStringLiteral("import")},
         QStringLiteral("REJESTR PLIK [--map cb1=1,...] [--skip-first] [--separator ZNAK] "
                        "[--date-format DD-MM-RRRR|RRRR-MM-DD|RRRRMMDD] [--set KLUCZ=WARTOŚĆ,...] "
                        "[--verify-only | --skip-faulty]"),
         QStringLiteral("dodaje wiersze arkusza CSV do rejestru: koszty, przejazdy, zuzycie, "
                        "zuzyciekm, zuzyciemth albo osobowa; bez --map kolumny wskazuje "
                        "zapamiętana konfiguracja importu; wiersz z błędem wstrzymuje cały "
                        "import, chyba że podano --skip-faulty; --verify-only tylko sprawdza"),
         runImport});
}

} // namespace kv::cli
