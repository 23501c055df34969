// Benchmarks of the storage engine.
//
//   build-bench/bin/engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
//
// The scratch data (a company of empty tables, a company with 100,000 trips) is
// made once per run in a temporary folder, and the settings directory points at
// another temporary folder, so a run touches nothing of a real installation.

#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/SettingsPaths.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/KeyDerivation.h"
#include "storage/engine/ResultSet.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <malloc.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

using namespace kv;
using namespace kv::engine;

namespace {

using Clock = std::chrono::steady_clock;

const QString kPassword = QStringLiteral("Flota-2024!");

std::unique_ptr<QTemporaryDir> g_scratch;

QString scratchDirectory(const QString& name) {
    const QString path = QDir(g_scratch->path()).filePath(name);
    QDir().mkpath(path);
    return path;
}

EngineSession& benchSession() {
    static EngineSession session = [] {
        EngineSession s(QStringLiteral("Bench"));
        s.addPassword(kPassword);
        return s;
    }();
    return session;
}

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// ---------------------------------------------------------------------------
// Scratch companies

// The 30 tables of a company, empty.
const QString& emptyCompany() {
    static const QString dir = [] {
        const QString d = scratchDirectory(QStringLiteral("pusta"));
        createCompanyTables(d, kPassword);
        return d;
    }();
    return dir;
}

constexpr int kVehicles = 500;
constexpr int kPersons = 200;
constexpr int kTrips = 100000;
const QDate kFirstDay(2022, 1, 1);
const QDate kLastDay(2025, 12, 31);

QString personId(int n) {
    return QStringLiteral("K%1").arg(n, 3, 10, QLatin1Char('0'));
}

void fillTrips(Connection& c) {
    std::mt19937 rng(20240101);
    auto pick = [&rng](int from, int to) {
        return std::uniform_int_distribution<int>(from, to)(rng);
    };

    const QStringList kinds = {QStringLiteral("Osobowy"), QStringLiteral("Ciężarowy do 3,5 t"),
                               QStringLiteral("Ciężarowy powyżej 3,5 t"),
                               QStringLiteral("Motocykl"), QStringLiteral("Autobus")};
    for (const QString& kind : kinds)
        c.execute(
            QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('RDPOJ', :PARAM0)"),
            positionalParams({kind}));

    const QStringList makes = {QStringLiteral("Škoda Octavia 2.0 TDI"),
                               QStringLiteral("Toyota Corolla"),
                               QStringLiteral("Volkswagen Passat"),
                               QStringLiteral("Ford Transit"),
                               QStringLiteral("Opel Astra"),
                               QStringLiteral("Renault Master"),
                               QStringLiteral("Fiat Ducato"),
                               QStringLiteral("Kia Ceed")};
    for (int v = 1; v <= kVehicles; ++v) {
        c.execute(QStringLiteral(
                      "INSERT INTO pojazdy.DB (NRREJ, MARKA, RODZAJ, POJEMNOSC, ROCZNIK, "
                      "IDKIEROWCY) VALUES (:PARAM0, :PARAM1, :PARAM2, :PARAM3, :PARAM4, :PARAM5)"),
                  {{QStringLiteral("PARAM0"), QStringLiteral("WX %1").arg(10000 + v * 37)},
                   {QStringLiteral("PARAM1"), makes.at(pick(0, int(makes.size()) - 1))},
                   {QStringLiteral("PARAM2"), pick(1, int(kinds.size()))},
                   {QStringLiteral("PARAM3"), pick(9, 30) * 100},
                   {QStringLiteral("PARAM4"), pick(2010, 2024)},
                   {QStringLiteral("PARAM5"), personId(pick(1, kPersons))}});
    }

    const QStringList surnames = {
        QStringLiteral("Nowak"),       QStringLiteral("Kowalski"),   QStringLiteral("Wiśniewski"),
        QStringLiteral("Wójcik"),      QStringLiteral("Kowalczyk"),  QStringLiteral("Kamiński"),
        QStringLiteral("Lewandowski"), QStringLiteral("Zieliński"),  QStringLiteral("Szymański"),
        QStringLiteral("Woźniak"),     QStringLiteral("Dąbrowski"),  QStringLiteral("Kozłowski"),
        QStringLiteral("Jankowski"),   QStringLiteral("Mazur"),      QStringLiteral("Kwiatkowski"),
        QStringLiteral("Krawczyk"),    QStringLiteral("Piotrowski"), QStringLiteral("Grabowski"),
        QStringLiteral("Nowakowski"),  QStringLiteral("Pawłowski")};
    const QStringList names = {QStringLiteral("Jan"),        QStringLiteral("Piotr"),
                               QStringLiteral("Łukasz"),     QStringLiteral("Anna"),
                               QStringLiteral("Małgorzata"), QStringLiteral("Krzysztof"),
                               QStringLiteral("Agnieszka"),  QStringLiteral("Tomasz"),
                               QStringLiteral("Paweł"),      QStringLiteral("Żaneta")};
    for (int p = 1; p <= kPersons; ++p) {
        c.execute(QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO, IMIE, MIASTO) "
                                 "VALUES (:PARAM0, :PARAM1, :PARAM2, :PARAM3)"),
                  positionalParams({personId(p), surnames.at((p - 1) % surnames.size()),
                                    names.at((p - 1) / surnames.size() % names.size()),
                                    QStringLiteral("Warszawa")}));
    }

    // 100,000 single-row statements through Connection::execute would spend
    // the set-up time translating the same text over and over; one prepared
    // statement on the connection's handle, inside the same write transaction,
    // stores exactly the same rows.
    const QStringList purposes = {QStringLiteral("Spotkanie z klientem"),
                                  QStringLiteral("Dostawa towaru"),
                                  QStringLiteral("Serwis pojazdu"),
                                  QStringLiteral("Szkolenie"),
                                  QStringLiteral("Odbiór dokumentów z urzędu"),
                                  QStringLiteral("Przegląd techniczny"),
                                  QStringLiteral("Zakupy materiałów biurowych"),
                                  QStringLiteral("Delegacja")};
    const QStringList places = {QStringLiteral("Warszawa"),  QStringLiteral("Łódź"),
                                QStringLiteral("Kraków"),    QStringLiteral("Poznań"),
                                QStringLiteral("Gdańsk"),    QStringLiteral("Wrocław"),
                                QStringLiteral("Białystok"), QStringLiteral("Radom"),
                                QStringLiteral("Płock"),     QStringLiteral("Siedlce")};
    sqlite3_stmt* stmt = nullptr;
    const char* insert =
        "INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, IDKIEROWCY, UWAGI, "
        "PRYW, PRYWLICZOD, PRYWLICZDO, PRYWKTO) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, "
        "?11)";
    if (sqlite3_prepare_v2(c.handle(), insert, -1, &stmt, nullptr) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(c.handle())));
    const qint64 days = kFirstDay.daysTo(kLastDay) + 1;
    auto bindText = [stmt](int index, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    };
    for (int i = 0; i < kTrips; ++i) {
        // Trips are entered roughly in the order they happen.
        const QDate day = kFirstDay.addDays(qint64(i) * days / kTrips);
        const int date = day.year() * 10000 + day.month() * 100 + day.day();
        const bool priv = pick(0, 9) == 0;
        const QString from = places.at(pick(0, int(places.size()) - 1));
        const QString to = places.at(pick(0, int(places.size()) - 1));
        sqlite3_bind_int64(stmt, 1, date);
        sqlite3_bind_int64(stmt, 2, pick(1, kVehicles));
        bindText(3, purposes.at(pick(0, int(purposes.size()) - 1)));
        bindText(4, from + QStringLiteral(" – ") + to + QStringLiteral(" – ") + from);
        sqlite3_bind_double(stmt, 5, pick(50, 9000) / 10.0);
        bindText(6, personId(pick(1, kPersons)));
        if (pick(0, 4) == 0)
            bindText(7, QStringLiteral("Opłata za autostradę zwrócona"));
        else
            sqlite3_bind_null(stmt, 7);
        bindText(8, priv ? QStringLiteral("T") : QStringLiteral("N"));
        if (priv) {
            const int start = pick(10000, 250000);
            sqlite3_bind_double(stmt, 9, start);
            sqlite3_bind_double(stmt, 10, start + pick(5, 300));
            bindText(11, surnames.at(pick(0, int(surnames.size()) - 1)));
        } else {
            sqlite3_bind_double(stmt, 9, 0);
            sqlite3_bind_double(stmt, 10, 0);
            sqlite3_bind_null(stmt, 11);
        }
        if (sqlite3_step(stmt) != SQLITE_DONE) {
            const QString message = QString::fromUtf8(sqlite3_errmsg(c.handle()));
            sqlite3_finalize(stmt);
            throw DatabaseError(message);
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
}

// A company with 500 vehicles, 200 persons and 100,000 trips over four years
// (2022-2025), so one year holds about 25,000 trips.
const QString& tripsCompany() {
    static const QString dir = [] {
        const QString d = scratchDirectory(QStringLiteral("przejazdy"));
        createCompanyTables(d, kPassword);
        Connection c(&benchSession());
        c.open(d);
        c.beginWrite({QStringLiteral("slowniki"), QStringLiteral("pojazdy"),
                      QStringLiteral("osobowa"), QStringLiteral("przejazdy")});
        try {
            fillTrips(c);
        } catch (...) {
            c.rollback();
            throw;
        }
        c.commit();
        return d;
    }();
    return dir;
}

// The trips register of one year: vehicle, its kind and the driver joined in.
const QString kRegisterSql = QStringLiteral(
    "SELECT P.IDPRZEJAZD, P.DATA, A.NRREJ, A.MARKA, C.OPIS, A.POJEMNOSC, P.ODLEGLOSC, P.TRASA, "
    "P.CELWYJAZDU, (B.NAZWISKO||' '||B.IMIE) AS NAZWISKO, P.PRYW, P.PRYWLICZOD, P.PRYWLICZDO, "
    "P.PRYWKTO FROM przejazdy.DB AS P "
    "LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = P.IDPOJAZD "
    "LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = P.IDKIEROWCY "
    "LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ "
    "WHERE 1 = 1 AND P.DATA > 20240000 AND P.DATA < 20241300 ORDER BY P.DATA ASC");

// A statement as SQLite sees it once the engine has translated it: the files
// are attached under their base names ("przejazdy.DB AS P" is "przejazdy AS P").
QByteArray bareSqlOf(const QString& engineSql) {
    QString sql = engineSql;
    sql.replace(QStringLiteral(".DB AS"), QStringLiteral(" AS"));
    return sql.toUtf8();
}

// ---------------------------------------------------------------------------
// The bare side of the comparison.
//
// A plain SQLCipher connection made with the sqlite3 C API alone: an in-memory
// main database opened with the same flags as the engine's, 4096-byte pages,
// the four table files attached once (ATTACH ... KEY with the same raw key text
// the engine uses). Each run prepares the statement, steps through every row
// and reads every column with sqlite3_column_*, turning each cell into the Qt
// value the engine would give (qint64, double, QString from
// sqlite3_column_text, invalid QVariant for NULL). What it does NOT do, and
// the engine does: translate the statement text, look up and attach the files
// it names, bind parameters, read the column names, and keep the values.
// BareConvert drops each value as soon as it is made: that is the side the
// engine's target ratio is measured against. BareKeep also keeps the values,
// in a std::vector<QVariant> grown row by row, the way a hand-written reader
// that returns its rows would.
class BareConnection {
public:
    BareConnection(const QString& directory, const QStringList& tables) {
        if (sqlite3_open_v2(":memory:", &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                            nullptr) != SQLITE_OK)
            fail();
        exec("PRAGMA cipher_default_page_size = 4096");
        const QByteArray key = rawKeyForPassword(kPassword).toLatin1();
        for (const QString& table : tables) {
            const QByteArray path =
                QDir(directory).filePath(table + QStringLiteral(".DB")).toUtf8();
            const QByteArray name = table.toUtf8();
            sqlite3_stmt* stmt = nullptr;
            if (sqlite3_prepare_v2(m_db, "ATTACH DATABASE ?1 AS ?2 KEY ?3", -1, &stmt, nullptr) !=
                SQLITE_OK)
                fail();
            sqlite3_bind_text(stmt, 1, path.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 2, name.constData(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(stmt, 3, key.constData(), -1, SQLITE_TRANSIENT);
            const int rc = sqlite3_step(stmt);
            sqlite3_finalize(stmt);
            if (rc != SQLITE_DONE)
                fail();
        }
    }
    ~BareConnection() { sqlite3_close_v2(m_db); }
    BareConnection(const BareConnection&) = delete;
    BareConnection& operator=(const BareConnection&) = delete;

    // Runs the statement and hands every cell, as a Qt value, to the sink.
    // Returns the number of rows.
    template <typename Sink> int run(const QByteArray& sql, Sink&& sink) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
            fail();
        const int columns = sqlite3_column_count(stmt);
        int rows = 0;
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c)
                sink(cell(stmt, c));
            ++rows;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_DONE)
            fail();
        return rows;
    }

private:
    static QVariant cell(sqlite3_stmt* stmt, int c) {
        switch (sqlite3_column_type(stmt, c)) {
        case SQLITE_INTEGER:
            return QVariant(static_cast<qint64>(sqlite3_column_int64(stmt, c)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt, c));
        case SQLITE_TEXT: {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            return QVariant(QString::fromUtf8(text, sqlite3_column_bytes(stmt, c)));
        }
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt, c));
            return QVariant(QByteArray(data, sqlite3_column_bytes(stmt, c)));
        }
        default:
            return {};
        }
    }
    void exec(const char* sql) {
        if (sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            fail();
    }
    [[noreturn]] void fail() const { throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(m_db))); }

    sqlite3* m_db = nullptr;
};

