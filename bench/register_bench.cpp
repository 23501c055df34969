// Refreshing registers through the register framework: from the refresh call
// to a grid model ready to paint, against the same statement run bare on the
// engine (Connection::query), with the memory the shown rows hold. Then "do
// CSV" and "Szukaj" on the 100,000 trips: the sheet from the refreshed
// register to the written file in both encodings, and one search that walks
// every row without a match.
//
//   build/bin/register_bench [repetitions] [sub]
//
// It builds its data in a temporary folder: a company with 10,000 vehicles,
// and one with 500 vehicles, 200 persons, 100,000 trips over four years,
// 200,000 odometer readings and 100,000 costs over the same years, and one
// with 20,000 repairs, damages, tyres and warehouse resources. Besides the registers it times
// the current mileage of every vehicle and the check of one typed reading against a vehicle's other
// readings.

#include "BenchCompany.h"
#include "costs/CostFilters.h"
#include "dictionaries/RateTable.h"
#include "framework/RegisterController.h"
#include "framework/RegisterExport.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterSearch.h"
#include "framework/RegisterSheet.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"
#include "trips/TripAllowance.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <malloc.h>
#include <random>

using namespace kv;
using namespace kv::bench;

namespace {

// 100,000 costs of 500 vehicles over four years, half of them fuel, each
// with a driver, one of 10 cost centres and one of 400 road cards.
void fillCosts(const QString& company, int costs) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite(
        {QStringLiteral("koszty"), QStringLiteral("slowniki"), QStringLiteral("kartydrogowe")});
    for (int i = 1; i <= 10; ++i)
        c.execute(QStringLiteral("INSERT INTO slowniki (KOD, IDSLOWNIK, OPIS) VALUES (%1, "
                                 "'CKKOD', :PARAM0)")
                      .arg(1000 + i),
                  engine::positionalParams({QStringLiteral("Centrum %1").arg(i)}));
    for (int i = 1; i <= 400; ++i)
        c.execute(QStringLiteral("INSERT INTO kartydrogowe (IDDROGOWA, NRKARTY, IDPOJAZD, "
                                 "DATAWYST) VALUES (%1, :PARAM0, %2, 20240101)")
                      .arg(i)
                      .arg(1 + i % 500),
                  engine::positionalParams({QStringLiteral("%1/2024").arg(i)}));
    std::mt19937 rng(13);
    const QDate first(2022, 1, 1);
    for (int i = 0; i < costs; ++i) {
        const QDate d = first.addDays(static_cast<int>(rng() % 1461));
        const bool fuel = rng() % 2 == 0;
        const int net = 1000 + static_cast<int>(rng() % 100000);
        const int vat = net * 23 / 100;
        c.execute(
            QStringLiteral("INSERT INTO koszty (IDPOJAZD, DATA, RODZWYD, NAZWATOWAR, "
                           "NRDOKUMENT, WARTNETTO, WARTVAT, WARTBRUTTO, CZYVAT, UWAGI, "
                           "DATAWYSTAW, RODZAJPLAT, IDKARTY, LICZNIK, IDKIEROWCY, ISFUEL, "
                           "FUEL, CK, IDDROGOWA) VALUES (%1, %2, :PARAM0, :PARAM1, :PARAM2, "
                           "%3, %4, %5, 'T', '', %2, 0, '', %6, :PARAM3, %7, %8, %9, %10)")
                .arg(1 + rng() % 500)
                .arg(d.year() * 10000 + d.month() * 100 + d.day())
                .arg(net / 100.0, 0, 'f', 2)
                .arg(vat / 100.0, 0, 'f', 2)
                .arg((net + vat) / 100.0, 0, 'f', 2)
                .arg(10000 + rng() % 200000)
                .arg(fuel ? QStringLiteral("'T'") : QStringLiteral("NULL"))
                .arg(fuel ? 20 + rng() % 40 : 0)
                .arg(1001 + rng() % 10)
                .arg(1 + rng() % 400),
            engine::positionalParams(
                {fuel ? QStringLiteral("Zakup paliwa") : QStringLiteral("Serwis"),
                 QStringLiteral("Towar %1").arg(rng() % 300), QStringLiteral("FV %1/2024").arg(i),
                 QStringLiteral("P%1").arg(rng() % 200)}));
    }
    c.commit();
}

