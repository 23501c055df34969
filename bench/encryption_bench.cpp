// What encryption costs a register refresh. One company is built once and
// copied as plain (unencrypted) table files; both copies are opened through
// the same engine and framework code, and every register statement runs on
// both, interleaved, at 10,000, 25,000 and 100,000 rows. Per statement and
// copy the time is split into
//   step     preparing, executing and stepping the statement, cells untouched
//   convert  turning the cells into the result's values (query - step)
//   model    the register's own work and the grid model (refresh - query)
// and the difference of the two copies' steps is the decryption of pages.
// Then, on the encrypted copy: the time from the refresh call to the first
// 50 rows in the grid model and to the complete model for 100,000 rows, and
// the memory the register holds.
//
//   build-rel/bin/encryption_bench [repetitions]

#include "BenchCompany.h"
#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/KeyDerivation.h"
#include "support/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <malloc.h>
#include <sqlite3.h>

using namespace kv;
using namespace kv::bench;

namespace {

// Writes a plain copy of an encrypted table file with SQLCipher's own export.
bool exportPlain(const QString& from, const QString& to) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(from).constData(), &db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    const QByteArray key = engine::rawKeyForPassword(kBenchPassword).toLatin1();
    const QByteArray sql = "PRAGMA key = \"" + key + "\"; PRAGMA cipher_page_size = 4096; " +
                           "ATTACH DATABASE '" + QFile::encodeName(to) +
                           "' AS plain KEY ''; SELECT sqlcipher_export('plain'); " +
                           "DETACH DATABASE plain;";
    char* error = nullptr;
    const bool ok = sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) == SQLITE_OK;
    if (!ok)
        std::printf("export of %s failed: %s\n", qPrintable(from), error);
    sqlite3_free(error);
    sqlite3_close(db);
    return ok;
}

// The location with its company, every table file written plain.
QString plainCopy(const QString& location, const QString& target) {
    for (const QString& sub : {QString(), QStringLiteral("firma")}) {
        const QDir in(QDir(location).filePath(sub));
        const QDir out(QDir(target).filePath(sub));
        QDir().mkpath(out.path());
        for (const QString& name : in.entryList({QStringLiteral("*.DB")}, QDir::Files))
            exportPlain(in.filePath(name), out.filePath(name));
    }
    return target;
}

struct Copy {
    const char* label;
    QString location;
    bool encrypted;
    std::unique_ptr<DataModule> db;
};

// The engine tries the session's passwords on every file it attaches; the
// plain copy is attached with none.
void useCopy(const Copy& copy) {
    engine::EngineSession& s = engine::EngineSession::defaultSession();
    s.removeAllPasswords();
    if (copy.encrypted)
        s.addPassword(kBenchPassword);
}

struct Case {
    const char* name;
    RegisterId id;
    QString period;          // the period fragment; empty for all rows
    QString sortColumn;      // empty for the register's default
    bool afterWrite = false; // a trip is saved before every run: no page is cached
};

struct Split {
    std::vector<double> step, query, refresh;
    int rows = 0;
};

