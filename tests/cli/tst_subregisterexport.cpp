#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QTest>

using namespace kv;

// "export" of the repairs, damages, tyres and warehouse registers: the rows
// the register holds under the shared options, counted against the same
// condition asked through "sql"; the warehouse has no vehicle or period.
class TestSubregisterExport : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    using Run = test::CliRun;
    QStringList login() const {
        return {"--location", location, "--db-password", schema::kTemplatePassword, "--company",
                "firma",      "--user", "ADMIN",         "--user-password",         "zebux"};
    }
    Run exportOf(const QStringList& args) {
        return test::runCli(QStringList{"export"} + args + login());
    }
    void execute(const QString& sql) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        c.execute(sql);
    }
    // The count "sql" answers (its single cell).
    int sqlCount(const QString& statement) {
        const Run r = test::runCli({"sql", QDir(location).filePath("firma"), statement,
                                    "--db-password", schema::kTemplatePassword});
        if (r.code != 0)
            return -1;
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        return lines.value(1).remove(u'"').trimmed().toInt();
    }
    // The data lines of an export (the title line aside).
    static int dataLines(const Run& r) {
        return static_cast<int>(r.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size()) - 1;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        location = test::makeLoginLocation(env, "podrejestry");
        execute("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA, STATUS) VALUES (1, 'EL 1', 'Fiat', "
                "0), (2, 'EL 2', 'Opel', 0)");
        execute("INSERT INTO naprawy (IDPOJAZD, DATA, OPIS, WARTNETTO, WARTVAT, WARTBRUTTO, "
                "UWAGI, IDKIEROWCY, LICZNIK, LICZTERM, DONE) VALUES (1, 20240305, 'Olej', 0, 0, "
                "0, '', '', 1000, 0, 'T'), (1, 0, 'Rozrząd', 0, 0, 0, '', '', 0, 90000, ''), "
                "(2, 20230110, 'Hamulce', 0, 0, 0, '', '', 0, 0, 'T')");
        execute("INSERT INTO szkody (IDPOJAZD, DATA, OPIS, WARTNETTO, WARTVAT, WARTBRUTTO, UWAGI, "
                "IDKIEROWCY, LICZNIK) VALUES (1, 20240101, 'Stłuczka', 100, 23, 123, '', '', 0), "
                "(2, 20240601, 'Szyba', 50, 11.5, 61.5, '', '', 0)");
        execute("INSERT INTO opony (NREWID, ILOSC, MARKA, RODZAJ, ROZMIAR, IDPOJAZDU, DATAZAKUPU, "
                "NETTO, VAT, BRUTTO, MAGAZYN, DATAWYMIANY, LICZTERM) VALUES ('OP-1', 4, 'Dębica', "
                "0, 0, 1, 20240301, 0, 0, 0, 'N', 0, 0), ('OP-2', 4, 'Kleber', 0, 0, 0, 0, 0, 0, "
                "0, 'T', 0, 0), ('OP-3', 2, 'Sava', 0, 0, 2, 20220101, 0, 0, 0, 'T', 0, 0)");
        execute("INSERT INTO magazyn (CZESC, ILOSC, PRZYPOMNIJ, UWAGI) VALUES ('Olej', 3, 4, ''), "
                "('Filtr', 10, 2, ''), ('Żarówka', 0, 0, '')");
        QCOMPARE(test::runCli(QStringList{"users", "list"} + login()).code, 0);
    }
    void init() { env.ui().clear(); }

    void eachRegisterExportsWhatItHolds_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("count");
        QTest::newRow("repairs") << QStringList{"naprawy"} << "SELECT COUNT(*) FROM naprawy";
        // An undated repair is in every period.
        QTest::newRow("repairs of 2024")
            << QStringList{"naprawy", "--year", "2024"}
            << "SELECT COUNT(*) FROM naprawy WHERE DATA = 0 OR DATA / 10000 = 2024";
        QTest::newRow("repairs of EL 1 in March")
            << QStringList{"naprawy", "--vehicle", "EL 1", "--month", "2024-03"}
            << "SELECT COUNT(*) FROM naprawy WHERE IDPOJAZD = 1 AND (DATA = 0 OR DATA / 100 = "
               "202403)";
        QTest::newRow("damages") << QStringList{"szkody"} << "SELECT COUNT(*) FROM szkody";
        QTest::newRow("damages of EL 2")
            << QStringList{"szkody", "--vehicle", "EL 2", "--year", "2024"}
            << "SELECT COUNT(*) FROM szkody WHERE IDPOJAZD = 2";
        QTest::newRow("tyres") << QStringList{"opony"} << "SELECT COUNT(*) FROM opony";
        QTest::newRow("tyres of 2024")
            << QStringList{"opony", "--year", "2024"}
            << "SELECT COUNT(*) FROM opony WHERE DATAZAKUPU = 0 OR DATAZAKUPU / 10000 = 2024";
        QTest::newRow("warehouse") << QStringList{"magazyn"} << "SELECT COUNT(*) FROM magazyn";
    }
    void eachRegisterExportsWhatItHolds() {
        QFETCH(QStringList, args);
        QFETCH(QString, count);
        const Run run = exportOf(args);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const int expected = sqlCount(count);
        QVERIFY(expected > 0);
        QCOMPARE(dataLines(run), expected);
    }

    void tyreAndRepairCellsAreTheGrids() {
        const Run tyres = exportOf({"opony", "--vehicle", "EL 1", "--encoding", "utf8"});
        QCOMPARE(tyres.code, 0);
        QVERIFY2(tyres.out.contains(QStringLiteral("\"EL 1 Fiat\"")), qPrintable(tyres.out));
        QVERIFY(tyres.out.contains(QStringLiteral("\"OP-1\"")));
        QVERIFY(!tyres.out.contains(QStringLiteral("\"OP-3\"")));
        const Run repairs = exportOf({"naprawy", "--vehicle", "EL 1", "--encoding", "utf8"});
        QVERIFY(repairs.out.contains(QStringLiteral("\"05.03.2024\"")));
        QVERIFY(repairs.out.contains(QStringLiteral("\"Olej\"")));
        QVERIFY(!repairs.out.contains(QStringLiteral("\"Hamulce\"")));
    }

    void theWarehouseHasNoVehicleOrPeriod() {
        for (const QStringList& args : {QStringList{"magazyn", "--vehicle", "EL 1"},
                                        QStringList{"magazyn", "--year", "2024"}}) {
            const Run run = exportOf(args);
            QCOMPARE(run.code, 2);
            QVERIFY(run.out.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestSubregisterExport)
#include "tst_subregisterexport.moc"