// The vehicle sub-registers at `rows` records each, over four years of the
// 500 vehicles: repairs and damages with a driver, tyres with a kind and a
// size from the dictionary (a fifth of them in store, unassigned), and the
// warehouse's resources.
void fillSubregisters(const QString& company, int rows) {
    engine::EngineSession s;
    s.addPassword(kBenchPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("naprawy"), QStringLiteral("szkody"), QStringLiteral("opony"),
                  QStringLiteral("magazyn"), QStringLiteral("slowniki")});
    for (int i = 1; i <= 8; ++i)
        c.execute(QStringLiteral("INSERT INTO slowniki (KOD, IDSLOWNIK, OPIS) VALUES (%1, '%2', "
                                 ":PARAM0)")
                      .arg(2000 + i)
                      .arg(i <= 4 ? QStringLiteral("RODOP") : QStringLiteral("ROZOP")),
                  engine::positionalParams({QStringLiteral("Opona %1").arg(i)}));
    std::mt19937 rng(29);
    const QDate first(2022, 1, 1);
    auto date = [&] {
        const QDate d = first.addDays(static_cast<int>(rng() % 1461));
        return d.year() * 10000 + d.month() * 100 + d.day();
    };
    for (int i = 0; i < rows; ++i) {
        const QStringList texts{QStringLiteral("Naprawa %1").arg(rng() % 400),
                                QStringLiteral("uwagi %1").arg(i),
                                QStringLiteral("P%1").arg(rng() % 200)};
        c.execute(QStringLiteral("INSERT INTO naprawy (IDPOJAZD, DATA, OPIS, WARTNETTO, WARTVAT, "
                                 "WARTBRUTTO, UWAGI, IDKIEROWCY, LICZNIK, LICZTERM, DONE) VALUES "
                                 "(%1, %2, :PARAM0, 100, 23, 123, :PARAM1, :PARAM2, %3, 0, '%4')")
                      .arg(1 + rng() % 500)
                      .arg(i % 50 == 0 ? 0 : date())
                      .arg(rng() % 300000)
                      .arg(i % 3 == 0 ? QString() : QStringLiteral("T")),
                  engine::positionalParams(texts));
        c.execute(QStringLiteral("INSERT INTO szkody (IDPOJAZD, DATA, OPIS, WARTNETTO, WARTVAT, "
                                 "WARTBRUTTO, UWAGI, IDKIEROWCY, LICZNIK) VALUES (%1, %2, "
                                 ":PARAM0, 100, 23, 123, :PARAM1, :PARAM2, %3)")
                      .arg(1 + rng() % 500)
                      .arg(date())
                      .arg(rng() % 300000),
                  engine::positionalParams(texts));
        const bool stored = i % 5 == 0;
        c.execute(QStringLiteral("INSERT INTO opony (NREWID, ILOSC, MARKA, RODZAJ, ROZMIAR, "
                                 "BIEZNIK, CECHY, PRZEBMAX, IDPOJAZDU, DATAZAKUPU, NETTO, VAT, "
                                 "BRUTTO, NRDOKUMENTU, DATAWYMIANY, MAGAZYN, INNE, LICZTERM) "
                                 "VALUES (:PARAM0, 4, :PARAM1, %1, %2, '', '', 60000, %3, %4, "
                                 "400, 92, 492, '', 0, '%5', '', 0)")
                      .arg(2001 + rng() % 4)
                      .arg(2005 + rng() % 4)
                      .arg(stored ? 0 : 1 + rng() % 500)
                      .arg(date())
                      .arg(stored ? QStringLiteral("T") : QStringLiteral("N")),
                  engine::positionalParams({QStringLiteral("OP-%1").arg(i),
                                            QStringLiteral("Marka %1").arg(rng() % 30)}));
        c.execute(QStringLiteral("INSERT INTO magazyn (CZESC, ILOSC, PRZYPOMNIJ, UWAGI) VALUES "
                                 "(:PARAM0, %1, %2, :PARAM1)")
                      .arg(rng() % 100)
                      .arg(rng() % 10),
                  engine::positionalParams({QStringLiteral("Część %1").arg(rng() % 5000),
                                            QStringLiteral("uwagi %1").arg(i)}));
    }
    c.commit();
}

