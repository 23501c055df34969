// Refreshing registers through the register framework: from the refresh call
// to a grid model ready to paint, against the same statement run bare on the
// engine (Connection::query), with the memory the shown rows hold. Then "do
// CSV" and "Szukaj" on the 100,000 trips: the sheet from the refreshed
// register to the written file in both encodings, and one search that walks
// every row without a match.
//
//   build/bin/register_bench [repetitions]
//
// It builds its data in a temporary folder: a company with 10,000 vehicles,
// and one with 500 vehicles, 200 persons and 100,000 trips over four years.

#include "framework/RegisterController.h"
#include "framework/RegisterExport.h"
#include "framework/RegisterHooks.h"
#include "framework/RegisterSearch.h"
#include "framework/RegisterSheet.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/SqlSnippets.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "support/Numbers.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstdio>
#include <malloc.h>
#include <random>

using namespace kv;

namespace {

const QString kPassword = QStringLiteral("Bench123");

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

size_t heapInUse() {
    malloc_trim(0);
    return mallinfo2().uordblks;
}

QString makeLocation(const QString& root, const QString& name) {
    const QString location = QDir(root).filePath(name);
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

void fillVehicles(const QString& company, int vehicles, int persons) {
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite(
        {QStringLiteral("pojazdy"), QStringLiteral("osobowa"), QStringLiteral("slowniki")});
    c.execute(QStringLiteral(
        "INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Samochód osobowy')"));
    for (int i = 0; i < persons; ++i)
        c.execute(
            QStringLiteral(
                "INSERT INTO osobowa (NREW, NAZWISKO, IMIE) VALUES (:PARAM0, :PARAM1, 'Jan')"),
            engine::positionalParams(
                {QStringLiteral("P%1").arg(i), QStringLiteral("Nowak %1").arg(i)}));
    for (int i = 0; i < vehicles; ++i)
        c.execute(
            QStringLiteral("INSERT INTO pojazdy (NRREJ, MARKA, RODZAJ, POJEMNOSC, IDKIEROWCY, "
                           "DATAOC, DATAAC, DATAPRZE, STATUS) VALUES (:PARAM0, :PARAM1, 1, 1400, "
                           ":PARAM2, 20250101, 20250101, 20250101, 0)"),
            engine::positionalParams({QStringLiteral("WE %1").arg(i, 5, 10, QLatin1Char('0')),
                                      QStringLiteral("Skoda Octavia %1").arg(i % 37),
                                      QStringLiteral("P%1").arg(i % std::max(1, persons))}));
    c.commit();
}

void fillTrips(const QString& company, int trips) {
    engine::EngineSession s;
    s.addPassword(kPassword);
    engine::Connection c(&s);
    c.open(company, false);
    c.beginWrite({QStringLiteral("przejazdy")});
    std::mt19937 rng(7);
    const QDate first(2022, 1, 1);
    for (int i = 0; i < trips; ++i) {
        const QDate d = first.addDays(static_cast<int>(rng() % 1461));
        const int date = d.year() * 10000 + d.month() * 100 + d.day();
        c.execute(QStringLiteral(
                      "INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, "
                      "IDKIEROWCY, PRYW, PRYWLICZOD, PRYWLICZDO) VALUES (%1, %2, :PARAM0, :PARAM1, "
                      "%3, :PARAM2, 'N', 0, 0)")
                      .arg(date)
                      .arg(1 + rng() % 500)
                      .arg(5 + rng() % 300),
                  engine::positionalParams({QStringLiteral("Wyjazd do klienta"),
                                            QStringLiteral("Łódź – Warszawa %1").arg(rng() % 50),
                                            QStringLiteral("P%1").arg(rng() % 200)}));
    }
    c.commit();
}

// A trips statement laid out on the register's lines (vehicle 8, period 9,
// extra 10, sort 12 and 13).
StatementTemplate tripLines() {
    StatementTemplate t(QStringList{
        QStringLiteral("SELECT P.IDPRZEJAZD AS IDPRZEJAZD, P.DATA AS DATA, A.NRREJ AS NRREJ, "
                       "A.MARKA AS MARKA, C.OPIS AS OPIS, A.POJEMNOSC AS POJEMNOSC,"),
        QStringLiteral("P.ODLEGLOSC AS ODLEGLOSC, P.TRASA AS TRASA, P.CELWYJAZDU AS CELWYJAZDU, "
                       "%1 AS NAZWISKO,")
            .arg(personDisplaySql(QStringLiteral("B"))),
        QStringLiteral("P.PRYW AS PRYW, P.PRYWLICZOD AS PRYWLICZOD, P.PRYWLICZDO AS PRYWLICZDO, "
                       "P.PRYWKTO AS PRYWKTO, 0 AS STAWKA, 0 AS KWOTA"),
        QStringLiteral("FROM przejazdy.DB AS P"),
        QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = P.IDPOJAZD"),
        QStringLiteral("LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = P.IDKIEROWCY"),
        QStringLiteral("LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ"),
        QStringLiteral("WHERE 1 = 1")});
    t.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    t << QStringLiteral("ORDER BY");
    t.slot(kSortSlot).slot(kDirectionSlot);
    return t;
}

struct Figures {
    double framework;
    double bare;
    size_t rows;
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
    return {median(framework), median(bare), static_cast<size_t>(model.rowCount()), bytes};
}

// Computed columns as costly as the trip register's: the rate in force on the
// trip's date for its capacity, and the amount, both formatted.
void installTripRateHook() {
    registerHooks(RegisterId::Trips).computedCell = [](DataModule&, const ResultSet& rows, int row,
                                                       const GridColumn& c) {
        static const std::vector<std::pair<int, std::array<double, 2>>> rates{
            {20070301, {0.5214, 0.8358}}, {20230117, {0.8900, 1.1500}}};
        const int date = rows.value(row, 1).toInt();
        const bool small = rows.value(row, 5).toInt() <= 900;
        auto it = std::upper_bound(rates.begin(), rates.end(), date,
                                   [](int d, const auto& r) { return d < r.first; });
        const double rate = it == rates.begin() ? 0.0 : std::prev(it)->second[small ? 0 : 1];
        if (c.field == u"STAWKA")
            return formatNumber(rate, 4);
        return formatNumber(rows.value(row, 6).toDouble() * rate, 2);
    };
}

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
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 7;
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    engine::EngineSession::defaultSession().addPassword(kPassword);

    const QString vehiclesLocation = makeLocation(scratch.path(), QStringLiteral("vehicles"));
    fillVehicles(QDir(vehiclesLocation).filePath(QStringLiteral("firma")), 10000, 200);
    const QString tripsLocation = makeLocation(scratch.path(), QStringLiteral("trips"));
    fillVehicles(QDir(tripsLocation).filePath(QStringLiteral("firma")), 500, 200);
    fillTrips(QDir(tripsLocation).filePath(QStringLiteral("firma")), 100000);

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
        db.addQuery(QStringLiteral("DBFPrzejazdy"), ConnectionKind::Company, tripLines());
        report("trips of 2024 (of 100,000)", measure(db, RegisterId::Trips, repetitions));
        registerState(db, RegisterId::Trips).periodFragment.clear();
        report("all trips, 100,000", measure(db, RegisterId::Trips, std::min(repetitions, 3)));
        installTripRateHook();
        measureSheet(db, scratch.path(), std::min(repetitions, 5));
    }
    return 0;
}
