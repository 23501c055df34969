#include "FuelFixture.h"

#include "framework/RegisterSheet.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "fuel/Consumption.h"
#include "fuel/ConsumptionView.h"
#include "fuel/FuelKinds.h"
#include "storage/Query.h"

using namespace kv;

namespace {

Decimal dec(const char* text) {
    return *Decimal::parse(QString::fromUtf8(text));
}

RefuellingRow row(int date, const char* first, const char* litres, const char* reading) {
    return {date, dec(first), dec(litres), dec(reading)};
}

QStringList texts(const ConsumptionResult& r) {
    QStringList out;
    for (const auto& v : r.rows)
        out << consumptionText(v);
    return out;
}

} // namespace

// The consumption of the three fuel registers: every row's figure and the
// totals, worked out by hand, from the pure calculation up to the grid, the
// tab's labels and the sheet.
class TestConsumption : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::FuelData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::FuelData>(*db);
    }
    void choose(const QString& vehicle) {
        RegisterFilters filters(*db);
        filters.selectVehicle(vehicle);
        filters.selectMonthYear(0, 0);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void cleanup() {
        data.reset();
        db.reset();
    }

    void continuousRowsAndTotals() {
        // Day 1: 10 l in the tank, 40 l put in at 1000 km; day 2: 15 l left
        // at 1500 km, so (10 + 40 - 15) x 100 / 500 = 7.00.
        const QList<RefuellingRow> rows{row(20240301, "10", "40", "1000"),
                                        row(20240302, "15", "35", "1500")};
        const ConsumptionResult r = computeConsumption(ConsumptionKind::Continuous, rows);
        QCOMPARE(texts(r), (QStringList{"-", "7,00"}));
        // Fuel used: 10 + 75 - 35 - 15 = 35 over 500 km.
        QCOMPARE(r.totals.distance, dec("500"));
        QCOMPARE(r.totals.fuelUsed, dec("35"));
        QCOMPARE(r.totals.average, dec("7.00"));
        QCOMPARE(r.totals.firstDate, 20240301);
        QCOMPARE(r.totals.lastDate, 20240302);
        QCOMPARE(consumptionPeriodText(r.totals), QStringLiteral("01.03.2024 - 02.03.2024"));

        // Day 2 alone: no previous row, no distance.
        const ConsumptionResult alone =
            computeConsumption(ConsumptionKind::Continuous, {rows.at(1)});
        QCOMPARE(texts(alone), QStringList{"-"});
        QCOMPARE(alone.totals.average, Decimal());
        QCOMPARE(alone.totals.distance, Decimal());
        QCOMPARE(alone.totals.fuelUsed, Decimal());
        QCOMPARE(alone.totals.firstDate, 20240302);
        QCOMPARE(formatDecimal(alone.totals.average, 2), QStringLiteral("0,00"));
    }

    void continuousRowRuleEdges() {
        const RefuellingRow start = row(20240301, "10", "1.23", "1000");
        // 1.23 l over 200 km is 0.615 l / 100 km: half a hundredth rounds
        // away from zero, where a double would give 0.61.
        QCOMPARE(consumptionText(rowConsumption(ConsumptionKind::Continuous, &start,
                                                row(20240302, "10", "0", "1200"))),
                 QStringLiteral("0,62"));
        QCOMPARE(consumptionText(rowConsumption(ConsumptionKind::Continuous, &start,
                                                row(20240302, "12.46", "0", "1200"))),
                 QStringLiteral("-0,62"));
        // The odometer did not advance, or went back: no figure.
        QCOMPARE(consumptionText(rowConsumption(ConsumptionKind::Continuous, &start,
                                                row(20240302, "5", "0", "1000"))),
                 QStringLiteral("-"));
        QCOMPARE(consumptionText(rowConsumption(ConsumptionKind::Continuous, &start,
                                                row(20240302, "5", "0", "900"))),
                 QStringLiteral("-"));
        // A previous row of nothing but zeros is no refuelling to measure from.
        const RefuellingRow zeros = row(20240301, "0", "0", "0");
        QCOMPARE(consumptionText(rowConsumption(ConsumptionKind::Continuous, &zeros,
                                                row(20240302, "5", "0", "500"))),
                 QStringLiteral("-"));
        // The first row of all has nothing before it.
        QCOMPARE(consumptionText(rowConsumption(ConsumptionKind::Continuous, nullptr, start)),
                 QStringLiteral("-"));
    }

    void perKmAndPerHour() {
        // 35 / 500 x 100 = 7.00, 30 / 400 x 100 = 7.50; 65 / 900 x 100 = 7.222...
        const ConsumptionResult km =
            computeConsumption(ConsumptionKind::PerKm, {row(20240301, "500", "35", "10000"),
                                                        row(20240305, "400", "30", "10400")});
        QCOMPARE(texts(km), (QStringList{"7,00", "7,50"}));
        QCOMPARE(km.totals.distance, dec("900"));
        QCOMPARE(km.totals.fuelUsed, dec("65"));
        QCOMPARE(km.totals.average, dec("7.22"));

        // 25.15 l in 10 h is 2.515 l / h: 2.52, not the 2.51 of a double.
        const ConsumptionResult hours =
            computeConsumption(ConsumptionKind::PerHour, {row(20240301, "10", "25.15", "120")});
        QCOMPARE(texts(hours), QStringList{"2,52"});
        QCOMPARE(hours.totals.average, dec("2.52"));
        QCOMPARE(hours.totals.distance, dec("10"));

        // Nothing driven: no figure for the row; the totals go on with what
        // there is.
        const ConsumptionResult idle =
            computeConsumption(ConsumptionKind::PerKm,
                               {row(20240301, "0", "5", "100"), row(20240302, "200", "15", "300")});
        QCOMPARE(texts(idle), (QStringList{"-", "7,50"}));
        QCOMPARE(idle.totals.average, dec("10.00")); // 20 / 200 x 100
        const ConsumptionResult none =
            computeConsumption(ConsumptionKind::PerHour, {row(20240301, "0", "5", "100")});
        QCOMPARE(none.totals.average, Decimal());
        QCOMPARE(none.totals.fuelUsed, dec("5"));
    }

    void emptyRegister() {
        for (ConsumptionKind kind :
             {ConsumptionKind::Continuous, ConsumptionKind::PerKm, ConsumptionKind::PerHour}) {
            const ConsumptionResult r = computeConsumption(kind, {});
            QCOMPARE(r.totals, ConsumptionTotals{});
            QCOMPARE(r.totals.firstDate, 99999999);
            QCOMPARE(r.totals.lastDate, 0);
            QCOMPARE(consumptionPeriodText(r.totals), QString());
        }
    }

    void registerGridTotalsAndLabels() {
        open(QStringLiteral("grid"));
        const int car = data->addVehicle(QStringLiteral("WE 1"));
        const int other = data->addVehicle(QStringLiteral("WE 2"));
        db->exec(QStringLiteral("UPDATE pojazdy.DB SET NORMAOD = 6.5, NORMADO = 8.25 WHERE "
                                "IDPOJAZD = %1")
                     .arg(car));
        data->addRow("zuzycie", car, 20240301, "10", "40", "1000");
        data->addRow("zuzycie", car, 20240302, "15", "35", "1500");
        // Another vehicle's refuelling between them changes nothing.
        data->addRow("zuzycie", other, 20240301, "1", "99", "10");

        RegisterController reg(*db, RegisterId::Consumption);
        choose(QString());
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 0); // nothing until a vehicle is chosen
        ConsumptionLabels none = consumptionLabels(*db, RegisterId::Consumption);
        QCOMPARE(none.vehicle, QStringLiteral("(Wybierz pojazd)"));
        QCOMPARE(none.average, QStringLiteral("Średnie zużycie paliwa: 0,00 litrów / 100 km"));
        QCOMPARE(none.period, QStringLiteral("w okresie:"));

        choose(QStringLiteral("WE 1"));
        QVERIFY(reg.refresh());
        QCOMPARE(test::columnTexts(reg, QStringLiteral("ZUZYCIE")), (QStringList{"-", "7,00"}));
        const KeptConsumptionTotals kept = lastConsumptionTotals(*db);
        QCOMPARE(kept.id, RegisterId::Consumption);
        QCOMPARE(kept.totals.average, dec("7"));
        QCOMPARE(kept.totals.distance, dec("500"));
        QCOMPARE(kept.totals.fuelUsed, dec("35"));
        const ConsumptionLabels l = consumptionLabels(*db, RegisterId::Consumption);
        QCOMPARE(l.vehicle, QStringLiteral("WE 1, Skoda"));
        QCOMPARE(l.norm, QStringLiteral("Norma zużycia paliwa dla pojazdu 6,50 - 8,25"));
        QCOMPARE(l.average, QStringLiteral("Średnie zużycie paliwa: 7,00 litrów / 100 km"));
        QCOMPARE(l.period, QStringLiteral("w okresie: 01.03.2024 - 02.03.2024"));

        // A period of day 2 alone: the older refuelling is outside it.
        RegisterFilters(*db).selectDateRange(QStringLiteral("02.03.2024"),
                                             QStringLiteral("31.03.2024"));
        QVERIFY(reg.refresh());
        QCOMPARE(test::columnTexts(reg, QStringLiteral("ZUZYCIE")), QStringList{"-"});
        QCOMPARE(consumptionLabels(*db, RegisterId::Consumption).average,
                 QStringLiteral("Średnie zużycie paliwa: 0,00 litrów / 100 km"));

        // The sheet ("do CSV", export) carries the worked-out column.
        RegisterFilters(*db).selectMonthYear(0, 0);
        QVERIFY(reg.refresh());
        const QList<QStringList> sheet = registerSheet(*registerModel(reg));
        QCOMPARE(sheet.size(), 3);
        QCOMPARE(sheet.at(2).last(), QStringLiteral("7,00"));

        // The hour register's tab says hours, and the totals follow the
        // register refreshed last.
        data->addRow("zuzyciemth", car, 20240301, "10", "25.15", "120");
        RegisterController hours(*db, RegisterId::ConsumptionMth);
        QVERIFY(hours.refresh());
        QCOMPARE(test::columnTexts(hours, QStringLiteral("ZUZYCIE")), QStringList{"2,52"});
        QCOMPARE(lastConsumptionTotals(*db).id, RegisterId::ConsumptionMth);
        QCOMPARE(consumptionLabels(*db, RegisterId::ConsumptionMth).average,
                 QStringLiteral("Średnie zużycie paliwa: 2,52 litrów / godzinę"));
        QCOMPARE(registerConsumptionTotals(*db, RegisterId::Consumption).average, dec("7"));
    }

    void eachRegisterHasItsOwnFuel() {
        open(QStringLiteral("kinds"));
        const int car = data->addVehicle(QStringLiteral("WE 1"));
        data->addRow("zuzycie", car, 20240301, "10", "40", "1000");
        data->addRow("zuzyciekm", car, 20240301, "100", "9", "1000");
        data->addRow("zuzyciekmlpg", car, 20240301, "500", "35", "1000");
        data->addRow("zuzyciekmlpg", car, 20240305, "400", "30", "1400");
        choose(QStringLiteral("WE 1"));
        for (RegisterId id : kConsumptionRegisters)
            QCOMPARE(fuelKind(*db, id), FuelKind::Liquid);

        setFuelKind(*db, RegisterId::ConsumptionKm, FuelKind::Lpg);
        QCOMPARE(fuelKind(*db, RegisterId::ConsumptionKm), FuelKind::Lpg);
        QCOMPARE(fuelKind(*db, RegisterId::Consumption), FuelKind::Liquid);
        QCOMPARE(reportFuelKind(*db), FuelKind::Lpg);
        QCOMPARE(consumptionTable(*db, RegisterId::ConsumptionKm),
                 QStringLiteral("zuzyciekmlpg.DB"));
        QCOMPARE(consumptionTable(*db, RegisterId::Consumption), QStringLiteral("zuzycie.DB"));

        RegisterController km(*db, RegisterId::ConsumptionKm);
        QVERIFY(km.refresh());
        QCOMPARE(test::columnTexts(km, QStringLiteral("ZUZYCIE")), (QStringList{"7,00", "7,50"}));
        QCOMPARE(consumptionLabels(*db, RegisterId::ConsumptionKm).average,
                 QStringLiteral("Średnie zużycie paliwa: 7,22 litrów / 100 km"));
        RegisterController continuous(*db, RegisterId::Consumption);
        QVERIFY(continuous.refresh());
        QCOMPARE(continuous.rowCount(), 1);

        // Deleting on LPG deletes from the LPG table only.
        km.setCurrentRow(0);
        QCOMPARE(km.deleteCurrent(false), RegisterController::DeleteResult::Deleted);
        QCOMPARE(data->rows("zuzyciekmlpg"), QStringList{"20240305 400 30 1400"});
        QCOMPARE(data->rows("zuzyciekm"), QStringList{"20240301 100 9 1000"});

        // Choosing in a register mirrors into the reports' choice; the
        // reports' choice sets all three.
        setFuelKind(*db, RegisterId::ConsumptionMth, FuelKind::Liquid);
        QCOMPARE(reportFuelKind(*db), FuelKind::Liquid);
        QCOMPARE(fuelKind(*db, RegisterId::ConsumptionKm), FuelKind::Lpg);
        setAllFuelKinds(*db, FuelKind::Lpg);
        for (RegisterId id : kConsumptionRegisters)
            QCOMPARE(fuelKind(*db, id), FuelKind::Lpg);
        setFuelKind(*db, RegisterId::Consumption, FuelKind::Lpg); // already: nothing changes
        QVERIFY(db->query(QStringLiteral("DBFZuzycie")).text().contains("FROM zuzycielpg.DB"));
        QVERIFY(!db->query(QStringLiteral("DBFZuzycie")).text().contains("zuzycielpglpg"));

        // Opening the company again (a new login) starts on liquid fuel.
        QVERIFY(db->openCompanyDatabase(QStringLiteral("firma")));
        for (RegisterId id : kConsumptionRegisters)
            QCOMPARE(fuelKind(*db, id), FuelKind::Liquid);
        QCOMPARE(reportFuelKind(*db), FuelKind::Liquid);
    }
};

QTEST_GUILESS_MAIN(TestConsumption)
#include "tst_consumption.moc"