struct Figures {
    double framework;
    double bare;
    size_t rows;
    size_t bytes;
};

// `extra` runs after every refresh through the framework (summing what the
// register shows, say) and counts in its time.
Figures measure(DataModule& db, RegisterId id, int repetitions,
                const std::function<void(RegisterController&)>& extra = {}) {
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
        if (extra)
            extra(reg);
        framework.push_back(t.nsecsElapsed() / 1e6);
        bytes = heapInUse() - before;
    }
    return {median(framework), median(bare), static_cast<size_t>(model.rowCount()), bytes};
}

template <class F> double timeMedian(int repetitions, F work) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(times);
}

// "do CSV" of the refreshed register to the file in both encodings, and one
// search that walks every row without a match; the rate and amount columns
// are the register's own, worked out per row.
void measureSheet(DataModule& db, const QString& folder, int repetitions) {
    RegisterController reg(db, RegisterId::Trips);
    std::vector<double> cp, utf, search;
    qint64 bytes = 0;
    for (int i = 0; i < repetitions; ++i) {
        reg.refresh();
        for (const CsvEncoding e : {CsvEncoding::Windows1250, CsvEncoding::Utf8WithBom}) {
            const QString file = QDir(folder).filePath(QStringLiteral("przejazdy.csv"));
            QElapsedTimer t;
            t.start();
            const auto model = registerModel(reg);
            const CsvOutcome out = exportRegister(*model, file, e);
            (e == CsvEncoding::Windows1250 ? cp : utf).push_back(t.nsecsElapsed() / 1e6);
            if (!out.written)
                std::printf("export failed\n");
            bytes = QFileInfo(file).size();
        }
        const auto model = registerModel(reg);
        QElapsedTimer t;
        t.start();
        const int found = findNext(*model, reg.descriptor().searchColumns,
                                   QStringLiteral("nie ma takiego tekstu"), 0, true);
        search.push_back(t.nsecsElapsed() / 1e6);
        if (found != -1)
            std::printf("search found a row\n");
    }
    std::printf("export %d trips: Windows-1250 %7.1f ms  UTF-8 %7.1f ms  (%.1f MiB)\n",
                reg.rowCount(), median(cp), median(utf), bytes / 1048576.0);
    std::printf("find-next over %d trips without a match: %7.1f ms\n", reg.rowCount(),
                median(search));
}

