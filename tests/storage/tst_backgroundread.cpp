#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/Query.h"
#include "storage/engine/Connection.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace kv;

namespace {

const QString kAllReadings = QStringLiteral(
    "SELECT IDPRZEBIEGI, IDPOJAZD, DATA, LICZNIK, UWAGI FROM przebiegi.DB ORDER BY IDPRZEBIEGI");

// Odometer readings with texts that repeat and texts that do not.
void fillReadings(engine::Connection& c, int count) {
    c.execute(QStringLiteral(
                  "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                  "INSERT INTO przebiegi.DB (IDPOJAZD, DATA, LICZNIK, UWAGI) SELECT i % 17, "
                  "20240101 + i % 28, i * 1.5, CASE WHEN i % 3 = 0 THEN NULL WHEN i % 3 = 1 "
                  "THEN 'uwaga ' || i ELSE 'stała' END FROM n")
                  .arg(count));
}

bool sameRows(const ResultSet& a, const ResultSet& b) {
    if (a.columns() != b.columns() || a.rowCount() != b.rowCount())
        return false;
    for (int row = 0; row < a.rowCount(); ++row)
        for (int col = 0; col < a.columnCount(); ++col)
            if (a.value(row, col) != b.value(row, col))
                return false;
    return true;
}

} // namespace

class TestBackgroundRead : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;
    QString company;

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        location = env.newDirectory(QStringLiteral("background"));
        company = QDir(location).filePath(QStringLiteral("firma"));
        test::makeTemplateCompany(company);
        QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                    QDir(location).filePath(QStringLiteral("firmy.DB")));
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(company, false);
        fillReadings(c, 10000);
        c.execute(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
            "INSERT INTO przejazdy.DB (DATA, IDPOJAZD, TRASA, PRYW) SELECT 20240101 + i % 28, "
            "1, 'Trasa ' || i, 'N' FROM n"));
    }

    // Blocks of the asked sizes, the last one flagged, and put together
    // again (whole chunks or cell by cell) the same rows as one result.
    void blocksMakeTheWholeResult_data() {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("next");
        QTest::newRow("first screen, then large blocks") << 64 << 4096;
        QTest::newRow("blocks of whole chunks") << 2048 << 2048; // 5 columns: 10,240 cells
        QTest::newRow("one row at a time") << 1 << 1;
    }
    void blocksMakeTheWholeResult() {
        QFETCH(int, first);
        QFETCH(int, next);
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(company, false);
        const ResultSet whole = c.query(kAllReadings);
        QCOMPARE(whole.rowCount(), 10000);

        QList<int> sizes;
        int lastFlags = 0;
        ResultSet joined;
        c.queryInBlocks(kAllReadings, {}, first, next, [&](ResultSet&& block, bool last) {
            sizes.append(block.rowCount());
            lastFlags += last ? 1 : 0;
            if (joined.columnCount() == 0)
                joined = std::move(block);
            else
                joined.append(std::move(block));
            return true;
        });
        QCOMPARE(lastFlags, 1);
        QCOMPARE(sizes.first(), first);
        for (int i = 1; i + 1 < sizes.size(); ++i)
            QCOMPARE(sizes.at(i), next);
        QVERIFY(sameRows(joined, whole));
    }

    // A reading stopped half-way ends its read transaction at once: another
    // program may write the table.
    void stoppedReadingHoldsNoLock() {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(company, false);
        int blocks = 0;
        c.queryInBlocks(QStringLiteral("SELECT * FROM przejazdy.DB ORDER BY DATA"), {}, 10, 10,
                        [&](ResultSet&&, bool) { return ++blocks < 3; });
        QCOMPARE(blocks, 3);
        QProcess helper;
        helper.start(test::helperProgram(QStringLiteral("kv-engine-helper")),
                     {QStringLiteral("trywrite"), company, schema::kTemplatePassword});
        QVERIFY(helper.waitForFinished(60000));
        QCOMPARE(helper.exitCode(), 0);
    }

    // A statement that fails leaves the rows the component had, and says so.
    void failureKeepsThePreviousRows() {
        auto db = test::openCompanyIn(location, QStringLiteral("firma"));
        QVERIFY(db);
        Query& q = db->addQuery(QStringLiteral("qTest"), ConnectionKind::Company,
                                QStringList{kAllReadings});
        db->openInBackground(q);
        QVERIFY(db->finishReading(q));
        const auto before = q.result();
        QCOMPARE(before->rowCount(), 10000);

        QSignalSpy finished(q.feed(), &QueryFeed::finished);
        bool reported = false;
        QString message;
        q.setLine(0, QStringLiteral("SELECT NIEMA FROM przebiegi.DB"));
        db->openInBackground(q, {}, -1, [&](bool ok, const QString& error) {
            reported = !ok;
            message = error;
        });
        QVERIFY(!db->isReading(q));
        QVERIFY(reported);
        QVERIFY(message.contains(QStringLiteral("NIEMA")));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toBool(), false);
        QCOMPARE(q.result(), before);
    }

    // Inside a write transaction the program holds the table's locks itself:
    // the component is read at once on that connection, with the rows written
    // so far, instead of waiting for the reading thread.
    void insideATransactionReadsAtOnce() {
        auto db = test::openCompanyIn(location, QStringLiteral("firma"));
        QVERIFY(db);
        Query& q =
            db->addQuery(QStringLiteral("qTest"), ConnectionKind::Company,
                         QStringList{QStringLiteral("SELECT COUNT(*) AS N FROM przebiegi.DB")});
        db->openInBackground(q);
        QVERIFY(db->finishReading(q));
        const qint64 count = q.result()->value(0, 0).toLongLong();
        db->companyConnection().beginWrite({QStringLiteral("przebiegi")});
        db->exec(QStringLiteral("INSERT INTO przebiegi.DB (IDPOJAZD, DATA, LICZNIK) VALUES (1, "
                                "20240301, 5)"));
        db->openInBackground(q);
        QVERIFY(!db->isReading(q));
        QCOMPARE(q.result()->value(0, 0).toLongLong(), count + 1);
        db->companyConnection().rollback();
    }
};

QTEST_GUILESS_MAIN(TestBackgroundRead)
#include "tst_backgroundread.moc"
