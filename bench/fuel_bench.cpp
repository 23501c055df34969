// The continuous fuel consumption register: from the refresh call to every
// row's consumption and the totals, against the bare statement returning the
// same rows on the engine (Connection::query).
//
//   build/bin/fuel_bench [repetitions]
//
// One row per vehicle and day caps a year at 366 rows, so the data is 10,000
// daily refuellings of each of ten vehicles (100,000 rows); the register
// shows one vehicle's, with no period (10,000 rows) and with one year.

#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "fuel/ConsumptionView.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/ResultSet.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Bench123");

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString makeCompany(const QString& root) {
    const QString location = QDir(root).filePath(QStringLiteral("fuel"));
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

void fill(const QString& company, int vehicles, int days) {
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("pojazdy"), QStringLiteral("zuzycie")});
    std::mt19937 rng(5);
    const QDate first(1998, 1, 1);
    for (int v = 1; v <= vehicles; ++v) {
        c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) "
                                 "VALUES (:PARAM0, 'Skoda', 1, 1400, 0)"),
                  engine::positionalParams({QStringLiteral("WE %1").arg(v)}));
        double km = 1000;
        for (int d = 0; d < days; ++d) {
            const QDate day = first.addDays(d);
            km += 50 + rng() % 400;
            c.execute(QStringLiteral("INSERT INTO zuzycie (IDPOJAZD, DATA, BAK, TANKOWANIE, "
                                     "LICZNIK) VALUES (%1, %2, %3, %4, %5)")
                          .arg(v)
                          .arg(day.year() * 10000 + day.month() * 100 + day.day())
                          .arg(5 + rng() % 2000 / 100.0, 0, 'f', 2)
                          .arg(10 + rng() % 4000 / 100.0, 0, 'f', 2)
                          .arg(km, 0, 'f', 1));
        }
    }
    c.commit();
}

struct Figures {
    double framework;
    double bare;
    int rows;
    QString average;
};

Figures measure(DataModule& db, int repetitions) {
    RegisterController reg(db, RegisterId::Consumption);
    reg.writeStatementLines();
    const QString sql = reg.query().text();
    const engine::Params params = reg.params();
    const GridColumn* consumption = nullptr;
    for (const GridColumn& c : reg.descriptor().columns)
        if (c.field == QLatin1String("ZUZYCIE"))
            consumption = &c;
    std::vector<double> framework, bare;
    qsizetype shown = 0;
    for (int i = 0; i < repetitions; ++i) {
        {
            QElapsedTimer t;
            t.start();
            const ResultSet r = db.companyConnection().query(sql, params);
            bare.push_back(t.nsecsElapsed() / 1e6);
        }
        reg.query().close();
        QElapsedTimer t;
        t.start();
        reg.refresh(); // the totals are worked out after the rows are read
        const auto cells = reg.computedCells();
        const auto rows = reg.rows();
        for (int r = 0; r < rows->rowCount(); ++r)
            shown += cells(*rows, r, *consumption).size();
        framework.push_back(t.nsecsElapsed() / 1e6);
    }
    const ConsumptionTotals totals = lastConsumptionTotals(db).totals;
    return {median(framework), median(bare), reg.rowCount(), totals.average.toString(2)};
}

void report(const char* name, const Figures& f) {
    std::printf("%-36s rows %6d  framework %8.2f ms  bare %8.2f ms  ratio %.2f  average %s\n", name,
                f.rows, f.framework, f.bare, f.framework / f.bare, qPrintable(f.average));
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
    fill(QDir(location).filePath(QStringLiteral("firma")), 10, 10000);

    DataModule db;
    db.setLocation(location);
    db.openCompanyDatabase(QStringLiteral("firma"));
    RegisterFilters filters(db);
    filters.selectVehicle(QStringLiteral("WE 4"));
    filters.selectMonthYear(0, 0);
    report("continuous, no period (of 100,000)", measure(db, repetitions));
    filters.selectMonthYear(0, 2010);
    report("continuous, the year 2010", measure(db, repetitions));
    return 0;
}
