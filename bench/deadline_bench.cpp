// The deadline checker: a whole check (every statement, the rules and the
// three lists) against the same statements run bare on the engine
// (Connection::query), on 1,000 vehicles with readings and 10,000 records
// with both a date and a mileage deadline, every kind switched on.
//
//   build/bin/deadline_bench [repetitions]

#include "deadlines/DeadlineCheck.h"
#include "deadlines/DeadlineLoading.h"
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
#include <random>
#include <vector>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Bench123");
const QDate kToday(2024, 6, 14);
constexpr int kVehicles = 1000;
constexpr int kRecordsPerKind = 2000; // five kinds: 10,000 records

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

QString makeCompany(const QString& root) {
    const QString location = QDir(root).filePath(QStringLiteral("deadlines"));
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

int dateAround(std::mt19937& rng) {
    const QDate d = kToday.addDays(static_cast<int>(rng() % 800) - 600);
    return d.year() * 10000 + d.month() * 100 + d.day();
}

void fill(const QString& company) {
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({"pojazdy", "przebiegi", "naprawy", "wyposazenie", "dokumenty", "terminy", "opony",
                  "kpaliwowe", "magazyn"});
    std::mt19937 rng(21);
    std::vector<int> mileage(kVehicles + 1);
    for (int v = 1; v <= kVehicles; ++v) {
        mileage[v] = 20000 + static_cast<int>(rng() % 200000);
        c.execute(QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, STATUS, DATAOC, DATAAC, "
                                 "DATAPRZE, DATAPRZEGW, DATATACHO, LICZPRZEG, LICZGWAR) VALUES "
                                 "(:PARAM0, 'Skoda', %1, %2, %3, %4, %5, %6, %7, %8)")
                      .arg(v % 10 == 0 ? 1 : 0)
                      .arg(dateAround(rng))
                      .arg(dateAround(rng))
                      .arg(dateAround(rng))
                      .arg(dateAround(rng))
                      .arg(dateAround(rng))
                      .arg(mileage[v] + static_cast<int>(rng() % 4000) - 2000)
                      .arg(mileage[v] + static_cast<int>(rng() % 40000)),
                  engine::positionalParams({QStringLiteral("WE %1").arg(v)}));
        for (int r = 0; r < 5; ++r)
            c.execute(QStringLiteral("INSERT INTO przebiegi (IDPOJAZD, DATA, LICZNIK, UWAGI, "
                                     "DOTYCZY) VALUES (%1, %2, %3, '', 0)")
                          .arg(v)
                          .arg(20240101 + r)
                          .arg(mileage[v] - (4 - r) * 500));
    }
    auto due = [&](int v) { return mileage[v] + static_cast<int>(rng() % 30000) - 15000; };
    for (int i = 0; i < kRecordsPerKind; ++i) {
        const int v = 1 + static_cast<int>(rng() % kVehicles);
        c.execute(QStringLiteral("INSERT INTO naprawy (IDPOJAZD, DATA, OPIS, LICZTERM, DONE) "
                                 "VALUES (%1, %2, 'Naprawa', %3, %4)")
                      .arg(v)
                      .arg(dateAround(rng))
                      .arg(due(v))
                      .arg(i % 3 == 0 ? QStringLiteral("'T'") : QStringLiteral("NULL")));
        c.execute(QStringLiteral("INSERT INTO wyposazenie (IDPOJAZD, DATA, TERMIN, RODZAJ, OPIS, "
                                 "LICZTERM) VALUES (%1, 20240101, %2, 'Gaśnica', 'opis', %3)")
                      .arg(v)
                      .arg(dateAround(rng))
                      .arg(due(v)));
        c.execute(QStringLiteral("INSERT INTO dokumenty (IDPOJAZD, DATA, TERMIN, RODZAJ, NAZWA, "
                                 "OPIS, LICZTERM) VALUES (%1, 20240101, %2, 'Licencja', 'L', "
                                 "'opis', %3)")
                      .arg(v)
                      .arg(dateAround(rng))
                      .arg(due(v)));
        c.execute(QStringLiteral("INSERT INTO terminy (IDPOJAZDU, DATAOD, DATADO, SPRODDO, "
                                 "RODZAJTERMINU, NREW, KONTRAHENT, OPIS, LICZTERM) VALUES (%1, %2, "
                                 "%3, '%4', 0, '', 'Serwis', 'Spotkanie', %5)")
                      .arg(v)
                      .arg(dateAround(rng))
                      .arg(dateAround(rng))
                      .arg(i % 2 ? QStringLiteral("O") : QStringLiteral("D"))
                      .arg(due(v)));
        c.execute(QStringLiteral("INSERT INTO opony (IDPOJAZDU, NREWID, MARKA, RODZAJ, "
                                 "DATAWYMIANY, LICZTERM) VALUES (%1, 'OP', 'Dębica', 0, %2, %3)")
                      .arg(v)
                      .arg(dateAround(rng))
                      .arg(due(v)));
    }
    for (int i = 0; i < 500; ++i) {
        c.execute(QStringLiteral("INSERT INTO kpaliwowe (IDKARTY, NAZWA, IDPOJAZD, TERMIN) VALUES "
                                 "(:PARAM0, 'Orlen', %1, %2)")
                      .arg(1 + i)
                      .arg(dateAround(rng)),
                  engine::positionalParams({QStringLiteral("K%1").arg(i)}));
        c.execute(QStringLiteral("INSERT INTO magazyn (CZESC, ILOSC, PRZYPOMNIJ, UWAGI) VALUES "
                                 "('Część %1', %2, %3, '')")
                      .arg(i)
                      .arg(rng() % 10)
                      .arg(rng() % 5));
    }
    c.commit();
}

