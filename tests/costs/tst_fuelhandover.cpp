#include "CostsFixture.h"

#include "costs/CostHandOvers.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "fuel/ConsumptionRegister.h"
#include "fuel/FuelKinds.h"
#include "fuel/RefuellingHandOvers.h"
#include "support/Clock.h"
#include "users/Permissions.h"

using namespace kv;
using test::cost;

namespace {

struct ScriptedRefuellingForm : test::ScriptedForm<RefuellingFormValues> {
    ScriptedRefuellingForm()
        : ScriptedForm(
              [](RefuellingFormValues& v, const FormSetup&) { return checkRefuellingForm(v); }) {}
};

} // namespace

// A fuel cost handed to a consumption register, and a refuelling handed to
// the costs, on the one hand-over of the framework.
class TestFuelHandOver : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::CostsData> data;
    int car = 0;
    QList<RegisterId> shown;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::CostsData>(*db);
        registerState(*db, RegisterId::Costs).periodFragment.clear();
        for (RegisterId id : kConsumptionRegisters)
            registerState(*db, id).periodFragment.clear();
        car = data->addVehicle(QStringLiteral("EL 5"));
        data->addVehicle(QStringLiteral("EL 6"));
        RegisterFilters(*db).selectVehicle(QStringLiteral("EL 6"));
    }
    // A fuel cost of 40 litres at 15000 km with "Dodaj powyższe do" on the
    // per-km register and LPG.
    CostFormValues fuelCost() {
        CostFormValues v = cost(car, QStringLiteral("04.03.2024"), QStringLiteral("200"),
                                QStringLiteral("46"), QStringLiteral("246"));
        v.isFuel = QStringLiteral("T");
        v.fuel = QStringLiteral("40");
        v.licznik = QStringLiteral("15000");
        v.handOn = true;
        v.handTarget = 3; // "zużycia paliwa - km"
        v.fuelKind = 1;   // "Gaz LPG"
        return v;
    }
    bool addCost(test::ScriptedCostForm& form, QList<std::optional<CostFormValues>> script) {
        RegisterController reg(*db, RegisterId::Costs);
        form.script = std::move(script);
        const RegisterEditing<CostFormValues> e = costEditing(*db);
        return runAdd(reg, registerEditSteps(reg, form, e, true), false);
    }
    int count(const char* table) { return data->count(QString::fromLatin1(table)); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        installCostHandOverTarget();
        installRefuellingHandOverTargets();
        handOverShowRegister() = [this](RegisterId id) { shown.append(id); };
    }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        programOptions().cbKopiujPrzebiegDoHistorii = false;
        currentLogin().permissions.setAll(true);
        shown.clear();
    }
    void cleanup() {
        setHandOverWindow<RefuellingFormValues>(RegisterId::ConsumptionKm, nullptr);
        setHandOverWindow<CostFormValues>(RegisterId::Costs, nullptr);
        data.reset();
        db.reset();
        Clock::setFixed({});
    }

    void fuelCostGoesToThePerKmRegisterOnLpg() {
        open(QStringLiteral("km"));
        ScriptedRefuellingForm refuelling;
        setHandOverWindow<RefuellingFormValues>(RegisterId::ConsumptionKm, &refuelling);
        test::ScriptedCostForm costs;

        // Cancelled: the cost alone, but the registers were switched first.
        QVERIFY(addCost(costs, {fuelCost()}));
        for (RegisterId id : kConsumptionRegisters)
            QCOMPARE(fuelKind(*db, id), FuelKind::Lpg);
        QCOMPARE(sharedFilters(*db).selectedVehicleId, car);
        QVERIFY(refuelling.setup.secondWindow);
        QCOMPARE(refuelling.shown.data, QStringLiteral("04.03.2024"));
        QCOMPARE(refuelling.shown.first, QStringLiteral("0,00"));
        QCOMPARE(refuelling.shown.tankowanie, QStringLiteral("40,00"));
        QCOMPARE(refuelling.shown.licznik, QStringLiteral("15000,00"));
        QCOMPARE(count("koszty"), 1);
        QCOMPARE(count("zuzyciekmlpg") + count("zuzyciekm"), 0);

        // Confirmed with the km driven: one cost, one LPG refuelling; the
        // refuelling's own "Dodaj dane do kosztów" is not followed.
        RefuellingFormValues typed = refuelling.shown;
        typed.data = QStringLiteral("05.03.2024");
        typed.first = QStringLiteral("500");
        typed.addToCosts = true;
        refuelling.script = {typed};
        CostFormValues second = fuelCost();
        second.data = QStringLiteral("05.03.2024");
        QVERIFY(addCost(costs, {second}));
        QCOMPARE(count("koszty"), 2);
        QCOMPARE(count("zuzyciekmlpg"), 1);
        QCOMPARE(count("zuzyciekm"), 0);
        const ResultSet row = db->select(QStringLiteral(
            "SELECT IDPOJAZD, DATA, PRZEBIEG, TANKOWANIE, LICZNIK FROM zuzyciekmlpg"));
        QCOMPARE(row.value(0, 0).toInt(), car);
        QCOMPARE(row.value(0, 1).toLongLong(), 20240305);
        QCOMPARE(row.value(0, 2).toDouble(), 500.0);
        QCOMPARE(row.value(0, 3).toDouble(), 40.0);
        QCOMPARE(row.value(0, 4).toDouble(), 15000.0);
        QCOMPARE(shown, QList<RegisterId>{RegisterId::ConsumptionKm});
        RegisterController km(*db, RegisterId::ConsumptionKm);
        QCOMPARE(km.currentValue(QStringLiteral("DATA")).toLongLong(), 20240305);
    }

    void failedRefuellingWriteWritesNeither() {
        open(QStringLiteral("fails"));
        count("zuzyciekmlpg"); // attached before its trigger is made
        db->exec(QStringLiteral("CREATE TRIGGER zuzyciekmlpg.refuse BEFORE INSERT ON "
                                "zuzyciekmlpg BEGIN SELECT RAISE(ABORT, 'dysk pełny'); END"));
        ScriptedRefuellingForm refuelling;
        setHandOverWindow<RefuellingFormValues>(RegisterId::ConsumptionKm, &refuelling);
        refuelling.script = {
            RefuellingFormValues{QStringLiteral("04.03.2024"), "1", "40", "15000"}};
        test::ScriptedCostForm costs;
        QVERIFY(!addCost(costs, {fuelCost(), std::nullopt}));
        QCOMPARE(count("koszty"), 0);
        QCOMPARE(count("zuzyciekmlpg"), 0);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("dysk pełny")));
        QCOMPARE(costs.shows, 2);
        QCOMPARE(costs.shown.brutto, QStringLiteral("246"));
    }

    void withoutPermissionTheCostAlone() {
        open(QStringLiteral("rights"));
        ScriptedRefuellingForm refuelling;
        setHandOverWindow<RefuellingFormValues>(RegisterId::ConsumptionKm, &refuelling);
        currentLogin().permissions.set(10, false);
        test::ScriptedCostForm costs;
        QVERIFY(addCost(costs, {fuelCost()}));
        QCOMPARE(env.ui().texts(),
                 QStringList{QStringLiteral("Brak uprawnień do tabeli Zuzycie Paliwa.")});
        QCOMPARE(refuelling.shows, 0);
        QCOMPARE(count("koszty"), 1);
        QCOMPARE(count("zuzyciekmlpg"), 0);
        QCOMPARE(fuelKind(*db, RegisterId::ConsumptionKm), FuelKind::Liquid);
    }

    void withoutAWindowARefusedRefuellingWritesNeither() {
        open(QStringLiteral("headless"));
        // A refuelling on that day already: the merge question, answered "Nie".
        data->count(QStringLiteral("zuzyciekmlpg"));
        db->exec(QStringLiteral("INSERT INTO zuzyciekmlpg (IDPOJAZD, DATA, PRZEBIEG, TANKOWANIE, "
                                "LICZNIK) VALUES (%1, 20240304, 100, 10, 14000)")
                     .arg(car));
        env.ui().queueAnswer(false);
        test::ScriptedCostForm costs;
        QVERIFY(!addCost(costs, {fuelCost(), std::nullopt}));
        QCOMPARE(count("koszty"), 0);
        QCOMPARE(count("zuzyciekmlpg"), 1);
        QCOMPARE(env.ui().last().text, kMergeQuestion);

        // Answered "Tak": merged into that day, with the cost.
        env.ui().clear();
        env.ui().queueAnswer(true);
        QVERIFY(addCost(costs, {fuelCost()}));
        QCOMPARE(count("koszty"), 1);
        const ResultSet row =
            db->select(QStringLiteral("SELECT TANKOWANIE, LICZNIK FROM zuzyciekmlpg"));
        QCOMPARE(row.rowCount(), 1);
        QCOMPARE(row.value(0, 0).toDouble(), 50.0);
        QCOMPARE(row.value(0, 1).toDouble(), 15000.0);
    }

    void refuellingHandsItsPurchaseToTheCosts() {
        open(QStringLiteral("tocosts"));
        RegisterFilters(*db).selectVehicle(QStringLiteral("EL 5"));
        RegisterController reg(*db, RegisterId::Consumption);
        ScriptedRefuellingForm window;
        RefuellingFormValues v{QStringLiteral("07.03.2024"), "10", "35,5", "16000", true};
        window.script = {v};
        test::ScriptedCostForm costs;
        setHandOverWindow<CostFormValues>(RegisterId::Costs, &costs);
        CostFormValues confirmed;
        costs.script = {};
        // Cancelled cost: the refuelling alone.
        QVERIFY(addRefuelling(reg, window, false));
        QCOMPARE(count("zuzycie"), 1);
        QCOMPARE(count("koszty"), 0);
        QCOMPARE(costs.shown.rodzWyd, QStringLiteral("Zakup paliwa"));
        QCOMPARE(costs.shown.fuel, QStringLiteral("35,50"));
        QCOMPARE(costs.shown.dataWystaw, QStringLiteral("07.03.2024"));
        QCOMPARE(costs.shown.vehicle, car);
        QVERIFY(costs.setup.secondWindow);

        // Confirmed: both; the cost's own hand-over is not followed.
        confirmed = costs.shown;
        confirmed.data = QStringLiteral("08.03.2024");
        confirmed.handOn = true;
        confirmed.handTarget = 1;
        costs.script = {confirmed};
        v.data = QStringLiteral("08.03.2024");
        window.script = {v};
        QVERIFY(addRefuelling(reg, window, false));
        QCOMPARE(count("zuzycie"), 2);
        QCOMPARE(count("koszty"), 1);
        QCOMPARE(shown, QList<RegisterId>{RegisterId::Costs});

        // Without the costs' write permission nothing is asked of them.
        currentLogin().permissions.set(6, false);
        v.data = QStringLiteral("09.03.2024");
        window.script = {v};
        QVERIFY(addRefuelling(reg, window, false));
        QCOMPARE(env.ui().texts(), QStringList{QStringLiteral("Brak uprawnień do tabeli Koszty.")});
        QCOMPARE(count("zuzycie"), 3);
        QCOMPARE(count("koszty"), 1);
    }
};

QTEST_GUILESS_MAIN(TestFuelHandOver)
#include "tst_fuelhandover.moc"
