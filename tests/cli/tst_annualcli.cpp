// "annual", "export --sums" and the VAT record's "report" of karvento-cli,
// end to end: what they write, what they refuse and wrong use.
#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterSums.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

class TestAnnualCli : public QObject {
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
        location = test::makeLoginLocation(env, "roczne");
        execute("INSERT INTO slowniki (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Samochód osobowy')");
        execute("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) VALUES "
                "(1, 'EL ''1\"', 'Skoda', 1, 1400, 0)");
        execute("INSERT INTO stawki (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER) VALUES "
                "(20230117, 0.89, 0.8358, 0.69, 0.42)");
        // January: 175 km = 146.27; costs 100 gross ("T") and 50 net ("N"): books 146.27.
        execute("INSERT INTO przejazdy (DATA, IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, IDKIEROWCY, "
                "UWAGI, PRYW, PRYWKTO, PRYWLICZOD, PRYWLICZDO) VALUES "
                "(20240105, 1, 'Klient', 'Łódź', 175, '', '', 'N', '', 0, 0)");
        execute("INSERT INTO koszty (IDPOJAZD, DATA, RODZWYD, WARTNETTO, WARTVAT, WARTBRUTTO, "
                "CZYVAT) VALUES (1, 20240110, 'Inne', 81.30, 18.70, 100, 'T'), (1, 20240111, "
                "'Inne', 50, 11.5, 61.5, 'N'), (1, 20240112, 'Inne', 10.005, 0, 10.005, 'T')");
        execute("DELETE FROM firma");
        execute("INSERT INTO firma (IDFIRMA, NAZWA, NIP) VALUES (1, 'Termalis', '727-284-31-53')");
        execute("INSERT INTO przebiegi (IDPOJAZD, DATA, LICZNIK, UWAGI, DOTYCZY) VALUES "
                "(1, 20240102, 1000, '', 1), (1, 20240131, 1200.5, '', 2)");
        QCOMPARE(cli({"users", "add", "jan", "--new-password", "tajne1"}).code, 0);
        QCOMPARE(cli({"users", "revoke", "jan", "17"}).code, 0);
    }
    void init() { env.ui().clear(); }

    void sheetAndPrintout() {
        const Run run =
            cli({"annual", "--vehicle", "EL '1\"", "--year", "2024", "--encoding", "utf8"});
        QCOMPARE(run.code, 0);
        QString text = QString::fromUtf8(run.out.toLatin1());
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.first(), QStringLiteral("\"Miesiąc\";\"Przebieg\";\"Eksploatacja\";\"Do "
                                               "zaksięgowania\";\"Nadwyżka z przebiegu\";"
                                               "\"Nadwyżka z eksploatacji\""));
        // 100 + 50 + 10.01 = 160.01 against 146.27.
        QCOMPARE(lines.at(1), QStringLiteral("\" Styczeń\";\"146,27 zł \";\"160,01 zł \";"
                                             "\"146,27 zł \";\"0,00 zł \";\"13,74 zł \""));
        QCOMPARE(lines.at(12).left(11), QStringLiteral("\" Grudzień\""));

        const Run pdf =
            cli({"annual", "--vehicle", "EL '1\"", "--year", "2024", "--pdf", file("roczne.pdf")});
        QCOMPARE(pdf.code, 0);
        QVERIFY(pdf.out.isEmpty());
        QVERIFY(contents(file("roczne.pdf")).startsWith("%PDF"));
    }

    void refusalsAndWrongUse() {
        // The window's checks.
        Run r = cli({"annual", "--year", "2024"});
        QCOMPARE(r.code, 1);
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie wskazano pojazdu")));
        r = cli({"annual", "--vehicle", "EL '1\""});
        QCOMPARE(r.code, 1);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("nieaktywny")));
        r = cli({"annual", "--vehicle", "NIE MA", "--year", "2024"});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QStringLiteral("NIE MA")));
        // Wrong use.
        QCOMPARE(cli({"annual", "--vehicle", "EL '1\"", "--year", "24"}).code, 2);
        QCOMPARE(cli({"annual", "--vehicle", "EL '1\"", "--month", "2024-01"}).code, 2);
        QCOMPARE(cli({"annual", "--vehicle", "EL '1\"", "--year", "2024", "--pdf", " "}).code, 2);
        QCOMPARE(cli({"annual", "nadmiar", "--year", "2024"}).code, 2);
        // Without permission 17.
        const Run denied = test::runCli(QStringList{"annual", "--vehicle", "EL '1\"", "--year",
                                                    "2024", "--output", file("nie.csv")} +
                                        login("jan", "tajne1"));
        QCOMPARE(denied.code, 1);
        QVERIFY(!QFile::exists(file("nie.csv")));
        // A PDF that cannot be written leaves nothing.
        const Run bad = cli(
            {"annual", "--vehicle", "EL '1\"", "--year", "2024", "--pdf", file("brak/roczne.pdf")});
        QCOMPARE(bad.code, 1);
        QVERIFY(!QFile::exists(file("brak/roczne.pdf")));
    }

    void exportEndsWithTheWindowsSums() {
        const Run run = cli({"export", "koszty", "--vehicle", "EL '1\"", "--year", "2024", "--sums",
                             "--encoding", "utf8"});
        QCOMPARE(run.code, 0);
        const QStringList lines =
            QString::fromUtf8(run.out.toLatin1()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 5);
        // 81.30 + 50 + 10.01 net, 18.70 + 11.50 VAT, 100 + 61.50 + 10.01 gross.
        QCOMPARE(lines.last(), QStringLiteral("\"Sumy dla tabeli KOSZTY\";\"Ilość kosztów\";\"3\";"
                                              "\"Netto\";\"141,31\";\"VAT\";\"30,20\";"
                                              "\"Brutto\";\"171,51\";\"Ilość paliwa\";\"0,00\""));
        // As the window computes them.
        const auto db = test::openCompanyIn(location, "firma");
        QVERIFY(db);
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("EL '1\""));
        filters.selectMonthYear(0, 2024);
        const ColumnSums sums = computeColumnSums(*db, RegisterId::Costs);
        QCOMPARE(lines.last(), u'"' + columnSumsLine(sums).join(QStringLiteral("\";\"")) + u'"');
        // Without --sums no such line.
        QCOMPARE(cli({"export", "koszty", "--year", "2024"}).out.count(QStringLiteral("Sumy")), 0);
    }

    void vatRecordReport() {
        const Run run = cli({"report", "kilometrowka_vat", "--vehicle", "EL '1\"", "--month",
                             "2024-01", "--text", "-"});
        QCOMPARE(run.code, 0);
        const QString text = QString::fromUtf8(run.out.toLatin1());
        QVERIFY2(text.contains(QStringLiteral("Koniec tego okresu: 31.01.2024, stan licznika "
                                              "1200,00 km")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Przebieg w tym okresie: 200,00 km")));
        // February has no end-of-period reading of its own.
        const Run feb = cli({"report", "kilometrowka_vat", "--vehicle", "EL '1\"", "--month",
                             "2024-02", "--pdf", file("vat.pdf")});
        QCOMPARE(feb.code, 1);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("na koniec okresu Luty 2024")));
        QVERIFY(!QFile::exists(file("vat.pdf")));
        QCOMPARE(cli({"report", "kilometrowka_vat", "--vehicle", "EL '1\"", "--month", "2024-13",
                      "--text", "-"})
                     .code,
                 2);
    }
};

QTEST_MAIN(TestAnnualCli)
#include "tst_annualcli.moc"
