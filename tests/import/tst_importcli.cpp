#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "cli/CliRun.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"
#include "support/CodePage1250.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

// "import" of karvento-cli, end to end on a company of the templates.
class TestImportCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    QStringList login() const {
        return {"--location", location, "--db-password", schema::kTemplatePassword, "--company",
                "firma",      "--user", "ADMIN",         "--user-password",         "zebux"};
    }
    test::CliRun import(const QStringList& args) {
        return test::runCli(QStringList{"import"} + args + login());
    }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = QDir(location).filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    ResultSet select(const QString& sql) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        return c.query(sql);
    }
    int costs() { return select("SELECT COUNT(*) FROM koszty").value(0, 0).toInt(); }

    QString sheet() {
        return write("koszty.csv", toCodePage1250(QStringLiteral(
                                       "Data;Pojazd;Netto;Uwagi\r\n"
                                       "31.12.2024;we 123;100,50;\"Łódź; \"\"A\"\"\"\r\n"
                                       "01.01.2025;WE 123;20;\r\n"
                                       "02.01.2025;ZZ 1;30;\r\n")));
    }

private slots:
    void initTestCase() {
        location = test::makeLoginLocation(env, "importcli");
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        c.execute("INSERT INTO pojazdy (NRREJ, MARKA, STATUS) VALUES ('WE 123', 'Skoda', 0)");
        QCOMPARE(test::runCli(QStringList{"users", "list"} + login()).code, 0);
    }

    void verifyOnlyListsTheFaultyLines() {
        const test::CliRun r = import({"koszty", sheet(), "--map", "cb1=1,cb2=2,cb12=3,cb8=4",
                                       "--skip-first", "--verify-only"});
        QCOMPARE(r.code, 1);
        QVERIFY2(r.out.contains("Kodowanie arkusza: Windows-1250"), qPrintable(r.out));
        QVERIFY2(r.out.contains("wiersz 4: Nie znaleziono podanego pojazdu"), qPrintable(r.out));
        QVERIFY(!r.out.contains("wiersz 2"));
        QCOMPARE(costs(), 0);
    }

    void aFaultyLineStopsAllUnlessSkipped() {
        const QStringList args{"koszty", sheet(), "--map", "cb1=1,cb2=2,cb12=3,cb8=4",
                               "--skip-first"};
        const test::CliRun refused = import(args);
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains("Nie dodano żadnego wiersza"), qPrintable(refused.err));
        QCOMPARE(costs(), 0);

        const test::CliRun done = import(args + QStringList{"--skip-faulty"});
        QCOMPARE(done.code, 0);
        QVERIFY2(done.out.contains("Dodano wierszy: 2"), qPrintable(done.out));
        const ResultSet rows = select("SELECT WARTNETTO, UWAGI FROM koszty ORDER BY DATA");
        QCOMPARE(rows.value(0, 0).toDouble(), 100.5);
        QCOMPARE(rows.text(0, "UWAGI"), QStringLiteral("Łódź; \"A\""));
        QCOMPARE(costs(), 2);
    }

    void storedSettingsChooseWithoutMap() {
        // The settings section as the window keeps it: cb1 column 1, cb2 column 2.
        QFile ini(QDir(env.settingsDir()).filePath("karvento.ini"));
        QVERIFY(ini.open(QIODevice::Append));
        ini.write("[IMPORTS5]\r\ncb1=2\r\ncb2=1\r\ncb3=3\r\npominPierwszy=1\r\nformatDaty=1\r\n");
        ini.close();
        const QString trips = write("trips.csv", "Pojazd;Data;Km\nWE 123;2024-05-06;12.5\n");
        const test::CliRun r = import({"przejazdy", trips});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.contains("Dodano wierszy: 1"), qPrintable(r.out + r.err));
        const ResultSet row = select("SELECT DATA, ODLEGLOSC FROM przejazdy");
        QCOMPARE(row.value(0, 0).toInt(), 20240506);
        QCOMPARE(row.value(0, 1).toDouble(), 12.5);
        // A sheet narrower than the stored mapping is refused, naming the field.
        const QString narrow = write("narrow.csv", "WE 123;2024-05-06\n");
        const test::CliRun n = import({"przejazdy", narrow});
        QCOMPARE(n.code, 1);
        QVERIFY2(n.err.contains("Długość trasy"), qPrintable(n.err));
    }

    void fuelOptionsThroughSet() {
        const QString fuel = write("fuel.csv", "06.05.2024;WE 123;10;40\n06.05.2024;WE 123;12;5\n");
        const test::CliRun skip =
            import({"zuzycie", fuel, "--map", "cb1=1,cb2=2,cb4=3,cb6=4,cb3=lpg", "--set",
                    "pominSumuj=Pomiń", "--verify-only"});
        QCOMPARE(skip.code, 1);
        QVERIFY2(skip.out.contains("wiersz 2: Na dany dzień istnieje już tankowanie"),
                 qPrintable(skip.out));
        const test::CliRun sum =
            import({"zuzycie", fuel, "--map", "cb1=1,cb2=2,cb4=3,cb6=4,cb3=lpg", "--set",
                    "pominSumuj=sumuj"});
        QCOMPARE(sum.code, 0);
        const ResultSet row = select("SELECT TANKOWANIE, LICZNIK FROM zuzycielpg");
        QCOMPARE(row.rowCount(), 1);
        QCOMPARE(row.value(0, 0).toDouble(), 45.0);
        QCOMPARE(row.value(0, 1).toDouble(), 12.0);
    }

    void wrongUseAndRefusals() {
        const QString file = sheet();
        QCOMPARE(import({"pojazdy", file}).code, 2);
        QCOMPARE(import({"koszty"}).code, 2);
        QCOMPARE(import({"koszty", file, "--map", "cb99=1"}).code, 2);
        QCOMPARE(import({"koszty", file, "--map", "cb1=x"}).code, 2);
        QCOMPARE(import({"koszty", file, "--separator", ""}).code, 2);
        QCOMPARE(import({"koszty", file, "--date-format", "MM/DD"}).code, 2);
        QCOMPARE(import({"osobowa", file, "--date-format", "RRRRMMDD"}).code, 2);
        QCOMPARE(import({"koszty", file, "--set", "brak=1"}).code, 2);
        QCOMPARE(import({"koszty", file, "--verify-only", "--skip-faulty"}).code, 2);
        const test::CliRun wide = import({"koszty", file, "--map", "cb1=1,cb2=9"});
        QCOMPARE(wide.code, 1);
        QVERIFY2(wide.err.contains("wskazuje kolumnę 9"), qPrintable(wide.err));
        QCOMPARE(import({"koszty", QDir(location).filePath("brak.csv"), "--map", "cb1=1"}).code, 1);
        QCOMPARE(import({"koszty", write("bin.csv", QByteArray("a\0b", 3)), "--map", "cb1=1"}).code,
                 1);
        QCOMPARE(costs(), 2);
    }

    void permissionToImportIsNeeded() {
        const QStringList admin = login();
        QCOMPARE(
            test::runCli(QStringList{"users", "add", "OLA", "--new-password", "olaola"} + admin)
                .code,
            0);
        // A new user gets the first permissions, the import's among them.
        QCOMPARE(test::runCli(QStringList{"users", "revoke", "OLA", "53"} + admin).code, 0);
        QStringList ola = admin;
        ola[ola.indexOf("ADMIN")] = "OLA";
        ola[ola.indexOf("zebux")] = "olaola";
        const QStringList args{"import",      "koszty",       sheet(),        "--map",
                               "cb1=1,cb2=2", "--skip-first", "--skip-faulty"};
        const test::CliRun refused = test::runCli(args + ola);
        QCOMPARE(refused.code, 1);
        QVERIFY2(refused.err.contains("Brak uprawnień"), qPrintable(refused.err));
        QCOMPARE(costs(), 2);
        QCOMPARE(test::runCli(QStringList{"users", "grant", "OLA", "53"} + admin).code, 0);
        QCOMPARE(test::runCli(args + ola).code, 0);
        QCOMPARE(costs(), 4);
    }
};

QTEST_GUILESS_MAIN(TestImportCli)
#include "tst_importcli.moc"
