#include "TestSupport.h"

#include "dictionaries/VehicleKinds.h"
#include "location/DatabaseLocation.h"
#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "schema/upgrades/SchemaUpgrade.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ProgramOptions.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;
using schema::Version;

Q_DECLARE_METATYPE(schema::Version)

namespace {

const QString kPassword = QStringLiteral("tajne123");

// The marked steps with the version that wrote each marker.
const QList<std::pair<Version, QString>> kMarkers{
    {Version::V1_0_5, QStringLiteral("1.0.5")}, {Version::V1_0_6, QStringLiteral("1.0.6")},
    {Version::V1_0_7, QStringLiteral("1.0.7")}, {Version::V1_0_8, QStringLiteral("1.0.8")},
    {Version::V1_0_9, QStringLiteral("1.0.9")}, {Version::V1_0_13, QStringLiteral("1.0.13")},
    {Version::V2_6, QStringLiteral("2.6")}};

QString updated(const QString& version) {
    return QStringLiteral("Baza danych zaktualizowana do wersji ") + version + u'.';
}

const QString kLpgAdded = QStringLiteral("Zaktualizowano bazę danych dla wskazanej firmy. Dodano "
                                         "nową tabelę tankowań Gazu LPG. Funkcjonalność programu "
                                         "została rozszerzona.");
const QString kStepFailed = QStringLiteral("Podczas próby aktualizacji wystąpił błąd. Aktualizacja "
                                           "zakończyła się niepowodzeniem. Zgłoś problem u "
                                           "producenta.");

} // namespace

