#include "TestSupport.h"
#include "cli/CliRun.h"
#include "users/LoginFixture.h"

#include "costs/CostFilters.h"
#include "framework/RegisterController.h"
#include "framework/RegisterExport.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterSheet.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

// "export koszty": the costs as the window's grid shows them, with the
// columns joined from the driver, cost centre and road card, under the
// export's options; the cost filters belong to the window alone.
class TestCostsExport : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    QStringList login() const {
        return {"--location", location, "--db-password", schema::kTemplatePassword, "--company",
                "firma",      "--user", "ADMIN",         "--user-password",         "zebux"};
    }
    test::CliRun exportOf(const QStringList& args) {
        return test::runCli(QStringList{"export", "koszty"} + args + login());
    }
    void execute(const QString& sql, const QStringList& params = {}) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        c.execute(sql, engine::positionalParams(params));
    }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<brak>");
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        location = test::makeLoginLocation(env, "costs");
        execute("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA) VALUES (1, 'EL 1', 'Skoda')");
        execute("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA) VALUES (2, 'EL 2', 'Fiat')");
        execute("INSERT INTO osobowa (NREW, NAZWISKO, IMIE) VALUES ('K1', 'Nowak', 'Jan')");
        execute("INSERT INTO slowniki (KOD, IDSLOWNIK, OPIS) VALUES (50, 'CKKOD', 'Dział A')");
        execute("INSERT INTO kartydrogowe (IDDROGOWA, NRKARTY) VALUES (7, '7/2024')");
        const char* costs[] = {
            "(1, 20240301, 'Paliwo', 100, 23, 123, 'T', 'K1', 'T', 40.5, 50, 7)",
            "(1, 20231231, 'Myjnia', 10, 0.8, 10.8, 'N', '', NULL, 0, 0, -1)",
            "(2, 20240615, 'Opony', 0.7, 0.04, 0.74, 'T', '', NULL, 0, 50, 0)",
        };
        for (const char* values : costs)
            execute(QStringLiteral("INSERT INTO koszty (IDPOJAZD, DATA, RODZWYD, WARTNETTO, "
                                   "WARTVAT, WARTBRUTTO, CZYVAT, IDKIEROWCY, ISFUEL, FUEL, CK, "
                                   "IDDROGOWA) VALUES ") +
                    QLatin1String(values));
        QCOMPARE(test::runCli(QStringList{"users", "list"} + login()).code, 0);
    }

    void sheetShowsTheJoinedColumnsAndTheWindowsBytes() {
        const test::CliRun all = exportOf({"--encoding", "utf8"});
        QCOMPARE(all.code, 0);
        // The tool writes bytes; the sheet is UTF-8.
        const QString sheet = QString::fromUtf8(all.out.toLatin1());
        const QStringList lines = sheet.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines.at(0).contains(QStringLiteral("\"Data\";\"Nr Rej.\";\"Marka\"")));
        // Sorted by date; amounts with two decimals, the flag as Tak/Nie,
        // the driver, cost centre and road card by name.
        QVERIFY(lines.at(1).startsWith(QStringLiteral("\"31.12.2023\";\"EL 1\"")));
        QCOMPARE(lines.at(2),
                 QStringLiteral("\"01.03.2024\";\"EL 1\";\"Skoda\";\"Paliwo\";\"\";\"\";"
                                "\"100,00\";\"23,00\";\"123,00\";\"Tak\";\"Nowak Jan (nr.ew. "
                                "K1)\";\"\";\"\";\"T\";\"40,50\";\"Dział A\";\"7/2024\""));
        QVERIFY(lines.at(3).contains(QStringLiteral("\"0,70\";\"0,04\";\"0,74\"")));

        // The options of every export: a vehicle and a year.
        const test::CliRun one =
            exportOf({"--vehicle", "EL 1", "--year", "2024", "--encoding", "utf8"});
        QCOMPARE(one.code, 0);
        QCOMPARE(one.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size(), 2);
        QVERIFY(one.out.contains(QStringLiteral("\"Paliwo\"")));

        // The window's sheet, byte for byte, with the same choice.
        const auto db = test::openCompanyIn(location, "firma");
        QVERIFY(db);
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("EL 1"));
        filters.selectMonthYear(0, 2024);
        RegisterController reg(*db, RegisterId::Costs);
        QVERIFY(reg.refresh());
        const QString windowFile = QDir(location).filePath("okno.csv");
        QVERIFY(exportRegister(*registerModel(reg), windowFile, CsvEncoding::Utf8WithBom));
        const QString cliFile = QDir(location).filePath("cli.csv");
        QCOMPARE(exportOf({"--vehicle", "EL 1", "--year", "2024", "--encoding", "utf8", "--output",
                           cliFile})
                     .code,
                 0);
        QCOMPARE(contents(cliFile), contents(windowFile));

        // The cost filters are the window's: a run of the tool starts
        // without them, and has no option for them.
        applyCostFilters(*db, {true, false, 0, false, 0});
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 1);
        QCOMPARE(exportOf({"--encoding", "utf8"}).out, all.out);
        QCOMPARE(exportOf({"--fuel"}).code, 2);
    }
};

QTEST_GUILESS_MAIN(TestCostsExport)
#include "tst_costsexport.moc"