void runOnce(Copy& copy, const Case& c, Split& out) {
    useCopy(copy);
    DataModule& db = *copy.db;
    RegisterViewState& state = registerState(db, c.id);
    state.periodFragment = c.period;
    if (!c.sortColumn.isEmpty())
        state.sortColumn = c.sortColumn;
    RegisterController reg(db, c.id);
    reg.writeStatementLines();
    const QString sql = reg.query().text();
    const engine::Params params = reg.params();
    engine::Connection& conn = db.companyConnection();
    // Saving a row changes the file, and SQLite drops the cached pages of a
    // changed file: the refresh after an edit decrypts every page it reads.
    const auto touch = [&] {
        if (c.afterWrite)
            db.exec(QStringLiteral("UPDATE przejazdy.DB SET ODLEGLOSC = ODLEGLOSC + 0 WHERE "
                                   "IDPRZEJAZD = 1"));
    };
    touch();
    QElapsedTimer t;
    t.start();
    int stepped = 0;
    conn.forEachRow(sql, params, [&stepped](sqlite3_stmt*) { ++stepped; });
    out.step.push_back(t.nsecsElapsed() / 1e6);
    touch();
    t.restart();
    const ResultSet r = conn.query(sql, params);
    out.query.push_back(t.nsecsElapsed() / 1e6);

    RegisterTableModel model(reg.descriptor());
    model.setCellFormatter(reg.computedCells());
    reg.query().close();
    touch();
    t.restart();
    reg.refresh();
    model.setRows(reg.rows());
    // What a grid paints first: every cell of the first 50 rows.
    for (int row = 0; row < std::min(50, model.rowCount()); ++row)
        for (int col = 0; col < model.columnCount(); ++col)
            model.cellText(row, col);
    out.refresh.push_back(t.nsecsElapsed() / 1e6);
    out.rows = model.rowCount();
    if (stepped != r.rowCount() || r.rowCount() != model.rowCount())
        std::printf("%s: row counts differ (%d, %d, %d)\n", c.name, stepped, r.rowCount(),
                    model.rowCount());
}

void printRow(const char* name, const char* copy, const Split& s) {
    const double step = median(s.step);
    const double query = median(s.query);
    const double refresh = median(s.refresh);
    std::printf("%-28s %-9s rows %6d  step %7.1f  convert %6.1f  model %6.1f  total %7.1f ms\n",
                name, copy, s.rows, step, query - step, refresh - query, refresh);
}

// The memory a register's rows hold once refreshed (the result and model).
double heldMiB(DataModule& db, RegisterId id) {
    RegisterController reg(db, id);
    reg.query().close();
    const size_t before = heapInUse();
    reg.refresh();
    RegisterTableModel model(reg.descriptor());
    model.setRows(reg.rows());
    return (heapInUse() - before) / 1048576.0;
}

// From the refresh call to the first 50 rows in a grid model that follows
// the register, and to the complete model; the same register refreshed whole
// for comparison.
void measureFirstRows(DataModule& db, const char* label, int repetitions) {
    RegisterController reg(db, RegisterId::Trips);
    RegisterTableModel model(reg.descriptor());
    model.setCellFormatter(reg.computedCells());
    model.followQuery(reg.query());
    std::vector<double> first, complete, whole;
    int rows = 0;
    for (int i = 0; i <= repetitions; ++i) {
        reg.query().close();
        model.setRows(nullptr);
        QElapsedTimer t;
        t.start();
        reg.startRefresh();
        double firstRows = -1;
        if (model.rowCount() >= 50) {
            for (int row = 0; row < 50; ++row)
                for (int col = 0; col < model.columnCount(); ++col)
                    model.cellText(row, col);
            firstRows = t.nsecsElapsed() / 1e6;
        }
        while (reg.isReading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double all = t.nsecsElapsed() / 1e6;
        rows = model.rowCount();
        reg.query().close();
        model.setRows(nullptr);
        t.restart();
        reg.refresh();
        const double atOnce = t.nsecsElapsed() / 1e6;
        if (i == 0)
            continue; // warming
        first.push_back(firstRows);
        complete.push_back(all);
        whole.push_back(atOnce);
    }
    std::printf("%s, %d rows: first 50 rows in the model %7.1f ms, complete model %7.1f ms; "
                "refresh waiting for every row %7.1f ms\n",
                label, rows, median(first), median(complete), median(whole));
}

} // namespace

