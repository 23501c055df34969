#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/ErrorLog.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/Connection.h"
#include "storage/engine/PresenceLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QThread>

#include <signal.h>

using namespace kv;
using namespace kv::engine;

class TestPresence : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    // Starts a second program holding the directory open; waits until it is in.
    std::unique_ptr<QProcess> startHolder(const QString& dir) {
        auto p = std::make_unique<QProcess>();
        p->start(test::helperProgram(QStringLiteral("kv-engine-helper")),
                 {QStringLiteral("hold"), dir, schema::kTemplatePassword});
        if (!p->waitForStarted() || !p->waitForReadyRead(20000))
            return nullptr;
        if (!p->readAll().contains("ready"))
            return nullptr;
        return p;
    }

private slots:
    void exclusiveWorkWaitsForOtherProgramToLeave() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("held")));
        auto holder = startHolder(dir);
        QVERIFY(holder);

        env.ui().clear();
        QVERIFY(!packTable(dir, QStringLiteral("pojazdy.DB"), schema::kTemplatePassword));
        QVERIFY(!setTablePassword(dir, QStringLiteral("pojazdy.DB"), QStringLiteral("nowe123"),
                                  schema::kTemplatePassword));
        QCOMPARE(env.ui().messages().size(), 2);
        QCOMPARE(env.ui().messages().at(0).caption, QStringLiteral("Błąd bazy danych"));
        QVERIFY(env.ui().messages().at(0).text.contains(QStringLiteral("innego użytkownika")));
        const QString log = test::readErrorLog();
        QVERIFY(log.contains(QStringLiteral("[0000000370]  ")));
        QVERIFY(log.contains(QStringLiteral("[0000000220]  ")));

        holder->closeWriteChannel();
        QVERIFY(holder->waitForFinished(10000));
        QCOMPARE(holder->exitCode(), 0);

        QVERIFY(packTable(dir, QStringLiteral("pojazdy.DB"), schema::kTemplatePassword));
        QVERIFY(setTablePassword(dir, QStringLiteral("pojazdy.DB"), QStringLiteral("nowe123"),
                                 schema::kTemplatePassword));
        QVERIFY(trialOpenTable(dir, QStringLiteral("pojazdy.DB"), QStringLiteral("nowe123")));
        QVERIFY(!trialOpenTable(dir, QStringLiteral("pojazdy.DB"), schema::kTemplatePassword));
    }

    void killedProgramLeavesNothingStale() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("killed")));
        auto holder = startHolder(dir);
        QVERIFY(holder);
        QVERIFY(!packTable(dir, QStringLiteral("koszty.DB"), schema::kTemplatePassword));
        ::kill(static_cast<pid_t>(holder->processId()), SIGKILL);
        QVERIFY(holder->waitForFinished(10000));
        QVERIFY(packTable(dir, QStringLiteral("koszty.DB"), schema::kTemplatePassword));
    }

    void ownConnectionsDoNotBlockOwnExclusiveWork() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("own")));
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        c.query(QStringLiteral("SELECT * FROM pojazdy"));
        QCOMPARE(PresenceLock::sharedCount(dir), 1);
        QVERIFY(setTablePassword(dir, QStringLiteral("pojazdy.DB"), QStringLiteral("abc"),
                                 schema::kTemplatePassword));
        // Our connection let go of the file and opens it again with the new password.
        s.addPassword(QStringLiteral("abc"));
        QCOMPARE(c.query(QStringLiteral("SELECT * FROM pojazdy")).rowCount(), 0);
        QCOMPARE(PresenceLock::sharedCount(dir), 1);
        c.close();
        QCOMPARE(PresenceLock::sharedCount(dir), 0);
    }

    void copiesTakenWhileAnotherProgramWritesAreWhole() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("copy")));
        const test::BusyWriter writer(dir);
        QVERIFY(writer.started());
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        const QString target = env.newDirectory(QStringLiteral("copy-target"));
        int previous = -1;
        for (int i = 0; i < 40; ++i) {
            QTest::qWait(5);
            c.copyTableFile(QStringLiteral("przebiegi"),
                            QDir(target).filePath(QStringLiteral("przebiegi.DB")));
            Connection copy(&s);
            copy.open(target, false);
            copy.attachTable(QStringLiteral("przebiegi"));
            const ResultSet check = copy.query(QStringLiteral("PRAGMA przebiegi.integrity_check"));
            QCOMPARE(check.value(0, 0).toString(), QStringLiteral("ok"));
            const int rows =
                copy.query(QStringLiteral("SELECT COUNT(*) FROM przebiegi")).value(0, 0).toInt();
            QVERIFY(rows >= previous);
            previous = rows;
        }
        QVERIFY(previous > 0);
    }

    void writersWaitWhileATableIsCopied() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("hold")));
        const test::BusyWriter writer(dir);
        QVERIFY(writer.started());
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        Connection watcher(&s);
        watcher.open(dir);
        auto rows = [&] {
            return watcher.query(QStringLiteral("SELECT COUNT(*) FROM przebiegi"))
                .value(0, 0)
                .toInt();
        };
        QTRY_VERIFY_WITH_TIMEOUT(rows() > 0, 20000);
        int atStart = -1;
        int atEnd = -2;
        c.copyTableFile(QStringLiteral("przebiegi"),
                        QDir(env.newDirectory(QStringLiteral("hold-copy")))
                            .filePath(QStringLiteral("przebiegi.DB")),
                        [&] {
                            atStart = rows();
                            QThread::msleep(400);
                            atEnd = rows();
                        });
        // No commit got through while the table was held...
        QCOMPARE(atEnd, atStart);
        // ...and the writer goes on once it is let go.
        QTRY_VERIFY_WITH_TIMEOUT(rows() > atEnd, 20000);
    }

    void twoProgramsInsertingLoseNothing() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("race")));
        const int perProgram = 300;
        QProcess a, b;
        const QString helper = test::helperProgram(QStringLiteral("kv-engine-helper"));
        a.start(helper, {QStringLiteral("insert"), dir, schema::kTemplatePassword,
                         QString::number(perProgram), QStringLiteral("A")});
        b.start(helper, {QStringLiteral("insert"), dir, schema::kTemplatePassword,
                         QString::number(perProgram), QStringLiteral("B")});
        QVERIFY(a.waitForFinished(120000));
        QVERIFY(b.waitForFinished(120000));
        QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
        QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection c(&s);
        c.open(dir);
        const ResultSet r = c.query(QStringLiteral("SELECT UWAGI, COUNT(*) AS N, COUNT(DISTINCT "
                                                   "LICZNIK) AS D FROM przebiegi GROUP BY UWAGI"));
        QCOMPARE(r.rowCount(), 2);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(r.value(row, QStringLiteral("N")).toInt(), perProgram);
            QCOMPARE(r.value(row, QStringLiteral("D")).toInt(), perProgram);
        }
    }
};

QTEST_GUILESS_MAIN(TestPresence)
#include "tst_presence.moc"
