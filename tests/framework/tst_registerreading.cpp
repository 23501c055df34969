#include "TestSupport.h"

#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace kv;

namespace {

constexpr int kTrips = 100000;
const QString kYear2024 = QStringLiteral("AND DATA > 20240000 AND DATA < 20241300");

// 100,000 trips of 40 vehicles and 30 drivers over four years, in one
// statement; routes repeat so that the sort by route has ties to break.
void fillTrips(const QString& company) {
    engine::EngineSession session;
    session.addPassword(schema::kTemplatePassword);
    engine::Connection c(&session);
    c.open(company, false);
    c.beginWrite(
        {QStringLiteral("przejazdy"), QStringLiteral("pojazdy"), QStringLiteral("osobowa")});
    c.execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 40) "
        "INSERT INTO pojazdy.DB (NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) "
        "SELECT 'WE ' || (1000 + i), 'Skoda ' || (i % 7), 1, 1400, 0 FROM n"));
    c.execute(QStringLiteral(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 30) "
        "INSERT INTO osobowa.DB (NREW, NAZWISKO, IMIE) SELECT 'P' || i, 'Nowak ' || i, 'Jan' "
        "FROM n"));
    c.execute(QStringLiteral(
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                  "INSERT INTO przejazdy.DB (DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, "
                  "IDKIEROWCY, PRYW) SELECT 20220000 + 10000 * (i % 4) + 100 * (1 + i % 12) + "
                  "1 + i % 28, 1 + i % 40, 'Wyjazd ' || (i % 13), 'Trasa ' || (i % 501), "
                  "5 + i % 300, 'P' || (1 + i % 30), 'N' FROM n")
                  .arg(kTrips));
    c.commit();
}

// The rows as the whole statement gives them when read at once.
ResultSet readAtOnce(DataModule& db, RegisterController& reg) {
    reg.writeStatementLines();
    return db.companyConnection().query(reg.query().text(), reg.params());
}

// Every cell of the two results, row for row; the first difference fails.
void compareRows(const ResultSet& got, const ResultSet& expected) {
    QCOMPARE(got.columns(), expected.columns());
    QCOMPARE(got.rowCount(), expected.rowCount());
    for (int row = 0; row < got.rowCount(); ++row)
        for (int col = 0; col < got.columnCount(); ++col)
            if (got.value(row, col) != expected.value(row, col)) {
                QCOMPARE(got.value(row, col), expected.value(row, col));
                QFAIL(qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(col)));
            }
}

int runHelper(const QStringList& arguments) {
    QProcess helper;
    helper.start(test::helperProgram(QStringLiteral("kv-engine-helper")), arguments);
    if (!helper.waitForFinished(60000))
        return -1;
    return helper.exitCode();
}

} // namespace