const QStringList kRegisterTables = {QStringLiteral("przejazdy"), QStringLiteral("pojazdy"),
                                     QStringLiteral("osobowa"), QStringLiteral("slowniki")};

// Whether the engine gives exactly the cells the bare connection reads (same
// types, same values), so that the comparison compares equal work.
bool sameCells(Connection& c, BareConnection& bare, const QString& sql) {
    const ResultSet r = c.query(sql);
    std::vector<QVariant> cells;
    const int rows =
        bare.run(bareSqlOf(sql), [&cells](QVariant&& v) { cells.push_back(std::move(v)); });
    if (rows != r.rowCount() || cells.size() != size_t(rows) * size_t(r.columnCount()))
        return false;
    size_t i = 0;
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < r.columnCount(); ++col, ++i) {
            const QVariant& v = r.value(row, col);
            if (v.typeId() != cells[i].typeId() || v != cells[i])
                return false;
        }
    }
    return true;
}

// Notes made unique, and numbers of which 2,600 repeat in threes.
const QString kMixedTextsSql =
    QStringLiteral("SELECT P.IDPRZEJAZD, P.UWAGI || ' ' || P.IDPRZEJAZD AS U, "
                   "'nr ' || ((P.IDPRZEJAZD / 3) % 2600) AS R, P.PRYWKTO FROM przejazdy.DB AS P "
                   "WHERE P.DATA > 20240000 AND P.DATA < 20241300 ORDER BY P.DATA ASC");

