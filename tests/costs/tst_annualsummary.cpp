#include "CostsFixture.h"

#include "costs/AnnualSummary.h"
#include "storage/engine/DatabaseError.h"

using namespace kv;

namespace {

Decimal dec(const char* text) {
    return Decimal::parse(QString::fromLatin1(text)).value();
}

std::array<Decimal, 12> months(std::initializer_list<const char*> values) {
    std::array<Decimal, 12> out{};
    int m = 0;
    for (const char* v : values)
        out[m++] = dec(v);
    return out;
}

// A month's five cells as the window shows them, without the currency.
QStringList row(const AnnualSummary& s, int month) {
    QStringList out;
    for (int c = 0; c < 5; ++c)
        out << s.cell(month, c).toString(2);
    return out;
}

QStringList totals(const AnnualSummary& s) {
    QStringList out;
    for (const Decimal& d : s.totals)
        out << d.toString(2);
    return out;
}

} // namespace

// The annual summary of a vehicle: the carry rule month by month, and the
// allowance and the costs of each month read from the tables exactly as their
// cells show them.
class TestAnnualSummary : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::CostsData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::CostsData>(*db);
        data->addVehicleKinds();
    }
    void addCost(int vehicle, int date, const char* net, const char* gross, const char* vatFlag) {
        db->exec(QStringLiteral("INSERT INTO koszty.DB (IDPOJAZD, DATA, RODZWYD, WARTNETTO, "
                                "WARTVAT, WARTBRUTTO, CZYVAT) VALUES (%1, %2, 'Inne', %3, 0, %4, "
                                ":PARAM0)")
                     .arg(vehicle)
                     .arg(date)
                     .arg(QLatin1String(net), QLatin1String(gross)),
                 engine::positionalParams({QLatin1String(vatFlag)}));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() { env.ui().clear(); }
    void cleanup() {
        data.reset();
        db.reset();
    }

    void surplusesCarryIntoTheNextMonth() {
        const AnnualSummary s = carryAnnualSummary(months({"100", "80"}), months({"150", "10"}));
        // January: a = 100, b = 150 books 100 and carries 50 of costs.
        QCOMPARE(row(s, 0), (QStringList{"100.00", "150.00", "100.00", "0.00", "50.00"}));
        // February: a = 80, b = 10 + 50 = 60 books 60 and carries 20 of allowance.
        QCOMPARE(row(s, 1), (QStringList{"80.00", "10.00", "60.00", "20.00", "0.00"}));
        // An empty March books the smaller surplus, 0.00, and carries the other on.
        QCOMPARE(row(s, 2), (QStringList{"0.00", "0.00", "0.00", "20.00", "0.00"}));
        QCOMPARE(row(s, 11), (QStringList{"0.00", "0.00", "0.00", "20.00", "0.00"}));
        QCOMPARE(totals(s), (QStringList{"180.00", "160.00", "160.00", "20.00", "0.00"}));
    }

    void equalSidesBookTheAllowance() {
        // a == b books a and carries nothing on either side.
        const AnnualSummary s = carryAnnualSummary(months({"0", "30.5"}), months({"20", "10.5"}));
        QCOMPARE(row(s, 0), (QStringList{"0.00", "20.00", "0.00", "0.00", "20.00"}));
        QCOMPARE(row(s, 1), (QStringList{"30.50", "10.50", "30.50", "0.00", "0.00"}));
        QCOMPARE(totals(s), (QStringList{"30.50", "30.50", "30.50", "0.00", "0.00"}));
    }

    void cellsShowZlotyRightAligned() {
        QCOMPARE(annualSummaryCellText(dec("1203.5")), QStringLiteral("1203,50 zł "));
        QCOMPARE(annualSummaryCellText(Decimal()), QStringLiteral("0,00 zł "));
        QCOMPARE(annualSummaryColumnTitles().size(), 5);
        QCOMPARE(monthOfDate(20241231), 12);
        QCOMPARE(monthOfDate(20240001), 0);
        QCOMPARE(monthOfDate(0), 0);
    }

    void monthsComeFromTheTables() {
        open(QStringLiteral("roczne"));
        data->addRates(20100101, "0.5214", "0.8358");
        const int car = data->addVehicle(QStringLiteral("EL 1"), 1, 1400);
        const int other = data->addVehicle(QStringLiteral("EL 2"), 1, 1400);
        // January: 100 km (83.58) and 175 km (146.265 shown 146.27): 229.85.
        data->addTrip(car, 20240102, "100");
        data->addTrip(car, 20240131, "175");
        // The last day of the year counts in December, the first of the next
        // year and the other vehicle's trips nowhere.
        data->addTrip(car, 20241231, "10");
        data->addTrip(car, 20250101, "1000");
        data->addTrip(other, 20240105, "1000");
        data->addTrip(car, 20231231, "1000");
        // Costs: "T" counts gross, "N" net; 10.005 shows (and counts) 10.01.
        addCost(car, 20240110, "100", "123", "T");
        addCost(car, 20240111, "50", "61.5", "N");
        addCost(car, 20240201, "10.005", "12.31", "N");
        addCost(car, 20240202, "10.005", "12.31", "N");
        addCost(other, 20240110, "500", "500", "T");
        addCost(car, 20250101, "500", "500", "T");

        const std::optional<AnnualSummary> s = computeAnnualSummary(*db, car, 2024);
        QVERIFY(s);
        // January: P 229.85, E 123 + 50 = 173 books 173 and carries 56.85.
        QCOMPARE(row(*s, 0), (QStringList{"229.85", "173.00", "173.00", "56.85", "0.00"}));
        // February: P 0, E 20.02 against 56.85 carried: books 20.02, carries 36.83.
        QCOMPARE(row(*s, 1), (QStringList{"0.00", "20.02", "20.02", "36.83", "0.00"}));
        // December: 10 km = 8.358 shown 8.36.
        QCOMPARE(row(*s, 11), (QStringList{"8.36", "0.00", "0.00", "45.19", "0.00"}));
        QCOMPARE(totals(*s), (QStringList{"238.21", "193.02", "193.02", "45.19", "0.00"}));
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(env.ui().progressUpdates() > 0);
        QVERIFY(!env.ui().progressVisible());
    }

    void manySmallCostsAddUpExactly() {
        open(QStringLiteral("drobne"));
        const int car = data->addVehicle(QStringLiteral("EL 1"), 1, 1400);
        db->exec(
            QStringLiteral(
                "INSERT INTO koszty.DB (IDPOJAZD, DATA, RODZWYD, WARTNETTO, WARTVAT, WARTBRUTTO, "
                "CZYVAT) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                "10000) SELECT %1, 20240301 + (i % 28), 'Inne', 0.1, 0, 0.1, 'T' FROM n")
                .arg(car));
        QCOMPARE(data->count(QStringLiteral("koszty.DB")), 10000);
        const std::optional<AnnualSummary> s = computeAnnualSummary(*db, car, 2024);
        QVERIFY(s);
        // A float sum of 10,000 x 0.1 is 1000.0000000001588.
        QCOMPARE(s->cell(2, 1), dec("1000"));
        QCOMPARE(s->totals[1].toString(2), QStringLiteral("1000.00"));
        QCOMPARE(s->totals[4].toString(2), QStringLiteral("1000.00"));
    }

    void aFailedStatementGivesNothing() {
        open(QStringLiteral("blad"));
        const int car = data->addVehicle(QStringLiteral("EL 1"), 1, 1400);
        db->exec(QStringLiteral("DROP TABLE koszty"));
        QVERIFY(!computeAnnualSummary(*db, car, 2024));
        QVERIFY(!env.ui().messages().isEmpty());
    }
};

QTEST_MAIN(TestAnnualSummary)
#include "tst_annualsummary.moc"
