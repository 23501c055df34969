#include "TestSupport.h"

#include "dictionaries/RateTable.h"
#include "dictionaries/VehicleKinds.h"
#include "fleet/VehicleStatus.h"
#include "framework/DisplayFormatters.h"
#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "trips/OdometerKinds.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace kv;

class TestDataModule : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    // A location with one company "firma" made of the templates.
    std::unique_ptr<DataModule> openCompany(const QString& name) {
        location = env.newDirectory(name);
        test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
        QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmyblank.D_")),
                    QDir(location).filePath(QStringLiteral("firmy.DB")));
        // The trailing separator is how a stored location usually looks.
        return test::openCompanyIn(location + u'/', QStringLiteral("firma"));
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void tripInsertTemplateFillsSlotsAndParameters() {
        auto db = openCompany(QStringLiteral("insert"));
        QVERIFY(db);
        Query& q = db->addQuery(
            QStringLiteral("DBFInsertPrzejazdy"), ConnectionKind::Company,
            {QStringLiteral("INSERT INTO przejazdy.DB(DATA,IDPOJAZD,CELWYJAZDU,TRASA,ODLEGLOSC,"),
             QStringLiteral("IDKIEROWCY,UWAGI,PRYW,PRYWKTO,PRYWLICZOD,PRYWLICZDO) VALUES ("),
             QString(), QString(), QString(), QStringLiteral(","), QString(),
             QStringLiteral(",:PARAM0,:PARAM1,"), QString(), QStringLiteral(","),
             QStringLiteral(":PARAM2"), QStringLiteral(",:PARAM3"), QStringLiteral(",:PARAM4"),
             QStringLiteral(",:PARAM5,"), QString(), QStringLiteral(","), QString(),
             QStringLiteral(")")});
        q.setLine(4, QStringLiteral("20240105"));
        q.setLine(6, QStringLiteral("7"));
        q.setLine(8, QStringLiteral("12.5"));
        q.setLine(14, QStringLiteral("0"));
        q.setLine(16, QStringLiteral("0"));
        QCOMPARE(
            q.text(),
            QStringLiteral("INSERT INTO przejazdy.DB(DATA,IDPOJAZD,CELWYJAZDU,TRASA,ODLEGLOSC,\n"
                           "IDKIEROWCY,UWAGI,PRYW,PRYWKTO,PRYWLICZOD,PRYWLICZDO) VALUES (\n"
                           "\n\n20240105\n,\n7\n,:PARAM0,:PARAM1,\n12.5\n,\n:PARAM2\n,:PARAM3\n"
                           ",:PARAM4\n,:PARAM5,\n0\n,\n0\n)"));
        const QString remark = QStringLiteral("Uwaga: \"pilne\"; klient O'Hara – Łódź\\Zgierz");
        db->execute(q, {QStringLiteral("Dostawa"), QStringLiteral("Łódź – Kraków"),
                        QStringLiteral("K'1"), remark, QStringLiteral("N"), QString()});
        const ResultSet r = db->select(QStringLiteral("SELECT * FROM przejazdy"));
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.value(0, QStringLiteral("DATA")).toInt(), 20240105);
        QCOMPARE(r.value(0, QStringLiteral("ODLEGLOSC")).toDouble(), 12.5);
        QCOMPARE(r.text(0, QStringLiteral("UWAGI")), remark);
        QCOMPARE(r.text(0, QStringLiteral("IDKIEROWCY")), QStringLiteral("K'1"));
        QCOMPARE(r.text(0, QStringLiteral("TRASA")), QStringLiteral("Łódź – Kraków"));
        QCOMPARE(db->lastId(QStringLiteral("przejazdy"), QStringLiteral("IDPRZEJAZD")), 1);
    }

    void genericOperationsAnswerAsPromised() {
        auto db = openCompany(QStringLiteral("generic"));
        QVERIFY(db);
        QCOMPARE(db->lastId(QStringLiteral("koszty.DB"), QStringLiteral("IDKOSZT")), 0);
        env.ui().clear();
        QCOMPARE(db->lastId(QStringLiteral("nieistniejaca"), QStringLiteral("ID")), -1);
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000801]  ")));
        QCOMPARE(env.ui().last().caption, kDatabaseErrorCaption);

        QVERIFY(!db->recordExistsByText(QStringLiteral("osobowa"), QStringLiteral("NREW"),
                                        QStringLiteral("P1")));
        db->exec(QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO) VALUES ('P1', 'Kos')"));
        QVERIFY(db->recordExistsByText(QStringLiteral("osobowa"), QStringLiteral("NREW"),
                                       QStringLiteral("P1")));
        QVERIFY(!db->recordExists(QStringLiteral("stawki"), QStringLiteral("DATAOD"), 20230117));
        // A table that cannot be opened blocks a duplicate check instead of passing it.
        QFile damaged(QDir(db->companyDirectory()).filePath(QStringLiteral("stawki.DB")));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write("zepsuta");
        damaged.close();
        db->companyConnection().detachAll();
        QVERIFY(db->recordExists(QStringLiteral("stawki"), QStringLiteral("DATAOD"), 20230117));
        QVERIFY(db->recordExistsByText(QStringLiteral("brak"), QStringLiteral("X"),
                                       QStringLiteral("y")));

        QVERIFY(db->columnExists(QStringLiteral("pojazdy.DB"), QStringLiteral("STAWKA")));
        QVERIFY(!db->columnExists(QStringLiteral("pojazdy.DB"), QStringLiteral("NIEMA")));
        QVERIFY(!db->columnExists(QStringLiteral("brak.DB"), QStringLiteral("X")));

        for (const char* name : {"Zeta", "Ósemka", "Alfa", "Żuraw", "Orzeł", "Ącki"})
            db->exec(QStringLiteral(
                         "INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('KONTR', :PARAM0)"),
                     engine::positionalParams({QString::fromUtf8(name)}));
        db->exec(
            QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('TRASY', 'Beta')"));
        // In Polish order: "Ą" after "A", "Ó" after "O", "Ż" last.
        QCOMPARE(db->fillContractorList(),
                 (QStringList{"Alfa", "Ącki", "Orzeł", "Ósemka", "Zeta", "Żuraw"}));
    }

    void errorReportShowsAndLogs() {
        env.ui().clear();
        reportDatabaseError(QStringLiteral("general failure"), true, 25);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(
            env.ui().last().text,
            QStringLiteral("Wystąpił nieoczekiwany błąd. Orginalny komunikat: general failure"));
        reportDatabaseError(QStringLiteral("x: Directory is controlled by other .NET file y"), true,
                            7);
        QVERIFY(
            env.ui().last().text.startsWith(QStringLiteral("Pliki bazy danych są zablokowane")));
        const QString log = test::readErrorLog();
        QVERIFY(log.contains(QStringLiteral("[0000000025]  general failure\n")));
        QVERIFY(log.contains(
            QStringLiteral("[0000000007]  x: Directory is controlled by other .NET file y")));
        appendErrorLog(codedLine(9999999999LL, QStringLiteral("db location=/tmp")));
        QVERIFY(
            test::readErrorLog().contains(QStringLiteral("  [9999999999]  db location=/tmp\n")));
        // Each line starts with the time and two blanks.
        const QStringList lines = test::readErrorLog().split(u'\n', Qt::SkipEmptyParts);
        const QRegularExpression stamp(
            QStringLiteral("^\\d{4}\\.\\d{2}\\.\\d{2} \\d{2}:\\d{2}:\\d{2}  \\["));
        for (const QString& line : lines)
            QVERIFY2(stamp.match(line).hasMatch(), qPrintable(line));
        // While the program shuts down nothing is shown, but the log still gets the line.
        env.ui().clear();
        env.ui().setTerminating(true);
        reportDatabaseError(QStringLiteral("late"), true, 1);
        env.ui().setTerminating(false);
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000001]  late")));
        QCOMPARE(formatMessageCode(0), QStringLiteral("0000000000"));
    }

    void logWithoutFolderIsSilentlySkipped() {
        QDir(QDir(env.settingsDir()).filePath(QStringLiteral("debug"))).removeRecursively();
        appendErrorLog(QStringLiteral("nothing happens"));
        QVERIFY(!QFile::exists(errorLogPath()));
        QDir().mkpath(QDir(env.settingsDir()).filePath(QStringLiteral("debug")));
    }

    void openingAFailedCompanyIsReported() {
        DataModule db;
        db.setLocation(env.newDirectory(QStringLiteral("empty-location")));
        env.ui().clear();
        QVERIFY(!db.openCompanyDatabase(QStringLiteral("brak")));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000566]  ")));
    }

    void openingResetsViewStateAndKinds() {
        Clock::setFixed(QDateTime(QDate(2024, 6, 15), QTime(10, 0)));
        auto db = openCompany(QStringLiteral("views"));
        QVERIFY(db);
        const RegisterViewState& trips = registerState(*db, RegisterId::Trips);
        QCOMPARE(trips.sortColumn, QStringLiteral("DATA"));
        QVERIFY(trips.ascending);
        QCOMPARE(trips.periodFragment, QStringLiteral("AND DATA > 20240000 AND DATA < 20241300"));
        QCOMPARE(registerState(*db, RegisterId::Repairs).periodFragment,
                 QStringLiteral("AND ((DATA > 20240000 AND DATA < 20241300) OR (DATA = 0))"));
        QCOMPARE(registerState(*db, RegisterId::Calendar).periodFragment,
                 QStringLiteral("AND DATAOD > 20240000 AND DATADO < 20241300"));
        QCOMPARE(registerState(*db, RegisterId::RoadCards).sortColumn, QStringLiteral("DATAWYST"));
        QCOMPARE(registerState(*db, RegisterId::Consumption).vehicleFragment,
                 QStringLiteral("AND IDPOJAZD=-1"));
        QVERIFY(registerState(*db, RegisterId::Vehicles).periodFragment.isEmpty());
        QCOMPARE(registerState(*db, RegisterId::Costs).extraFragments.size(), 4);
        Clock::setFixed({});
        QCOMPARE(vehicleKinds(*db), QStringList{QString()});
        db->exec(QStringLiteral(
            "INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Samochód osobowy')"));
        db->exec(QStringLiteral(
            "INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'Motocykl')"));
        QVERIFY(refillVehicleKinds(*db));
        QCOMPARE(vehicleKinds(*db), (QStringList{QString(), QStringLiteral("Motocykl"),
                                                 QStringLiteral("Samochód osobowy")}));
    }

    void locatingNeedsTheWholeKey() {
        auto db = openCompany(QStringLiteral("locate"));
        QVERIFY(db);
        Query& q = db->addQuery(QStringLiteral("DBFZuzycie"), ConnectionKind::Company,
                                {QStringLiteral("SELECT * FROM zuzycie.DB ORDER BY DATA")});
        db->exec(QStringLiteral("INSERT INTO zuzycie.DB (IDPOJAZD, DATA) VALUES (1, 20240101)"));
        db->exec(QStringLiteral("INSERT INTO zuzycie.DB (IDPOJAZD, DATA) VALUES (2, 20240102)"));
        db->exec(QStringLiteral("INSERT INTO zuzycie.DB (IDPOJAZD, DATA) VALUES (3, 20240103)"));
        db->open(q);
        QVERIFY(locateRegisterRow(*db, QStringLiteral("DBFZuzycie"), {20240102, 2}));
        QCOMPARE(q.currentRow(), 1);
        QVERIFY(!locateRegisterRow(*db, QStringLiteral("DBFZuzycie"), {20240102, 1}));
        QCOMPARE(q.currentRow(), 2);

        Query& p = db->addQuery(QStringLiteral("DBFpojazdy"), ConnectionKind::Company,
                                {QStringLiteral("SELECT * FROM pojazdy.DB ORDER BY NRREJ")});
        db->exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ) VALUES ('B')"));
        db->exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ) VALUES ('A')"));
        db->open(p);
        QVERIFY(locateRegisterRow(*db, QStringLiteral("DBFpojazdy"), {QStringLiteral("1")}));
        QCOMPARE(p.currentValue(QStringLiteral("NRREJ")).toString(), QStringLiteral("B"));

        env.ui().clear();
        p.close();
        QVERIFY(!locateRegisterRow(*db, QStringLiteral("DBFpojazdy"), {QStringLiteral("1")}));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000028]  ")));
    }

    void fuelTablesSwitchBackAndForth() {
        DataModule db;
        db.addQuery(QStringLiteral("DBFZuzycie"), ConnectionKind::Company,
                    {QStringLiteral("SELECT * FROM"), QStringLiteral("zuzycie.DB"),
                     QStringLiteral("WHERE 1=1")});
        db.addQuery(QStringLiteral("DBFZuzycieKm"), ConnectionKind::Company,
                    {QStringLiteral("SELECT * FROM zuzyciekm.DB, zuzyciekm.DB")});
        db.registerAlternateTableLine(QStringLiteral("DBFZuzycie"), 1, QStringLiteral("zuzycie.DB"),
                                      QStringLiteral("zuzycielpg.DB"));
        db.registerAlternateTableLine(QStringLiteral("DBFZuzycieKm"), 0,
                                      QStringLiteral("zuzyciekm.DB"),
                                      QStringLiteral("zuzyciekmlpg.DB"));
        db.switchAlternateTables(true);
        QVERIFY(db.alternateTablesActive());
        QCOMPARE(db.query(QStringLiteral("DBFZuzycie")).line(1), QStringLiteral("zuzycielpg.DB"));
        QCOMPARE(db.query(QStringLiteral("DBFZuzycieKm")).line(0),
                 QStringLiteral("SELECT * FROM zuzyciekmlpg.DB, zuzyciekm.DB"));
        db.switchAlternateTables(true); // already LPG: nothing changes
        QCOMPARE(db.query(QStringLiteral("DBFZuzycieKm")).line(0),
                 QStringLiteral("SELECT * FROM zuzyciekmlpg.DB, zuzyciekm.DB"));
        db.switchAlternateTables(false);
        QCOMPARE(db.query(QStringLiteral("DBFZuzycie")).line(1), QStringLiteral("zuzycie.DB"));
        QCOMPARE(db.query(QStringLiteral("DBFZuzycieKm")).text(),
                 QStringLiteral("SELECT * FROM zuzyciekm.DB, zuzyciekm.DB"));
    }

    void backupSettingsRoundTrip() {
        auto db = openCompany(QStringLiteral("backup"));
        QVERIFY(db);
        bool ok = false;
        QCOMPARE(db->loadBackupSettings(&ok), BackupSettings{});
        QVERIFY(ok);
        BackupSettings s;
        s.lastBackupDate = 20241201;
        s.lastFolder = 2;
        s.intervalDays = 7;
        s.folders = 5;
        s.onlyAdministrator = false;
        s.askFirst = false;
        QVERIFY(db->saveBackupSettings(s));
        QVERIFY(db->saveBackupSettings(s)); // rows are replaced, never doubled
        QCOMPARE(db->loadBackupSettings(), s);
        QCOMPARE(db->select(QStringLiteral("SELECT * FROM system.DB")).rowCount(), 7);
    }

    void ratesPickTheLatestRowAndTheKindsColumn() {
        auto db = openCompany(QStringLiteral("rates"));
        QVERIFY(db);
        db->exec(QStringLiteral(
            "INSERT INTO stawki.DB (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER, RDPOJ6) "
            "VALUES (20071114, 0.5214, 0.8358, 0.2302, 0.1382, 0.12344)"));
        db->exec(QStringLiteral("INSERT INTO stawki.DB (DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER) "
                                "VALUES (20230117, 0.89, 1.15, 0.69, 0.42)"));
        for (int n = 1; n <= 4; ++n)
            db->exec(
                QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('RDPOJ', 'k%1')")
                    .arg(n));
        for (int n = 5; n <= 20; ++n)
            db->exec(QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK, OPIS, UZUP1) VALUES "
                                    "('RDPOJ', 'Inne', '%1')")
                         .arg(n));
        QVERIFY(loadRateTable(*db));
        const RateTable& r = rateTable(*db);
        QCOMPARE(r.kindBase(), 5);
        QCOMPARE(r.rateFor(20230116, 1, 1400), 0.8358);
        QCOMPARE(r.rateFor(20230117, 1, 1400), 1.15);
        QCOMPARE(r.rateFor(20230117, 2, 900), 0.89);
        QCOMPARE(r.rateFor(20230117, 3, 125), 0.69);
        QCOMPARE(r.rateFor(20230117, 4, 50), 0.42);
        QCOMPARE(r.rateFor(20071113, 1, 1400), 0.0);
        QCOMPARE(r.rateFor(20100101, 6, 0), 0.1234); // kind with its own column, four decimals
        QCOMPARE(RateTable::amountFor(100, 0.12344), 12.34);
        QCOMPARE(formatRate(r.rateFor(20071113, 1, 1400)), QStringLiteral("0,0000"));
    }

    void lookupListsReopen() {
        auto db = openCompany(QStringLiteral("lookups"));
        QVERIFY(db);
        for (const char* code : {"23", "8", "5", "0"})
            db->exec(QStringLiteral(
                         "INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('STVAT', :PARAM0)"),
                     engine::positionalParams({QLatin1String(code)}));
        const auto vat = db->reopenLookup(QStringLiteral("DBFStawkiVAT"));
        QVERIFY(vat);
        QCOMPARE(vat->value(0, 0).toString(), QStringLiteral("23"));
        QCOMPARE(vat->value(3, 0).toString(), QStringLiteral("0"));
        db->exec(
            QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO) VALUES ('P2', 'Bez Imienia')"));
        db->exec(QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO) VALUES ('P3', 'Łoś')"));
        db->exec(QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO) VALUES ('P4', 'Mazur')"));
        const auto drivers = db->reopenLookup(QStringLiteral("DBFKiero"));
        QVERIFY(drivers);
        QCOMPARE(drivers->rowCount(), 3);
        QCOMPARE(drivers->text(0, QStringLiteral("NAZWISKO")),
                 QStringLiteral("Bez Imienia  (nr.ew. P2)"));
        QCOMPARE(drivers->text(1, QStringLiteral("NAZWISKO")), QStringLiteral("Łoś  (nr.ew. P3)"));
        for (const char* kind : {"Żyro", "Gotówka", "Czek", "Ćwierć"})
            db->exec(QStringLiteral(
                         "INSERT INTO slowniki.DB (IDSLOWNIK, OPIS) VALUES ('RDPLA', :PARAM0)"),
                     engine::positionalParams({QString::fromUtf8(kind)}));
        const auto payments = db->reopenLookup(QStringLiteral("DBFRodzajPlatnosci"));
        QVERIFY(payments);
        QStringList kinds;
        for (int i = 0; i < payments->rowCount(); ++i)
            kinds.append(payments->text(i, QStringLiteral("OPIS")));
        QCOMPARE(kinds.indexOf(QStringLiteral("Czek")) + 1,
                 kinds.indexOf(QStringLiteral("Ćwierć")));
        QCOMPARE(kinds.last(), QStringLiteral("Żyro"));
        for (const QString& name : db->lookupNames())
            QVERIFY2(db->reopenLookup(name), qPrintable(name));
        db->closeAllQueries();
        QVERIFY(!db->query(QStringLiteral("DBFKiero")).isOpen());
    }

    void formattersNeverFail() {
        QCOMPARE(formatDateValue(20240105), QStringLiteral("05.01.2024"));
        QCOMPARE(formatDateValue(0), QString());
        QCOMPARE(formatDateValue(QStringLiteral("abc")), QString());
        QCOMPARE(formatDateValue(202401), QString());
        QCOMPARE(formatTimeValue(905), QStringLiteral("09:05"));
        QCOMPARE(formatTimeValue(0), QStringLiteral("         "));
        QCOMPARE(formatYesNo(QStringLiteral("T")), QStringLiteral("Tak"));
        QCOMPARE(formatYesNo(QStringLiteral("t")), QStringLiteral("Nie"));
        QCOMPARE(formatYesNo(QVariant()), QStringLiteral("Nie"));
        QCOMPARE(formatMoney(1234.5), QStringLiteral("1234,50"));
        QCOMPARE(formatMoney(QVariant()), QString());
        QCOMPARE(formatMoney(QStringLiteral("x")), QString());
        QCOMPARE(formatRate(0.8358), QStringLiteral("0,8358"));
        QCOMPARE(formatVehicleStatus(3.0), QStringLiteral("Zniszczony"));
        QCOMPARE(formatVehicleStatus(QVariant()), QStringLiteral("Aktywny"));
        QCOMPARE(formatVehicleStatus(7), QStringLiteral("7"));
        QCOMPARE(formatOdometerKind(2.0),
                 QStringLiteral("Stan na koniec okresu rozliczeniowego VAT"));
        QCOMPARE(formatOdometerKind(9), QStringLiteral("Pozostałe"));
        QCOMPARE(formatPerson(QStringLiteral("Nowak"), QStringLiteral("Jan")),
                 QStringLiteral("Nowak Jan"));
        QCOMPARE(formatPlain(3.0), QStringLiteral("3"));
        QCOMPARE(formatPlain(2.5), QStringLiteral("2,5"));
    }
};

QTEST_GUILESS_MAIN(TestDataModule)
#include "tst_datamodule.moc"