int bareConvert(BareConnection& bare, const QByteArray& sql) {
    return bare.run(sql, [](QVariant&& v) { benchmark::DoNotOptimize(v); });
}

int bareKeep(BareConnection& bare, const QByteArray& sql) {
    std::vector<QVariant> cells;
    const int rows = bare.run(sql, [&cells](QVariant&& v) { cells.push_back(std::move(v)); });
    benchmark::DoNotOptimize(cells.data());
    return rows;
}

// Heap in use (small blocks and mmap-ed large ones) and resident set, in bytes.
qint64 heapInUse() {
    const struct mallinfo2 m = mallinfo2();
    return qint64(m.uordblks + m.hblkhd);
}
qint64 residentBytes() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return qint64(resident) * sysconf(_SC_PAGESIZE);
}

// ---------------------------------------------------------------------------
// Benchmarks

// The one-time derivation of a new password's raw key (PBKDF2, 64,000 rounds).
void BM_KeyDerivation(benchmark::State& state) {
    // Google Benchmark calls this function several times: the counter must
    // outlive a call, or later calls would find their passwords cached.
    static int n = 0;
    for (auto _ : state) {
        const QString key = rawKeyForPassword(QStringLiteral("nowe-haslo-%1").arg(++n));
        benchmark::DoNotOptimize(key.constData());
    }
}
BENCHMARK(BM_KeyDerivation)->Unit(benchmark::kMillisecond);

