// "odometer current" and "odometer check": the current mileage of every
// vehicle, and the readings that break a vehicle's order, as sheets written
// the way "export" writes a register's.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "framework/Registers.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"
#include "support/CsvWriter.h"
#include "trips/OdometerReadings.h"
#include "trips/OdometerSheets.h"
#include "users/Permissions.h"

namespace kv::cli {

namespace {

const QString kLogin = QStringLiteral(
    "[--output PLIK] [--encoding cp1250|utf8] --company FOLDER --user NAZWA --user-password "
    "HASŁO");
const QString kCurrentUsage = QStringLiteral("Użycie: karvento-cli odometer current ") + kLogin;
const QString kCheckUsage =
    QStringLiteral("Użycie: karvento-cli odometer check [--vehicle NRREJ] [--max-km-per-day N] ") +
    kLogin;
const QString kMaxKmPerDay = QStringLiteral("--max-km-per-day");
const QStringList kPeriodOptions{QStringLiteral("--year"), QStringLiteral("--month"),
                                 QStringLiteral("--from"), QStringLiteral("--to")};

QList<QStringList> sheetOf(const QStringList& titles, const QList<QStringList>& rows) {
    QList<QStringList> sheet{titles};
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells.append(csvCellText(cell));
        sheet.append(cells);
    }
    return sheet;
}

// The login and the odometer history's read permission; null with the
// refusal written.
std::unique_ptr<DataModule> odometerLogin(CliContext& c, int* code) {
    std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db) {
        *code = failedLogin(c);
        return nullptr;
    }
    if (!currentLogin().permissions.has(registerDescriptor(RegisterId::Odometer).readPermission)) {
        *code = c.refuse(kNoPermissionText);
        return nullptr;
    }
    return db;
}

int runCurrent(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(kCurrentUsage);
    const std::optional<CliSelection> selection = parseSelection(c, kCurrentUsage);
    if (!selection ||
        !noOptionsBut(c, QStringList{QStringLiteral("--vehicle"), kMaxKmPerDay} + kPeriodOptions,
                      kCurrentUsage))
        return Usage;
    int code = Ok;
    const std::unique_ptr<DataModule> db = odometerLogin(c, &code);
    if (!db)
        return code;
    const PolishLocale polish;
    try {
        return writeSheet(c, *selection, sheetOf(currentMileageTitles(), currentMileageRows(*db)));
    } catch (const DatabaseError& e) {
        return c.refuse(QStringLiteral("Nie udało się odczytać przebiegów: %1").arg(e.message()));
    }
}

int runCheck(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(kCheckUsage);
    const std::optional<CliSelection> selection = parseSelection(c, kCheckUsage);
    if (!selection || !noOptionsBut(c, kPeriodOptions, kCheckUsage))
        return Usage;
    Decimal limit = kDefaultMaxKmPerDay;
    if (c.has(kMaxKmPerDay)) {
        const std::optional<Decimal> typed = Decimal::parse(c.option(kMaxKmPerDay));
        if (!typed || typed->signum() <= 0) {
            c.err() << QStringLiteral("Nieprawidłowa wartość %1 opcji %2: podaj liczbę kilometrów "
                                      "większą od zera, np. 1500.")
                           .arg(c.option(kMaxKmPerDay), kMaxKmPerDay)
                    << Qt::endl;
            return c.usage(kCheckUsage);
        }
        limit = *typed;
    }
    int code = Ok;
    const std::unique_ptr<DataModule> db = odometerLogin(c, &code);
    if (!db)
        return code;
    int vehicleId = 0;
    if (selection->hasVehicle()) {
        RegisterFilters filters(*db);
        if (!applySelection(c, filters, *selection))
            return Refused;
        vehicleId = sharedFilters(*db).selectedVehicleId;
        if (vehicleId <= 0)
            return c.refuse(
                QStringLiteral("Nie udało się odczytać pojazdu %1.").arg(selection->vehicle));
    }
    const PolishLocale polish;
    QList<QStringList> rows;
    try {
        rows = readingCheckRows(*db, vehicleId, limit);
    } catch (const DatabaseError& e) {
        return c.refuse(QStringLiteral("Nie udało się odczytać przebiegów: %1").arg(e.message()));
    }
    code = writeSheet(c, *selection, sheetOf(readingCheckTitles(), rows));
    if (code == Ok)
        c.err() << QStringLiteral("Odczyty budzące wątpliwości: %1.").arg(rows.size()) << Qt::endl;
    return code;
}

} // namespace

void addOdometerCommands(QList<Command>& commands) {
    commands.append(
        {{QStringLiteral("odometer"), QStringLiteral("current")},
         QStringLiteral("[--output PLIK] [--encoding cp1250|utf8]"),
         QStringLiteral("zapisuje bieżący przebieg każdego pojazdu (największy stan licznika w "
                        "historii przebiegów; puste pole: brak odczytów) jako arkusz CSV"),
         runCurrent});
    commands.append(
        {{QStringLiteral("odometer"), QStringLiteral("check")},
         QStringLiteral("[--vehicle NRREJ] [--max-km-per-day N] [--output PLIK] "
                        "[--encoding cp1250|utf8]"),
         QStringLiteral("zapisuje jako arkusz CSV stany licznika, które nie pasują do "
                        "pozostałych odczytów pojazdu ze wszystkich rejestrów (domyślnie ponad "
                        "1500 km dziennie); ich liczbę podaje na standardowym wyjściu błędów"),
         runCheck});
}

} // namespace kv::cli
