// The month copy of trips: 3,000 trips of one month copied into the next in a
// table of 100,000, through the core (read whole, then one write
// transaction), against the same inserts bare on the engine in one
// transaction, against one autocommit per trip (each insert its own write
// transaction, as a copy without a transaction would run), and the dry run.
//
//   build/bin/trip_copy_bench [repetitions]
//
// Every run's copies are deleted before the next, so each starts from the
// same 100,000 trips.

#include "BenchCompany.h"

#include "storage/DataModule.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/ResultSet.h"
#include "trips/TripMonthCopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace kv;
using bench::median;

namespace {

constexpr int kMonthTrips = 3000;
constexpr int kOtherTrips = 97000;
const YearMonth kFrom{2026, 1};
const YearMonth kTo{2026, 2};

void fillMonth(const QString& company) {
    engine::EngineSession s;
    s.addPassword(bench::kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("przejazdy")});
    std::mt19937 rng(11);
    for (int i = 0; i < kMonthTrips; ++i)
        c.execute(QStringLiteral("INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, "
                                 "ODLEGLOSC, IDKIEROWCY, UWAGI, PRYW, PRYWKTO, PRYWLICZOD, "
                                 "PRYWLICZDO) VALUES (%1, %2, 'Dostawa', :PARAM0, %3, :PARAM1, '', "
                                 "'N', '', 0, 0)")
                      .arg(20260101 + static_cast<int>(rng() % 31))
                      .arg(1 + rng() % 500)
                      .arg(5 + rng() % 300),
                  engine::positionalParams({QStringLiteral("Łódź – Kutno %1").arg(rng() % 50),
                                            QStringLiteral("P%1").arg(rng() % 200)}));
    c.commit();
}

void removeCopies(DataModule& db) {
    db.exec(QStringLiteral("DELETE FROM przejazdy.DB WHERE DATA > 20260200 AND DATA < 20260300"));
}

// The copies as statements: the month's rows read whole, each written by
// the same text the trips' insert gives.
struct BareCopy {
    QStringList sql;
    QList<engine::Params> params;
};

BareCopy readBare(engine::Connection& c) {
    const ResultSet rows = c.query(QStringLiteral(
        "SELECT DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, IDKIEROWCY, UWAGI FROM przejazdy "
        "WHERE DATA > 20260100 AND DATA < 20260132"));
    BareCopy out;
    for (int i = 0; i < rows.rowCount(); ++i) {
        // February 2026 has 28 days: the later ones go on its last, as the core's
        // MoveToLastDay does.
        const int day = std::min(28, rows.value(i, 0).toInt() % 100);
        out.sql.append(QStringLiteral("INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, "
                                      "ODLEGLOSC, IDKIEROWCY, UWAGI, PRYW, PRYWKTO, PRYWLICZOD, "
                                      "PRYWLICZDO) VALUES (%1, %2, :PARAM0, :PARAM1, %3, "
                                      ":PARAM2, :PARAM3, 'N', '', 0, 0)")
                           .arg(20260200 + day)
                           .arg(rows.value(i, 1).toInt())
                           .arg(rows.value(i, 4).toDouble()));
        out.params.append(
            engine::positionalParams({rows.value(i, 2).toString(), rows.value(i, 3).toString(),
                                      rows.value(i, 5).toString(), rows.value(i, 6).toString()}));
    }
    return out;
}

double timed(const std::function<void()>& work) {
    QElapsedTimer t;
    t.start();
    work();
    return t.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    engine::EngineSession::defaultSession().addPassword(bench::kBenchPassword);
    const QString location = bench::makeLocation(scratch.path(), QStringLiteral("copy"));
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    bench::fillVehicles(company, 500, 200);
    bench::fillTrips(company, kOtherTrips);
    fillMonth(company);

    DataModule db;
    db.setLocation(location);
    db.openCompanyDatabase(QStringLiteral("firma"));
    engine::Connection& c = db.companyConnection();

    std::vector<double> core, bare, autocommit, dry;
    int copied = 0;
    for (int i = 0; i < repetitions; ++i) {
        core.push_back(timed([&] {
            copied = copyTripMonth(db, kFrom, kTo, LastDayRule::MoveToLastDay, false).copied;
        }));
        removeCopies(db);
        bare.push_back(timed([&] {
            const BareCopy copy = readBare(c);
            c.beginWrite({QStringLiteral("przejazdy")});
            for (int k = 0; k < copy.sql.size(); ++k)
                c.execute(copy.sql.at(k), copy.params.at(k));
            c.commit();
        }));
        removeCopies(db);
        dry.push_back(
            timed([&] { copyTripMonth(db, kFrom, kTo, LastDayRule::MoveToLastDay, true); }));
    }
    // One write transaction per trip: a file sync per insert, so run once.
    autocommit.push_back(timed([&] {
        const BareCopy copy = readBare(c);
        for (int k = 0; k < copy.sql.size(); ++k)
            c.execute(copy.sql.at(k), copy.params.at(k));
    }));
    removeCopies(db);

    const double m = median(core), b = median(bare), a = median(autocommit), d = median(dry);
    std::printf("trips copied %d of %d in the month, table of %d\n", copied, kMonthTrips,
                kMonthTrips + kOtherTrips);
    std::printf("core copy (one transaction)   %9.1f ms\n", m);
    std::printf("bare inserts, one transaction %9.1f ms   core / bare %.2f\n", b, m / b);
    std::printf("one autocommit per trip       %9.1f ms   autocommit / core %.1f\n", a, a / m);
    std::printf("dry run                       %9.1f ms\n", d);
    return 0;
}
