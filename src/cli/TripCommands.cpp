// "trips copy-month": the month copy of trips, the same core and message as
// the window's; "route": the distance of a pair from the distance table of the
// database location, without a login.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "framework/Registers.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "support/DateNumbers.h"
#include "trips/Distances.h"
#include "trips/TripMonthCopy.h"
#include "users/Permissions.h"

namespace kv::cli {

namespace {

const QString kCopyUsage = QStringLiteral(
    "Użycie: karvento-cli trips copy-month RRRR-MM RRRR-MM [--last-day] [--dry-run] --company "
    "FOLDER --user NAZWA --user-password HASŁO");
const QString kRouteUsage =
    QStringLiteral("Użycie: karvento-cli route SKĄD DOKĄD [--location KATALOG] [--db-password "
                   "HASŁO]");
const QStringList kSelectionOptions{QStringLiteral("--vehicle"), QStringLiteral("--year"),
                                    QStringLiteral("--month"),   QStringLiteral("--from"),
                                    QStringLiteral("--to"),      QStringLiteral("--output"),
                                    QStringLiteral("--encoding")};

int runCopyMonth(CliContext& c, const QStringList& args) {
    if (args.size() != 2)
        return c.usage(kCopyUsage);
    if (!noOptionsBut(c, kSelectionOptions, kCopyUsage))
        return Usage;
    YearMonth months[2];
    for (int i = 0; i < 2; ++i) {
        const std::optional<QPair<int, int>> m = parseCliMonth(args.at(i));
        if (!m) {
            c.err() << QStringLiteral("Nieprawidłowy miesiąc %1: podaj RRRR-MM, np. 2024-03.")
                           .arg(args.at(i))
                    << Qt::endl;
            return c.usage(kCopyUsage);
        }
        months[i] = {m->first, m->second};
    }
    // The years the window's lists offer.
    const ProgramOptions options = ProgramOptions::load(optionsFilePath());
    for (const YearMonth& m : months)
        if (m.year < options.filtrRokOd || m.year > options.filtrRokDo)
            return c.refuse(QStringLiteral("Rok %1 jest poza zakresem lat programu (%2-%3).")
                                .arg(m.year)
                                .arg(options.filtrRokOd)
                                .arg(options.filtrRokDo));

    const std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db)
        return failedLogin(c);
    if (!currentLogin().permissions.has(registerDescriptor(RegisterId::Trips).writePermission))
        return c.refuse(kNoPermissionText);

    const PolishLocale polish;
    const bool dryRun = c.has(QStringLiteral("--dry-run"));
    const TripMonthCopyResult r = copyTripMonth(
        *db, months[0], months[1],
        c.has(QStringLiteral("--last-day")) ? LastDayRule::MoveToLastDay : LastDayRule::Skip,
        dryRun);
    if (!r.ok)
        return Refused; // the failure has been reported
    if (dryRun) {
        c.out() << QStringLiteral("Data\tNowa data\tNr Rej.\tTrasa\tkm") << Qt::endl;
        for (const TripCopyItem& item : r.items)
            c.out() << QStringList{dateNumberToText(item.sourceDate),
                                   dateNumberToText(item.newDate), item.registration, item.route,
                                   item.km}
                           .join(u'\t')
                    << Qt::endl;
    }
    c.out() << tripMonthCopyMessage(r, dryRun) << Qt::endl;
    return Ok;
}

int runRoute(CliContext& c, const QStringList& args) {
    if (args.size() != 2)
        return c.usage(kRouteUsage);
    if (!noOptionsBut(c,
                      kSelectionOptions + QStringList{QStringLiteral("--company"),
                                                      QStringLiteral("--user"),
                                                      QStringLiteral("--user-password")},
                      kRouteUsage))
        return Usage;
    const std::optional<DatabaseLocation> where = c.usableLocation();
    if (!where)
        return Refused;
    engine::EngineSession::defaultSession().addPassword(where->password);
    DataModule db;
    db.setLocation(where->location);
    try {
        db.connectMain();
    } catch (const DatabaseError& e) {
        return c.refuse(e.message());
    }
    const PolishLocale polish;
    const DistanceAnswer answer = lookupDistance(db, args.at(0), args.at(1));
    if (!answer.found)
        return c.refuse(QStringLiteral("W tabeli odległości nie ma trasy z %1 do %2.")
                            .arg(args.at(0), args.at(1)));
    c.out() << answer.km << Qt::endl;
    return Ok;
}

} // namespace

void addTripCommands(QList<Command>& commands) {
    commands.append({{QStringLiteral("trips"), QStringLiteral("copy-month")},
                     QStringLiteral("RRRR-MM RRRR-MM [--last-day] [--dry-run]"),
                     QStringLiteral("kopiuje wszystkie przejazdy pierwszego miesiąca do drugiego "
                                    "(dni, których drugi miesiąc nie ma, są pomijane, a z "
                                    "--last-day dostają jego ostatni dzień); --dry-run tylko "
                                    "wypisuje kopie"),
                     runCopyMonth});
    commands.append({{QStringLiteral("route")},
                     QStringLiteral("SKĄD DOKĄD"),
                     QStringLiteral("podaje odległość z tabeli odległości lokalizacji bazy "
                                    "danych (tylko w zapisanym kierunku)"),
                     runRoute});
}

} // namespace kv::cli
