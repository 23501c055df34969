// "karvento-cli chart": the six charts as points, PNG and SVG, and every
// kind of bad input refused with nothing written.
#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "../cli/CliRun.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTest>

using namespace kv;

class TestChartCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    using Run = test::CliRun;
    QStringList login() const {
        return {"--location", location, "--db-password", schema::kTemplatePassword, "--company",
                "firma",      "--user", "ADMIN",         "--user-password",         "zebux"};
    }
    Run cli(const QStringList& args) { return test::runCli(args + login()); }
    QString file(const QString& name) { return QDir(location).filePath(name); }
    void execute(const QString& sql) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        c.execute(sql);
    }
    QString read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private slots:
    void initTestCase() {
        location = test::makeLoginLocation(env, "wykresy");
        execute("INSERT INTO slowniki (IDSLOWNIK, KOD, OPIS) VALUES ('RDPAL', 7, 'Olej "
                "napędowy'), ('RDPAL', 8, 'LPG')");
        execute("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA, RODZAJ, POJEMNOSC, STATUS) VALUES "
                "(1, 'EL ''2\"', 'Skoda', 1, 1400, 0), (2, 'WA 3', 'Fiat', 1, 1200, 0)");
        execute("INSERT INTO cenypaliw (DATA, RODZAJPALIWA, BRUTTO, MIEJSCE) VALUES "
                "(20240229, 7, 6.49, 'Orlen'), (20240315, 7, 6.8, 'BP'), (20241231, 8, 3.1, '')");
        execute("INSERT INTO przejazdy (DATA, IDPOJAZD, ODLEGLOSC) VALUES (20240305, 1, 175), "
                "(20240331, 1, 12.5), (20240401, 2, 10)");
        execute("INSERT INTO koszty (IDPOJAZD, DATA, RODZWYD, WARTBRUTTO, ISFUEL) VALUES "
                "(1, 20240110, 'Paliwo', 100.10, 'T'), (1, 20240111, 'Paliwo', 50, NULL), "
                "(1, 20240112, 'Myjnia', 20, 'T')");
        execute("INSERT INTO zuzycie (IDPOJAZD, DATA, BAK, TANKOWANIE, LICZNIK) VALUES "
                "(1, 20240301, 10, 40, 1000), (1, 20240302, 15, 35, 1500)");
    }
    void init() { env.ui().clear(); }

    void pointsOfEachChart() {
        Run r = cli({"chart", "ceny", "--month", "2024-02", "--fuel", "7", "--points", "-"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("1;29.0000;6.49\n"));
        r = cli({"chart", "ceny", "--year", "2024", "--fuel", "8", "--fuel", "7", "--points", "-"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("1;12.8824;3.1\n2;2.9655;6.49\n2;3.4516;6.8\n"));
        // A vehicle number with quotes in it is bound, never spliced.
        r = cli({"chart", "przebieg", "--year", "2024", "--vehicle", "WA 3", "--vehicle", "EL '2\"",
                 "--points", "-"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("1;4.0000;10\n2;3.0000;187.5\n"));
        r = cli({"chart", "koszty", "--from", "2024-01-01", "--to", "2024-12-31", "--vehicle",
                 "EL '2\"", "--fuel-only", "--expense-kind", "Paliwo", "--points", "-"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("1;1.0000;100.1\n"));
        r = cli({"chart", "zuzycie", "--from", "01.03.2024", "--to", "31.03.2024", "--vehicle",
                 "EL '2\"", "--points", "-"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("1;2.0000;7\n"));
        r = cli({"chart", "zuzycie", "--month", "2024-03", "--lpg", "--vehicle", "WA 3", "--points",
                 "-"});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString());
    }

    void pictures() {
        const QString png = file("ceny.png");
        const QString svg = file("ceny.svg");
        const QString points = file("ceny.txt");
        Run r = cli({"chart", "ceny", "--year", "2024", "--fuel", "7", "--png", png, "--svg", svg,
                     "--points", points});
        QCOMPARE(r.code, 0);
        QImageReader reader(png);
        QCOMPARE(reader.text("Title"), QStringLiteral("Zmiana cen paliw w roku 2024"));
        QCOMPARE(reader.text("Description"), QStringLiteral("Olej napędowy"));
        QCOMPARE(reader.read().size(), QSize(1000, 600));
        QVERIFY(read(svg).contains(QStringLiteral("Zmiana cen paliw w roku 2024")));
        QVERIFY(read(svg).contains(QStringLiteral("Olej napędowy")));
        QCOMPARE(read(points), QStringLiteral("1;2.9655;6.49\n1;3.4516;6.8\n"));
    }

    void badInputIsRefusedAndNothingWritten() {
        const QString out = file("zle.png");
        const struct {
            QStringList args;
            int code;
            const char* says;
        } cases[] = {
            {{"chart", "wszystko", "--year", "2024", "--fuel", "7"}, 2, "Nieznany wykres"},
            {{"chart", "ceny", "--year", "2024", "--fuel", "9"}, 1, "Nie ma rodzaju paliwa"},
            {{"chart", "ceny", "--year", "2024", "--fuel", "ON"}, 2, "nie jest liczbą"},
            {{"chart", "przebieg", "--year", "2024", "--vehicle", "XX 1"}, 1, "Nie ma pojazdu"},
            {{"chart", "przebieg", "--year", "2024", "--fuel", "7"}, 2, "--vehicle"},
            {{"chart", "przebieg", "--year", "2024"}, 2, "co najmniej jedną"},
            {{"chart", "przebieg", "--year", "2024", "--vehicle", "WA 3", "--vehicle", "WA 3",
              "--vehicle", "WA 3", "--vehicle", "WA 3", "--vehicle", "WA 3", "--vehicle", "WA 3"},
             2,
             "najwyżej 5"},
            {{"chart", "przebieg", "--year", "24", "--vehicle", "WA 3"}, 2, "Nieprawidłowy rok"},
            {{"chart", "ceny", "--month", "2024-13", "--fuel", "7"}, 2, "Nieprawidłowy miesiąc"},
            {{"chart", "ceny", "--from", "2024-01-02", "--to", "2024-12-31", "--fuel", "7"},
             2,
             "dokładnie jeden"},
            {{"chart", "ceny", "--from", "2024-01-01", "--to", "2024-02-29", "--fuel", "7"},
             2,
             "dokładnie jeden"},
            {{"chart", "przebieg", "--month", "2024-03", "--vehicle", "WA 3"}, 2, "cały rok"},
            {{"chart", "ceny", "--fuel", "7"}, 2, "Podaj okres"},
            {{"chart", "ceny", "--year", "2024", "--fuel", "7", "--lpg"}, 2, "--lpg"},
            {{"chart", "przebieg", "--year", "2024", "--vehicle", "WA 3", "--fuel-only"},
             2,
             "--fuel-only"},
        };
        for (const auto& c : cases) {
            QFile::remove(out);
            const Run r = cli(c.args + QStringList{"--png", out});
            QVERIFY2(r.code == c.code, qPrintable(c.args.join(u' ') + u' ' + r.err));
            QVERIFY2(r.err.contains(QString::fromUtf8(c.says)), qPrintable(r.err));
            QVERIFY(!QFile::exists(out));
        }
        // No output at all, and a file that cannot be written.
        Run r = cli({"chart", "ceny", "--year", "2024", "--fuel", "7"});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QStringLiteral("Wskaż wynik")));
        const QString nowhere = file("brak/wykres.png");
        r = cli({"chart", "ceny", "--year", "2024", "--fuel", "7", "--png", nowhere, "--svg",
                 file("jest.svg")});
        QCOMPARE(r.code, 1);
        QVERIFY(r.err.contains(QStringLiteral("Nie można zapisać pliku")));
        QVERIFY(!QFile::exists(file("jest.svg")));
        r = cli({"chart", "ceny", "--year", "2024", "--fuel", "7", "--points", location});
        QCOMPARE(r.code, 1);
    }
};

QTEST_MAIN(TestChartCli)
#include "tst_chartcli.moc"
