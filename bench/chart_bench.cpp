// The chart data module: the five series of the price, continuous
// consumption, mileage and costs charts of one year, from the request to the
// points, against the bare statements returning the same rows on the engine
// (Connection::query), and the start page's fleet chart.
//
//   build/bin/chart_bench [repetitions]
//
// Each table holds 100,000 rows in 2024: prices of five fuel kinds, trips
// and costs of five vehicles (20,000 each); refuelling rows are one per
// vehicle and day, so 100,000 of them take 274 vehicles and the five series
// of the consumption chart read 5 x 366 of them.

#include "charts/ChartBuilder.h"
#include "charts/ChartQueries.h"
#include "charts/StartPageData.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/DataModule.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <vector>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Bench123");
constexpr int kRows = 100000;
constexpr int kYear = 2024;

// The process's CPU time in ms: on a machine shared with other builds the
// wall time mostly measures the wait for a core.
double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int dateOf(const QDate& d) {
    return d.year() * 10000 + d.month() * 100 + d.day();
}

QString makeCompany(const QString& root) {
    const QString location = QDir(root).filePath(QStringLiteral("charts"));
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    QDir().mkpath(company);
    createCompanyTables(company, kPassword);
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(location, false);
    createTable(c, schema::companiesTable(), kPassword);
    return location;
}

void fill(const QString& company) {
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("pojazdy"), QStringLiteral("zuzycie"), QStringLiteral("cenypaliw"),
                  QStringLiteral("przejazdy"), QStringLiteral("koszty")});
    std::mt19937 rng(7);
    const QDate first(kYear, 1, 1);
    const int vehicles = (kRows + 365) / 366;
    for (int v = 1; v <= vehicles; ++v)
        c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) "
                                 "VALUES (:PARAM0, 'Skoda', 1, 1400, 0)"),
                  engine::positionalParams({QStringLiteral("WE %1").arg(v)}));
    int refuellings = 0;
    for (int v = 1; v <= vehicles && refuellings < kRows; ++v) {
        double km = 1000;
        for (int d = 0; d < 366 && refuellings < kRows; ++d, ++refuellings) {
            km += 50 + rng() % 400;
            c.execute(QStringLiteral("INSERT INTO zuzycie (IDPOJAZD, DATA, BAK, TANKOWANIE, "
                                     "LICZNIK) VALUES (%1, %2, %3, %4, %5)")
                          .arg(v)
                          .arg(dateOf(first.addDays(d)))
                          .arg(5 + rng() % 2000 / 100.0, 0, 'f', 2)
                          .arg(10 + rng() % 4000 / 100.0, 0, 'f', 2)
                          .arg(km, 0, 'f', 1));
        }
    }
    for (int i = 0; i < kRows; ++i) {
        const int day = dateOf(first.addDays(int(rng() % 366)));
        const int key = 1 + i % 5;
        c.execute(QStringLiteral("INSERT INTO cenypaliw (DATA, RODZAJPALIWA, BRUTTO, MIEJSCE) "
                                 "VALUES (%1, %2, %3, 'Stacja')")
                      .arg(day)
                      .arg(key)
                      .arg(5 + rng() % 300 / 100.0, 0, 'f', 2));
        c.execute(QStringLiteral("INSERT INTO przejazdy (DATA, IDPOJAZD, ODLEGLOSC) VALUES (%1, "
                                 "%2, %3)")
                      .arg(day)
                      .arg(key)
                      .arg(1 + rng() % 50000 / 100.0, 0, 'f', 2));
        c.execute(QStringLiteral("INSERT INTO koszty (IDPOJAZD, DATA, RODZWYD, WARTBRUTTO, "
                                 "ISFUEL) VALUES (%1, %2, 'Paliwo', %3, 'T')")
                      .arg(key)
                      .arg(day)
                      .arg(rng() % 100000 / 100.0, 0, 'f', 2));
    }
    c.commit();
}

struct Figures {
    double chart;
    double bare;
    double chartCpu;
    double bareCpu;
    qsizetype points;
};