class TestSchemaUpgrade : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;
    QString company;

    // Log lines without their time stamps.
    QStringList logLines() {
        QStringList lines;
        for (const QString& line : test::readErrorLog().split(u'\n', Qt::SkipEmptyParts))
            lines.append(line.mid(21));
        return lines;
    }

    // A company as an older version left it: its tables and columns, its
    // markers, and rows in the tables every version had.
    void buildCompany(const QString& name, Version asOf) {
        location = env.newDirectory(name);
        company = QDir(location).filePath(QStringLiteral("firma"));
        createCompanyTables(company, kPassword, asOf);
        for (const auto& [version, text] : kMarkers)
            if (version <= asOf)
                QFile(QDir(company).filePath(QStringLiteral("update") + text))
                    .open(QIODevice::WriteOnly);
        engine::Connection c;
        c.open(company, false);
        c.execute(QStringLiteral("INSERT INTO slowniki (KOD,IDSLOWNIK,OPIS,UZUP1) VALUES "
                                 "(1,'RDPOJ','Osobówka firmowa',''),(2,'RDPOJ','Ciężarowy',''),"
                                 "(3,'RDPOJ','Motocykl',''),(4,'RDPOJ','Motorower',''),"
                                 "(5,'RDPLA','Gotówka','')"));
        if (asOf < Version::V1_0_5) {
            c.execute(QStringLiteral("INSERT INTO slowniki (KOD,IDSLOWNIK,OPIS,UZUP1) VALUES "
                                     "(6,'RDPOJ','Ciągnik','5'),(7,'RDPOJ','Koparka','')"));
        } else {
            for (int j = 5; j <= 20; ++j)
                c.execute(QStringLiteral("INSERT INTO slowniki (IDSLOWNIK,OPIS,UZUP1) VALUES "
                                         "('RDPOJ','Inne %1','%2')")
                              .arg(j - 4)
                              .arg(j));
            c.execute(QStringLiteral(
                "INSERT INTO slowniki (IDSLOWNIK,OPIS) VALUES ('RDPLA','Karta płatnicza')"));
        }
        c.execute(QStringLiteral("INSERT INTO stawki (DATAOD,LW900,GT900,MOTOCYKL,MOTOROWER) "
                                 "VALUES (20240101,0.5214,0.8358,0.2302,0.1382)"));
        c.execute(QStringLiteral("INSERT INTO pojazdy (IDPOJAZD,NRREJ,MARKA,RODZAJ) VALUES "
                                 "(1,'WA 1111','Skoda Octavia',1),(2,'WA 2222','Ursus',6),"
                                 "(3,'WA 3333','JCB',7)"));
        c.execute(QStringLiteral("INSERT INTO przejazdy (IDPRZEJAZD,DATA,IDPOJAZD,CELWYJAZDU,"
                                 "ODLEGLOSC) VALUES (1,20240105,1,'Dostawa',120.5)"));
        c.execute(QStringLiteral("INSERT INTO koszty (IDKOSZT,IDPOJAZD,DATA,WARTBRUTTO) VALUES "
                                 "(1,1,20240106,123.45)"));
        c.execute(QStringLiteral("INSERT INTO naprawy (IDNAPRAWY,IDPOJAZD,DATA,OPIS) VALUES "
                                 "(1,1,20240107,'Hamulce')"));
        if (asOf >= Version::V1_0_6)
            c.execute(QStringLiteral("INSERT INTO przebiegi (IDPRZEBIEGI,IDPOJAZD,DATA,LICZNIK) "
                                     "VALUES (1,1,20240108,15000)"));
    }

    std::unique_ptr<DataModule> open() {
        currentDatabaseLocation() = {location, kPassword};
        return test::openCompanyIn(location, QStringLiteral("firma"));
    }

    bool hasFile(const QString& name) const { return QFile::exists(QDir(company).filePath(name)); }
    bool hasMarker(const QString& version) const {
        return hasFile(QStringLiteral("update") + version);
    }

    // The columns of a backup copy, read from a scratch folder.
    QStringList columnsOfCopy(const QString& copy, const QString& table) {
        const QString dir = env.newDirectory(QStringLiteral("copy-check"));
        if (!QFile::copy(QDir(company).filePath(copy), QDir(dir).filePath(table + ".DB")))
            return {};
        engine::Connection c;
        c.open(dir, false);
        return c.query(QStringLiteral("SELECT * FROM %1").arg(table)).columns();
    }

    static void compareTexts(const QStringList& actual, const QStringList& expected) {
        if (actual != expected)
            qWarning() << "actual:" << actual << "\nexpected:" << expected;
        QCOMPARE(actual, expected);
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().removeAllPasswords();
        engine::EngineSession::defaultSession().addPassword(kPassword);
    }

    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(true);
        QFile::remove(errorLogPath());
    }

    void everyOlderCompanyReachesTheCurrentSchema_data() {
        QTest::addColumn<Version>("asOf");
        QTest::newRow("bez zuzycielpg.DB") << Version::Base;
        QTest::newRow("przed 1.0.5") << Version::Lpg;
        QTest::newRow("przed 1.0.6") << Version::V1_0_5;
        QTest::newRow("przed 1.0.7") << Version::V1_0_6;
        QTest::newRow("przed 1.0.8") << Version::V1_0_7;
        QTest::newRow("przed 1.0.13") << Version::V1_0_9;
        QTest::newRow("bez system.DB") << Version::V2_6;
    }
    void everyOlderCompanyReachesTheCurrentSchema() {
        QFETCH(Version, asOf);
        buildCompany(QStringLiteral("old%1").arg(static_cast<int>(asOf)), asOf);
        auto db = open();
        QVERIFY(db);
        QVERIFY(runSchemaUpgrades(*db));

        // Every table and column of the current schema, readable with the
        // database password alone.
        for (const schema::Table& t : schema::companyTables()) {
            QVERIFY2(db->companyConnection().tableFileExists(t.baseName()), qPrintable(t.file));
            for (const schema::Column& col : t.columns)
                QVERIFY2(db->columnExists(t.file, col.name), qPrintable(t.file + u' ' + col.name));
        }
        for (const auto& [version, text] : kMarkers)
            QVERIFY2(hasMarker(text), qPrintable(text));

        // The rows are intact, with the defaults of the added columns.
        const ResultSet vehicles =
            db->select(QStringLiteral("SELECT * FROM pojazdy ORDER BY IDPOJAZD"));
        QCOMPARE(vehicles.rowCount(), 3);
        QCOMPARE(vehicles.text(0, QStringLiteral("NRREJ")), QStringLiteral("WA 1111"));
        QCOMPARE(vehicles.text(0, QStringLiteral("MARKA")), QStringLiteral("Skoda Octavia"));
        QCOMPARE(vehicles.value(0, QStringLiteral("RODZAJ")).toInt(), 1);
        const ResultSet trip = db->select(QStringLiteral("SELECT * FROM przejazdy"));
        QCOMPARE(trip.rowCount(), 1);
        QCOMPARE(trip.value(0, QStringLiteral("ODLEGLOSC")).toDouble(), 120.5);
        QCOMPARE(trip.text(0, QStringLiteral("CELWYJAZDU")), QStringLiteral("Dostawa"));
        QCOMPARE(db->select(QStringLiteral("SELECT WARTBRUTTO FROM koszty")).value(0, 0).toDouble(),
                 123.45);
        QCOMPARE(db->select(QStringLiteral("SELECT OPIS FROM naprawy")).value(0, 0).toString(),
                 QStringLiteral("Hamulce"));
        QCOMPARE(db->select(QStringLiteral("SELECT LW900 FROM stawki")).value(0, 0).toDouble(),
                 0.5214);
        if (asOf < Version::V1_0_7)
            for (int row = 0; row < 3; ++row) {
                QVERIFY(!vehicles.value(row, QStringLiteral("STATUS")).isNull());
                QCOMPARE(vehicles.value(row, QStringLiteral("STATUS")).toInt(), 0);
            }
        if (asOf < Version::V1_0_13)
            QCOMPARE(trip.text(0, QStringLiteral("PRYW")), QStringLiteral("N"));
        if (asOf >= Version::V1_0_6 && asOf < Version::V1_0_13) {
            const ResultSet reading = db->select(QStringLiteral("SELECT * FROM przebiegi"));
            QCOMPARE(reading.value(0, QStringLiteral("LICZNIK")).toDouble(), 15000.0);
            QVERIFY(!reading.value(0, QStringLiteral("DOTYCZY")).isNull());
            QCOMPARE(reading.value(0, QStringLiteral("DOTYCZY")).toInt(), 0);
        }

        // Vehicle kinds: the first four as they were, then "Inne 1" to "Inne 16".
        const ResultSet kinds = db->select(QStringLiteral(
            "SELECT KOD, OPIS, UZUP1 FROM slowniki WHERE IDSLOWNIK='RDPOJ' ORDER BY KOD"));
        QCOMPARE(kinds.rowCount(), 20);
        QCOMPARE(kinds.text(0, QStringLiteral("OPIS")), QStringLiteral("Osobówka firmowa"));
        QCOMPARE(kinds.value(3, QStringLiteral("KOD")).toInt(), 4);
        for (int n = 1; n <= 16; ++n) {
            QCOMPARE(kinds.text(3 + n, QStringLiteral("OPIS")), QStringLiteral("Inne %1").arg(n));
            QCOMPARE(kinds.text(3 + n, QStringLiteral("UZUP1")), QString::number(n + 4));
        }
        QCOMPARE(db->select(QStringLiteral("SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK='RDPLA' "
                                           "AND OPIS='Karta płatnicza'"))
                     .value(0, 0)
                     .toInt(),
                 1);
        // The data module's kind list follows the replaced kinds.
        QVERIFY(vehicleKinds(*db).contains(QStringLiteral("Inne 16")));

        // What was shown, in the order of the steps.
        QStringList expected;
        if (asOf < Version::Lpg)
            expected << kLpgAdded;
        for (const auto& [version, text] : kMarkers)
            if (version > asOf && version != Version::V2_6)
                expected << updated(text);
        if (asOf < Version::V2_6)
            expected << QStringLiteral("Czy podczas edycji danych (np. Przejazdy, Wyposażenie, "
                                       "Zużycie paliwa) zawsze kopiować nowo podawany stan "
                                       "licznika do tabeli historii przebiegów pojazdu "
                                       "(Domyślnie: TAK)?");
        expected << QStringLiteral("Baza danych zaktualizowana do wersji 2.8");
        compareTexts(env.ui().texts(), expected);
        const QStringList log = logLines();
        QVERIFY(
            log.contains(QStringLiteral("[9999999999]  Dodano tabelę system.DB DIR=") + company));
        QCOMPARE(log.last(),
                 QStringLiteral("[9999999999]  baza danych zaktualizowana do wersji 2.8"));
        if (asOf < Version::Lpg)
            QVERIFY(log.contains(QStringLiteral("[9999999999]  Dodano tabelę zuzycielpg.DB DIR=") +
                                 company));

        // The tables changed by a step were copied first, as they were then.
        const bool before105 = asOf < Version::V1_0_5;
        for (const char* copy : {"pojazdy.BAK", "stawki.BAK", "slowniki.BAK"})
            QCOMPARE(hasFile(QString::fromLatin1(copy)), before105);
        const bool before106 = asOf < Version::V1_0_6;
        for (const char* copy : {"pojazdy.BK2", "dokumenty.BK2", "naprawy.BK2", "opony.BK2",
                                 "terminy.BK2", "wyposazenie.BK2"})
            QCOMPARE(hasFile(QString::fromLatin1(copy)), before106);
        const bool before107 = asOf < Version::V1_0_7;
        for (const char* copy : {"pojazdy.BK3", "koszty.BK3", "naprawy.BK3"})
            QCOMPARE(hasFile(QString::fromLatin1(copy)), before107);
        const bool before1013 = asOf < Version::V1_0_13;
        for (const char* copy : {"przejazdy.BK4", "przebiegi.BK4"})
            QCOMPARE(hasFile(QString::fromLatin1(copy)), before1013);
        if (before105) {
            const QStringList old =
                columnsOfCopy(QStringLiteral("pojazdy.BAK"), QStringLiteral("pojazdy"));
            QVERIFY(old.contains(QStringLiteral("NRREJ")));
            QVERIFY(!old.contains(QStringLiteral("STAWKA")));
            QVERIFY(log.contains(QStringLiteral("[0000100003]  plik pojazdy.BAK utworzony")));
            QVERIFY(log.contains(QStringLiteral("[0000100007]  tabela terminy.DB stworzona")));
        }
        if (before107) {
            const QStringList old =
                columnsOfCopy(QStringLiteral("pojazdy.BK3"), QStringLiteral("pojazdy"));
            QVERIFY(old.contains(QStringLiteral("NORMAOD")));
            QVERIFY(!old.contains(QStringLiteral("NRFLOTY")));
        }
        // Added tables were re-protected: the template password no longer opens them.
        QVERIFY(!trialOpenTable(company, QStringLiteral("system.DB"), schema::kTemplatePassword));
        QVERIFY(trialOpenTable(company, QStringLiteral("system.DB"), kPassword));
    }

    void secondRunDoesNothingAndShowsNothing() {
        buildCompany(QStringLiteral("twice"), Version::Base);
        auto db = open();
        QVERIFY(db);
        QVERIFY(runSchemaUpgrades(*db));
        db->exec(QStringLiteral("UPDATE pojazdy SET STATUS=3 WHERE IDPOJAZD=1"));
        const QStringList files = QDir(company).entryList(QDir::Files, QDir::Name);
        const QString log = test::readErrorLog();
        env.ui().clear();

        QVERIFY(runSchemaUpgrades(*db));
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(test::readErrorLog(), log);
        QCOMPARE(QDir(company).entryList(QDir::Files, QDir::Name), files);
        QCOMPARE(db->select(QStringLiteral("SELECT STATUS FROM pojazdy WHERE IDPOJAZD=1"))
                     .value(0, 0)
                     .toInt(),
                 3);
    }

    void presentColumnSkipsItsAlterButTheMarkerIsWritten() {
        buildCompany(QStringLiteral("stawka"), Version::Lpg);
        {
            engine::Connection c;
            c.open(company, false);
            c.execute(QStringLiteral("ALTER TABLE pojazdy ADD COLUMN STAWKA FLOAT"));
            c.execute(QStringLiteral("UPDATE pojazdy SET STAWKA=55.5"));
        }
        auto db = open();
        QVERIFY(db);
        QVERIFY(runSchemaUpgrades(*db));
        QVERIFY(hasMarker(QStringLiteral("1.0.5")));
        const QStringList log = logLines();
        QVERIFY(!log.join(u'\n').contains(QStringLiteral("[0000100016]")));
        QVERIFY(log.contains(QStringLiteral("[0000100017]  dodano nowe pola w zbiorze stawki.DB")));
        QVERIFY(!env.ui().contains(kStepFailed));
        QCOMPARE(db->select(QStringLiteral("SELECT STAWKA FROM pojazdy WHERE IDPOJAZD=1"))
                     .value(0, 0)
                     .toDouble(),
                 55.5);
    }

    // One column of a list already there: the columns before it must not be
    // left behind, so the next run finds the list as it was and tries again.
    void failingAlterLeavesNoColumnOfItsList() {
        buildCompany(QStringLiteral("halfalter"), Version::V1_0_5);
        {
            engine::Connection c;
            c.open(company, false);
            c.execute(QStringLiteral("ALTER TABLE pojazdy ADD COLUMN NORMADO FLOAT"));
        }
        auto db = open();
        QVERIFY(db);
        QVERIFY(!runSchemaUpgrades(*db));
        QVERIFY(!db->columnExists(QStringLiteral("pojazdy.DB"), QStringLiteral("NORMAOD")));
        QVERIFY(!hasMarker(QStringLiteral("1.0.6")));
        QVERIFY(!hasFile(QStringLiteral("zuzyciekm.DB"))); // later actions of the step did not run
        QVERIFY(!db->columnExists(QStringLiteral("dokumenty.DB"), QStringLiteral("LICZTERM")));
        QCOMPARE(env.ui().messages().at(0).caption, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(env.ui().messages().at(1).caption, QStringLiteral("Błąd"));
        QCOMPARE(env.ui().messages().at(1).text, kStepFailed);
        const QStringList log = logLines();
        QVERIFY(log.contains(
            QStringLiteral("[0001200027]  Nieudana próba aktualizacji do wersji 1.0.6")));
        QVERIFY(log.join(u'\n').contains(QStringLiteral("[0001200014]  ")));
        // The steps after it ran at the same time.
        QVERIFY(hasMarker(QStringLiteral("1.0.7")));
        QVERIFY(hasMarker(QStringLiteral("1.0.8")));
        QVERIFY(hasFile(QStringLiteral("system.DB")));
    }

    void failedBackupCopyStopsTheStep() {
        buildCompany(QStringLiteral("nobackup"), Version::Lpg);
        QVERIFY(QFile::remove(QDir(company).filePath(QStringLiteral("pojazdy.DB"))));
        auto db = open();
        QVERIFY(db);
        runSchemaUpgrades(*db);
        QCOMPARE(env.ui().messages().at(0).caption, QStringLiteral("Błąd"));
        QCOMPARE(env.ui().messages().at(0).text,
                 QStringLiteral("Nie udało się stworzyć kopii zbioru pojazdy.BAK."));
        QCOMPARE(env.ui().messages().at(1).text, kStepFailed);
        QVERIFY(logLines().contains(
            QStringLiteral("[0000100002]  Nie udało się stworzyć kopii zbioru pojazdy.BAK")));
        QVERIFY(!hasFile(QStringLiteral("stawki.BAK")));
        QVERIFY(!hasFile(QStringLiteral("terminy.DB")));
        QCOMPARE(db->select(QStringLiteral("SELECT COUNT(*) FROM slowniki WHERE "
                                           "OPIS='Karta płatnicza'"))
                     .value(0, 0)
                     .toInt(),
                 0);
    }

    void missingTemplateFailsItsStepAndTheNextRunRepeatsOnlyWhatIsMissing() {
        // An installation whose templates lack the road cards.
        const QString install = env.newDirectory(QStringLiteral("install"));
        const QString empty = QDir(install).filePath(QStringLiteral("data/empty"));
        QDir().mkpath(empty);
        const QDir source(QDir(test::templateDataDir()).filePath(QStringLiteral("empty")));
        for (const QString& f : source.entryList(QDir::Files))
            if (f != u"kartydrogowe.D_")
                QVERIFY(QFile::copy(source.filePath(f), QDir(empty).filePath(f)));
        const QByteArray realInstall = qgetenv("KARVENTO_INSTALL_DIR");
        qputenv("KARVENTO_INSTALL_DIR", install.toUtf8());

        buildCompany(QStringLiteral("notemplate"), Version::V1_0_6);
        auto db = open();
        QVERIFY(db);
        QVERIFY(!runSchemaUpgrades(*db));
        qputenv("KARVENTO_INSTALL_DIR", realInstall);

        QCOMPARE(env.ui().messages().at(0).caption, QStringLiteral("Błąd"));
        QCOMPARE(env.ui().messages().at(0).text,
                 QStringLiteral("Nie udało się stworzyć tabeli kartydrogowe.DB."));
        QCOMPARE(env.ui().messages().at(1).text, kStepFailed);
        QVERIFY(env.ui().contains(updated(QStringLiteral("1.0.8"))));
        QStringList log = logLines();
        QVERIFY(log.contains(
            QStringLiteral("[0001300014]  Nie udało się stworzyć tabeli kartydrogowe.DB")));
        QVERIFY(log.contains(
            QStringLiteral("[0001300027]  Nieudana próba aktualizacji do wersji 1.0.7")));
        QVERIFY(!hasMarker(QStringLiteral("1.0.7")));
        QVERIFY(!hasFile(QStringLiteral("kartydrogowe.DB")));
        // What came before the failure stays; the following steps ran.
        QVERIFY(hasFile(QStringLiteral("pojazdy.BK3")));
        QVERIFY(db->columnExists(QStringLiteral("koszty.DB"), QStringLiteral("IDDROGOWA")));
        for (const char* version : {"1.0.8", "1.0.9", "1.0.13", "2.6"})
            QVERIFY(hasMarker(QString::fromLatin1(version)));
        QVERIFY(hasFile(QStringLiteral("magazyn.DB")));
        QVERIFY(hasFile(QStringLiteral("system.DB")));

        // The user changes a vehicle in between; the defaults are not set again.
        db->exec(QStringLiteral("UPDATE pojazdy SET STATUS=2 WHERE IDPOJAZD=1"));
        QFile::remove(errorLogPath());
        env.ui().clear();
        QVERIFY(runSchemaUpgrades(*db));
        compareTexts(env.ui().texts(), {updated(QStringLiteral("1.0.7"))});
        compareTexts(logLines(),
                     {QStringLiteral("[0001300015]  dodano tabelę kartydrogowe.DB"),
                      QStringLiteral("[9999999999]  baza danych zaktualizowana do wersji 1.0.7")});
        QCOMPARE(db->select(QStringLiteral("SELECT STATUS FROM pojazdy WHERE IDPOJAZD=1"))
                     .value(0, 0)
                     .toInt(),
                 2);
    }

    void vehiclesKeepTheRateColumnOfTheirReplacedKind() {
        buildCompany(QStringLiteral("kinds"), Version::Lpg);
        auto db = open();
        QVERIFY(db);
        runSchemaUpgrades(*db);
        const ResultSet r = db->select(QStringLiteral(
            "SELECT P.IDPOJAZD, P.RODZAJ, S.OPIS, S.UZUP1 FROM pojazdy P LEFT OUTER JOIN "
            "slowniki S ON S.KOD = P.RODZAJ ORDER BY P.IDPOJAZD"));
        QCOMPARE(r.text(0, QStringLiteral("OPIS")), QStringLiteral("Osobówka firmowa"));
        // "Ciągnik" was rated by column 5: its vehicle is now of "Inne 1".
        QCOMPARE(r.text(1, QStringLiteral("OPIS")), QStringLiteral("Inne 1"));
        QCOMPARE(r.text(1, QStringLiteral("UZUP1")), QStringLiteral("5"));
        // "Koparka" had no rate column: nothing to map it to.
        QCOMPARE(r.value(2, QStringLiteral("RODZAJ")).toInt(), 7);
        QVERIFY(r.value(2, QStringLiteral("OPIS")).isNull());
    }

    void version26QuestionChangesTheOptionOnlyOnNo() {
        programOptions() = ProgramOptions{};
        buildCompany(QStringLiteral("yes26"), Version::V1_0_13);
        {
            auto db = open();
            QVERIFY(db);
            env.ui().queueAnswer(true);
            QVERIFY(runSchemaUpgrades(*db));
        }
        QVERIFY(programOptions().cbKopiujPrzebiegDoHistorii);
        QCOMPARE(env.ui().messages().at(0).caption,
                 QStringLiteral("Aktualizacja programu do wersji 2.6"));
        QVERIFY(logLines().contains(
            QStringLiteral("[9999999999]  program zaktualizowany do wersji 2.6")));

        buildCompany(QStringLiteral("no26"), Version::V1_0_13);
        auto db = open();
        QVERIFY(db);
        env.ui().clear();
        env.ui().queueAnswer(false);
        QVERIFY(runSchemaUpgrades(*db));
        QVERIFY(!programOptions().cbKopiujPrzebiegDoHistorii);
        QVERIFY(!ProgramOptions::load(optionsFilePath()).cbKopiujPrzebiegDoHistorii);
        QVERIFY(hasMarker(QStringLiteral("2.6")));
        // Nothing is shown after the question but the last step's own message.
        compareTexts(env.ui().texts().mid(1),
                     {QStringLiteral("Baza danych zaktualizowana do wersji 2.8")});
    }
};

QTEST_GUILESS_MAIN(TestSchemaUpgrade)
#include "tst_schemaupgrade.moc"
