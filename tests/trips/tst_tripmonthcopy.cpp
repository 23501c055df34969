#include "TripsFixture.h"

#include "storage/ErrorReport.h"
#include "trips/TripMonthCopy.h"

using namespace kv;

// The month copy of trips: which days arrive where, all or nothing, a month
// onto itself, the dry run, and lent trips arriving without readings.
class TestTripMonthCopy : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;
    int car = 0;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
        car = data->addVehicle(QStringLiteral("EL 200"));
    }
    QList<int> dates(int from, int to) {
        const ResultSet r = db->select(QStringLiteral("SELECT DATA FROM przejazdy.DB WHERE DATA "
                                                      ">= %1 AND DATA <= %2 ORDER BY DATA, "
                                                      "IDPRZEJAZD")
                                           .arg(from)
                                           .arg(to));
        QList<int> out;
        for (int i = 0; i < r.rowCount(); ++i)
            out.append(r.value(i, 0).toInt());
        return out;
    }
    int count() {
        return db->select(QStringLiteral("SELECT COUNT(*) FROM przejazdy.DB")).value(0, 0).toInt();
    }
    void januaryEnds() {
        for (int day : {1, 15, 28, 29, 30, 31})
            data->addTrip(car, 20230100 + day, "12.5");
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }
    void cleanup() {
        data.reset();
        db.reset();
    }

    void monthLengthsFollowTheGregorianCalendar() {
        QCOMPARE(daysInMonth({2023, 2}), 28);
        QCOMPARE(daysInMonth({2024, 2}), 29);
        QCOMPARE(daysInMonth({1900, 2}), 28); // a century, not divisible by 400
        QCOMPARE(daysInMonth({2000, 2}), 29);
        QCOMPARE(daysInMonth({2024, 4}), 30);
        QCOMPARE(daysInMonth({2024, 12}), 31);
        QCOMPARE(copiedTripDate(20230131, {2023, 2}, LastDayRule::Skip), 0);
        QCOMPARE(copiedTripDate(20230131, {2023, 2}, LastDayRule::MoveToLastDay), 20230228);
        QCOMPARE(copiedTripDate(20230129, {2024, 2}, LastDayRule::Skip), 20240229);
        QCOMPARE(copiedTripDate(20231231, {2024, 1}, LastDayRule::Skip), 20240131);
    }

    void skippedDaysAreCountedNotCopied() {
        open(QStringLiteral("skip"));
        januaryEnds();
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 1}, {2023, 2}, LastDayRule::Skip, false);
        QVERIFY(r.ok);
        QCOMPARE(r.copied, 3);
        QCOMPARE(r.skipped, 3);
        QCOMPARE(dates(20230200, 20230299), (QList<int>{20230201, 20230215, 20230228}));
        QCOMPARE(tripMonthCopyMessage(r, false),
                 QStringLiteral("Skopiowano przejazdów: 3 (pominięto: 3)."));
    }

    void daysBeyondTheMonthMoveToItsLastDay() {
        open(QStringLiteral("move"));
        januaryEnds();
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 1}, {2023, 2}, LastDayRule::MoveToLastDay, false);
        QCOMPARE(r.copied, 6);
        QCOMPARE(r.skipped, 0);
        QCOMPARE(dates(20230200, 20230299),
                 (QList<int>{20230201, 20230215, 20230228, 20230228, 20230228, 20230228}));
        // February 2024 has its 29th.
        const TripMonthCopyResult leap =
            copyTripMonth(*db, {2023, 1}, {2024, 2}, LastDayRule::Skip, false);
        QCOMPARE(leap.copied, 4);
        QCOMPARE(dates(20240200, 20240299), (QList<int>{20240201, 20240215, 20240228, 20240229}));
    }

    void copyKeepsEveryFieldOfTheTrip() {
        open(QStringLiteral("fields"));
        data->addPerson(QStringLiteral("K9"), QStringLiteral("Nowak"), QStringLiteral("Jan"));
        const int other = data->addVehicle(QStringLiteral("EL 201"));
        data->addTrip(other, 20230310, "123.45", QStringLiteral("K9"));
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET UWAGI = 'z ''cudzysłowem''', "
                                "CELWYJAZDU = 'Serwis'"));
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 3}, {2023, 4}, LastDayRule::Skip, false);
        QCOMPARE(r.copied, 1);
        const ResultSet c = db->select(QStringLiteral(
            "SELECT IDPOJAZD, CELWYJAZDU, TRASA, ODLEGLOSC, IDKIEROWCY, UWAGI, PRYW, PRYWKTO, "
            "PRYWLICZOD, PRYWLICZDO FROM przejazdy.DB WHERE DATA = 20230410"));
        QCOMPARE(c.rowCount(), 1);
        QCOMPARE(c.value(0, 0).toInt(), other);
        QCOMPARE(c.value(0, 1).toString(), QStringLiteral("Serwis"));
        QCOMPARE(c.value(0, 2).toString(), QStringLiteral("Łódź"));
        QCOMPARE(c.value(0, 3).toDouble(), 123.45);
        QCOMPARE(c.value(0, 4).toString(), QStringLiteral("K9"));
        QCOMPARE(c.value(0, 5).toString(), QStringLiteral("z 'cudzysłowem'"));
        QCOMPARE(c.value(0, 6).toString(), QStringLiteral("N"));
        QCOMPARE(c.value(0, 8).toDouble(), 0.0);
    }

    void monthOntoItselfDoublesOnce() {
        open(QStringLiteral("itself"));
        for (int day = 1; day <= 20; ++day)
            data->addTrip(car, 20230500 + day, "10");
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 5}, {2023, 5}, LastDayRule::Skip, false);
        QCOMPARE(r.copied, 20);
        QCOMPARE(count(), 40);
        QCOMPARE(dates(20230505, 20230505).size(), 2);
    }

    void failureWritesNothing() {
        open(QStringLiteral("failure"));
        db->exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n "
                                "WHERE i < 2999) INSERT INTO przejazdy.DB (DATA, IDPOJAZD, "
                                "CELWYJAZDU, TRASA, ODLEGLOSC, IDKIEROWCY, UWAGI, PRYW, PRYWKTO, "
                                "PRYWLICZOD, PRYWLICZDO) SELECT 20230601 + i % 30, %1, 'Klient', "
                                "'Łódź', 5, '', '', 'N', '', 0, 0 FROM n")
                     .arg(car));
        QCOMPARE(count(), 3000);
        // Another table's rule stops the 1,000th insert.
        db->exec(QStringLiteral("CREATE TRIGGER przejazdy.stop1000 BEFORE INSERT ON przejazdy "
                                "WHEN (SELECT COUNT(*) FROM przejazdy) >= 3999 BEGIN SELECT "
                                "RAISE(ABORT, 'dysk pełny'); END"));
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 6}, {2023, 7}, LastDayRule::Skip, false);
        QVERIFY(!r.ok);
        QCOMPARE(r.copied, 0);
        QCOMPARE(count(), 3000);
        QVERIFY(dates(20230700, 20230799).isEmpty());
        QCOMPARE(env.ui().messages().size(), 1);
        QCOMPARE(env.ui().messages().at(0).caption, kDatabaseErrorCaption);
        QVERIFY(env.ui().messages().at(0).text.contains(QStringLiteral("dysk pełny")));
    }

    void dryRunListsWithoutWriting() {
        open(QStringLiteral("dry"));
        januaryEnds();
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 1}, {2023, 4}, LastDayRule::Skip, true);
        QVERIFY(r.ok);
        QCOMPARE(count(), 6);
        QCOMPARE(r.copied, 5);
        QCOMPARE(r.skipped, 1);
        QCOMPARE(r.items.size(), 5);
        QCOMPARE(r.items.at(4).sourceDate, 20230130);
        QCOMPARE(r.items.at(4).newDate, 20230430);
        QCOMPARE(r.items.at(4).registration, QStringLiteral("EL 200"));
        QCOMPARE(r.items.at(4).km, QStringLiteral("12,50"));
        QCOMPARE(tripMonthCopyMessage(r, true),
                 QStringLiteral("Do skopiowania przejazdów: 5 (pominięto: 1)."));
    }

    void lentTripArrivesWithoutReadings() {
        open(QStringLiteral("lent"));
        const int id = data->addTrip(car, 20230810, "40");
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYW = 'T', PRYWKTO = 'Jan Obcy', "
                                "PRYWLICZOD = 10500, PRYWLICZDO = 10540 WHERE IDPRZEJAZD = %1")
                     .arg(id));
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 8}, {2023, 9}, LastDayRule::Skip, false);
        QCOMPARE(r.lent, 1);
        const ResultSet c =
            db->select(QStringLiteral("SELECT PRYW, PRYWKTO, PRYWLICZOD, PRYWLICZDO FROM "
                                      "przejazdy.DB WHERE DATA = 20230910"));
        QCOMPARE(c.value(0, 0).toString(), QStringLiteral("T"));
        QCOMPARE(c.value(0, 1).toString(), QStringLiteral("Jan Obcy"));
        QCOMPARE(c.value(0, 2).toDouble(), 0.0);
        QCOMPARE(c.value(0, 3).toDouble(), 0.0);
        QVERIFY(tripMonthCopyMessage(r, false).startsWith(
            QStringLiteral("Skopiowano przejazdów: 1 (pominięto: 0). "
                           "Przejazdy pojazdów użyczonych: 1")));
    }

    void emptyMonthCopiesNothing() {
        open(QStringLiteral("none"));
        data->addTrip(car, 20231001, "5");
        const TripMonthCopyResult r =
            copyTripMonth(*db, {2023, 9}, {2023, 10}, LastDayRule::Skip, false);
        QVERIFY(r.ok);
        QCOMPARE(r.copied, 0);
        QCOMPARE(count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTripMonthCopy)
#include "tst_tripmonthcopy.moc"
