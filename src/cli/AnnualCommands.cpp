// "annual": the annual summary of one vehicle and one year, as the summary
// window shows it, written as its sheet and/or its printout, without the
// window. The checks and messages are the window's.
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "costs/AnnualSummary.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "reportengine/PagePainter.h"
#include "reports/AnnualSummaryReport.h"
#include "reports/CommonVariables.h"
#include "reports/ReportSelection.h"
#include "storage/DataModule.h"
#include "users/Permissions.h"

#include <QGuiApplication>

namespace kv::cli {

namespace {

const QString kUsage = QStringLiteral(
    "Użycie: karvento-cli annual --vehicle NRREJ --year RRRR [--pdf PLIK] [--output PLIK] "
    "[--encoding cp1250|utf8] --company FOLDER --user NAZWA --user-password HASŁO");

int runAnnual(CliContext& c, const QStringList& args) {
    if (!args.isEmpty())
        return c.usage(kUsage);
    const std::optional<CliSelection> selection = parseSelection(c, kUsage);
    if (!selection || !noOptionsBut(c,
                                    {QStringLiteral("--driver"), QStringLiteral("--fuel-card"),
                                     QStringLiteral("--road-card"), QStringLiteral("--order"),
                                     QStringLiteral("--lpg"), QStringLiteral("--text"),
                                     QStringLiteral("--issue-date"), QStringLiteral("--sums")},
                                    kUsage))
        return Usage;
    // The summary is of a whole year.
    if (selection->period == CliSelection::Period::Month ||
        selection->period == CliSelection::Period::Range)
        return c.usage(
            QStringLiteral("Zestawienie roczne obejmuje cały rok: podaj --year RRRR.\n") + kUsage);
    const QString pdf = c.option(QStringLiteral("--pdf"));
    if (c.has(QStringLiteral("--pdf")) && pdf.trimmed().isEmpty())
        return c.usage(QStringLiteral("Opcja --pdf wymaga ścieżki pliku.\n") + kUsage);
    if (!pdf.isEmpty() && !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        c.err() << QStringLiteral("Wydruk wymaga uruchomienia karvento-cli z poleceniem annual "
                                  "jako pierwszym słowem.")
                << Qt::endl;
        return Refused;
    }

    const std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db)
        return failedLogin(c);
    if (!currentLogin().permissions.has(kReportPermission))
        return c.refuse(kNoPermissionText);
    const PolishLocale polish;
    RegisterFilters filters(*db);
    if (!applySelection(c, filters, *selection))
        return Refused;
    PeriodChoice period;
    period.monthYearActive = selection->period == CliSelection::Period::Year;
    period.year = selection->year;
    const SharedFilters& shared = sharedFilters(*db);
    if (!checkReportSelection(SelectionKind::VehicleYear, shared, ReportChoices{}, period))
        return Refused; // told as the window tells it
    const std::optional<AnnualSummary> summary =
        computeAnnualSummary(*db, shared.selectedVehicleId, period.year);
    if (!summary)
        return Refused; // reported
    const AnnualSummaryHeader header =
        readAnnualSummaryHeader(*db, shared.selectedVehicleId, period.year);
    if (!pdf.isEmpty()) {
        const auto doc = layoutAnnualSummary(*summary, header, commonValues(*db, ReportChoices{}));
        if (!doc)
            return Refused; // told
        QString error;
        if (!report::writePdf(*doc, pdf, &error))
            return c.refuse(error);
        // Only the printout was asked for.
        if (!c.has(QStringLiteral("--output")))
            return Ok;
    }
    return writeSheet(c, *selection, annualSummarySheet(*summary));
}

} // namespace

void addAnnualCommands(QList<Command>& commands) {
    commands.append({{QStringLiteral("annual")},
                     QStringLiteral("--vehicle NRREJ --year RRRR [--pdf PLIK] [--output PLIK] "
                                    "[--encoding cp1250|utf8]"),
                     QStringLiteral("zestawienie roczne kosztów eksploatacji i przejazdów pojazdu "
                                    "jako arkusz CSV (na standardowe wyjście albo do pliku) i/lub "
                                    "wydruk PDF (--pdf; bez --output tylko wydruk)"),
                     runAnnual});
}

} // namespace kv::cli