// Attaching one table file with the already derived key: ATTACH ... KEY and the
// first read that proves the key. Only the attach is timed, not the detach
// that makes room for the next one.
void BM_AttachTable(benchmark::State& state) {
    Connection c(&benchSession());
    c.open(emptyCompany());
    const QString table = QStringLiteral("pojazdy");
    c.attachTable(table); // derives (or finds) the key before timing
    for (auto _ : state) {
        c.detachAll();
        const auto start = Clock::now();
        c.attachTable(table);
        state.SetIterationTime(seconds(Clock::now() - start));
    }
    if (c.attachedCount() != 1)
        state.SkipWithError("the table did not attach");
}
BENCHMARK(BM_AttachTable)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Opening a company on a fresh connection and running one statement on each of
// its 30 tables (the attach limit makes the connection detach 20 on the way),
// then closing it. Target: under 50 ms.
void BM_OpenCompanyAllTables(benchmark::State& state) {
    const QString dir = emptyCompany();
    QStringList statements;
    for (const schema::Table& t : schema::companyTables())
        statements.append(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.file));
    rawKeyForPassword(kPassword);
    for (auto _ : state) {
        Connection c(&benchSession());
        c.open(dir);
        for (const QString& sql : statements)
            benchmark::DoNotOptimize(c.query(sql).rowCount());
    }
    state.counters["tables"] = double(statements.size());
}
BENCHMARK(BM_OpenCompanyAllTables)->Unit(benchmark::kMillisecond);

