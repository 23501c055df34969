// The documents, equipment and calendar registers at 20,000 rows each (with
// 500 vehicles, 200 persons and 30 calendar kinds joined): the refresh call
// through the register framework to a grid model ready to paint, against the
// same statement run bare on the engine, and the memory the shown rows hold;
// unfiltered, and with a year and a vehicle chosen.
//
//   build/bin/document_calendar_bench [repetitions]

#include "BenchCompany.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterTableModel.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <malloc.h>
#include <random>

using namespace kv;
using namespace kv::bench;

namespace {

constexpr int kRows = 20000;

int dateNumber(const QDate& d) {
    return d.year() * 10000 + d.month() * 100 + d.day();
}

// Rows of the three tables on random days of 2022-2025, vehicles 1..500.
void fillSubregisters(const QString& company) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("dokumenty"), QStringLiteral("wyposazenie"),
                  QStringLiteral("terminy"), QStringLiteral("slowniki")});
    for (int i = 1; i <= 30; ++i)
        c.execute(QStringLiteral("INSERT INTO slowniki (KOD, IDSLOWNIK, OPIS) VALUES (%1, "
                                 "'RTERM', :PARAM0)")
                      .arg(2000 + i),
                  engine::positionalParams({QStringLiteral("Rodzaj terminu %1").arg(i)}));
    std::mt19937 rng(19);
    const QDate first(2022, 1, 1);
    for (int i = 0; i < kRows; ++i) {
        const QDate d = first.addDays(static_cast<int>(rng() % 1461));
        const int date = dateNumber(d);
        const int expiry = dateNumber(d.addYears(1));
        const int vehicle = 1 + static_cast<int>(rng() % 500);
        c.execute(QStringLiteral("INSERT INTO dokumenty (DATA, TERMIN, IDPOJAZD, RODZAJ, NAZWA, "
                                 "OPIS, UWAGI, NUMER, LICZTERM) VALUES (%1, %2, %3, :PARAM0, "
                                 ":PARAM1, :PARAM2, '', :PARAM3, 0)")
                      .arg(date)
                      .arg(expiry)
                      .arg(vehicle),
                  engine::positionalParams({QStringLiteral("Polisa OC"),
                                            QStringLiteral("Polisa %1").arg(i),
                                            QStringLiteral("Opis %1").arg(rng() % 1000),
                                            QStringLiteral("PL/%1").arg(i)}));
        c.execute(QStringLiteral("INSERT INTO wyposazenie (DATA, TERMIN, IDPOJAZD, LICZNIK, "
                                 "RODZAJ, OPIS, UWAGI, LICZTERM) VALUES (%1, %2, %3, %4, "
                                 ":PARAM0, :PARAM1, '', %5)")
                      .arg(date)
                      .arg(expiry)
                      .arg(vehicle)
                      .arg(10000 + rng() % 200000)
                      .arg(rng() % 2 ? 250000 : 0),
                  engine::positionalParams(
                      {QStringLiteral("Gaśnica"), QStringLiteral("Element %1").arg(rng() % 1000)}));
        c.execute(QStringLiteral("INSERT INTO terminy (DATAOD, DATADO, SPRODDO, RODZAJTERMINU, "
                                 "IDPOJAZDU, NREW, KONTRAHENT, OPIS, LICZTERM) VALUES (%1, %2, "
                                 "'%3', %4, %5, :PARAM0, :PARAM1, :PARAM2, 0)")
                      .arg(date)
                      .arg(dateNumber(d.addDays(static_cast<int>(rng() % 20))))
                      .arg(rng() % 2 ? QStringLiteral("O") : QStringLiteral("D"))
                      .arg(2001 + rng() % 30)
                      .arg(rng() % 5 ? vehicle : 0),
                  engine::positionalParams(
                      {rng() % 3 ? QStringLiteral("P%1").arg(rng() % 200) : QString(),
                       QStringLiteral("Kontrahent %1").arg(rng() % 50),
                       QStringLiteral("Termin %1").arg(i)}));
    }
    c.commit();
}

struct Figures {
    double framework;
    double bare;
    int rows;
    size_t bytes;
};

Figures measure(DataModule& db, RegisterId id, int repetitions) {
    RegisterController reg(db, id);
    RegisterTableModel model(reg.descriptor());
    reg.writeStatementLines();
    const QString sql = reg.query().text();
    const engine::Params params = reg.params();
    std::vector<double> framework, bare;
    size_t bytes = 0;
    for (int i = 0; i < repetitions; ++i) {
        {
            QElapsedTimer t;
            t.start();
            const ResultSet r = db.companyConnection().query(sql, params);
            bare.push_back(t.nsecsElapsed() / 1e6);
        }
        reg.query().close();
        model.setRows(nullptr);
        const size_t before = heapInUse();
        QElapsedTimer t;
        t.start();
        reg.refresh();
        model.setRows(reg.query().result());
        framework.push_back(t.nsecsElapsed() / 1e6);
        bytes = heapInUse() - before;
    }
    return {median(framework), median(bare), model.rowCount(), bytes};
}

void report(const char* name, const Figures& f) {
    std::printf("%-32s rows %6d  framework %7.1f ms  bare %7.1f ms  ratio %.2f  held %.1f MiB\n",
                name, f.rows, f.framework, f.bare, f.framework / f.bare, f.bytes / 1048576.0);
}

} // namespace

int main(int argc, char** argv) {
    // One malloc arena for every thread: register rows are made on the
    // reading thread, and the heap figures count the main arena only.
    mallopt(M_ARENA_MAX, 1);
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    engine::EngineSession::defaultSession().addPassword(kBenchPassword);

    const QString location = makeLocation(scratch.path(), QStringLiteral("subregisters"));
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    fillVehicles(company, 500, 200);
    fillSubregisters(company);

    DataModule db;
    db.setLocation(location);
    db.openCompanyDatabase(QStringLiteral("firma"));
    const struct {
        RegisterId id;
        const char* name;
    } registers[] = {{RegisterId::Documents, "documents"},
                     {RegisterId::Equipment, "equipment"},
                     {RegisterId::Calendar, "calendar"}};
    RegisterFilters filters(db);
    filters.selectMonthYear(0, 0);
    for (const auto& r : registers)
        report(qPrintable(QStringLiteral("%1, all %2").arg(QLatin1String(r.name)).arg(kRows)),
               measure(db, r.id, repetitions));
    filters.selectMonthYear(0, 2024);
    filters.selectVehicle(QStringLiteral("WE 00249"));
    for (const auto& r : registers)
        report(qPrintable(QStringLiteral("%1, 2024, one vehicle").arg(QLatin1String(r.name))),
               measure(db, r.id, repetitions));
    return 0;
}
