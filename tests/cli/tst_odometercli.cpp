#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
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

// "odometer current", "odometer check" and the trips' sheet of karvento-cli,
// end to end.
class TestOdometerCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    using Run = test::CliRun;
    QStringList login(const QString& user = QStringLiteral("ADMIN"),
                      const QString& password = QStringLiteral("zebux")) const {
        return {"--location",      location, "--db-password", schema::kTemplatePassword,
                "--company",       "firma",  "--user",        user,
                "--user-password", password};
    }
    Run odometer(const QStringList& args) {
        return test::runCli(QStringList{"odometer"} + args + login());
    }
    QString file(const QString& name) { return QDir(location).filePath(name); }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<brak>");
    }
    void execute(const QString& sql) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        c.execute(sql);
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        location = test::makeLoginLocation(env, "odometer");
        execute("INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Samochód osobowy')");
        execute("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) VALUES "
                "(1, 'EL 2', 'Skoda', 1, 1400, 0), (2, 'EL 1', 'Łada', 1, 1400, 0), "
                "(3, 'EL 3', 'Fiat', 1, 650, 0)");
        execute("INSERT INTO przebiegi (IDPOJAZD, DATA, LICZNIK, DOTYCZY) VALUES "
                "(1, 20240101, 1000, 0), (1, 20240102, 1500, 0), (1, 20240103, 150000, 0), "
                "(1, 20240104, 1600, 0), (1, 20240105, 1700, 0), (2, 20240101, 500.5, 0)");
        execute("INSERT INTO koszty (IDPOJAZD, DATA, LICZNIK) VALUES (2, 20240102, 2600.5)");
        execute("INSERT INTO stawki (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER) VALUES "
                "(20230117, 0.89, 0.8358, 0.69, 0.42)");
        execute("INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, IDKIEROWCY, "
                "UWAGI, PRYW, PRYWKTO, PRYWLICZOD, PRYWLICZDO) VALUES "
                "(20240305, 1, 'Klient', 'Łódź', 175, '', '', 'N', '', 0, 0), "
                "(20240306, 3, 'Klient', 'Łódź', 12.5, '', '', 'N', '', 0, 0), "
                "(20240401, 1, 'Klient', 'Łódź', 10, '', '', 'N', '', 0, 0)");
        QCOMPARE(test::runCli(QStringList{"users", "list"} + login()).code, 0);
    }
    void init() { env.ui().clear(); }

    void currentMileageOfEveryVehicle() {
        const Run run = odometer({"current", "--encoding", "utf8"});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.out.toLatin1(), QStringLiteral("\xFEFF\"Nr Rej.\";\"Marka\";\"Przebieg\"\r\n"
                                                    "\"EL 1\";\"Łada\";\"500,50\"\r\n"
                                                    "\"EL 2\";\"Skoda\";\"150000,00\"\r\n"
                                                    "\"EL 3\";\"Fiat\";\"\"\r\n")
                                         .toUtf8());
    }

    void checkListsWhatBreaksTheOrder() {
        const Run all = odometer({"check", "--output", file("check.csv")});
        QCOMPARE(all.code, 0);
        QCOMPARE(all.err.trimmed(), QStringLiteral("Odczyty budzące wątpliwości: 2."));
        const QString sheet = QString::fromLatin1(contents(file("check.csv")));
        const QStringList lines = sheet.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0),
                 QStringLiteral("\"Nr Rej.\";\"Data\";\"Stan licznika\";\"Rejestr\";\"Problem\""));
        QVERIFY2(lines.at(1).startsWith("\"EL 1\";\"02.01.2024\";\"2600,50\";\"Koszty\";\"2100,00 "
                                        "km r"),
                 qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).startsWith("\"EL 2\";\"03.01.2024\";\"150000,00\";\"Historia "
                                        "przebieg"),
                 qPrintable(lines.at(2)));

        const Run one = odometer({"check", "--vehicle", "EL 1", "--max-km-per-day", "2500"});
        QCOMPARE(one.code, 0);
        QCOMPARE(one.out, QStringLiteral("\"Nr Rej.\";\"Data\";\"Stan licznika\";\"Rejestr\";"
                                         "\"Problem\"\r\n"));
        QCOMPARE(one.err.trimmed(), QStringLiteral("Odczyty budzące wątpliwości: 0."));
    }

    void wrongUseAndRefusals() {
        const struct {
            QStringList args;
            int code;
            const char* says;
        } cases[] = {
            {{"check", "--colour", "red"}, 2, "Nieznana opcja --colour"},
            {{"check", "--max-km-per-day", "0"}, 2, "Nieprawidłowa wartość 0 opcji"},
            {{"check", "--max-km-per-day", "-5"}, 2, "Nieprawidłowa wartość -5"},
            {{"check", "--max-km-per-day", "dużo"}, 2, "Nieprawidłowa wartość dużo"},
            {{"check", "--year", "2024"}, 2, "To polecenie nie ma opcji --year."},
            {{"current", "--vehicle", "EL 1"}, 2, "To polecenie nie ma opcji --vehicle."},
            {{"current", "zbędne"}, 2, "Użycie: karvento-cli odometer current"},
            {{"check", "--vehicle", "XX 0000", "--output", file("nic.csv")},
             1,
             "Nie ma pojazdu o numerze rejestracyjnym XX 0000."},
        };
        for (const auto& c : cases) {
            const Run run = odometer(c.args);
            QVERIFY2(run.code == c.code, qPrintable(c.args.join(u' ') + u' ' + run.err));
            QVERIFY2(run.err.contains(QString::fromUtf8(c.says)), qPrintable(run.err));
            QVERIFY(run.out.isEmpty());
        }
        QVERIFY(!QFile::exists(file("nic.csv")));

        const Run wrong = test::runCli(QStringList{"odometer", "current"} + login("ADMIN", "zle"));
        QCOMPARE(wrong.code, 1);
        QVERIFY(wrong.out.isEmpty());
        // A user without the odometer history's read permission.
        QCOMPARE(
            test::runCli(QStringList{"users", "add", "jan", "--new-password", "tajne1"} + login())
                .code,
            0);
        QCOMPARE(test::runCli(QStringList{"users", "revoke", "jan", "43"} + login()).code, 0);
        const Run refused = test::runCli(QStringList{"odometer", "check"} + login("jan", "tajne1"));
        QCOMPARE(refused.code, 1);
        QCOMPARE(refused.err.trimmed(),
                 QStringLiteral("Brak uprawnień do wykonania wskazanej operacji."));
        QVERIFY(refused.out.isEmpty());
    }

    void tripsSheetOfAMonthIsTheWindowsWithTheAllowance() {
        const auto db = test::openCompanyIn(location, "firma");
        QVERIFY(db);
        RegisterFilters filters(*db);
        filters.selectVehicle(QString());
        filters.selectMonthYear(3, 2024);
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 2);
        const QString windowFile = file("okno.csv");
        QVERIFY(exportRegister(*registerModel(reg), windowFile, CsvEncoding::Windows1250));

        const Run cli = test::runCli(
            QStringList{"export", "przejazdy", "--month", "2024-03", "--output", file("cli.csv")} +
            login());
        QCOMPARE(cli.code, 0);
        QCOMPARE(contents(file("cli.csv")), contents(windowFile));
        const QByteArray bytes = contents(windowFile);
        QVERIFY(bytes.startsWith("\"Data\";\"Nr Rej.\";\"Marka\";\"Rodzaj pojazdu\";\"Poj. (w "
                                 "cm3)\";\"Stawka\";\"D\xB3. (w km)\";\"Kwota\";"));
        // 175 km at 0.8358 is 146.265: 146.27; 12.5 km at 0.89 is 11.125: 11.13.
        QVERIFY2(bytes.contains("\"05.03.2024\";\"EL 2\";\"Skoda\";\"Samoch\xF3\x64 "
                                "osobowy\";\"1400\";\"0,8358\";\"175,00\";\"146,27\";"),
                 bytes.constData());
        QVERIFY(bytes.contains("\"0,8900\";\"12,50\";\"11,13\";"));
        QVERIFY(!bytes.contains("01.04.2024"));
    }
};

QTEST_GUILESS_MAIN(TestOdometerCli)
#include "tst_odometercli.moc"
