#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

// "trips copy-month" and "route" of karvento-cli, end to end: the copy and
// its dry run, the distance in its one direction, and the wrong uses that
// change nothing.
class TestTripsCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    QStringList where() const {
        return {"--location", location, "--db-password", schema::kTemplatePassword};
    }
    QStringList login() const {
        return where() +
               QStringList{"--company", "firma", "--user", "ADMIN", "--user-password", "zebux"};
    }
    template <class F> auto withConnection(const QString& dir, F f) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(dir, false);
        return f(c);
    }
    void execute(const QString& sql) {
        withConnection(QDir(location).filePath("firma"), [&](engine::Connection& c) {
            c.execute(sql);
            return 0;
        });
    }
    int trips() {
        return withConnection(QDir(location).filePath("firma"), [](engine::Connection& c) {
            return c.query(QStringLiteral("SELECT COUNT(*) FROM przejazdy")).value(0, 0).toInt();
        });
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        location = test::makeLoginLocation(env, "trips");
        QVERIFY(QFile::copy(QDir(test::templateDataDir()).filePath("odleglosci.D_"),
                            QDir(location).filePath("odleglosci.DB")));
        withConnection(location, [](engine::Connection& c) {
            c.execute(QStringLiteral("DELETE FROM odleglosci"));
            c.execute(QStringLiteral(
                "INSERT INTO odleglosci (M1, M2, KM) VALUES ('Kraków', 'Tarnów', 84.5)"));
            return 0;
        });
        execute("INSERT INTO pojazdy (NRREJ, MARKA, POJEMNOSC, STATUS) VALUES ('KR 1', 'Fiat', "
                "1400, 0)");
        for (int day : {5, 29, 30, 31})
            execute(QStringLiteral("INSERT INTO przejazdy (DATA, IDPOJAZD, TRASA, ODLEGLOSC, PRYW, "
                                   "PRYWLICZOD, PRYWLICZDO) VALUES (%1, 1, 'Łódź', 12.5, 'N', 0, "
                                   "0)")
                        .arg(20230100 + day));
        QCOMPARE(test::runCli(QStringList{"users", "list"} + login()).code, 0);
    }

    void routeAnswersOnlyTheStoredDirection() {
        const test::CliRun there = test::runCli(QStringList{"route", "Kraków", "Tarnów"} + where());
        QCOMPARE(there.code, 0);
        QCOMPARE(there.out.trimmed(), QStringLiteral("84,50"));
        const test::CliRun back = test::runCli(QStringList{"route", "Tarnów", "Kraków"} + where());
        QCOMPARE(back.code, 1);
        QVERIFY(back.err.contains(QStringLiteral("nie ma trasy z Tarnów do Kraków")));
        QCOMPARE(test::runCli(QStringList{"route", "Kraków"} + where()).code, 2);
        QCOMPARE(test::runCli(QStringList{"route", "A", "B"} + login()).code, 2);
    }

    void dryRunListsAndWritesNothing() {
        const test::CliRun r = test::runCli(
            QStringList{"trips", "copy-month", "2023-01", "2023-02", "--dry-run"} + login());
        QCOMPARE(r.code, 0);
        QCOMPARE(trips(), 4);
        QVERIFY2(r.out.contains(QStringLiteral("05.01.2023\t05.02.2023\tKR 1\tŁódź\t12,50")),
                 qPrintable(r.out));
        QVERIFY(r.out.endsWith(QStringLiteral("Do skopiowania przejazdów: 1 (pominięto: 3).\n")));
    }

    void copyWritesAndTellsTheCount() {
        const test::CliRun r = test::runCli(
            QStringList{"trips", "copy-month", "2023-01", "2023-02", "--last-day"} + login());
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out.trimmed(), QStringLiteral("Skopiowano przejazdów: 4 (pominięto: 0)."));
        QCOMPARE(trips(), 8);
    }

    void wrongUseChangesNothing() {
        const int before = trips();
        const struct {
            QStringList args;
            int code;
        } cases[] = {
            {{"2023-00", "2023-02"}, 2},
            {{"2023-01", "2023-13"}, 2},
            {{"2023-01"}, 2},
            {{"2023-01", "2023-02", "2023-03"}, 2},
            {{"2023-01", "2023-02", "--year", "2023"}, 2},
            {{"1999-01", "2023-02"}, 1},
            {{"2023-01", "2031-02"}, 1},
        };
        for (const auto& c : cases) {
            const test::CliRun r =
                test::runCli(QStringList{"trips", "copy-month"} + c.args + login());
            QVERIFY2(r.code == c.code, qPrintable(c.args.join(u' ') + u' ' + r.err));
            QVERIFY(!r.err.isEmpty());
        }
        const test::CliRun wrongPassword = test::runCli(
            QStringList{"trips", "copy-month", "2023-01", "2023-02"} + where() +
            QStringList{"--company", "firma", "--user", "ADMIN", "--user-password", "zle"});
        QCOMPARE(wrongPassword.code, 1);
        QCOMPARE(test::runCli(QStringList{"trips", "copy-month", "2023-01", "2023-02", "--bogus"} +
                              login())
                     .code,
                 2);
        QCOMPARE(trips(), before);
    }
};

QTEST_GUILESS_MAIN(TestTripsCli)
#include "tst_tripscli.moc"
