#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "support/Clock.h"
#include "tools/demo/DemoCalendar.h"
#include "tools/demo/DemoDataBuilder.h"
#include "tools/demo/DemoSources.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <map>
#include <memory>

using namespace kv;
using namespace kv::engine;

namespace {

const QDate kPinned(2025, 3, 14);

int dateNumber(const QDate& d) {
    return demo::dateNumber(d);
}

// Every reading a register keeps of a vehicle's odometer, with its date.
const char* const kReadings[] = {
    "SELECT IDPOJAZD, DATA, LICZNIK FROM przebiegi",
    "SELECT IDPOJAZD, DATA, LICZNIK FROM zuzycie",
    "SELECT IDPOJAZD, DATA, LICZNIK FROM zuzyciekm",
    "SELECT IDPOJAZD, DATA, LICZNIK FROM zuzyciemth",
    "SELECT IDPOJAZD, DATA, LICZNIK FROM koszty WHERE LICZNIK > 0",
    "SELECT IDPOJAZD, DATA, LICZNIK FROM naprawy WHERE LICZNIK > 0",
    "SELECT IDPOJAZD, DATA, LICZNIK FROM wyposazenie WHERE LICZNIK > 0",
    "SELECT IDPOJAZD, DATA, LICZNIK FROM szkody",
    "SELECT IDPOJAZD, DATAWYST, LICZSTART FROM kartydrogowe",
    "SELECT IDPOJAZD, DATAWYST, LICZEND FROM kartydrogowe",
    "SELECT IDPOJAZD, DATA, PRYWLICZOD FROM przejazdy WHERE PRYW = 'T'",
    "SELECT IDPOJAZD, DATA, PRYWLICZDO FROM przejazdy WHERE PRYW = 'T'",
};

} // namespace

class TestDemoData : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    EngineSession session;
    std::unique_ptr<Connection> c;
    QString dir;

    ResultSet q(const QString& sql) { return c->query(sql); }
    qint64 number(const QString& sql) { return q(sql).value(0, 0).toLongLong(); }

    static QString build(const QString& dir, const QDate& day) {
        Clock::setFixed(QDateTime(day, QTime(9, 0)));
        buildDemoCompany(dir, QStringLiteral(KV_DEMO_SOURCES));
        Clock::setFixed(QDateTime(kPinned, QTime(9, 0)));
        return dir;
    }

    // The rows of some tables as one text, to compare two builds.
    static QString dump(const QString& dir) {
        EngineSession s;
        s.addPassword(schema::kTemplatePassword);
        Connection con(&s);
        con.open(dir);
        QString text;
        for (const char* table : {"pojazdy", "przejazdy", "koszty", "zuzycie", "zuzyciemth",
                                  "naprawy", "opony", "zlecenia", "kartydrogowe"}) {
            const ResultSet r =
                con.query(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(table)));
            for (int row = 0; row < r.rowCount(); ++row)
                for (int col = 0; col < r.columnCount(); ++col)
                    text += r.value(row, col).toString() + u'|';
        }
        return text;
    }