int main(int argc, char** argv) {
    // One malloc arena for every thread: the rows are made on the reading
    // thread, and the heap figures count the main arena only.
    mallopt(M_ARENA_MAX, 1);
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir scratch;
    qputenv("KARVENTO_SETTINGS_DIR",
            QDir(scratch.path()).filePath(QStringLiteral("settings")).toUtf8());
    Clock::setFixed(QDateTime(QDate(2024, 6, 1), QTime(12, 0)));

    std::printf("building the company (10,000 vehicles, 100,000 trips)...\n");
    std::fflush(stdout);
    const QString location = makeLocation(scratch.path(), QStringLiteral("encrypted"));
    const QString company = QDir(location).filePath(QStringLiteral("firma"));
    fillVehicles(company, 10000, 200);
    fillTrips(company, 100000);
    fillRates(company);
    const QString plain =
        plainCopy(location, QDir(scratch.path()).filePath(QStringLiteral("plain")));

    Copy copies[] = {{"plain", plain, false, std::make_unique<DataModule>()},
                     {"encrypted", location, true, std::make_unique<DataModule>()}};
    for (Copy& copy : copies) {
        useCopy(copy);
        copy.db->setLocation(copy.location);
        if (!copy.db->openCompanyDatabase(QStringLiteral("firma"))) {
            std::printf("the %s copy does not open\n", copy.label);
            return 1;
        }
    }

    const QString byRoute = QStringLiteral("TRASA");
    const Case cases[] = {
        {"trips, 10,000",
         RegisterId::Trips,
         QStringLiteral("AND DATA >= 20220101 AND DATA <= 20220526"),
         {}},
        {"trips of 2024, 25,000",
         RegisterId::Trips,
         QStringLiteral("AND DATA > 20240000 AND DATA < 20241300"),
         {}},
        {"trips, 100,000", RegisterId::Trips, {}, {}},
        {"trips of 2024 after a save",
         RegisterId::Trips,
         QStringLiteral("AND DATA > 20240000 AND DATA < 20241300"),
         {},
         true},
        {"trips, 100,000 after a save", RegisterId::Trips, {}, {}, true},
        {"trips by route, 100,000", RegisterId::Trips, {}, byRoute},
        {"vehicles, 10,000", RegisterId::Vehicles, {}, {}},
    };
    for (const Case& c : cases) {
        Split split[2];
        // A first round for each copy warms both alike.
        for (int i = 0; i <= repetitions; ++i)
            for (int k = 0; k < 2; ++k) {
                Split& s = split[k];
                runOnce(copies[k], c, s);
                if (i == 0)
                    s = Split{};
            }
        for (int k = 0; k < 2; ++k)
            printRow(c.name, copies[k].label, split[k]);
        const double decrypt = median(split[1].step) - median(split[0].step);
        std::printf("%-28s decrypting %6.1f ms  encrypted / plain %.2f\n", "", decrypt,
                    median(split[1].refresh) / median(split[0].refresh));
        std::fflush(stdout);
    }

    Copy& encrypted = copies[1];
    useCopy(encrypted);
    registerState(*encrypted.db, RegisterId::Trips).periodFragment.clear();
    RegisterViewState& trips = registerState(*encrypted.db, RegisterId::Trips);
    trips.sortColumn = QStringLiteral("DATA");
    measureFirstRows(*encrypted.db, "trips by date", repetitions);
    trips.sortColumn = byRoute;
    measureFirstRows(*encrypted.db, "trips by route", repetitions);
    trips.sortColumn = QStringLiteral("DATA");
    std::printf("held by the 100,000 trips: %.1f MiB; SQLite's heap (the page caches of both "
                "copies' connections) %.1f MiB\n",
                heldMiB(*encrypted.db, RegisterId::Trips), sqlite3_memory_used() / 1048576.0);

    // A program that opens the company and shows the 100,000 trips: what it
    // holds then, and how much of it is SQLite's (the page caches).
    {
        const size_t heap = heapInUse();
        const qint64 sqlite = sqlite3_memory_used();
        DataModule fresh;
        fresh.setLocation(location);
        fresh.openCompanyDatabase(QStringLiteral("firma"));
        registerState(fresh, RegisterId::Trips).periodFragment.clear();
        RegisterController reg(fresh, RegisterId::Trips);
        RegisterTableModel model(reg.descriptor());
        model.followQuery(reg.query());
        reg.refresh();
        std::printf("a program showing the %d trips holds %.1f MiB more, SQLite's page caches "
                    "%.1f MiB of it\n",
                    model.rowCount(), (heapInUse() - heap) / 1048576.0,
                    (sqlite3_memory_used() - sqlite) / 1048576.0);
    }
    return 0;
}
