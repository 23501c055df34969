#include "AdminFixture.h"

#include "admin/AdminCommands.h"
#include "admin/ArchiveDescription.h"
#include "admin/RowDeletion.h"
#include "admin/SafetyCopy.h"
#include "storage/ErrorLog.h"

using namespace kv;

class TestRowDeletion : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static void addTrip(DataModule& db, int date) {
        db.exec(QStringLiteral("INSERT INTO przejazdy.DB (DATA,IDPOJAZD,ODLEGLOSC) VALUES "
                               "(:PARAM0,1,10)"),
                {{QStringLiteral("PARAM0"), date}});
    }
    static void addOrder(DataModule& db, int from, int to) {
        db.exec(QStringLiteral("INSERT INTO zlecenia.DB (DATAOD,DATADO) VALUES (:PARAM0,:PARAM1)"),
                {{QStringLiteral("PARAM0"), from}, {QStringLiteral("PARAM1"), to}});
    }
    static QList<int> tripDates(DataModule& db) {
        const ResultSet r =
            db.select(QStringLiteral("SELECT DATA FROM przejazdy.DB ORDER BY DATA"));
        QList<int> dates;
        for (int row = 0; row < r.rowCount(); ++row)
            dates.append(r.value(row, 0).toInt());
        return dates;
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    }
    void init() {
        env.ui().clear();
        test::pinAdminToday();
    }
    void cleanupTestCase() { Clock::setFixed(QDateTime()); }

    void listHasTheNineteenEntriesInOrder() {
        const auto& entries = rowDeletionEntries();
        QCOMPARE(entries.size(), 19);
        QCOMPARE(entries.first().label, QStringLiteral("Przejazdy (data wyjazdu)"));
        QCOMPARE(entries.at(7).label,
                 QStringLiteral("Zyżycie paliwa - paliwo płynne - CIĄGŁE (data tankowania)"));
        QCOMPARE(entries.last().table, QStringLiteral("naprawy.DB"));
        // Every table and column named is one the schema has.
        for (const RowDeletionEntry& e : entries) {
            const schema::Table* t = schema::findTable(e.table);
            QVERIFY2(t && t->column(e.fromColumn) && t->column(e.toColumn), qPrintable(e.table));
        }
        QCOMPARE(rowDeletionEntryForTable(QStringLiteral("ZLECENIA"))->toColumn,
                 QStringLiteral("DATADO"));
        QVERIFY(!rowDeletionEntryForTable(QStringLiteral("userzy")));
    }

    void checksComeInOrder_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("field"); // -1: passes
        QTest::addColumn<QString>("message");
        QTest::newRow("od pusta") << "  .  .    "
                                  << "15.03.2024" << int(RangeProblem::From)
                                  << "Niepoprawny format daty od. Popraw pole.";
        QTest::newRow("oba złe: od pierwsza")
            << "32.01.2024"
            << "xx" << int(RangeProblem::From) << "Niepoprawny format daty od. Popraw pole.";
        QTest::newRow("do 31 lutego")
            << "01.02.2024"
            << "31.02.2024" << int(RangeProblem::To) << "Niepoprawny format daty do. Popraw pole.";
        QTest::newRow("odwrócone") << "16.03.2024"
                                   << "15.03.2024" << int(RangeProblem::From)
                                   << "Data od większa niż data do. Popraw pola.";
        QTest::newRow("równe") << "15.03.2024"
                               << "15.03.2024" << -1 << "";
        QTest::newRow("29 lutego przestępnego") << "29.02.2024"
                                                << "01.03.2024" << -1 << "";
    }
    void checksComeInOrder() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, field);
        QFETCH(QString, message);
        const auto problem = checkDeletionRange(from, to);
        QCOMPARE(problem.has_value(), field >= 0);
        if (problem) {
            QCOMPARE(int(problem->field), field);
            QCOMPARE(problem->message, message);
        }
    }

    void commandAsksFirstAndNoKeepsEverything() {
        auto c = test::makeAdminCompany(env, QStringLiteral("pytanie"));
        QVERIFY(c.db);
        addTrip(*c.db, 20240315);
        QCOMPARE(
            runRowDeletion(*c.db, 0, QStringLiteral("15.03.2024"), QStringLiteral("14.03.2024")),
            std::optional<RangeProblem::Field>(RangeProblem::From));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        env.ui().queueAnswer(false);
        QVERIFY(
            !runRowDeletion(*c.db, 0, QStringLiteral("15.03.2024"), QStringLiteral("15.03.2024")));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        QVERIFY(env.ui().last().defaultNo);
        QVERIFY(env.ui().last().text.startsWith(
            QStringLiteral("Czy na pewno trwale usunąć dane z podanego zakresu")));
        QCOMPARE(tripDates(*c.db), QList<int>{20240315});
        QVERIFY(safetyCopies(c.directory).isEmpty());
        env.ui().queueAnswer(true);
        QVERIFY(
            !runRowDeletion(*c.db, 0, QStringLiteral("15.03.2024"), QStringLiteral("15.03.2024")));
        QVERIFY(tripDates(*c.db).isEmpty());
    }

    void equalDatesRemoveThatDayAndUndatedRowsStay() {
        auto c = test::makeAdminCompany(env, QStringLiteral("dzien"));
        QVERIFY(c.db);
        for (int date : {0, 20240314, 20240315, 20240315, 20240316})
            addTrip(*c.db, date);
        const RowDeletionEntry& trips = rowDeletionEntries().first();
        QCOMPARE(countRowsInRange(*c.db, trips, 20240315, 20240315), 2);
        const RowDeletionOutcome out =
            deleteRowsInRange(*c.db, trips, 20240315, 20240315, SafetyCopyPolicy::Ask);
        QVERIFY(out.done);
        QCOMPARE(out.rows, 2);
        QCOMPARE(tripDates(*c.db), (QList<int>{0, 20240314, 20240316}));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Wiersze w tabeli dla podanego zakresu zostały usunięte. "
                                "Usunięto wierszy: 2."));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));

        // The widest range still keeps the rows without a date.
        QVERIFY(deleteRowsInRange(*c.db, trips, 19000101, 99991231, SafetyCopyPolicy::Ask).done);
        QCOMPARE(tripDates(*c.db), QList<int>{0});
    }

    void openOrdersGoOnlyWhenTheyStartInTheRange() {
        auto c = test::makeAdminCompany(env, QStringLiteral("zlecenia"));
        QVERIFY(c.db);
        addOrder(*c.db, 20240105, 20240125); // inside: goes
        addOrder(*c.db, 20240110, 0);        // open, starts inside: goes
        addOrder(*c.db, 20270101, 0);        // open, starts years later: stays
        addOrder(*c.db, 20231231, 20240110); // starts before: stays
        addOrder(*c.db, 20240120, 20240205); // ends after: stays
        addOrder(*c.db, 20240131, 20240131); // the last day: goes
        const RowDeletionEntry* orders = rowDeletionEntryForTable(QStringLiteral("zlecenia"));
        QCOMPARE(countRowsInRange(*c.db, *orders, 20240101, 20240131), 3);
        QCOMPARE(deleteRowsInRange(*c.db, *orders, 20240101, 20240131, SafetyCopyPolicy::Ask).rows,
                 3);
        const ResultSet left =
            c.db->select(QStringLiteral("SELECT DATAOD, DATADO FROM zlecenia.DB ORDER BY DATAOD"));
        QCOMPARE(left.rowCount(), 3);
        QCOMPARE(left.value(0, 0).toInt(), 20231231);
        QCOMPARE(left.value(1, 0).toInt(), 20240120);
        QCOMPARE(left.value(2, 0).toInt(), 20270101);
    }

    void countingChangesNothing() {
        auto c = test::makeAdminCompany(env, QStringLiteral("licz"));
        QVERIFY(c.db);
        addTrip(*c.db, 20240301);
        c.db->disconnect();
        const auto before = test::tableHashes(c.directory);
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        QCOMPARE(countRowsInRange(*c.db, rowDeletionEntries().first(), 20240101, 20241231), 1);
        c.db->disconnect();
        QCOMPARE(test::tableHashes(c.directory), before);
        QVERIFY(safetyCopies(c.directory).isEmpty());
    }

    void safetyCopyComesFirstAndThreeAreKept() {
        auto c = test::makeAdminCompany(env, QStringLiteral("kopie"));
        QVERIFY(c.db);
        addTrip(*c.db, 20240301);
        const RowDeletionEntry& trips = rowDeletionEntries().first();
        QStringList made;
        for (int i = 0; i < 4; ++i) {
            Clock::setFixed(QDateTime(QDate(2024, 3, 16), QTime(10, 0, i)));
            const RowDeletionOutcome out =
                deleteRowsInRange(*c.db, trips, 20240301, 20240301, SafetyCopyPolicy::Ask);
            QVERIFY(out.done);
            made.append(out.safetyCopy);
        }
        QCOMPARE(QFileInfo(made.first()).fileName(), QStringLiteral("safety_20240316-100000"));
        // The first copy holds the row the first deletion removed.
        QCOMPARE(safetyCopies(c.directory), made.mid(1));
        const ArchiveDescription d = readArchiveDescription(made.last());
        QCOMPARE(d.name, QStringLiteral("Kopia przed: usuwanie wierszy z tabeli przejazdy.DB"));
        QCOMPARE(d.date, QStringLiteral("16.03.2024"));
        engine::Connection copy;
        copy.open(made.at(1), false);
        QCOMPARE(copy.query(QStringLiteral("SELECT COUNT(*) FROM przejazdy")).value(0, 0).toInt(),
                 0);
        QCOMPARE(test::tableHashes(made.at(1)).size(), 30);
    }

    void refusedWhileAnotherProgramIsInTheCompany() {
        auto c = test::makeAdminCompany(env, QStringLiteral("zajeta"));
        QVERIFY(c.db);
        addTrip(*c.db, 20240301);
        test::CompanyHolder other(c.directory);
        QVERIFY(other.ready());
        const RowDeletionOutcome out = deleteRowsInRange(*c.db, rowDeletionEntries().first(),
                                                         20240101, 20241231, SafetyCopyPolicy::Ask);
        QVERIFY(!out.done);
        QVERIFY(env.ui().last().text.contains(
            QStringLiteral("pracuje w tej chwili inny użytkownik. Danych nie usunięto.")));
        QCOMPARE(tripDates(*c.db), QList<int>{20240301});
        QVERIFY(safetyCopies(c.directory).isEmpty());
    }

    void failureIsReportedWithItsCodeAndChangesNothing() {
        auto c = test::makeAdminCompany(env, QStringLiteral("blad"));
        QVERIFY(c.db);
        // A table file another version left without the date column.
        RowDeletionEntry broken = rowDeletionEntries().first();
        broken.fromColumn = broken.toColumn = QStringLiteral("BRAKKOLUMNY");
        addTrip(*c.db, 20240301);
        QVERIFY(!deleteRowsInRange(*c.db, broken, 20240101, 20241231, SafetyCopyPolicy::Ask).done);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0014091419]")));
        QCOMPARE(tripDates(*c.db), QList<int>{20240301});
    }

    void noCopyPossibleAsksAndNoStopsEverything() {
        auto c = test::makeAdminCompany(env, QStringLiteral("bezkopii"));
        QVERIFY(c.db);
        addTrip(*c.db, 20240301);
        // A link to nowhere where the copy's folder would go: the folder
        // cannot be made.
        QVERIFY(QFile::link(QStringLiteral("/nonexistent/karvento"),
                            QDir(c.directory).filePath(QStringLiteral("safety_20240316-093000"))));
        const RowDeletionEntry& trips = rowDeletionEntries().first();
        env.ui().queueAnswer(false);
        QVERIFY(!deleteRowsInRange(*c.db, trips, 20240101, 20241231, SafetyCopyPolicy::Ask).done);
        QVERIFY(env.ui().last().text.startsWith(
            QStringLiteral("Nie udało się wykonać kopii bezpieczeństwa")));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QVERIFY(env.ui().last().defaultNo);
        QVERIFY(
            !deleteRowsInRange(*c.db, trips, 20240101, 20241231, SafetyCopyPolicy::Refuse).done);
        QVERIFY(env.ui().last().text.endsWith(QStringLiteral("Niczego nie zmieniono.")));
        QCOMPARE(tripDates(*c.db), QList<int>{20240301});

        env.ui().queueAnswer(true);
        const RowDeletionOutcome out =
            deleteRowsInRange(*c.db, trips, 20240101, 20241231, SafetyCopyPolicy::Ask);
        QVERIFY(out.done);
        QVERIFY(out.safetyCopy.isEmpty());
        QVERIFY(tripDates(*c.db).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRowDeletion)
#include "tst_rowdeletion.moc"