class TestRegisterReading : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    QString company;

    void showAllTrips() { registerState(*db, RegisterId::Trips).periodFragment.clear(); }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        const QString location = env.newDirectory(QStringLiteral("reading"));
        company = QDir(location).filePath(QStringLiteral("firma"));
        test::makeTemplateCompany(company);
        QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                    QDir(location).filePath(QStringLiteral("firmy.DB")));
        fillTrips(company);
        db = test::openCompanyIn(location, QStringLiteral("firma"));
        QVERIFY(db);
    }

    void init() {
        showAllTrips();
        registerState(*db, RegisterId::Trips).sortColumn = QStringLiteral("DATA");
        registerState(*db, RegisterId::Trips).ascending = true;
    }

    // The first rows are in the model while the rest is still to come, and
    // the model ends equal, row for row, to the result read at once.
    void firstRowsComeBeforeTheRest() {
        RegisterController reg(*db, RegisterId::Trips);
        RegisterTableModel model(reg.descriptor());
        model.followQuery(reg.query());
        QList<int> counts;
        connect(&model, &QAbstractItemModel::rowsInserted, this,
                [&] { counts.append(model.rowCount()); });

        QVERIFY(reg.startRefresh());
        const int first = model.rowCount();
        QVERIFY2(first >= 50, qPrintable(QString::number(first)));
        QVERIFY(first < kTrips);
        QVERIFY(reg.isReading());
        QCOMPARE(reg.rowCount(), first);
        QCOMPARE(reg.currentRow(), 0);
        // The grid paints what it has.
        const int dateColumn = model.columnOfField(QStringLiteral("DATA"));
        QVERIFY(!model.cellText(first - 1, dateColumn).isEmpty());
        QVERIFY(model.cellText(first, dateColumn).isEmpty());

        QTRY_VERIFY_WITH_TIMEOUT(!reg.isReading(), 120000);
        QCOMPARE(model.rowCount(), kTrips);
        QCOMPARE(reg.rowCount(), kTrips);
        QVERIFY(std::is_sorted(counts.begin(), counts.end()));
        QCOMPARE(counts.last(), kTrips);

        const ResultSet whole = readAtOnce(*db, reg);
        compareRows(*reg.rows(), whole);
        // The shown texts too, computed columns included, on rows spread over
        // the result.
        RegisterTableModel atOnce(reg.descriptor());
        atOnce.setCellFormatter(reg.computedCells());
        model.setCellFormatter(reg.computedCells());
        atOnce.setRows(std::make_shared<const ResultSet>(whole));
        for (int row = 0; row < kTrips; row += 997)
            for (int col = 0; col < model.columnCount(); ++col)
                QCOMPARE(model.cellText(row, col), atOnce.cellText(row, col));
    }

    // A refresh started while another still reads replaces it: only the
    // second statement's rows end in the register and the model.
    void secondRefreshCancelsTheFirst() {
        RegisterController reg(*db, RegisterId::Trips);
        RegisterTableModel model(reg.descriptor());
        model.followQuery(reg.query());
        reg.setCurrentRow(-1);
        QVERIFY(reg.startRefresh());
        QVERIFY(reg.isReading());

        registerState(*db, RegisterId::Trips).periodFragment = kYear2024;
        QVERIFY(reg.startRefresh());
        QTRY_VERIFY_WITH_TIMEOUT(!reg.isReading(), 120000);
        // Blocks of the first run still queued must not come in late.
        QTest::qWait(50);

        const ResultSet expected = readAtOnce(*db, reg);
        QCOMPARE(expected.rowCount(), kTrips / 4);
        compareRows(*reg.rows(), expected);
        QCOMPARE(model.rowCount(), expected.rowCount());
        const int date = reg.rows()->columnIndex(QStringLiteral("DATA"));
        for (int row = 0; row < model.rowCount(); row += 101)
            QVERIFY(reg.rows()->value(row, date).toLongLong() / 10000 == 2024);
    }

    // A refresh keeps the cursor on the row the user was on, even when that
    // row comes after the first screen; waiting for every row keeps it too.
    void cursorStaysWhereItWas() {
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        reg.setCurrentRow(20000);
        QVERIFY(reg.startRefresh());
        QCOMPARE(reg.currentRow(), 20000);
        QVERIFY(reg.rowCount() > 20000);
        QVERIFY(reg.finishReading());
        QCOMPARE(reg.currentRow(), 20000);
        QCOMPARE(reg.rowCount(), kTrips);

        // Fewer rows than the cursor's: the last row.
        reg.setCurrentRow(90000);
        registerState(*db, RegisterId::Trips).periodFragment = kYear2024;
        QVERIFY(reg.refresh());
        QCOMPARE(reg.currentRow(), kTrips / 4 - 1);
    }

    // What needs the whole result waits for it: locating a record far down
    // finds it while the rows are still being read.
    void locatingWaitsForTheRows() {
        RegisterController reg(*db, RegisterId::Trips);
        const ResultSet whole = readAtOnce(*db, reg);
        const QVariant last =
            whole.value(whole.rowCount() - 1, whole.columnIndex(QStringLiteral("IDPRZEJAZD")));
        reg.setCurrentRow(-1);
        QVERIFY(reg.startRefresh());
        QVERIFY(reg.isReading());
        QVERIFY(reg.locate({last}));
        QVERIFY(!reg.isReading());
        QCOMPARE(reg.currentRow(), kTrips - 1);
    }

    // Once the register has its rows and the program does nothing, another
    // program writes the register's table without waiting for a lock.
    void idleRegisterHoldsNoLock() {
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.startRefresh());
        QTRY_VERIFY_WITH_TIMEOUT(!reg.isReading(), 120000);
        QCOMPARE(reg.rowCount(), kTrips);
        const QStringList write{QStringLiteral("trywrite"), company, schema::kTemplatePassword};
        QCOMPARE(runHelper(write), 0);

        // The same helper is refused while a reader keeps its transaction open,
        // so the answer above means something.
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection reader(&session);
        reader.open(company, false);
        reader.attachTable(QStringLiteral("przejazdy"));
        reader.execute(QStringLiteral("BEGIN"));
        reader.query(QStringLiteral("SELECT COUNT(*) FROM przejazdy.DB"));
        QCOMPARE(runHelper(write), 3);
        reader.execute(QStringLiteral("COMMIT"));
        QCOMPARE(runHelper(write), 0);

        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), kTrips + 2);
        db->exec(QStringLiteral("DELETE FROM przejazdy.DB WHERE CELWYJAZDU = 'helper'"));
    }

    // A company closed while a register reads: the reading stops and no row
    // arrives afterwards.
    void closingStopsTheReading() {
        RegisterController reg(*db, RegisterId::Trips);
        RegisterTableModel model(reg.descriptor());
        model.followQuery(reg.query());
        reg.setCurrentRow(-1); // nothing to wait for beyond the first rows
        QVERIFY(reg.startRefresh());
        QVERIFY(reg.isReading());
        db->closeAllQueries();
        QVERIFY(!reg.isReading());
        const int shown = model.rowCount();
        QTest::qWait(100);
        QCOMPARE(reg.rowCount(), 0);
        QCOMPARE(model.rowCount(), shown);
    }
};

QTEST_GUILESS_MAIN(TestRegisterReading)
#include "tst_registerreading.moc"