// The statement each series runs, written out, for the bare figure.
QStringList bareStatements(ChartKind kind) {
    QStringList out;
    const QString period = QStringLiteral(" WHERE DATA >= %1 AND DATA <= %2")
                               .arg(kYear * 10000 + 101)
                               .arg(kYear * 10000 + 1231);
    for (int key = 1; key <= kChartSeriesCount; ++key) {
        switch (kind) {
        case ChartKind::FuelPrices:
            out << QStringLiteral("SELECT DATA,BRUTTO FROM cenypaliw") + period +
                       QStringLiteral(" AND RODZAJPALIWA = %1 ORDER BY DATA, BRUTTO").arg(key);
            break;
        case ChartKind::Consumption:
            out << QStringLiteral("SELECT DATA,BAK,TANKOWANIE,LICZNIK FROM zuzycie") + period +
                       QStringLiteral(" AND IDPOJAZD = %1 ORDER BY DATA").arg(key);
            break;
        case ChartKind::Mileage:
            out << QStringLiteral("SELECT DATA,ODLEGLOSC FROM przejazdy") + period +
                       QStringLiteral(" AND IDPOJAZD = %1").arg(key);
            break;
        default:
            out << QStringLiteral("SELECT DATA,WARTBRUTTO FROM koszty") + period +
                       QStringLiteral(" AND IDPOJAZD = %1").arg(key);
            break;
        }
    }
    return out;
}

Figures measure(DataModule& db, ChartKind kind, int repetitions) {
    ChartRequest r;
    r.kind = kind;
    r.period = {kYear, 0};
    for (int i = 0; i < kChartSeriesCount; ++i)
        r.selections[i] = ChartSelection{i + 1, QString::number(i + 1)};
    std::vector<double> chart, bare, chartCpu, bareCpu;
    qsizetype points = 0;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        double cpu = cpuMs();
        for (const QString& sql : bareStatements(kind))
            db.companyConnection().query(sql);
        bare.push_back(t.nsecsElapsed() / 1e6);
        bareCpu.push_back(cpuMs() - cpu);
        t.restart();
        cpu = cpuMs();
        const ChartData d = buildChart(db, r);
        chart.push_back(t.nsecsElapsed() / 1e6);
        chartCpu.push_back(cpuMs() - cpu);
        points = 0;
        for (const ChartSeries& s : d.series)
            points += s.points.size();
    }
    return {median(chart), median(bare), median(chartCpu), median(bareCpu), points};
}

void report(const char* name, const Figures& f) {
    std::printf("%-34s points %6lld  chart %8.2f ms  bare %8.2f ms  ratio %.2f  (cpu %.2f / "
                "%.2f ms)\n",
                name, static_cast<long long>(f.points), f.chart, f.bare, f.chart / f.bare,
                f.chartCpu, f.bareCpu);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    engine::EngineSession::defaultSession().addPassword(kPassword);
    const QString location = makeCompany(scratch.path());
    fill(QDir(location).filePath(QStringLiteral("firma")));

    DataModule db;
    db.setLocation(location);
    db.openCompanyDatabase(QStringLiteral("firma"));
    report("prices, 5 fuel kinds of a year", measure(db, ChartKind::FuelPrices, repetitions));
    report("continuous consumption, 5 vehicles", measure(db, ChartKind::Consumption, repetitions));
    report("mileage, 5 vehicles of a year", measure(db, ChartKind::Mileage, repetitions));
    report("costs, 5 vehicles of a year", measure(db, ChartKind::Costs, repetitions));

    std::vector<double> fleet, fleetCpu;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        const double cpu = cpuMs();
        fleetChart(db, kYear, true, true);
        fleet.push_back(t.nsecsElapsed() / 1e6);
        fleetCpu.push_back(cpuMs() - cpu);
    }
    std::printf("%-34s %8.2f ms (cpu %.2f ms; 100,000 trips and 100,000 costs)\n",
                "start page fleet chart", median(fleet), median(fleetCpu));
    return 0;
}
