// "chart": one chart of the "Wykresy" page drawn from the registers for a
// year or a month, written as PNG, SVG and/or its points, through the same
// chart data and widget as the window.
#include "cli/ChartPictures.h"
#include "cli/CliCommands.h"
#include "cli/CliLogin.h"
#include "cli/CliSelection.h"

#include "charts/ChartBuilder.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace kv::cli {

namespace {

const QString kUsage = QStringLiteral(
    "Użycie: karvento-cli chart NAZWA (--year RRRR | --month RRRR-MM | --from DATA --to DATA) "
    "[--vehicle NRREJ]... [--fuel KOD]... [--lpg] [--expense-kind TEKST] [--fuel-only] "
    "[--png PLIK] [--svg PLIK] [--points PLIK|-] --company FOLDER --user NAZWA "
    "--user-password HASŁO\n"
    "NAZWA: ceny, zuzycie, zuzyciekm, zuzyciemth, przebieg, koszty");

struct Outputs {
    QString png;
    QString svg;
    QString points; // "-": the standard output
};

// The period: one month or one whole year, however it is given.
std::optional<ChartPeriod> chartPeriod(CliContext& c, ChartKind kind, int* code) {
    const std::optional<CliSelection> s = parseSelection(c, kUsage);
    if (!s) {
        *code = Usage;
        return std::nullopt;
    }
    ChartPeriod p;
    switch (s->period) {
    case CliSelection::Period::All:
        *code = c.usage(QStringLiteral("Podaj okres wykresu: --year albo --month.\n") + kUsage);
        return std::nullopt;
    case CliSelection::Period::Year:
        p = {s->year, 0};
        break;
    case CliSelection::Period::Month:
        p = {s->year, s->month};
        break;
    case CliSelection::Period::Range: {
        const int year = int(s->from / 10000);
        const int month = int(s->from / 100 % 100);
        if (s->from == year * 10000 + 101 && s->to == year * 10000 + 1231)
            p = {year, 0};
        else if (s->from % 100 == 1 && s->to == ChartPeriod{year, month}.lastDate())
            p = {year, month};
        else {
            *code = c.usage(QStringLiteral("Okres wykresu musi obejmować dokładnie jeden "
                                           "miesiąc albo jeden rok.\n") +
                            kUsage);
            return std::nullopt;
        }
        break;
    }
    }
    if (p.isMonth() && !chartHasMonth(kind)) {
        *code = c.usage(QStringLiteral("Wykres %1 obejmuje cały rok: podaj --year.\n")
                            .arg(chartCommandName(kind)) +
                        kUsage);
        return std::nullopt;
    }
    return p;
}

std::optional<Outputs> chartOutputs(CliContext& c, int* code) {
    Outputs o{c.option(QStringLiteral("--png")), c.option(QStringLiteral("--svg")),
              c.option(QStringLiteral("--points"))};
    for (const char* name : {"--png", "--svg", "--points"}) {
        const QString option = QLatin1String(name);
        if (c.has(option) && CliContext::isBlank(c.option(option))) {
            *code =
                c.usage(QStringLiteral("Opcja %1 wymaga ścieżki pliku.\n").arg(option) + kUsage);
            return std::nullopt;
        }
    }
    if (o.png.isEmpty() && o.svg.isEmpty() && o.points.isEmpty()) {
        *code = c.usage(QStringLiteral("Wskaż wynik: --png PLIK, --svg PLIK i/lub --points "
                                       "PLIK|-.\n") +
                        kUsage);
        return std::nullopt;
    }
    return o;
}

// A file that cannot be written is refused before anything is written.
QString unwritable(const QString& path) {
    if (path.isEmpty() || path == u"-")
        return {};
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (info.isDir() || !folder.isDir() || !folder.isWritable() ||
        (info.exists() && !info.isWritable()))
        return QStringLiteral("Nie można zapisać pliku %1.").arg(QDir::toNativeSeparators(path));
    return {};
}

// The selections: fuel kinds by code for the prices, vehicles by number for
// the others; at most five.
bool chartSelections(CliContext& c, DataModule& db, ChartKind kind, ChartRequest& r, int* code) {
    const bool fuels = chartSelectsFuelKinds(kind);
    const QString wanted = fuels ? QStringLiteral("--fuel") : QStringLiteral("--vehicle");
    const QString other = fuels ? QStringLiteral("--vehicle") : QStringLiteral("--fuel");
    if (c.has(other)) {
        *code = c.usage(QStringLiteral("Wykres %1 wybiera serie opcją %2, nie %3.\n")
                            .arg(chartCommandName(kind), wanted, other) +
                        kUsage);
        return false;
    }
    const QStringList keys = c.values(wanted);
    if (keys.isEmpty()) {
        *code = c.usage(QStringLiteral("Wskaż co najmniej jedną serię opcją %1.\n").arg(wanted) +
                        kUsage);
        return false;
    }
    if (keys.size() > kChartSeriesCount) {
        *code = c.usage(QStringLiteral("Wykres ma najwyżej %1 serii.\n").arg(kChartSeriesCount) +
                        kUsage);
        return false;
    }
    static const QRegularExpression number(QStringLiteral("^\\d{1,9}$"));
    for (int i = 0; i < keys.size(); ++i) {
        const QString key = keys.at(i).trimmed();
        if (fuels && !number.match(key).hasMatch()) {
            *code =
                c.usage(QStringLiteral("Kod rodzaju paliwa %1 nie jest liczbą.\n").arg(keys.at(i)) +
                        kUsage);
            return false;
        }
        try {
            const ResultSet rows =
                fuels ? db.select(QStringLiteral("SELECT KOD, OPIS FROM slowniki.DB WHERE "
                                                 "IDSLOWNIK = 'RDPAL' AND KOD = :KOD"),
                                  {{QStringLiteral("KOD"), key.toLongLong()}})
                      : db.select(QStringLiteral("SELECT IDPOJAZD, NRREJ FROM pojazdy.DB WHERE "
                                                 "NRREJ = :PARAM0"),
                                  engine::positionalParams({keys.at(i)}));
            if (rows.isEmpty()) {
                *code =
                    c.refuse(fuels ? QStringLiteral("Nie ma rodzaju paliwa o kodzie %1.").arg(key)
                                   : QStringLiteral("Nie ma pojazdu %1.").arg(keys.at(i)));
                return false;
            }
            r.selections[i] = ChartSelection{rows.value(0, 0).toInt(), rows.value(0, 1).toString()};
        } catch (const DatabaseError& e) {
            *code = c.refuse(QStringLiteral("Nie udało się odczytać danych: %1").arg(e.message()));
            return false;
        }
    }
    return true;
}

int runChart(CliContext& c, const QStringList& args) {
    if (args.size() != 1)
        return c.usage(kUsage);
    const std::optional<ChartKind> kind = chartKindByCommandName(args.first());
    if (!kind)
        return c.usage(QStringLiteral("Nieznany wykres %1.\n").arg(args.first()) + kUsage);
    if (!noOptionsBut(c, {QStringLiteral("--output"), QStringLiteral("--encoding")}, kUsage))
        return Usage;
    const QString consumption = QStringLiteral("--lpg");
    if (!chartHasFuelKind(*kind) && !noOptionsBut(c, {consumption}, kUsage))
        return Usage;
    if (*kind != ChartKind::Costs &&
        !noOptionsBut(c, {QStringLiteral("--expense-kind"), QStringLiteral("--fuel-only")}, kUsage))
        return Usage;
    if (c.has(QStringLiteral("--expense-kind")) &&
        c.option(QStringLiteral("--expense-kind")).trimmed().isEmpty())
        return c.usage(QStringLiteral("Opcja --expense-kind wymaga rodzaju wydatku.\n") + kUsage);
    int code = Ok;
    const std::optional<ChartPeriod> period = chartPeriod(c, *kind, &code);
    if (!period)
        return code;
    const std::optional<Outputs> outputs = chartOutputs(c, &code);
    if (!outputs)
        return code;
    for (const QString& path : {outputs->png, outputs->svg, outputs->points})
        if (const QString problem = unwritable(path); !problem.isEmpty())
            return c.refuse(problem);

    std::unique_ptr<DataModule> db = logIn(c, false);
    if (!db)
        return failedLogin(c);
    ChartRequest r;
    r.kind = *kind;
    r.period = *period;
    r.lpg = c.has(consumption);
    r.fuelOnly = c.has(QStringLiteral("--fuel-only"));
    if (c.has(QStringLiteral("--expense-kind")))
        r.expenseKind = c.option(QStringLiteral("--expense-kind"));
    if (!chartSelections(c, *db, *kind, r, &code))
        return code;

    const ChartData data = buildChart(*db, r);
    for (const ChartSeries& s : data.series)
        if (s.failed)
            return c.refuse(QStringLiteral("Nie udało się odczytać serii %1 (szczegóły w logu "
                                           "błędów).")
                                .arg(s.label));
    QString error;
    if (!outputs->png.isEmpty() &&
        !writeChartPicture(data, outputs->png, ChartPicture::Png, &error))
        return c.refuse(error);
    if (!outputs->svg.isEmpty() &&
        !writeChartPicture(data, outputs->svg, ChartPicture::Svg, &error))
        return c.refuse(error);
    if (!outputs->points.isEmpty()) {
        CliSelection target;
        target.output = outputs->points == u"-" ? QString() : outputs->points;
        return writeSelectionOutput(c, target, chartPointsText(data).toUtf8());
    }
    return Ok;
}

} // namespace

void addChartCommands(QList<Command>& commands) {
    commands.append({{QStringLiteral("chart")},
                     QStringLiteral("NAZWA"),
                     QStringLiteral("rysuje wykres (ceny, zuzycie, zuzyciekm, zuzyciemth, "
                                    "przebieg, koszty) do PNG, SVG lub listy punktów"),
                     runChart});
}

} // namespace kv::cli
