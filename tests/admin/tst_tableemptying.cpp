#include "AdminFixture.h"

#include "admin/SafetyCopy.h"
#include "admin/TableEmptying.h"

using namespace kv;

namespace {

const EmptyingEntry& entryLabelled(const QString& label) {
    for (const EmptyingEntry& e : emptyingEntries())
        if (e.label == label)
            return e;
    qFatal("no entry %s", qPrintable(label));
}

void addVehicle(DataModule& db, const QString& number) {
    db.exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ) VALUES (:PARAM0)"),
            engine::positionalParams({number}));
}

} // namespace

class TestTableEmptying : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

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

    void listIsClosedAndInOrder() {
        const auto& entries = emptyingEntries();
        QCOMPARE(entries.size(), 36);
        QCOMPARE(entries.first().label, QStringLiteral("Pojazdy"));
        QCOMPARE(entries.at(18).label, QStringLiteral("Dane Firmy"));
        QCOMPARE(entries.last().label, QStringLiteral("Słowniki -> Stacje paliw"));
        QCOMPARE(entries.last().dictionary, QStringLiteral("PMIEJ"));
        QCOMPARE(entryLabelled(QStringLiteral("Zyżycie paliwa")).tables,
                 (QStringList{"zuzycie.DB", "zuzycielpg.DB", "zuzyciekm.DB", "zuzyciekmlpg.DB",
                              "zuzyciemth.DB", "zuzyciemthlpg.DB"}));
        QStringList codes;
        for (const EmptyingEntry& e : entries) {
            for (const QString& t : e.tables)
                QVERIFY2(schema::findTable(t), qPrintable(t));
            // What must never be emptied here is not offered.
            QVERIFY(!e.tables.contains(QStringLiteral("userzy.DB")));
            QVERIFY(!e.tables.contains(QStringLiteral("system.DB")));
            codes.append(e.dictionary);
        }
        QVERIFY(!codes.contains(QStringLiteral("RDPOJ")));
    }

    void emptiedVehiclesLeaveTripsAndIdsAreNotReused() {
        auto c = test::makeAdminCompany(env, QStringLiteral("pojazdy"));
        QVERIFY(c.db);
        addVehicle(*c.db, QStringLiteral("WA 1"));
        addVehicle(*c.db, QStringLiteral("WA 2"));
        const qint64 lastBefore =
            c.db->lastId(QStringLiteral("pojazdy.DB"), QStringLiteral("IDPOJAZD"));
        c.db->exec(
            QStringLiteral("INSERT INTO przejazdy.DB (DATA,IDPOJAZD) VALUES (20240301,:PARAM0)"),
            {{QStringLiteral("PARAM0"), lastBefore}});
        const EmptyingOutcome out =
            emptyEntry(*c.db, entryLabelled(QStringLiteral("Pojazdy")), SafetyCopyPolicy::Ask);
        QVERIFY(out.done);
        QCOMPARE(out.rows, 2);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Zbiór został wyczyszczony. Usunięto wierszy: 2."));
        QCOMPARE(test::countRows(*c.db, QStringLiteral("SELECT COUNT(*) FROM pojazdy.DB")), 0);
        QCOMPARE(test::countRows(*c.db, QStringLiteral("SELECT COUNT(*) FROM przejazdy.DB")), 1);
        // A new vehicle must not inherit the trips of the removed one.
        addVehicle(*c.db, QStringLiteral("WA 3"));
        const int fresh = test::countRows(*c.db, QStringLiteral("SELECT IDPOJAZD FROM pojazdy.DB"));
        QCOMPARE(qint64(fresh), lastBefore + 1);
        QVERIFY(QFileInfo(out.safetyCopy).isDir());
    }

    void companyDataKeepsItsRowWithEmptyTexts() {
        auto c = test::makeAdminCompany(env, QStringLiteral("firma"));
        QVERIFY(c.db);
        c.db->exec(QStringLiteral("DELETE FROM firma.DB"));
        c.db->exec(QStringLiteral("INSERT INTO firma.DB (IDFIRMA,NAZWA,NIP,INNE) VALUES "
                                  "(7,'Transport Kowalski','5250001009','x')"));
        QVERIFY(
            emptyEntry(*c.db, entryLabelled(QStringLiteral("Dane Firmy")), SafetyCopyPolicy::Ask)
                .done);
        QCOMPARE(env.ui().last().text, QStringLiteral("Zbiór został wyczyszczony."));
        const ResultSet r =
            c.db->select(QStringLiteral("SELECT IDFIRMA, NAZWA, NIP, INNE FROM firma.DB"));
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.value(0, 0).toInt(), 1);
        QCOMPARE(r.value(0, 1).toString(), QString());
        QCOMPARE(r.value(0, 2).toString(), QString());
        QCOMPARE(r.value(0, 3).toString(), QString());
    }

    void dictionaryLosesOnlyItsOwnEntries() {
        auto c = test::makeAdminCompany(env, QStringLiteral("slownik"));
        QVERIFY(c.db);
        const int kinds = test::countRows(
            *c.db, QStringLiteral("SELECT COUNT(*) FROM slowniki.DB WHERE IDSLOWNIK='RDPOJ'"));
        for (const char* route : {"Kraków - Tarnów", "Kraków - Rzeszów"})
            c.db->exec(QStringLiteral("INSERT INTO slowniki.DB (IDSLOWNIK,OPIS) VALUES "
                                      "('TRASY',:PARAM0)"),
                       engine::positionalParams({QString::fromUtf8(route)}));
        const EmptyingOutcome out = emptyEntry(
            *c.db, entryLabelled(QStringLiteral("Słowniki -> Trasy")), SafetyCopyPolicy::Skip);
        QVERIFY(out.done);
        QCOMPARE(out.rows, 2);
        QVERIFY(out.safetyCopy.isEmpty());
        QCOMPARE(
            test::countRows(
                *c.db, QStringLiteral("SELECT COUNT(*) FROM slowniki.DB WHERE IDSLOWNIK='TRASY'")),
            0);
        QCOMPARE(
            test::countRows(
                *c.db, QStringLiteral("SELECT COUNT(*) FROM slowniki.DB WHERE IDSLOWNIK='RDPOJ'")),
            kinds);
    }

    void fuelTablesGoTogetherOrNotAtAll() {
        auto c = test::makeAdminCompany(env, QStringLiteral("paliwo"));
        QVERIFY(c.db);
        c.db->exec(QStringLiteral("INSERT INTO zuzycie.DB (IDPOJAZD,DATA) VALUES (1,20240301)"));
        c.db->exec(QStringLiteral("INSERT INTO zuzyciemth.DB (IDPOJAZD,DATA) VALUES (1,20240301)"));
        // The last of the six fails: a file that is no table.
        c.db->disconnect();
        QFile broken(QDir(c.directory).filePath(QStringLiteral("zuzyciemthlpg.DB")));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write(QByteArray(8192, 'x'));
        broken.close();
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        QVERIFY(!emptyEntry(*c.db, entryLabelled(QStringLiteral("Zyżycie paliwa")),
                            SafetyCopyPolicy::Skip)
                     .done);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000300]")));
        QCOMPARE(test::countRows(*c.db, QStringLiteral("SELECT COUNT(*) FROM zuzycie.DB")), 1);
        QCOMPARE(test::countRows(*c.db, QStringLiteral("SELECT COUNT(*) FROM zuzyciemth.DB")), 1);
    }

    void refusedWhileAnotherProgramIsInTheCompany() {
        auto c = test::makeAdminCompany(env, QStringLiteral("zajeta"));
        QVERIFY(c.db);
        addVehicle(*c.db, QStringLiteral("WA 1"));
        test::CompanyHolder other(c.directory);
        QVERIFY(other.ready());
        QVERIFY(!emptyEntry(*c.db, entryLabelled(QStringLiteral("Pojazdy")), SafetyCopyPolicy::Ask)
                     .done);
        QVERIFY(
            env.ui().last().text.contains(QStringLiteral("pracuje w tej chwili inny użytkownik")));
        QCOMPARE(test::countRows(*c.db, QStringLiteral("SELECT COUNT(*) FROM pojazdy.DB")), 1);
    }
};

QTEST_GUILESS_MAIN(TestTableEmptying)
#include "tst_tableemptying.moc"
