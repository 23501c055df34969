#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "cli/CliSelection.h"
#include "framework/RegisterController.h"
#include "framework/RegisterExport.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterSheet.h"
#include "framework/RegisterStates.h"
#include "schema/Schema.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/Connection.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

// "export" of karvento-cli, end to end: the window's sheet without the
// window, its filters and options, and what it refuses.
class TestExportCli : public QObject {
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
    QString file(const QString& name) { return QDir(location).filePath(name); }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<brak>");
    }
    void execute(const QString& sql, const QStringList& params = {}) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        c.execute(sql, engine::positionalParams(params));
    }
    // The filter state one command line leaves.
    std::optional<QString> periodOf(DataModule& db, const QStringList& args) {
        QString out, err;
        QTextStream o(&out), e(&err);
        cli::CliContext c(o, e);
        if (!c.parse(args))
            return std::nullopt;
        const auto s = cli::parseSelection(c, QString());
        if (!s)
            return std::nullopt;
        RegisterFilters filters(db);
        if (!cli::applySelection(c, filters, *s))
            return std::nullopt;
        return registerState(db, RegisterId::Trips).periodFragment;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        location = test::makeLoginLocation(env, "export");
        execute("INSERT INTO pojazdy (NRREJ, MARKA, POJEMNOSC, DATAPRZE, STATUS) "
                "VALUES (:PARAM0, :PARAM1, 1400, 20240315, 2)",
                {"WE 12345", "Søren \"Łódź\""});
        execute("INSERT INTO pojazdy (NRREJ, MARKA, POJEMNOSC, DATAPRZE, STATUS) "
                "VALUES (:PARAM0, 'Fiat', 650, 0, 0)",
                {"O'NEIL \"1\""});
        // The first login replaces the template's password by its hash; the
        // runs below then change nothing.
        QCOMPARE(test::runCli(QStringList{"users", "list"} + login()).code, 0);
    }
    void init() { env.ui().clear(); }

    void sheetIsTheWindowCoresBytes() {
        const auto db = test::openCompanyIn(location, "firma");
        QVERIFY(db);
        RegisterFilters filters(*db);
        filters.selectVehicle("O'NEIL \"1\"");
        filters.selectMonthYear(0, 0);
        RegisterController reg(*db, RegisterId::Vehicles);
        QVERIFY(reg.refresh());
        const QString windowFile = file("okno.csv");
        QVERIFY(exportRegister(*registerModel(reg), windowFile, CsvEncoding::Windows1250));

        const Run cli =
            exportOf({"pojazdy", "--vehicle", "O'NEIL \"1\"", "--output", file("cli.csv")});
        QCOMPARE(cli.code, 0);
        QVERIFY(cli.out.isEmpty());
        QCOMPARE(contents(file("cli.csv")), contents(windowFile));
        QVERIFY(contents(windowFile).contains("\"O'NEIL `1`\""));

        // To the standard output, byte for byte the same.
        const Run out = exportOf({"pojazdy", "--vehicle", "O'NEIL \"1\""});
        QCOMPARE(out.code, 0);
        QCOMPARE(out.out.toLatin1(), contents(windowFile));
    }

    void fuelRegistersOnEitherFuel() {
        // Per km: 35 l over 500 km and 30 l over 400 km, on LPG only.
        execute("INSERT INTO zuzyciekmlpg (IDPOJAZD, DATA, PRZEBIEG, TANKOWANIE, LICZNIK) "
                "SELECT IDPOJAZD, 20240301, 500, 35, 10000 FROM pojazdy WHERE NRREJ = 'WE 12345'");
        execute("INSERT INTO zuzyciekmlpg (IDPOJAZD, DATA, PRZEBIEG, TANKOWANIE, LICZNIK) "
                "SELECT IDPOJAZD, 20240305, 400, 30, 10400 FROM pojazdy WHERE NRREJ = 'WE 12345'");
        const Run lpg = exportOf({"zuzyciekmlpg", "--vehicle", "WE 12345", "--encoding", "utf8"});
        QCOMPARE(lpg.code, 0);
        const QStringList lines = lpg.out.mid(1).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines.at(1).endsWith(QStringLiteral("\"35,00\";\"7,00\"")),
                 qPrintable(lines.at(1)));
        QVERIFY2(lines.at(2).endsWith(QStringLiteral("\"30,00\";\"7,50\"")),
                 qPrintable(lines.at(2)));
        // The liquid fuel's table has none of them.
        const Run liquid = exportOf({"zuzyciekm", "--vehicle", "WE 12345"});
        QCOMPARE(liquid.code, 0);
        QCOMPARE(liquid.out.count(QStringLiteral("\r\n")), 1);
    }

    void encodingsAndTheReplacedCharacters() {
        // Whatever the terminal's language, the sheet is written the Polish way.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const Run cp = exportOf({"POJAZDY", "--vehicle", "WE 12345"});
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QCOMPARE(cp.code, 0);
        const QByteArray bytes = cp.out.toLatin1();
        QVERIFY(bytes.startsWith("\"Lp\";\"Nr Rej.\";\"Marka\";"));
        QVERIFY(bytes.contains("\"WE 12345\";\"S?ren `\xA3\xF3\x64\x9F`\";\"1400\""));
        QVERIFY(bytes.contains("\"15.03.2024\""));
        QVERIFY(bytes.contains("\"Sprzedany\"\r\n"));
        QCOMPARE(cp.err.trimmed(),
                 QStringLiteral("Znaki spoza strony kodowej Windows-1250 zastąpiono znakiem „?” "
                                "(1); zapisz w UTF-8 (--encoding utf8), aby je zachować."));

        const Run utf = exportOf({"pojazdy", "--vehicle", "WE 12345", "--encoding", "utf8"});
        QCOMPARE(utf.code, 0);
        QVERIFY(utf.err.isEmpty());
        const QByteArray u = utf.out.toLatin1();
        QVERIFY(u.startsWith("\xEF\xBB\xBF\"Lp\""));
        QVERIFY(u.contains(QStringLiteral("\"Søren `Łódź`\"").toUtf8()));
    }

    void theTwoDateFormsAreOneFilter() {
        const auto db = test::openCompanyIn(location, "firma");
        QVERIFY(db);
        RegisterFilters window(*db);
        window.selectMonthYear(3, 2024);
        const QString month = registerState(*db, RegisterId::Trips).periodFragment;
        QCOMPARE(periodOf(*db, {"--month", "2024-03"}), month);
        window.selectDateRange(QStringLiteral("01.03.2024"), QStringLiteral("31.03.2024"));
        const QString range = registerState(*db, RegisterId::Trips).periodFragment;
        QCOMPARE(periodOf(*db, {"--from", "2024-03-01", "--to", "2024-03-31"}), range);
        QCOMPARE(periodOf(*db, {"--from", "01.03.2024", "--to", "31.03.2024"}), range);
        window.selectDateRange(QStringLiteral("01.03.2024"), QString());
        QCOMPARE(periodOf(*db, {"--from", "01.03.2024"}),
                 registerState(*db, RegisterId::Trips).periodFragment);
        window.selectMonthYear(0, 2023);
        QCOMPARE(periodOf(*db, {"--year", "2023"}),
                 registerState(*db, RegisterId::Trips).periodFragment);
        QCOMPARE(sharedFilters(*db).periodStart, 20230000);
    }

    void wrongUseExitsTwo() {
        const struct {
            QStringList args;
            const char* says;
        } cases[] = {
            {{"pojazdy", "--from", "31.02.2024"}, "Nieprawidłowa data 31.02.2024"},
            {{"pojazdy", "--to", "2024-2-1"}, "Nieprawidłowa data"},
            {{"pojazdy", "--month", "2024-13"}, "Nieprawidłowy miesiąc 2024-13"},
            {{"pojazdy", "--year", "24"}, "Nieprawidłowy rok"},
            {{"pojazdy", "--month", "2024-03", "--year", "2024"}, "Podaj jeden okres"},
            {{"pojazdy", "--year", "2024", "--from", "2024-01-01"}, "Podaj jeden okres"},
            {{"pojazdy", "--from", "2024-03-02", "--to", "2024-03-01"}, "późniejsza"},
            {{"magazyn", "--vehicle", "WE 12345"}, "opcja --vehicle"},
            {{"pojazdy", "--year", "2024"}, "opcja --year"},
            {{"osobowa", "--month", "2024-01"}, "opcja --month"},
            {{"zuzycie"}, "--vehicle NRREJ"},
            {{"samochody"}, "Nieznany rejestr samochody. Rejestry: pojazdy, przejazdy"},
            {{"../pojazdy"}, "Nieznany rejestr"},
            {{"pojazdy", "--encoding", "latin2"}, "Nieznane kodowanie latin2"},
            {{"pojazdy", "--output", " "}, "pustą ścieżkę"},
            {{"pojazdy", "--vehicle", ""}, "wymaga numeru"},
            {{"pojazdy", "stawki"}, "Użycie: karvento-cli export"},
            {{}, "Użycie: karvento-cli export"},
        };
        for (const auto& c : cases) {
            const Run run = exportOf(c.args);
            QVERIFY2(run.code == 2, qPrintable(c.args.join(u' ') + u' ' + run.err));
            QVERIFY2(run.err.contains(QString::fromUtf8(c.says)),
                     qPrintable(c.args.join(u' ') + u' ' + run.err));
            QVERIFY(run.out.isEmpty());
        }
        QCOMPARE(test::runCli({"export", "pojazdy", "--vehicle"}).code, 2);
        // Without a login it is wrong use too.
        QCOMPARE(test::runCli({"export", "pojazdy", "--location", location}).code, 2);
    }

    void refusalsExitOneAndChangeNothing() {
        const QString company = QDir(location).filePath("firma");
        const auto fingerprint = [&] {
            QCryptographicHash h(QCryptographicHash::Sha1);
            for (const QString& name : QDir(company).entryList({"*.DB"}, QDir::Files))
                h.addData(contents(QDir(company).filePath(name)));
            h.addData(contents(optionsFilePath()));
            return h.result();
        };
        const QByteArray before = fingerprint();

        const struct {
            QStringList args;
            const char* says;
        } refusals[] = {
            {{"pojazdy", "--vehicle", "XX 0000"},
             "Nie ma pojazdu o numerze rejestracyjnym XX 0000."},
            {{"pojazdy", "--user-password", "zle"}, "Niepoprawny login lub hasło"},
            {{"pojazdy", "--output", location}, "Nie udało się wyeksportować danych"},
            {{"pojazdy", "--output", file("brak/x.csv")}, "Nie udało się wyeksportować danych"},
        };
        for (const auto& r : refusals) {
            // Later options win: the wrong password replaces the right one.
            const Run run = test::runCli(QStringList{"export"} + login() + r.args);
            QVERIFY2(run.code == 1, qPrintable(r.args.join(u' ') + u' ' + run.err));
            QVERIFY2(run.err.contains(QString::fromUtf8(r.says)), qPrintable(run.err));
            QVERIFY(run.out.isEmpty());
        }
        QCOMPARE(fingerprint(), before);

        // A user without the read permission of the register.
        QCOMPARE(
            test::runCli(QStringList{"users", "add", "JAN", "--new-password", "tajne1"} + login())
                .code,
            0);
        QCOMPARE(test::runCli(QStringList{"users", "revoke", "JAN", "1"} + login()).code, 0);
        const QByteArray withUser = fingerprint();
        const Run denied = test::runCli(QStringList{"export", "pojazdy"} + login() +
                                        QStringList{"--user", "JAN", "--user-password", "tajne1"});
        QCOMPARE(denied.code, 1);
        QCOMPARE(denied.err.trimmed(),
                 QStringLiteral("Brak uprawnień do wykonania wskazanej operacji."));
        QVERIFY(denied.out.isEmpty());

        QCOMPARE(exportOf({"stawki", "--output", file("stawki.csv")}).code, 0);
        QCOMPARE(exportOf({"zuzycielpg", "--vehicle", "WE 12345"}).code, 0);
        QCOMPARE(exportOf({"osobowa"}).code, 0);
        QCOMPARE(fingerprint(), withUser);
    }
};

QTEST_GUILESS_MAIN(TestExportCli)
#include "tst_exportcli.moc"
