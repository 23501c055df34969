#include "TripsFixture.h"

#include "trips/Distances.h"

#include <QDir>
#include <QFile>

using namespace kv;

// The distance table of the database location: one direction per row, the
// two place lists, and a table that cannot be read.
class TestDistances : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    void open(const QString& name, bool withTable = true) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        if (!withTable)
            return;
        QVERIFY(QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("odleglosci.D_")),
                            QDir(db->location()).filePath(QStringLiteral("odleglosci.DB"))));
        db->exec(QStringLiteral("DELETE FROM odleglosci.DB"), {}, ConnectionKind::Main);
    }
    void add(const QString& from, const QString& to, const char* km) {
        db->exec(QStringLiteral("INSERT INTO odleglosci.DB (M1, M2, KM) VALUES (:PARAM0, "
                                ":PARAM1, %1)")
                     .arg(QLatin1String(km)),
                 engine::positionalParams({from, to}), ConnectionKind::Main);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }
    void cleanup() { db.reset(); }

    void pairAnswersOnlyItsOwnDirection() {
        open(QStringLiteral("direction"));
        add(QStringLiteral("Kraków"), QStringLiteral("Tarnów"), "84.5");
        const DistanceAnswer there =
            lookupDistance(*db, QStringLiteral("Kraków"), QStringLiteral("Tarnów"));
        QVERIFY(there.found);
        QCOMPARE(there.km, QStringLiteral("84,50"));
        QCOMPARE(there.shown(), QStringLiteral("84,50 km"));
        const DistanceAnswer back =
            lookupDistance(*db, QStringLiteral("Tarnów"), QStringLiteral("Kraków"));
        QVERIFY(!back.found);
        QCOMPARE(back.km, QStringLiteral("0"));
        QCOMPARE(back.shown(), QStringLiteral("0 km"));
        // Names are bound, never written into the statement.
        QVERIFY(!lookupDistance(*db, QStringLiteral("Kraków' OR '1'='1"), QStringLiteral("Tarnów"))
                     .found);
    }

    void listsOfferEachPlaceOnce() {
        open(QStringLiteral("lists"));
        add(QStringLiteral("Kraków"), QStringLiteral("Tarnów"), "84");
        add(QStringLiteral("Kraków"), QStringLiteral("Łódź"), "270");
        add(QStringLiteral("Zakopane"), QStringLiteral("Tarnów"), "150");
        const DistancePlaces p = loadDistancePlaces(*db);
        QCOMPARE(p.departures, (QStringList{"Kraków", "Zakopane"}));
        QCOMPARE(p.arrivals, (QStringList{"Łódź", "Tarnów"}));
    }

    void missingTableLogsAndLeavesListsEmpty() {
        open(QStringLiteral("missing"), false);
        const DistancePlaces p = loadDistancePlaces(*db);
        QVERIFY(p.departures.isEmpty());
        QVERIFY(p.arrivals.isEmpty());
        QVERIFY(!lookupDistance(*db, QStringLiteral("A"), QStringLiteral("B")).found);
        QVERIFY2(env.ui().messages().isEmpty(), qPrintable(env.ui().last().text)); // logged
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000004301]")));
    }

    void routeTextNamesBothPlaces() {
        QCOMPARE(distanceRouteText(QStringLiteral("Kraków"), QStringLiteral("Tarnów")),
                 QStringLiteral("Z: Kraków, DO: Tarnów"));
    }

    void shippedTableHoldsBothDirections() {
        open(QStringLiteral("shipped"), false);
        QVERIFY(QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("odleglosci.D_")),
                            QDir(db->location()).filePath(QStringLiteral("odleglosci.DB"))));
        const DistancePlaces p = loadDistancePlaces(*db);
        QVERIFY(p.departures.size() > 10);
        QCOMPARE(p.departures, p.arrivals);
        const DistanceAnswer a =
            lookupDistance(*db, QStringLiteral("Kraków"), QStringLiteral("Warszawa"));
        const DistanceAnswer b =
            lookupDistance(*db, QStringLiteral("Warszawa"), QStringLiteral("Kraków"));
        QVERIFY(a.found && b.found);
        QCOMPARE(a.km, b.km);
    }
};

QTEST_GUILESS_MAIN(TestDistances)
#include "tst_distances.moc"