void report(const char* name, const Figures& f) {
    std::printf("%-34s rows %6zu  framework %8.1f ms  bare %8.1f ms  ratio %.2f  held %.1f MiB\n",
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

    const QString subLocation = makeLocation(scratch.path(), QStringLiteral("subregisters"));
    fillVehicles(QDir(subLocation).filePath(QStringLiteral("firma")), 500, 200);
    fillSubregisters(QDir(subLocation).filePath(QStringLiteral("firma")), 20000);
    {
        // Each sub-register at 20,000 records with its joined tables: all of
        // them, then one year of one vehicle (the warehouse has neither).
        DataModule db;
        db.setLocation(subLocation);
        db.openCompanyDatabase(QStringLiteral("firma"));
        const struct {
            RegisterId id;
            const char* name;
        } subregisters[] = {{RegisterId::Repairs, "repairs"},
                            {RegisterId::Damages, "damages"},
                            {RegisterId::Tyres, "tyres"},
                            {RegisterId::Warehouse, "warehouse"}};
        RegisterFilters filters(db);
        for (const auto& r : subregisters) {
            filters.selectVehicle(QString());
            filters.selectMonthYear(0, 0);
            report(qPrintable(QStringLiteral("%1, 20,000").arg(QLatin1String(r.name))),
                   measure(db, r.id, repetitions));
            if (r.id == RegisterId::Warehouse)
                continue;
            filters.selectMonthYear(0, 2024);
            filters.selectVehicle(QStringLiteral("WE 00250"));
            report(
                qPrintable(QStringLiteral("  %1 of 2024, one vehicle").arg(QLatin1String(r.name))),
                measure(db, r.id, repetitions));
        }
    }
    // "register_bench N sub": the sub-registers alone.
    if (argc > 2 && qstrcmp(argv[2], "sub") == 0)
        return 0;

    const QString vehiclesLocation = makeLocation(scratch.path(), QStringLiteral("vehicles"));
    fillVehicles(QDir(vehiclesLocation).filePath(QStringLiteral("firma")), 10000, 200);
    const QString tripsLocation = makeLocation(scratch.path(), QStringLiteral("trips"));
    fillVehicles(QDir(tripsLocation).filePath(QStringLiteral("firma")), 500, 200);
    fillTrips(QDir(tripsLocation).filePath(QStringLiteral("firma")), 100000);
    fillRates(QDir(tripsLocation).filePath(QStringLiteral("firma")));
    fillReadings(QDir(tripsLocation).filePath(QStringLiteral("firma")), 500, 200000);
    fillCosts(QDir(tripsLocation).filePath(QStringLiteral("firma")), 100000);

    {
        DataModule db;
        db.setLocation(vehiclesLocation);
        db.openCompanyDatabase(QStringLiteral("firma"));
        report("vehicles, 10,000", measure(db, RegisterId::Vehicles, repetitions));
    }
    {
        Clock::setFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));
        DataModule db;
        db.setLocation(tripsLocation);
        db.openCompanyDatabase(QStringLiteral("firma")); // the period is the year 2024
        // The register's own statement, the rates read again before every
        // refresh, and every row's allowance worked out and summed.
        Decimal total;
        const auto sum = [&total](RegisterController& reg) {
            total = tripAllowanceTotal(rateTable(reg.database()), *reg.rows());
        };
        report("trips of 2024 (of 100,000)", measure(db, RegisterId::Trips, repetitions, sum));
        {
            RegisterController reg(db, RegisterId::Trips);
            reg.refresh();
            const double summing = timeMedian(repetitions, [&] { sum(reg); });
            std::printf("%-34s %s PLN  %8.1f ms of the above\n", "  allowance of the rows",
                        qPrintable(total.toString(2)), summing);
        }
        registerState(db, RegisterId::Trips).periodFragment.clear();
        report("all trips, 100,000", measure(db, RegisterId::Trips, std::min(repetitions, 3), sum));
        measureSheet(db, scratch.path(), std::min(repetitions, 5));

        // The costs of 2024 with their vehicle, driver, cost centre and road
        // card joined, plain and with the three cost filters.
        report("costs of 2024 (of 100,000)", measure(db, RegisterId::Costs, repetitions));
        applyCostFilters(db, {true, true, 1003, true, 17});
        report("  fuel, one centre, one road card", measure(db, RegisterId::Costs, repetitions));
        applyCostFilters(db, {true, false, 0, false, 0});
        report("  fuel only", measure(db, RegisterId::Costs, repetitions));
        applyCostFilters(db, {});

        QHash<int, Decimal> mileages;
        const double current = timeMedian(repetitions, [&] { mileages = currentMileages(db); });
        std::printf("%-34s vehicles %4lld  %8.1f ms\n", "current mileage, 200,000 readings",
                    static_cast<long long>(mileages.size()), current);
        std::optional<Decimal> one;
        const double single = timeMedian(repetitions, [&] { one = currentMileage(db, 250); });
        std::printf("%-34s %8.2f ms\n", "  one vehicle", single);
        // A reading typed for a vehicle with 400 readings in the history.
        ReadingCheck check;
        check.vehicleId = 250;
        check.typed = {
            {QStringLiteral("Stan licznika"), {20230315, one.value_or(Decimal()), QString()}}};
        int findings = 0;
        const double sanity = timeMedian(repetitions, [&] {
            findings = static_cast<int>(checkTypedReadings(db, check).size());
        });
        std::printf("%-34s findings %d  %8.2f ms\n", "sanity check of one reading", findings,
                    sanity);
    }
    return 0;
}
