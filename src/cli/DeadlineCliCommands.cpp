// "deadlines": what the deadline checker finds, without the program's window.
// The same core as the window, the options of karvento.ini and the user's
// permissions; the lists as the window saves them ("do TXT ...", "do CSV").
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "deadlines/DeadlineCheck.h"
#include "deadlines/DeadlineExport.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "support/CodePage1250.h"
#include "users/Permissions.h"

namespace kv::cli {

namespace {

// Something is due: the exit code a script can tell from "nothing due".
constexpr int kSomethingDue = 3;

const QString kUsage =
    QStringLiteral("Użycie: karvento-cli deadlines [--dates] [--mileage] [--warehouse] [--csv] "
                   "[--output PLIK] [--encoding cp1250|utf8] --company FOLDER --user NAZWA "
                   "--user-password HASŁO");

QString pageTitle(ReminderListKind kind) {
    switch (kind) {
    case ReminderListKind::Dates:
        return QStringLiteral("Sprawdzanie wg dat");
    case ReminderListKind::Mileage:
        return QStringLiteral("Sprawdzanie wg przebiegu");
    case ReminderListKind::Warehouse:
        return QStringLiteral("Sprawdzanie stanów magazynowych");
    }
    return {};
}

QByteArray encoded(const QString& text, CsvEncoding encoding) {
    if (encoding == CsvEncoding::Utf8WithBom)
        return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    return toCodePage1250(text);
}

int runDeadlines(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(kUsage);
    const std::optional<CliSelection> selection = parseSelection(c, kUsage);
    if (!selection)
        return Usage;
    if (selection->hasVehicle() || selection->hasPeriod())
        return c.usage(QStringLiteral("Polecenie deadlines nie ma filtra pojazdu ani okresu."));
    bool dates = c.has(QStringLiteral("--dates"));
    bool mileage = c.has(QStringLiteral("--mileage"));
    bool warehouse = c.has(QStringLiteral("--warehouse"));
    const bool named = dates || mileage || warehouse;
    const bool csv = c.has(QStringLiteral("--csv"));
    if (csv && int(dates) + int(mileage) + int(warehouse) != 1)
        return c.usage(QStringLiteral("Opcja --csv zapisuje jedną listę: wskaż dokładnie jedną z "
                                      "opcji --dates, --mileage, --warehouse."));
    if (!named)
        dates = mileage = warehouse = true;

    const std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db)
        return failedLogin(c);
    const PermissionSet& permissions = currentLogin().permissions;
    if (!permissions.has(permission::DeadlineCheck))
        return c.refuse(kNoPermissionText);
    if (warehouse && !permissions.has(kWarehouseReadPermission)) {
        if (c.has(QStringLiteral("--warehouse")))
            return c.refuse(kNoPermissionText);
        warehouse = false; // all lists: those the user may read
    }

    const PolishLocale polish;
    loadProgramOptions();
    const DeadlineRunResult r =
        runDeadlineCheck(*db, {dates, mileage, warehouse, true, false}, currentDeadlineContext());
    if (!r.failedCodes.isEmpty())
        c.err() << QStringLiteral("Nie udało się odczytać wszystkich terminów (kody błędów: %1).")
                       .arg([&] {
                           QStringList codes;
                           for (qint64 code : r.failedCodes)
                               codes << QString::number(code);
                           return codes.join(QStringLiteral(", "));
                       }())
                << Qt::endl;

    int written = Ok;
    if (csv) {
        const ReminderListKind kind = dates     ? ReminderListKind::Dates
                                      : mileage ? ReminderListKind::Mileage
                                                : ReminderListKind::Warehouse;
        written = writeSheet(c, *selection, reminderSheet(r.lists.list(kind)));
    } else {
        QString text;
        const QString eol = QStringLiteral("\r\n");
        for (ReminderListKind kind :
             {ReminderListKind::Dates, ReminderListKind::Mileage, ReminderListKind::Warehouse}) {
            if (!r.pageShown(kind))
                continue;
            const ReminderList& list = r.lists.list(kind);
            text += pageTitle(kind) + eol;
            text += list.hasResults() ? reminderText(list) : kNothingFoundText + eol;
            text += eol;
        }
        written = writeSelectionOutput(c, *selection, encoded(text, selection->encoding));
    }
    if (written != Ok || !r.failedCodes.isEmpty())
        return Refused;
    return r.anyFound ? kSomethingDue : Ok;
}

} // namespace

void addDeadlineCommands(QList<Command>& commands) {
    commands.append(
        {{QStringLiteral("deadlines")},
         QStringLiteral("[--dates] [--mileage] [--warehouse] [--csv] [--output PLIK] "
                        "[--encoding cp1250|utf8]"),
         QStringLiteral("sprawdza terminy (wg dat, wg przebiegu) i stany magazynowe z opcjami "
                        "programu i uprawnieniami użytkownika; bez opcji wszystkie listy, jak "
                        "plik tekstowy okna; --csv zapisuje jedną listę jako arkusz; kod wyjścia "
                        "0: nic nie znaleziono, 3: coś znaleziono, 1: odmowa albo błąd odczytu"),
         runDeadlines});
}

} // namespace kv::cli
