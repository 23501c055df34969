#include "ChartsFixture.h"

#include "charts/ChartBuilder.h"
#include "charts/ChartLists.h"
#include "framework/Registers.h"
#include "fuel/FuelKinds.h"

#include <cmath>

using namespace kv;

namespace {

Decimal dec(const char* text) {
    return *Decimal::parse(QString::fromUtf8(text));
}

RefuellingRow row(int date, const char* first, const char* litres, const char* reading) {
    return {date, dec(first), dec(litres), dec(reading)};
}

ChartRequest request(ChartKind kind, int year, int month) {
    ChartRequest r;
    r.kind = kind;
    r.period = {year, month};
    return r;
}

// "x=y" per point, x with four decimals.
QStringList points(const ChartSeries& s) {
    QStringList out;
    for (const ChartPoint& p : s.points)
        out << QString::number(p.x, 'f', 4) + u'=' + p.y.toSql();
    return out;
}

bool near(double a, double b) {
    return std::abs(a - b) < 1e-12;
}

} // namespace

// The chart data module: the axis and the x of a date, the captions, the
// five series and their statements, worked out by hand.
class TestChartSeries : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::ChartsData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::ChartsData>(*db);
    }

private slots:
    void cleanup() {
        data.reset();
        db.reset();
    }

    void monthAxisCountsLeapYears() {
        QCOMPARE(chartXAxis({2024, 2}).ticks, 29);
        QCOMPARE(chartXAxis({2024, 2}).maximum, 29.0);
        QCOMPARE(chartXAxis({2023, 2}).ticks, 28);
        QCOMPARE(chartXAxis({1900, 2}).ticks, 28); // a century is no leap year
        QCOMPARE(chartXAxis({2000, 2}).ticks, 29); // unless it divides by 400
        QCOMPARE(chartXAxis({2024, 4}).ticks, 30);
        QCOMPARE(chartX({2024, 2}, 20240229), 29.0);
        QCOMPARE(ChartPeriod({2024, 2}).firstDate(), 20240201);
        QCOMPARE(ChartPeriod({2024, 2}).lastDate(), 20240229);
        QCOMPARE(ChartPeriod({2024, 0}).firstDate(), 20240101);
        QCOMPARE(ChartPeriod({2024, 0}).lastDate(), 20241231);
    }

    void yearAxisPlacesEveryDayInOrder() {
        const ChartXAxis year = chartXAxis({2024, 0});
        QCOMPARE(year.ticks, 12);
        QCOMPARE(year.minimum, 1.0);
        QCOMPARE(year.maximum, 12.9);
        QVERIFY(near(chartX({2024, 0}, 20240315), 3 + 14.0 / 31));
        QVERIFY(near(chartX({2024, 0}, 20241231), 12 + 30.0 / 34));
        QVERIFY(near(chartX({2024, 0}, 20240101), 1.0));
        QVERIFY(near(chartX({2024, 0}, 20240229), 2 + 28.0 / 29));
        // All of December takes 1/34 a day: the 28th right of the 27th.
        QVERIFY(chartX({2024, 0}, 20241228) > chartX({2024, 0}, 20241227));
        QVERIFY(near(chartX({2024, 0}, 20241227), 12 + 26.0 / 34));
        for (int y : {2023, 2024}) {
            double previous = 0;
            for (QDate d(y, 1, 1); d.year() == y; d = d.addDays(1)) {
                const double x = chartX({y, 0}, d.year() * 10000 + d.month() * 100 + d.day());
                QVERIFY2(x > previous, qPrintable(d.toString(Qt::ISODate)));
                QVERIFY(x < 12.9);
                previous = x;
            }
        }
    }

    void captionsAndYears() {
        QCOMPARE(chartCaption(ChartKind::FuelPrices, 2024, 2),
                 QStringLiteral("Zmiana cen paliw w miesiącu Luty 2024"));
        QCOMPARE(chartCaption(ChartKind::FuelPrices, 2024, 0),
                 QStringLiteral("Zmiana cen paliw w roku 2024"));
        QCOMPARE(chartCaption(ChartKind::Consumption, 2024, 12),
                 QStringLiteral("Zużycie paliwa ciągłe w miesiącu Grudzień 2024"));
        QCOMPARE(chartCaption(ChartKind::ConsumptionKm, 2023, 0),
                 QStringLiteral("Zużycie paliwa km w roku 2023"));
        QCOMPARE(chartCaption(ChartKind::ConsumptionMth, 2023, 5),
                 QStringLiteral("Zużycie paliwa Mth w miesiącu Maj 2023"));
        // The mileage and costs charts have no month.
        QCOMPARE(chartCaption(ChartKind::Mileage, 2024, 3), QStringLiteral("Przebieg w roku 2024"));
        QCOMPARE(chartCaption(ChartKind::Costs, 2024, 0),
                 QStringLiteral("Koszty brutto w roku 2024"));
        QCOMPARE(chartMonthTexts().size(), 13);
        QCOMPARE(chartMonthTexts().first(), QStringLiteral("(Wszystkie)"));

        QCOMPARE(parseChartYear(QStringLiteral("2024")), std::optional<int>(2024));
        QVERIFY(!parseChartYear(QStringLiteral("")));
        QVERIFY(!parseChartYear(QStringLiteral("20x4")));
        QVERIFY(!parseChartYear(QStringLiteral("(Wszystkie)")));
        QVERIFY(!parseChartYear(QStringLiteral("-2024")));

        QCOMPARE(chartYears(2022, 2024), QList<int>({2022, 2023, 2024}));
        QVERIFY(chartYears(2030, 2005).isEmpty());
        QCOMPARE(chartYearIndex(chartYears(2005, 2030), 2024), 19);
        QCOMPARE(chartYearIndex(chartYears(2025, 2030), 2024), 0);
        QCOMPARE(chartYearIndex(chartYears(2005, 2010), 2024), 0);
        QCOMPARE(chartYearIndex({}, 2024), -1);

        for (ChartKind k : kChartKinds)
            QCOMPARE(chartKindByCommandName(chartCommandName(k)), std::optional<ChartKind>(k));
        QVERIFY(!chartKindByCommandName(QStringLiteral("Ceny")));
        // The menu items are no register's: the costs register's "Koszty"
        // permission must not govern the costs chart.
        for (ChartKind k : kChartKinds)
            for (const RegisterDescriptor& d : allRegisters())
                QVERIFY2(chartMenuItem(k) != d.menuItem, qPrintable(d.menuItem));
        QCOMPARE(chartMenuItem(ChartKind::Costs), QStringLiteral("Koszty brutto"));
    }

    void monthlySumsAreExact() {
        // 0.1 + 0.2 is 0.3 exactly; a month summing to 0 or below gives no point.
        const QList<ChartPoint> p = monthlySumPoints({{20240105, dec("0.1")},
                                                      {20240131, dec("0.2")},
                                                      {20240301, dec("10.005")},
                                                      {20240302, dec("-10.005")},
                                                      {20240410, dec("-3")},
                                                      {20241231, dec("1234.565")}});
        QCOMPARE(p.size(), 2);
        QCOMPARE(p.at(0), (ChartPoint{1, dec("0.3")}));
        QCOMPARE(p.at(1), (ChartPoint{12, dec("1234.565")}));
    }

    void consumptionPointsFollowTheRegistersRule() {
        // Day 1: 10 l in the tank, 40 l put in at 1000 km; day 2: 15 l left
        // at 1500 km: (10 + 40 - 15) x 100 / 500 = 7.00. The first row has
        // no previous refuelling: no point.
        const ChartPeriod march{2024, 3};
        QList<ChartPoint> p =
            consumptionPoints(ConsumptionKind::Continuous, march,
                              {row(20240301, "10", "40", "1000"), row(20240302, "15", "35", "1500"),
                               // the odometer did not advance: "-", no point
                               row(20240303, "20", "10", "1500"),
                               // more left than there was: a negative consumption stays a point
                               row(20240310, "60", "0", "1600")});
        QCOMPARE(p.size(), 2);
        QCOMPARE(p.at(0), (ChartPoint{2, dec("7")}));
        QCOMPARE(p.at(1), (ChartPoint{10, dec("-30")})); // (20 + 10 - 60) x 100 / 100

        // Per km: 35 l on 500 km = 7.00, 30 l on 400 km = 7.50; a row with
        // nothing driven gives no point, not a point at 0.
        p = consumptionPoints(ConsumptionKind::PerKm, {2024, 0},
                              {row(20240315, "500", "35", "0"), row(20240320, "0", "12", "0"),
                               row(20241231, "400", "30", "0")});
        QCOMPARE(p.size(), 2);
        QCOMPARE(p.at(0).y, dec("7"));
        QCOMPARE(p.at(1).y, dec("7.5"));
        QVERIFY(near(p.at(1).x, 12 + 30.0 / 34));
        // Per hour: 25 l in 10 h = 2.50; 10 l in 3 h = 3.333.. rounded to 3.33.
        p = consumptionPoints(ConsumptionKind::PerHour, {2024, 1},
                              {row(20240102, "10", "25", "0"), row(20240103, "3", "10", "0")});
        QCOMPARE(p.at(0).y, dec("2.5"));
        QCOMPARE(p.at(1).y, dec("3.33"));
    }

    void valueAxisOverTheShownSeries() {
        ChartData d;
        QCOMPARE(chartYRange(d).minimum, 0.0);
        QCOMPARE(chartYRange(d).maximum, 1.0); // never 0 to 0
        ChartSeries a;
        a.points = {{1, dec("7.5")}, {2, dec("-2.25")}};
        ChartSeries b;
        b.points = {{1, dec("12")}};
        ChartSeries km;
        km.secondAxis = true;
        km.points = {{1, dec("3000")}};
        d.series = {a, ChartSeries(), b, km};
        QCOMPARE(chartYRange(d).minimum, -2.25);
        QCOMPARE(chartYRange(d).maximum, 12.0);
        QCOMPARE(chartYRange(d, true).minimum, 0.0);
        QCOMPARE(chartYRange(d, true).maximum, 3000.0);
        ChartSeries zeros;
        zeros.points = {{1, Decimal()}};
        d.series = {zeros};
        QCOMPARE(chartYRange(d).maximum, 1.0);
        ChartSeries negative;
        negative.points = {{1, dec("-4")}};
        d.series = {negative};
        QCOMPARE(chartYRange(d).minimum, -4.0);
        QCOMPARE(chartYRange(d).maximum, 0.0);
    }

    void pricesOfAMonthAndOfAYear() {
        open(QStringLiteral("prices"));
        data->addPrice(1, 20240229, "6.49");
        data->addPrice(1, 20240201, "6.5");
        data->addPrice(1, 20240201, "6.2"); // same day: by price
        data->addPrice(2, 20240210, "3.1"); // another fuel
        data->addPrice(1, 20240301, "7");   // another month
        ChartRequest r = request(ChartKind::FuelPrices, 2024, 2);
        r.selections[0] = ChartSelection{1, QStringLiteral("ON")};
        r.selections[3] = ChartSelection{2, QStringLiteral("LPG")};
        ChartData d = buildChart(*db, r);
        QCOMPARE(d.caption, QStringLiteral("Zmiana cen paliw w miesiącu Luty 2024"));
        QCOMPARE(d.xAxis.ticks, 29);
        QCOMPARE(d.series.size(), 5);
        QCOMPARE(points(d.series.at(0)), QStringList({"1.0000=6.2", "1.0000=6.5", "29.0000=6.49"}));
        QCOMPARE(d.series.at(0).label, QStringLiteral("ON"));
        QCOMPARE(d.series.at(0).colour, 0x008000u);
        QCOMPARE(points(d.series.at(3)), QStringList({"10.0000=3.1"}));
        QCOMPARE(d.series.at(3).colour, 0xFFFF00u);
        QVERIFY(!d.series.at(1).isShown()); // unchecked

        data->addPrice(1, 20240315, "6.8");
        data->addPrice(1, 20241231, "6.1");
        data->addPrice(1, 20250101, "9");
        r = request(ChartKind::FuelPrices, 2024, 0);
        r.selections[1] = ChartSelection{1, QStringLiteral("ON")};
        d = buildChart(*db, r);
        QCOMPARE(d.caption, QStringLiteral("Zmiana cen paliw w roku 2024"));
        QCOMPARE(d.xAxis.maximum, 12.9);
        const QList<ChartPoint>& p = d.series.at(1).points;
        QCOMPARE(p.size(), 6); // not the one of 2025
        QCOMPARE(p.at(4).y, dec("6.8"));
        QVERIFY(near(p.at(4).x, 3 + 14.0 / 31));
        QCOMPARE(p.at(5).y, dec("6.1"));
        QVERIFY(near(p.at(5).x, 12 + 30.0 / 34));
    }

    void mileageSumsPerMonthOfOneVehicle() {
        open(QStringLiteral("mileage"));
        const int car = data->addVehicle(QStringLiteral("WA 1"));
        const int idle = data->addVehicle(QStringLiteral("WA 2"));
        const int other = data->addVehicle(QStringLiteral("WA 3"));
        data->addTrip(car, 20240105, "12.5");
        data->addTrip(car, 20240131, "7.25");
        data->addTrip(car, 20241231, "100");
        data->addTrip(car, 20231231, "999"); // another year
        data->addTrip(other, 20240110, "50");
        ChartRequest r = request(ChartKind::Mileage, 2024, 4); // the month is ignored
        r.selections[0] = ChartSelection{car, QStringLiteral("WA 1")};
        r.selections[1] = ChartSelection{idle, QStringLiteral("WA 2")};
        const ChartData d = buildChart(*db, r);
        QCOMPARE(d.caption, QStringLiteral("Przebieg w roku 2024"));
        QCOMPARE(d.xAxis.ticks, 12);
        QCOMPARE(points(d.series.at(0)), QStringList({"1.0000=19.75", "12.0000=100"}));
        // A vehicle without trips: an empty series, not shown.
        QVERIFY(!d.series.at(1).isShown());
        QVERIFY(!d.series.at(1).failed);
        QCOMPARE(d.series.at(1).label, QStringLiteral("WA 2"));
    }

    void costsWithFuelOnlyAndAnExpenseKind() {
        open(QStringLiteral("costs"));
        const int car = data->addVehicle(QStringLiteral("WA 1"));
        const QString kind = QStringLiteral("Paliwo 'ON' \"x\"");
        data->addCost(car, 20240110, "100.10", kind, true);                 // both: counted
        data->addCost(car, 20240120, "0.015", kind, true);                  // both: counted
        data->addCost(car, 20240115, "50", kind, false);                    // not fuel
        data->addCost(car, 20240116, "70", QStringLiteral("Myjnia"), true); // other kind
        data->addCost(car, 20240701, "20.2", QStringLiteral("Myjnia"), false);
        ChartRequest r = request(ChartKind::Costs, 2024, 0);
        r.selections[2] = ChartSelection{car, QStringLiteral("WA 1")};
        r.fuelOnly = true;
        r.expenseKind = kind;
        ChartData d = buildChart(*db, r);
        QCOMPARE(d.caption, QStringLiteral("Koszty brutto w roku 2024"));
        QCOMPARE(points(d.series.at(2)), QStringList({"1.0000=100.115"}));

        r.fuelOnly = false;
        d = buildChart(*db, r);
        QCOMPARE(points(d.series.at(2)), QStringList({"1.0000=150.115"}));
        r.expenseKind.reset();
        r.fuelOnly = true;
        d = buildChart(*db, r);
        QCOMPARE(points(d.series.at(2)), QStringList({"1.0000=170.115"}));
        r.fuelOnly = false;
        d = buildChart(*db, r);
        QCOMPARE(points(d.series.at(2)), QStringList({"1.0000=220.115", "7.0000=20.2"}));
    }

    void consumptionWithinThePeriodLeavesTheRegistersAlone() {
        open(QStringLiteral("consumption"));
        const int car = data->addVehicle(QStringLiteral("WA 1"));
        // An older refuelling in February: the first one of March still gives no point.
        data->addRow("zuzycie", car, 20240225, "5", "50", "500");
        data->addRow("zuzycie", car, 20240301, "10", "40", "1000");
        data->addRow("zuzycie", car, 20240302, "15", "35", "1500");
        data->addRow("zuzycielpg", car, 20240305, "10", "40", "1000");
        data->addRow("zuzycielpg", car, 20240306, "20", "30", "1400");
        setFuelKind(*db, RegisterId::Consumption, FuelKind::Lpg);
        const QString registerStatement =
            db->query(registerDescriptor(RegisterId::Consumption).query).text();

        ChartRequest r = request(ChartKind::Consumption, 2024, 3);
        r.selections[4] = ChartSelection{car, QStringLiteral("WA 1")};
        ChartData d = buildChart(*db, r);
        QCOMPARE(d.caption, QStringLiteral("Zużycie paliwa ciągłe w miesiącu Marzec 2024"));
        QCOMPARE(points(d.series.at(4)), QStringList({"2.0000=7"}));
        QCOMPARE(d.series.at(4).colour, 0xFFA500u);
        r.lpg = true;
        d = buildChart(*db, r);
        // (10 + 40 - 20) x 100 / 400 = 7.50
        QCOMPARE(points(d.series.at(4)), QStringList({"6.0000=7.5"}));
        // The register keeps its fuel and its statement.
        QCOMPARE(fuelKind(*db, RegisterId::Consumption), FuelKind::Lpg);
        QCOMPARE(db->query(registerDescriptor(RegisterId::Consumption).query).text(),
                 registerStatement);

        data->addRow("zuzyciekm", car, 20240310, "500", "35", "0");
        data->addRow("zuzyciekm", car, 20240311, "0", "5", "0");
        r = request(ChartKind::ConsumptionKm, 2024, 0);
        r.selections[0] = ChartSelection{car, QStringLiteral("WA 1")};
        d = buildChart(*db, r);
        QCOMPARE(d.series.at(0).points.size(), 1);
        QCOMPARE(d.series.at(0).points.at(0).y, dec("7"));
    }

    void aFailingSeriesIsLoggedAndTheOthersDrawn() {
        open(QStringLiteral("failing"));
        data->addPrice(1, 20240210, "6.5");
        // A stored price no decimal can hold fails its series only.
        data->addPrice(2, 20240211, "1e300");
        ChartRequest r = request(ChartKind::FuelPrices, 2024, 2);
        r.selections[0] = ChartSelection{1, QStringLiteral("ON")};
        r.selections[1] = ChartSelection{2, QStringLiteral("PB")};
        const ChartData d = buildChart(*db, r);
        QCOMPARE(points(d.series.at(0)), QStringList({"10.0000=6.5"}));
        QVERIFY(d.series.at(1).failed);
        QVERIFY(!d.series.at(1).isShown());
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000161000]")));
    }

    void pointsText() {
        ChartData d;
        ChartSeries a;
        a.points = {{1, dec("6.5")}, {12 + 30.0 / 34, dec("-2.25")}};
        d.series = {ChartSeries(), a};
        QCOMPARE(chartPointsText(d), QStringLiteral("2;1.0000;6.5\n2;12.8824;-2.25\n"));
    }
};

QTEST_GUILESS_MAIN(TestChartSeries)
#include "tst_chartseries.moc"
