// "report list", "report NAME" and "card" of karvento-cli, end to end: the
// outputs, the checks and refusals, wrong use.
#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

class TestReportCli : public QObject {
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
    Run cli(const QStringList& args) { return test::runCli(args + login()); }
    QString file(const QString& name) { return QDir(location).filePath(name); }
    // The page text goes out as UTF-8 bytes, which the captured stream
    // holds one byte to a character.
    static QString pageText(const Run& run) { return QString::fromUtf8(run.out.toLatin1()); }
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
        location = test::makeLoginLocation(env, "raporty");
        execute("INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Samochód osobowy')");
        execute("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) VALUES "
                "(1, 'EL 2', 'Skoda', 1, 1400, 0)");
        execute("INSERT INTO osobowa (NREW, NAZWISKO, IMIE) VALUES ('N\"1''', 'Nowak', 'Ewa')");
        execute("INSERT INTO stawki (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER) VALUES "
                "(20230117, 0.89, 0.8358, 0.69, 0.42)");
        execute("INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, IDKIEROWCY, "
                "UWAGI, PRYW, PRYWKTO, PRYWLICZOD, PRYWLICZDO) VALUES "
                "(20240305, 1, 'Klient', 'Łódź', 175, 'N\"1''', '', 'N', '', 0, 0), "
                "(20240331, 1, 'Urząd', 'Zgierz', 12.5, '', '', 'N', '', 0, 0), "
                "(20240401, 1, 'Klient', 'Łódź', 10, '', '', 'N', '', 0, 0)");
        QCOMPARE(cli({"users", "add", "jan", "--new-password", "tajne1"}).code, 0);
        QCOMPARE(cli({"users", "revoke", "jan", "17"}).code, 0);
    }
    void init() { env.ui().clear(); }

    void listsTheReports() {
        const Run run = test::runCli({"report", "list"});
        QCOMPARE(run.code, 0);
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 39);
        QVERIFY(lines.contains(QStringLiteral("przejazdy_p\tPrzejazdy wskazanego pojazdu\ttak")));
        QVERIFY(lines.contains(QStringLiteral("naprawy_p\tNaprawy wskazanego pojazdu\ttak")));
        QVERIFY(lines.contains(QStringLiteral("terminarz_p\tTerminy związane z pojazdem\ttak")));
        // Every register is in this version: no report is unavailable.
        for (const QString& line : lines)
            QVERIFY2(!line.endsWith(QStringLiteral("\tnie")), qPrintable(line));
    }

    // March 2024: 175,00 + 12,50 km at 0,8358 = 146,27 + 10,45 (each
    // amount rounded) = 156,72.
    void writesTextAndPdf() {
        const Run run = cli({"report", "przejazdy_p", "--vehicle", "EL 2", "--month", "2024-03",
                             "--text", "-", "--pdf", file("p.pdf"), "--issue-date", "2024-04-02"});
        QCOMPARE(run.code, 0);
        const QString text = pageText(run);
        QVERIFY2(text.contains(QStringLiteral("Razem km: | 187,50")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Razem kwota: | 156,72")));
        QVERIFY(text.contains(QStringLiteral("Wystawiono 02.04.2024")));
        QVERIFY(text.contains(QStringLiteral("Dane z miesiąca: 03-2024")));
        QVERIFY(!text.contains(QStringLiteral("01.04.2024")));
        QFile pdf(file("p.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(5), QByteArray("%PDF-"));

        const Run driver = cli({"report", "kier_przejazdy", "--driver", "N\"1'", "--text", "-"});
        QCOMPARE(driver.code, 0);
        QVERIFY(pageText(driver).contains(QStringLiteral("Kierowca: Nowak Ewa")));
        QVERIFY(pageText(driver).contains(QStringLiteral("| 175,00 |")));
        QVERIFY(!pageText(driver).contains(QStringLiteral("Zgierz")));
    }

    void cardOfAVehicle() {
        const Run run = cli({"card", "pojazdy", "EL 2", "--text", file("karta.txt")});
        QCOMPARE(run.code, 0);
        QFile text(file("karta.txt"));
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString card = QString::fromUtf8(text.readAll());
        QVERIFY(card.contains(QStringLiteral("Dane pojazdu")));
        QVERIFY(card.contains(QStringLiteral("Numer rejestracyjny: EL 2")));
        QCOMPARE(cli({"card", "pojazdy", "EL 9", "--text", "-"}).code, 1);
        QCOMPARE(cli({"card", "nieznany", "1", "--text", "-"}).code, 2);
        QCOMPARE(cli({"card", "pojazdy", "--text", "-"}).code, 2);
    }

    void refusalsAndWrongUse() {
        // Wrong use: 2, nothing run.
        QCOMPARE(cli({"report", "nieznany", "--text", "-"}).code, 2);
        QCOMPARE(cli({"report", "przejazdy_p", "--vehicle", "EL 2"}).code, 2); // no output
        QCOMPARE(cli({"report", "osobowa", "--text", "-", "--month", "2024-13"}).code, 2);
        QCOMPARE(cli({"report", "osobowa", "--text", "-", "--issue-date", "30.02.2024"}).code, 2);
        QCOMPARE(cli({"report", "osobowa", "--text", "-", "--encoding", "utf8"}).code, 2);
        // Refusals: 1, with the message.
        QCOMPARE(cli({"report", "przejazdy_p", "--text", "-"}).code, 1);
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie wskazano pojazdu")));
        const Run vehicle = cli({"report", "przejazdy_p", "--vehicle", "XX 1", "--text", "-"});
        QCOMPARE(vehicle.code, 1);
        const Run driver = cli({"report", "kier_przejazdy", "--driver", "brak", "--text", "-"});
        QCOMPARE(driver.code, 1);
        QVERIFY(driver.err.contains(QStringLiteral("Nie ma pracownika")));
        QCOMPARE(cli({"report", "koszty_k", "--fuel-card", "K1", "--text", "-"}).code, 1);
        const Run pdf = cli({"report", "osobowa", "--pdf", file("brak/r.pdf")});
        QCOMPARE(pdf.code, 1);
        QVERIFY(pdf.err.contains(QStringLiteral("Nie można zapisać pliku PDF")));
        QVERIFY(!QFile::exists(file("brak/r.pdf")));
        // Without the reports' permission.
        const Run denied = test::runCli(QStringList{"report", "osobowa", "--text", "-"} +
                                        login(QStringLiteral("jan"), QStringLiteral("tajne1")));
        QCOMPARE(denied.code, 1);
        QVERIFY(denied.err.contains(QStringLiteral("Brak uprawnień")));
    }
};

QTEST_MAIN(TestReportCli)
#include "tst_reportcli.moc"