// Every statement the check runs, bare.
void runBare(engine::Connection& c, const ProgramOptions& o) {
    const DateWindow w = dateWindow(kToday, o.dataWsteczna, o.dataWstecznaMin);
    const engine::Params bounds{{QStringLiteral("UPPER"), w.upper},
                                {QStringLiteral("LOWER"), w.lower}};
    for (DeadlineKind kind : dateKinds())
        c.query(dateKindStatement(kind, o.cbSprTermAktPojazdy), bounds);
    c.query(QStringLiteral(
        "SELECT IDPOJAZD, MAX(LICZNIK) AS PRZEBIEG FROM przebiegi GROUP BY IDPOJAZD"));
    c.query(
        QStringLiteral("SELECT IDPOJAZD, NRREJ, MARKA, STATUS, LICZPRZEG, LICZGWAR FROM pojazdy"));
    const engine::Params margins{{QStringLiteral("BEFORE"), o.kmOd + 1.01},
                                 {QStringLiteral("AFTER"), 9999999.0 + 1}};
    for (DeadlineKind kind : mileageKinds())
        if (kind != DeadlineKind::Inspection && kind != DeadlineKind::Warranty)
            c.query(mileageKindStatement(kind), margins);
    c.query(lowStockStatement());
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
    PermissionSet all;
    all.setAll(true);
    ProgramOptions o;
    o.cbTachograf = true;
    const DeadlineRunContext context{kToday, o, all, [] { return qint64(0); }};
    const DeadlineRequest request{true, true, true, true, false};

    std::vector<double> whole, bare;
    DeadlineRunResult last;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        runBare(db.companyConnection(), o);
        bare.push_back(t.nsecsElapsed() / 1e6);
        t.start();
        last = runDeadlineCheck(db, request, context);
        whole.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("deadline check, %d vehicles, %d records: whole %8.2f ms  bare statements %8.2f "
                "ms  ratio %.2f\n",
                kVehicles, 5 * kRecordsPerKind, median(whole), median(bare),
                median(whole) / median(bare));
    std::printf("rows: dates %lld  mileage %lld  warehouse %lld\n",
                static_cast<long long>(last.lists.dates.rows.size()),
                static_cast<long long>(last.lists.mileage.rows.size()),
                static_cast<long long>(last.lists.warehouse.rows.size()));
    return 0;
}
