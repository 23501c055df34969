// "export": any register's sheet as its grid shows it, without the program's
// window. The register, its filters, its computed columns and the sheet come
// from the same core as the window's "do CSV", so one choice gives the same
// bytes.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterSheet.h"
#include "framework/RegisterSums.h"
#include "framework/TwinTables.h"
#include "storage/DataModule.h"
#include "users/Permissions.h"

namespace kv::cli {

namespace {

const QString kUsage = QStringLiteral(
    "Użycie: karvento-cli export REJESTR [--vehicle NRREJ] [--year RRRR | --month RRRR-MM | "
    "--from DATA --to DATA] [--output PLIK] [--encoding cp1250|utf8] [--sums] --company FOLDER "
    "--user NAZWA --user-password HASŁO");

int runExport(CliContext& c, const QStringList& args) {
    if (args.size() != 1)
        return c.usage(kUsage);
    bool twin = false;
    const RegisterDescriptor* d = registerByTableName(args.first().trimmed(), &twin);
    if (!d) {
        c.err() << QStringLiteral("Nieznany rejestr %1. Rejestry: %2.")
                       .arg(args.first(), registerTableNames().join(QStringLiteral(", ")))
                << Qt::endl;
        return c.usage(kUsage);
    }
    const std::optional<CliSelection> selection = parseSelection(c, kUsage);
    if (!selection)
        return Usage;
    const QStringList unsupported = optionsWithoutFilter(*d, *selection);
    if (!unsupported.isEmpty())
        return c.usage(QStringLiteral("Rejestr %1 nie ma filtra, którego dotyczy opcja %2.")
                           .arg(args.first(), unsupported.join(QStringLiteral(", "))));
    // Like the window, such a register shows one vehicle's records only.
    if (d->vehicleFilter == VehicleFilter::VehicleId && !selection->hasVehicle())
        return c.usage(QStringLiteral("Rejestr %1 pokazuje dane jednego pojazdu: wskaż go opcją "
                                      "--vehicle NRREJ.")
                           .arg(args.first()));

    const std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db)
        return failedLogin(c);
    if (!db->hasQuery(d->query))
        return c.refuse(QStringLiteral("Rejestr %1 (%2) nie jest dostępny w tej wersji programu.")
                            .arg(args.first(), d->name));
    if (!currentLogin().permissions.has(d->readPermission))
        return c.refuse(kNoPermissionText);

    const PolishLocale polish;
    if (twin)
        switchTwinTable(*db, d->id, true);
    RegisterFilters filters(*db);
    if (!applySelection(c, filters, *selection))
        return Refused;
    RegisterController reg(*db, d->id);
    if (!reg.refresh())
        return Refused; // the failure has been reported
    const std::unique_ptr<RegisterTableModel> model = registerModel(reg);
    QList<QStringList> sheet = registerSheet(*model);
    if (c.has(QStringLiteral("--sums"))) {
        const ColumnSums sums = computeColumnSums(*db, d->id);
        if (sums.failed)
            return c.refuse(QStringLiteral("Nie udało się obliczyć sum rejestru %1.").arg(d->name));
        sheet.append(columnSumsLine(sums));
    }
    return writeSheet(c, *selection, sheet);
}

} // namespace

void addExportCommands(QList<Command>& commands) {
    commands.append(
        {{QStringLiteral("export")},
         QStringLiteral("REJESTR [--vehicle NRREJ] [--year RRRR | --month RRRR-MM | "
                        "--from DATA --to DATA] [--output PLIK] "
                        "[--encoding cp1250|utf8] [--sums]"),
         QStringLiteral("zapisuje rejestr tak, jak pokazuje go tabela programu, jako "
                        "arkusz CSV (na standardowe wyjście albo do pliku); REJESTR "
                        "to nazwa tabeli: pojazdy, osobowa, stawki ... (zuzycielpg: "
                        "zużycie paliwa LPG); DATA to RRRR-MM-DD albo DD.MM.RRRR; --sums dopisuje "
                        "wiersz sum kolumn, jak liczy je \"Przelicz sumy\""),
         runExport});
}

} // namespace kv::cli