private slots:
    void initTestCase() {
        dir = build(env.newDirectory(QStringLiteral("demo")), kPinned);
        session.addPassword(schema::kTemplatePassword);
        c = std::make_unique<Connection>(&session);
        c->open(dir);
    }

    void cleanupTestCase() {
        c.reset();
        Clock::setFixed({});
    }

    void installedDemoOpensOnlyWithTemplatePassword() {
        const QString installed = QDir(test::templateDataDir()).filePath(QStringLiteral("demo"));
        for (const schema::Table& t : schema::companyTables())
            QVERIFY2(QFile::exists(QDir(installed).filePath(t.file)), qPrintable(t.file));
        EngineSession right;
        right.addPassword(schema::kTemplatePassword);
        Connection good(&right);
        good.open(installed);
        for (const schema::Table& t : schema::companyTables())
            good.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.file));
        QVERIFY(good.query(QStringLiteral("SELECT * FROM pojazdy")).rowCount() > 0);

        EngineSession wrong;
        wrong.addPassword(QStringLiteral("504917263816"));
        Connection bad(&wrong);
        bad.open(installed);
        for (const schema::Table& t : schema::companyTables()) {
            try {
                bad.query(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.file));
                QFAIL(qPrintable(t.file + QStringLiteral(" opened with a wrong password")));
            } catch (const DatabaseError& e) {
                QCOMPARE(e.engineCode(), 26);
            }
        }

        // The location template names the demonstration company by its folder.
        const QString root = env.newDirectory(QStringLiteral("root"));
        QVERIFY(QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmy.D_")),
                            QDir(root).filePath(QStringLiteral("firmy.DB"))));
        Connection companies(&right);
        companies.open(root);
        const ResultSet r = companies.query(QStringLiteral("SELECT NAZWA, DIR FROM firmy"));
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.text(0, QStringLiteral("DIR")), QStringLiteral("demo"));
        QVERIFY(!r.text(0, QStringLiteral("NAZWA")).isEmpty());
    }

    void vehicleKindsAreTheFixedFourThenSixteenFurther() {
        const ResultSet r = q(QStringLiteral(
            "SELECT KOD, OPIS, UZUP1 FROM slowniki WHERE IDSLOWNIK = 'RDPOJ' ORDER BY KOD"));
        QCOMPARE(r.rowCount(), 20);
        const QStringList fixed = {QStringLiteral("Samochód osobowy"),
                                   QStringLiteral("Samochód ciężarowy"), QStringLiteral("Motocykl"),
                                   QStringLiteral("Motorower")};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(r.value(i, 0).toInt(), i + 1);
            QCOMPARE(r.text(i, QStringLiteral("OPIS")), fixed.at(i));
        }
        for (int i = 4; i < 20; ++i) {
            QVERIFY(r.value(i, 0).toInt() > 4);
            QCOMPARE(r.text(i, QStringLiteral("OPIS")), QStringLiteral("Inne %1").arg(i - 3));
            QCOMPARE(r.text(i, QStringLiteral("UZUP1")), QString::number(i + 1));
        }
    }

    void dictionariesHoldWhatTheWindowsOffer() {
        for (const char* list : {"CELWY", "RDWYD", "TRASY", "STVAT", "RDDOK", "RDWYP", "RTERM",
                                 "RPRAC", "KONTR", "RODOP", "ROZOP", "RDNAP", "FLOTA", "CKKOD",
                                 "TYPZA", "RDPAL", "PMIEJ", "RDPLA", "CZESC"})
            QVERIFY2(number(QStringLiteral("SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = '%1'")
                                .arg(QLatin1String(list))) > 0,
                     list);
        const ResultSet vat = q(QStringLiteral("SELECT OPIS FROM slowniki WHERE IDSLOWNIK = "
                                               "'STVAT' ORDER BY CAST(OPIS AS INTEGER) DESC"));
        QStringList rates;
        for (int i = 0; i < vat.rowCount(); ++i)
            rates << vat.text(i, QStringLiteral("OPIS"));
        QCOMPARE(rates, (QStringList{"23", "8", "5", "0"}));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'RDPLA' "
                                       "AND OPIS = 'Karta płatnicza'")),
                 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'RDWYD' "
                                       "AND UZUP1 NOT IN ('Tak', 'Nie')")),
                 0);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM slowniki WHERE IDSLOWNIK = 'TRASY' "
                                       "AND NOT CAST(UZUP1 AS REAL) > 0")),
                 0);
    }

    void allowanceRatesHaveTheirTwoStatutoryDates() {
        const ResultSet r = q(QStringLiteral("SELECT DATAOD, LW900, GT900, MOTOCYKL, MOTOROWER, "
                                             "RDPOJ5, RDPOJ20 FROM stawki ORDER BY DATAOD"));
        QCOMPARE(r.rowCount(), 2);
        const double expected[2][5] = {{20071114, 0.5214, 0.8358, 0.2302, 0.1382},
                                       {20230117, 0.89, 1.15, 0.69, 0.42}};
        for (int row = 0; row < 2; ++row) {
            for (int col = 0; col < 5; ++col)
                QCOMPARE(r.value(row, col).toDouble(), expected[row][col]);
            QCOMPARE(r.value(row, 5).toDouble(), 0.0);
            QCOMPARE(r.value(row, 6).toDouble(), 0.0);
        }
    }

    void countsFitASmallCompany() {
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM pojazdy")) >= 12);
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM pojazdy")) <= 18);
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM pojazdy WHERE STATUS <> 0")) >= 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM osobowa")), 10);
        QCOMPARE(
            number(QStringLiteral("SELECT COUNT(*) FROM firma WHERE IDFIRMA = 1 AND NIP <> ''")),
            1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM userzy")), 1);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM userzy WHERE NAZWA = 'ADMIN' AND "
                                       "HASLO = 'zebux' AND SUPERVISOR = 'T'")),
                 1);
        // A few trips every working day.
        const qint64 trips = number(QStringLiteral("SELECT COUNT(*) FROM przejazdy"));
        QVERIFY2(trips >= 500 && trips <= 2500, qPrintable(QString::number(trips)));
        // Every register the program shows has rows; only the LPG registers,
        // the permissions and the program parameters stay empty.
        const QStringList empty = {"uprawnienia", "zuzycielpg", "zuzyciekmlpg", "zuzyciemthlpg",
                                   "system"};
        for (const schema::Table& t : schema::companyTables())
            if (!empty.contains(t.baseName()))
                QVERIFY2(number(QStringLiteral("SELECT COUNT(*) FROM %1").arg(t.baseName())) > 0,
                         qPrintable(t.file));
    }

    void recordsNameExistingVehiclesAndDrivers() {
        for (const char* table :
             {"przejazdy", "koszty", "zuzycie", "zuzyciekm", "zuzyciemth", "przebiegi", "naprawy",
              "szkody", "kartydrogowe", "dokumenty", "wyposazenie"})
            QVERIFY2(number(QStringLiteral("SELECT COUNT(*) FROM %1 AS A LEFT JOIN pojazdy AS P "
                                           "ON P.IDPOJAZD = A.IDPOJAZD WHERE P.IDPOJAZD IS NULL")
                                .arg(QLatin1String(table))) == 0,
                     table);
        for (const char* table : {"przejazdy", "koszty", "naprawy", "szkody", "kartydrogowe"})
            QVERIFY2(number(QStringLiteral("SELECT COUNT(*) FROM %1 AS A LEFT JOIN osobowa AS O "
                                           "ON O.NREW = A.IDKIEROWCY WHERE O.NREW IS NULL")
                                .arg(QLatin1String(table))) == 0,
                     table);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM pojazdy AS A LEFT JOIN osobowa AS O "
                                       "ON O.NREW = A.IDKIEROWCY WHERE O.NREW IS NULL")),
                 0);
        // Trips follow the route dictionary.
        QCOMPARE(
            number(QStringLiteral("SELECT COUNT(*) FROM przejazdy AS A LEFT JOIN slowniki AS S "
                                  "ON S.IDSLOWNIK = 'TRASY' AND S.OPIS = A.TRASA "
                                  "WHERE S.KOD IS NULL OR CAST(S.UZUP1 AS REAL) <> A.ODLEGLOSC")),
            0);
    }

    void odometerNeverRunsBackwards() {
        QCOMPARE(number(QStringLiteral(
                     "SELECT COUNT(*) FROM przebiegi AS A JOIN przebiegi AS B ON A.IDPOJAZD = "
                     "B.IDPOJAZD AND A.DATA < B.DATA AND A.LICZNIK > B.LICZNIK")),
                 0);
        // Only the car under the VAT mileage record has readings of that record.
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM przebiegi AS A JOIN pojazdy AS P ON "
                                       "P.IDPOJAZD = A.IDPOJAZD WHERE A.DOTYCZY <> 0 AND P.NRREJ "
                                       "<> 'EL 5T904'")),
                 0);
        // Across all registers: no reading of a day lies below one of an earlier day.
        std::map<qint64, std::map<int, std::pair<double, double>>> days; // min, max per day
        for (const char* sql : kReadings) {
            const ResultSet r = q(QString::fromLatin1(sql));
            for (int i = 0; i < r.rowCount(); ++i) {
                auto [it, fresh] = days[r.value(i, 0).toLongLong()].try_emplace(
                    r.value(i, 1).toInt(), r.value(i, 2).toDouble(), r.value(i, 2).toDouble());
                it->second.first = std::min(it->second.first, r.value(i, 2).toDouble());
                it->second.second = std::max(it->second.second, r.value(i, 2).toDouble());
            }
        }
        QVERIFY(days.size() >= 10);
        for (const auto& [vehicle, byDate] : days) {
            double highest = 0;
            for (const auto& [date, range] : byDate) {
                QVERIFY2(range.first >= highest,
                         qPrintable(QStringLiteral("pojazd %1, dzień %2").arg(vehicle).arg(date)));
                highest = std::max(highest, range.second);
            }
        }
    }

    void oneCarIsKeptUnderTheVatRecord() {
        const QString car =
            QStringLiteral("(SELECT IDPOJAZD FROM pojazdy WHERE NRREJ = 'EL 5T904')");
        // The record starts with the year's first reading and closes every
        // month the car is used with a reading dated in that month.
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM przebiegi WHERE DOTYCZY = 1 AND "
                                       "IDPOJAZD = %1")
                            .arg(car)),
                 1);
        QCOMPARE(
            number(QStringLiteral("SELECT MIN(DATA) FROM przebiegi WHERE IDPOJAZD = %1").arg(car)),
            number(QStringLiteral("SELECT DATA FROM przebiegi WHERE DOTYCZY = 1 AND "
                                  "IDPOJAZD = %1")
                       .arg(car)));
        const qint64 periods = number(
            QStringLiteral("SELECT COUNT(DISTINCT DATA / 100) FROM przebiegi WHERE DOTYCZY = 2 "
                           "AND IDPOJAZD = %1")
                .arg(car));
        QVERIFY2(periods >= 11, qPrintable(QString::number(periods)));
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM przebiegi WHERE DOTYCZY = 2 AND "
                                       "IDPOJAZD = %1")
                            .arg(car)),
                 periods);
        // Lent to people from outside the firm, with the readings of the hand-over.
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM przejazdy WHERE PRYW = 'T' AND "
                                      "PRYWLICZDO > PRYWLICZOD AND PRYWKTO <> '' AND IDPOJAZD = %1")
                           .arg(car)) >= 1);
    }

    void refuellingIsOneRowPerVehicleAndDay() {
        for (const char* table : {"zuzycie", "zuzyciekm", "zuzyciemth"}) {
            QVERIFY2(number(QStringLiteral("SELECT COUNT(*) FROM (SELECT IDPOJAZD, DATA FROM %1 "
                                           "GROUP BY IDPOJAZD, DATA HAVING COUNT(*) > 1)")
                                .arg(QLatin1String(table))) == 0,
                     table);
            QVERIFY2(number(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TANKOWANIE <= 0")
                                .arg(QLatin1String(table))) == 0,
                     table);
        }
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM zuzyciekm")) > 0);
        QVERIFY(number(QStringLiteral("SELECT COUNT(*) FROM zuzyciemth")) > 0);
    }

    // The register works the consumption out of the tank levels: over the year
    // it must come out within each vehicle's norm.
    void continuousConsumptionStaysWithinTheNorm() {
        const ResultSet vehicles =
            q(QStringLiteral("SELECT DISTINCT Z.IDPOJAZD, P.NORMAOD, P.NORMADO FROM zuzycie AS Z "
                             "JOIN pojazdy AS P ON P.IDPOJAZD = Z.IDPOJAZD"));
        QVERIFY(vehicles.rowCount() >= 8);
        for (int v = 0; v < vehicles.rowCount(); ++v) {
            const ResultSet r = c->query(
                QStringLiteral("SELECT BAK, TANKOWANIE, LICZNIK FROM zuzycie WHERE IDPOJAZD = "
                               ":PARAM0 ORDER BY DATA"),
                {{QStringLiteral("PARAM0"), vehicles.value(v, 0)}});
            if (r.rowCount() < 3)
                continue;
            const int last = r.rowCount() - 1;
            double fuel = r.value(0, 0).toDouble();
            for (int i = 0; i <= last; ++i)
                fuel += r.value(i, 1).toDouble();
            fuel -= r.value(last, 1).toDouble() + r.value(last, 0).toDouble();
            const double km = r.value(last, 2).toDouble() - r.value(0, 2).toDouble();
            const double average = fuel / km * 100;
            QVERIFY2(average >= vehicles.value(v, 1).toDouble() * 0.9 &&
                         average <= vehicles.value(v, 2).toDouble() * 1.1,
                     qPrintable(QStringLiteral("pojazd %1: %2 l/100 km")
                                    .arg(vehicles.value(v, 0).toInt())
                                    .arg(average)));
        }
    }

    void costAmountsAddUp() {
        QCOMPARE(
            number(QStringLiteral(
                "SELECT COUNT(*) FROM koszty WHERE ROUND(WARTNETTO * 100) + ROUND(WARTVAT * 100) "
                "<> ROUND(WARTBRUTTO * 100)")),
            0);
        const qint64 fuel =
            number(QStringLiteral("SELECT COUNT(*) FROM koszty WHERE ISFUEL = 'T'"));
        QVERIFY(fuel > 100);
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM koszty WHERE ISFUEL = 'T' AND "
                                       "(FUEL <= 0 OR CZYVAT <> 'T' OR "
                                       "ABS(WARTVAT - WARTNETTO * 0.23) > 0.011)")),
                 0);
        // Each fuel purchase is a refuelling of the same vehicle, day and litres.
        qint64 matched = 0;
        for (const char* table : {"zuzycie", "zuzyciekm", "zuzyciemth"})
            matched += number(QStringLiteral("SELECT COUNT(*) FROM koszty AS K JOIN %1 AS Z ON "
                                             "Z.IDPOJAZD = K.IDPOJAZD AND Z.DATA = K.DATA AND "
                                             "Z.TANKOWANIE = K.FUEL WHERE K.ISFUEL = 'T'")
                                  .arg(QLatin1String(table)));
        QCOMPARE(matched, fuel);
        // Costs paid by fuel card name a card of the company.
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM koszty AS K LEFT JOIN kpaliwowe AS C "
                                       "ON C.IDKARTY = K.IDKARTY WHERE K.IDKARTY <> '' AND "
                                       "C.IDKARTY IS NULL")),
                 0);
    }

    void datedRecordsCoverTheYearBeforeTheBuildDate() {
        const int first = dateNumber(kPinned.addYears(-1).addDays(1));
        const int today = dateNumber(kPinned);
        for (const char* sql :
             {"SELECT MIN(DATA), MAX(DATA) FROM przejazdy",
              "SELECT MIN(DATA), MAX(DATA) FROM koszty", "SELECT MIN(DATA), MAX(DATA) FROM zuzycie",
              "SELECT MIN(DATA), MAX(DATA) FROM przebiegi",
              "SELECT MIN(DATA), MAX(DATA) FROM cenypaliw",
              "SELECT MIN(DATAWYST), MAX(DATAWYST) FROM kartydrogowe",
              "SELECT MIN(DATA), MAX(DATA) FROM naprawy WHERE DONE = 'T'"}) {
            const ResultSet r = q(QString::fromLatin1(sql));
            QVERIFY2(r.value(0, 0).toInt() >= first, sql);
            QVERIFY2(r.value(0, 1).toInt() <= today, sql);
            QVERIFY2(r.value(0, 1).toInt() > dateNumber(kPinned.addDays(-40)), sql);
        }
        // Nothing is driven on a public holiday or Sunday except a car lent out on Saturday.
        const ResultSet trips =
            q(QStringLiteral("SELECT DISTINCT DATA FROM przejazdy WHERE PRYW = 'N'"));
        for (int i = 0; i < trips.rowCount(); ++i) {
            const QDate d =
                QDate::fromString(trips.value(i, 0).toString(), QStringLiteral("yyyyMMdd"));
            QVERIFY2(demo::isWorkingDay(d), qPrintable(d.toString(Qt::ISODate)));
        }
    }

    void deadlinesFallDueSoonAndSomeAreOverdue() {
        const QString soon = QStringLiteral("BETWEEN %1 AND %2")
                                 .arg(dateNumber(kPinned.addDays(1)))
                                 .arg(dateNumber(kPinned.addDays(30)));
        const QString past =
            QStringLiteral("BETWEEN 19000101 AND %1").arg(dateNumber(kPinned.addDays(-1)));
        const QStringList deadlines = {
            "SELECT COUNT(*) FROM pojazdy WHERE STATUS = 0 AND DATAOC %1",
            "SELECT COUNT(*) FROM pojazdy WHERE STATUS = 0 AND DATAAC %1",
            "SELECT COUNT(*) FROM pojazdy WHERE STATUS = 0 AND DATAPRZE %1",
            "SELECT COUNT(*) FROM pojazdy WHERE STATUS = 0 AND DATAPRZEGW %1",
            "SELECT COUNT(*) FROM dokumenty WHERE TERMIN %1",
            "SELECT COUNT(*) FROM wyposazenie WHERE TERMIN %1",
            "SELECT COUNT(*) FROM kpaliwowe WHERE TERMIN %1",
            "SELECT COUNT(*) FROM terminy WHERE SPRODDO = 'D' AND DATADO %1",
            "SELECT COUNT(*) FROM terminy WHERE SPRODDO = 'O' AND DATAOD %1",
            "SELECT COUNT(*) FROM naprawy WHERE DONE <> 'T' AND DATA %1",
            "SELECT COUNT(*) FROM opony WHERE DATAWYMIANY %1",
        };
        qint64 dueSoon = 0;
        qint64 overdue = 0;
        for (const QString& sql : deadlines) {
            dueSoon += number(sql.arg(soon));
            overdue += number(sql.arg(past));
        }
        QVERIFY2(dueSoon >= 5, qPrintable(QString::number(dueSoon)));
        // A few overdue entries, not a year's worth of stale ones.
        QVERIFY2(overdue >= 1 && overdue <= 6, qPrintable(QString::number(overdue)));
        // The checker's default window is a week ahead.
        QVERIFY(number(deadlines.at(0).arg(QStringLiteral("BETWEEN %1 AND %2")
                                               .arg(dateNumber(kPinned))
                                               .arg(dateNumber(kPinned.addDays(7))))) +
                    number(deadlines.at(2).arg(QStringLiteral("BETWEEN %1 AND %2")
                                                   .arg(dateNumber(kPinned))
                                                   .arg(dateNumber(kPinned.addDays(7))))) >
                0);
        QCOMPARE(
            number(QStringLiteral("SELECT COUNT(*) FROM terminy WHERE SPRODDO NOT IN ('D', 'O') "
                                  "OR DATADO < DATAOD")),
            0);
        // An unfinished repair falls due by the odometer within the checker's 1000 km.
        QVERIFY(number(QStringLiteral(
                    "SELECT COUNT(*) FROM naprawy AS N JOIN (SELECT IDPOJAZD, MAX(LICZNIK) AS C "
                    "FROM przebiegi GROUP BY IDPOJAZD) AS P ON P.IDPOJAZD = N.IDPOJAZD WHERE "
                    "N.DONE <> 'T' AND N.LICZTERM > 0 AND N.LICZTERM - 1000 < P.C")) >= 1);
        // Exactly one part has fallen to its reminder level.
        QCOMPARE(number(QStringLiteral("SELECT COUNT(*) FROM magazyn WHERE ILOSC <= PRZYPOMNIJ")),
                 1);
    }

    void notesFillTheThirtySlots() {
        const ResultSet r =
            q(QStringLiteral("SELECT IDNOTATKI, DATA, OPIS FROM notatki ORDER BY IDNOTATKI"));
        QCOMPARE(r.rowCount(), 30);
        int written = 0;
        for (int i = 0; i < 30; ++i) {
            QCOMPARE(r.value(i, 0).toInt(), i + 1);
            if (r.text(i, QStringLiteral("OPIS")).isEmpty())
                continue;
            ++written;
            const QDate d =
                QDate::fromString(r.text(i, QStringLiteral("DATA")), QStringLiteral("dd.MM.yyyy"));
            QVERIFY2(d.isValid(), qPrintable(r.text(i, QStringLiteral("DATA"))));
        }
        QVERIFY(written >= 2);
    }

    void theSameBuildDateGivesTheSameData() {
        // A leap day, so the year back starts on 1 March.
        const QDate leap(2024, 2, 29);
        const QString a = dump(build(env.newDirectory(QStringLiteral("a")), leap));
        const QString b = dump(build(env.newDirectory(QStringLiteral("b")), leap));
        QVERIFY(!a.isEmpty());
        QVERIFY(a == b);
        QVERIFY(a != dump(dir));
    }

    void faultySourceNamesItsLineAndKeepsThePreviousBuild() {
        const QString sources = env.newDirectory(QStringLiteral("sources"));
        for (const QString& f : QDir(QStringLiteral(KV_DEMO_SOURCES)).entryList(QDir::Files))
            QVERIFY(QFile::copy(QDir(QStringLiteral(KV_DEMO_SOURCES)).filePath(f),
                                QDir(sources).filePath(f)));
        const QString target = build(env.newDirectory(QStringLiteral("kept")), kPinned);
        const qint64 before = QFileInfo(QDir(target).filePath(QStringLiteral("pojazdy.DB"))).size();

        QFile vehicles(QDir(sources).filePath(QStringLiteral("pojazdy.csv")));
        QVERIFY(vehicles.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(vehicles.readAll());
        vehicles.close();
        text.replace(QStringLiteral("@FLOTA:F3 Transport i maszyny"),
                     QStringLiteral("@FLOTA:F9 Nieznana"));
        QVERIFY(vehicles.open(QIODevice::WriteOnly | QIODevice::Truncate));
        vehicles.write(text.toUtf8());
        vehicles.close();

        try {
            buildDemoCompany(target, sources);
            QFAIL("a reference to a missing dictionary entry was accepted");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.message().contains(QStringLiteral("pojazdy.csv, wiersz")),
                     qPrintable(e.message()));
            QVERIFY2(e.message().contains(QStringLiteral("F9 Nieznana")), qPrintable(e.message()));
        }
        QCOMPARE(QFileInfo(QDir(target).filePath(QStringLiteral("pojazdy.DB"))).size(), before);
        QVERIFY(!QFileInfo::exists(target + QStringLiteral(".tmp")));
    }

    void sourceCellsFollowTheirColumnType() {
        const schema::Table& vehicles = *schema::findTable(QStringLiteral("pojazdy"));
        const schema::Column& insurance = *vehicles.column(QStringLiteral("DATAOC"));
        const schema::Column& fleet = *vehicles.column(QStringLiteral("NRFLOTY"));
        const schema::Column& rate = *vehicles.column(QStringLiteral("STAWKA"));
        const schema::Column& remarks = *vehicles.column(QStringLiteral("UWAGI"));
        const schema::Column& noteDate =
            *schema::findTable(QStringLiteral("notatki"))->column(QStringLiteral("DATA"));
        const demo::DemoReferenceResolver resolve = [](const QString& list, const QString& text) {
            return list == u"FLOTA" && text == u"F1" ? std::optional<qint64>(7) : std::nullopt;
        };
        const auto value = [&](const char* cell, const schema::Column& column) {
            return demo::demoCellValue(QString::fromUtf8(cell), column, kPinned, resolve);
        };
        QCOMPARE(value("today+18", insurance).toInt(), 20250401);
        QCOMPARE(value("today", insurance).toInt(), 20250314);
        QCOMPARE(value("today-14", noteDate).toString(), QStringLiteral("28.02.2025"));
        QCOMPARE(value("@FLOTA:F1", fleet).toLongLong(), 7);
        QCOMPARE(value("12.5", rate).toDouble(), 12.5);
        QVERIFY(!value("", fleet).isValid()); // NULL, as the program stores "no fleet"
        QCOMPARE(value("", remarks).typeId(), QMetaType::QString);
        QCOMPARE(value("@FLOTA:F1", remarks).toString(), QStringLiteral("@FLOTA:F1"));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, value("12,5", rate));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, value("@FLOTA:F2", fleet));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, value("today+", insurance));
    }

    void sourceFilesSplitQuotedCellsAndNameBadLines() {
        const QString folder = env.newDirectory(QStringLiteral("csv"));
        const auto write = [&](const QString& name, const QByteArray& text) {
            QFile f(QDir(folder).filePath(name));
            f.open(QIODevice::WriteOnly);
            f.write(text);
            return f.fileName();
        };
        const demo::DemoSourceFile good = demo::readDemoSource(
            write(QStringLiteral("dobry.csv"),
                  "# komentarz\nA;B\n\"x;y\";\"ma \"\"cudzysłów\"\"\"\n\n1;\r\n"));
        QCOMPARE(good.header, (QStringList{"A", "B"}));
        QCOMPARE(good.lines.size(), size_t(2));
        QCOMPARE(good.lines[0].cells, (QStringList{"x;y", QStringLiteral("ma \"cudzysłów\"")}));
        QCOMPARE(good.lines[1].cells, (QStringList{"1", ""}));
        QCOMPARE(good.lines[1].number, 5);
        try {
            demo::readDemoSource(write(QStringLiteral("zly.csv"), "A;B\n1;2\n1;2;3\n"));
            QFAIL("a line with a cell too many was accepted");
        } catch (const DatabaseError& e) {
            QVERIFY2(e.message().startsWith(QStringLiteral("zly.csv, wiersz 3")),
                     qPrintable(e.message()));
        }
    }

    void workingDaysFollowThePolishCalendar() {
        QCOMPARE(demo::easterSunday(2024), QDate(2024, 3, 31));
        QCOMPARE(demo::easterSunday(2025), QDate(2025, 4, 20));
        QVERIFY(!demo::isWorkingDay(QDate(2025, 4, 21)));  // Easter Monday
        QVERIFY(!demo::isWorkingDay(QDate(2025, 6, 19)));  // Corpus Christi
        QVERIFY(!demo::isWorkingDay(QDate(2025, 11, 11))); // Independence Day, a Tuesday
        QVERIFY(!demo::isWorkingDay(QDate(2025, 12, 24))); // a day off from 2025
        QVERIFY(demo::isWorkingDay(QDate(2024, 12, 24)));
        QVERIFY(!demo::isWorkingDay(QDate(2025, 3, 15))); // Saturday
        QVERIFY(demo::isWorkingDay(QDate(2025, 3, 14)));
    }
};

QTEST_GUILESS_MAIN(TestDemoData)
#include "tst_demodata.moc"