// The trips register of 2024 (about 25,000 of 100,000 trips) through the
// engine: Connection::query builds a ResultSet of QVariants. The counters give
// the memory the ResultSet holds, measured once outside the timed loop.
void BM_TripsRegister_Engine(benchmark::State& state) {
    const QString dir = tripsCompany();
    Connection c(&benchSession());
    c.open(dir);
    int rows = c.query(kRegisterSql).rowCount(); // attaches the four files
    {
        malloc_trim(0); // give freed pages back, so the resident set shows the growth
        const qint64 heapBefore = heapInUse();
        const qint64 rssBefore = residentBytes();
        const ResultSet held = c.query(kRegisterSql);
        state.counters["heap_MiB"] = double(heapInUse() - heapBefore) / (1024.0 * 1024.0);
        state.counters["rss_MiB"] = double(residentBytes() - rssBefore) / (1024.0 * 1024.0);
        state.counters["cells"] = double(held.rowCount()) * held.columnCount();
    }
    for (auto _ : state) {
        const ResultSet r = c.query(kRegisterSql);
        rows = r.rowCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_TripsRegister_Engine)->Unit(benchmark::kMillisecond);

// The same statement on the bare connection (see BareConnection), each cell
// turned into a Qt value and dropped.
void BM_TripsRegister_BareConvert(benchmark::State& state) {
    BareConnection bare(tripsCompany(), kRegisterTables);
    const QByteArray sql = bareSqlOf(kRegisterSql);
    int rows = bareConvert(bare, sql);
    for (auto _ : state)
        rows = bareConvert(bare, sql);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_TripsRegister_BareConvert)->Unit(benchmark::kMillisecond);

// As above, and the cells kept in a vector until the run ends.
void BM_TripsRegister_BareKeep(benchmark::State& state) {
    BareConnection bare(tripsCompany(), kRegisterTables);
    const QByteArray sql = bareSqlOf(kRegisterSql);
    int rows = bareKeep(bare, sql);
    for (auto _ : state)
        rows = bareKeep(bare, sql);
    state.counters["rows"] = rows;
}
BENCHMARK(BM_TripsRegister_BareKeep)->Unit(benchmark::kMillisecond);

// Engine and bare runs interleaved in every iteration, so that load from other
// work on the machine falls on both alike, each timed by the CPU time of this
// thread (user and system), which other processes on a shared machine disturb
// far less than the wall clock. The reported time is the engine's; "ratio" is
// engine / bare-convert over the whole run, "ratio_keep" engine / bare-keep.
void compareWithBare(benchmark::State& state, const QString& engineSql) {
    const QString dir = tripsCompany();
    Connection c(&benchSession());
    c.open(dir);
    BareConnection bare(dir, kRegisterTables);
    const QByteArray sql = bareSqlOf(engineSql);
    if (!sameCells(c, bare, engineSql)) {
        state.SkipWithError("engine and bare connection give different cells");
        return;
    }
    double engine = 0, convert = 0, keep = 0;
    int rows = 0;
    for (auto _ : state) {
        const double t0 = threadCpuSeconds();
        rows = bareConvert(bare, sql);
        const double t1 = threadCpuSeconds();
        bareKeep(bare, sql);
        const double t2 = threadCpuSeconds();
        const int engineRows = c.query(engineSql).rowCount();
        const double t3 = threadCpuSeconds();
        if (rows != engineRows) {
            state.SkipWithError("engine and bare connection disagree on the rows");
            return;
        }
        convert += t1 - t0;
        keep += t2 - t1;
        engine += t3 - t2;
        state.SetIterationTime(t3 - t2);
    }
    if (convert > 0 && keep > 0) {
        state.counters["bare_ms"] = 1000.0 * convert / double(state.iterations());
        state.counters["bare_keep_ms"] = 1000.0 * keep / double(state.iterations());
        state.counters["ratio"] = engine / convert;
        state.counters["ratio_keep"] = engine / keep;
        state.counters["rows"] = rows;
    }
}

// The trips register of 2024. Target: ratio at most 1.1.
void BM_TripsRegister_Ratio(benchmark::State& state) {
    compareWithBare(state, kRegisterSql);
}
BENCHMARK(BM_TripsRegister_Ratio)->UseManualTime()->Unit(benchmark::kMillisecond);

// The least favourable result for the engine's sharing of repeated texts: one
// month of trips (about 2,000 rows) whose every text differs, so each text
// is looked up and remembered and never found again.
void BM_UniqueTexts_Ratio(benchmark::State& state) {
    compareWithBare(
        state,
        QStringLiteral(
            "SELECT P.IDPRZEJAZD, P.TRASA || ' ' || P.IDPRZEJAZD AS T, "
            "P.CELWYJAZDU || ' ' || P.IDPRZEJAZD AS C, P.IDKIEROWCY || ' ' || P.IDPRZEJAZD AS K, "
            "P.PRYW || P.IDPRZEJAZD AS W FROM przejazdy.DB AS P "
            "WHERE P.DATA > 20240300 AND P.DATA < 20240400 ORDER BY P.DATA ASC"));
}
BENCHMARK(BM_UniqueTexts_Ratio)->UseManualTime()->Unit(benchmark::kMicrosecond);

// One row by its key: what the engine adds to every statement (translating
// it, checking its table files, preparing it).
void BM_OneRow_Ratio(benchmark::State& state) {
    compareWithBare(
        state,
        QStringLiteral(
            "SELECT A.NRREJ, A.MARKA, A.POJEMNOSC FROM pojazdy.DB AS A WHERE A.IDPOJAZD = 137"));
}
BENCHMARK(BM_OneRow_Ratio)->UseManualTime()->Unit(benchmark::kMicrosecond);

// Every way the engine may store a text, compared cell by cell with the bare
// connection: texts that never repeat (notes made unique, past the point
// where the engine stops remembering them) and texts of which some thousands
// repeat in threes (past the point where it stops learning new ones).
void BM_MixedTexts_Ratio(benchmark::State& state) {
    compareWithBare(state, kMixedTextsSql);
}
BENCHMARK(BM_MixedTexts_Ratio)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Settings (error log, tmpFile) and scratch data go to temporary folders,
    // set before anything of the engine runs.
    QTemporaryDir settings;
    g_scratch = std::make_unique<QTemporaryDir>();
    if (!settings.isValid() || !g_scratch->isValid()) {
        std::fprintf(stderr, "engine_bench: cannot create temporary folders\n");
        return 1;
    }
    qputenv("KARVENTO_SETTINGS_DIR", settings.path().toUtf8());
    resetSettingsDirectory();
    QCoreApplication app(argc, argv);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    try {
        benchmark::RunSpecifiedBenchmarks();
    } catch (const DatabaseError& e) {
        std::fprintf(stderr, "engine_bench: %s\n", qPrintable(e.message()));
        return 1;
    }
    benchmark::Shutdown();
    g_scratch.reset();
    return 0;
}
