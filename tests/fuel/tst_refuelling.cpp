#include "FuelFixture.h"
#include "ScriptedForm.h"

#include "framework/RegisterStates.h"
#include "fuel/ConsumptionRegister.h"
#include "fuel/ConsumptionView.h"
#include "storage/ProgramOptions.h"

using namespace kv;

namespace {

// A refuelling window that answers from a script; like the real one it
// confirms only what passes the checks.
struct ScriptedRefuellingForm : test::ScriptedForm<RefuellingFormValues> {
    ScriptedRefuellingForm()
        : ScriptedForm(
              [](RefuellingFormValues& v, const FormSetup&) { return checkRefuellingForm(v); }) {}
};

RefuellingFormValues refuelling(const QString& date, const QString& first, const QString& litres,
                                const QString& reading) {
    RefuellingFormValues v;
    v.data = date;
    v.first = first;
    v.tankowanie = litres;
    v.licznik = reading;
    return v;
}

} // namespace

// Adding, copying and editing refuelling in the three consumption registers:
// the vehicle, the merge of a second refuelling on one day, the edit onto an
// existing day, the twin tables, the reading checks, the odometer history and
// the distance button.
class TestRefuelling : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::FuelData> data;
    int car = 0;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::FuelData>(*db);
        car = data->addVehicle(QStringLiteral("WE 1"));
        data->addVehicle(QStringLiteral("WE 2"));
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("WE 1"));
        filters.selectMonthYear(0, 0);
    }
    bool add(RegisterController& reg, ScriptedRefuellingForm& form,
             QList<std::optional<RefuellingFormValues>> script, bool copy = false) {
        form.script = std::move(script);
        return addRefuelling(reg, form, copy);
    }
    bool edit(RegisterController& reg, ScriptedRefuellingForm& form,
              QList<std::optional<RefuellingFormValues>> script) {
        form.script = std::move(script);
        return editRefuelling(reg, form);
    }
    QString current(RegisterController& reg) {
        return QStringLiteral("%1 %2")
            .arg(reg.currentValue(QStringLiteral("DATA")).toLongLong())
            .arg(reg.currentValue(QStringLiteral("LICZNIK")).toDouble());
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
    }
    void cleanup() {
        data.reset();
        db.reset();
    }

    void windowChecksInOrder() {
        RefuellingFormValues v = refuelling("31.02.2024", "x", "y", "z");
        FormCheck c = checkRefuellingForm(v);
        QCOMPARE(c.field, QStringLiteral("FDATA"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty. Popraw pole."));
        v.data = QStringLiteral("01.03.2024");
        QCOMPARE(checkRefuellingForm(v).message,
                 QStringLiteral("Niepoprawny stan baku przed tankowaniem."));
        v.first = QStringLiteral("-5,5"); // negatives are accepted
        c = checkRefuellingForm(v);
        QCOMPARE(c.field, QStringLiteral("fTANKOWANIE"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawna ilość zatankowanego paliwa."));
        QVERIFY(c.selectAll);
        v.tankowanie = QString(); // empty is 0
        c = checkRefuellingForm(v);
        QCOMPARE(c.message, QStringLiteral("Niepoprawny stan licznika."));
        QCOMPARE(v.tankowanie, QStringLiteral("0"));
        v.licznik = QStringLiteral("1.234,5");
        QVERIFY(!checkRefuellingForm(v).ok);
        v.licznik = QStringLiteral(" 1234,5 ");
        QVERIFY(checkRefuellingForm(v).ok);
        QCOMPARE(rewriteQuantity(QStringLiteral("12.5")), QStringLiteral("12,50"));
        QCOMPARE(rewriteQuantity(QStringLiteral("abc")), QStringLiteral("0,00"));
        QCOMPARE(rewriteQuantity(QStringLiteral("2,005")), QStringLiteral("2,01"));
    }

    void addNeedsOneVehicleAndSavesUnderIt() {
        open(QStringLiteral("add"));
        RegisterController reg(*db, RegisterId::Consumption);
        QVERIFY(reg.refresh());
        ScriptedRefuellingForm form;

        RegisterFilters(*db).selectVehicle(QString());
        QVERIFY(!add(reg, form, {refuelling("01.03.2024", "10", "40", "1000")}));
        QCOMPARE(form.shows, 0);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(env.ui().last().text, kNoVehicleMessage);

        RegisterFilters(*db).selectVehicle(QStringLiteral("WE 1"));
        QVERIFY(!add(reg, form, {std::nullopt}));
        QCOMPARE(form.shown, newRefuellingDefaults());
        QCOMPARE(form.shown.tankowanie, QStringLiteral("0,00"));

        // Typed as "12,5": stored as the number, under the selector's vehicle.
        QVERIFY(add(reg, form, {refuelling("01.03.2024", "10", "40,25", "1000")}));
        QVERIFY(add(reg, form, {refuelling("02.03.2024", "-3", "35", "1500")}));
        QCOMPARE(data->rows("zuzycie"),
                 (QStringList{"20240301 10 40.25 1000", "20240302 -3 35 1500"}));
        QCOMPARE(
            db->select(
                  QStringLiteral("SELECT COUNT(*) FROM zuzycie.DB WHERE IDPOJAZD = %1").arg(car))
                .value(0, 0)
                .toInt(),
            2);
        QCOMPARE(current(reg), QStringLiteral("20240302 1500"));
        // The history got the readings with the register's source name.
        QCOMPARE(data->history(car).last(),
                 QStringLiteral("20240302 1500 Przebieg z tabeli: ZUŻYCIE PALIWA CIĄGŁE"));

        // Copy starts from the current row; Edit fills from it.
        reg.setCurrentRow(0);
        QVERIFY(!add(reg, form, {std::nullopt}, true));
        QCOMPARE(form.shown, refuelling("01.03.2024", "10,00", "40,25", "1000,00"));
        QVERIFY(!edit(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.licznik, QStringLiteral("1000,00"));
    }

    void sameDayMergeAsksAndKeepsTheTank() {
        open(QStringLiteral("merge"));
        data->addRow("zuzycie", car, 20240301, "10", "40", "1000");
        RegisterController reg(*db, RegisterId::Consumption);
        QVERIFY(reg.refresh());
        ScriptedRefuellingForm form;

        // "Nie": the window comes back with the values typed; cancelling it
        // leaves the row as it was.
        const RefuellingFormValues second = refuelling("01.03.2024", "48", "8", "1100");
        env.ui().queueAnswer(false);
        QVERIFY(!add(reg, form, {second, std::nullopt}));
        QCOMPARE(form.shows, 2);
        QCOMPARE(form.shown, second);
        QCOMPARE(env.ui().last().text, kMergeQuestion);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        QCOMPARE(data->rows("zuzycie"), QStringList{"20240301 10 40 1000"});

        // "Tak": the litres added, the greater reading; the tank level before
        // the day's first refuelling stays (10 and 48 would give 58).
        env.ui().queueAnswer(true);
        QVERIFY(add(reg, form, {second}));
        QCOMPARE(data->rows("zuzycie"), QStringList{"20240301 10 48 1100"});
        QCOMPARE(current(reg), QStringLiteral("20240301 1100"));

        // Copy onto its own day doubles only the litres.
        env.ui().queueAnswer(true);
        QVERIFY(add(reg, form, {refuelling("01.03.2024", "10", "48", "1100")}, true));
        QCOMPARE(data->rows("zuzycie"), QStringList{"20240301 10 96 1100"});

        // The next day's consumption counts the real tank: (10 + 96 - 6) x
        // 100 / 400 = 25.00.
        data->addRow("zuzycie", car, 20240302, "6", "0", "1500");
        QVERIFY(reg.refresh());
        QCOMPARE(test::columnTexts(reg, QStringLiteral("ZUZYCIE")), (QStringList{"-", "25,00"}));

        // Per km: the km and the litres add up, the reading is the greater.
        RegisterController km(*db, RegisterId::ConsumptionKm);
        QVERIFY(km.refresh());
        QVERIFY(add(km, form, {refuelling("05.03.2024", "500", "35", "2000")}));
        env.ui().queueAnswer(true);
        QVERIFY(add(km, form, {refuelling("05.03.2024", "400", "30", "1900")}));
        QCOMPARE(data->rows("zuzyciekm"), QStringList{"20240305 900 65 2000"});
        QCOMPARE(test::columnTexts(km, QStringLiteral("ZUZYCIE")), QStringList{"7,22"});
    }

    void editOntoAnotherDay() {
        open(QStringLiteral("edit"));
        data->addRow("zuzycie", car, 20240301, "10", "40", "1000");
        data->addRow("zuzycie", car, 20240305, "20", "30", "1400");
        RegisterController reg(*db, RegisterId::Consumption);
        QVERIFY(reg.refresh());
        ScriptedRefuellingForm form;

        // In place, a day of its own: no question.
        reg.setCurrentRow(1);
        QVERIFY(edit(reg, form, {refuelling("06.03.2024", "20", "31", "1400")}));
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(data->rows("zuzycie"),
                 (QStringList{"20240301 10 40 1000", "20240306 20 31 1400"}));

        // Onto the existing day: "Nie" keeps both rows and the window as typed.
        QVERIFY(reg.locate({qint64(20240306), qint64(car)}));
        env.ui().queueAnswer(false);
        QVERIFY(!edit(reg, form, {refuelling("01.03.2024", "20", "31", "1400"), std::nullopt}));
        QCOMPARE(form.shown.data, QStringLiteral("01.03.2024"));
        QCOMPARE(data->rows("zuzycie").size(), 2);

        // A merge that fails changes nothing: the edited row is not lost.
        db->exec(
            QStringLiteral("CREATE TRIGGER zuzycie.fail_merge BEFORE UPDATE ON zuzycie.DB BEGIN "
                           "SELECT RAISE(ABORT, 'scalanie przerwane'); END"));
        env.ui().clear();
        env.ui().queueAnswer(true);
        form.shows = 0;
        QVERIFY(!edit(reg, form, {refuelling("01.03.2024", "20", "31", "1400"), std::nullopt}));
        QCOMPARE(form.shows, 2); // the window came back after the failure
        QVERIFY(env.ui().contains(QStringLiteral("scalanie przerwane")));
        QCOMPARE(data->rows("zuzycie"),
                 (QStringList{"20240301 10 40 1000", "20240306 20 31 1400"}));

        // "Tak": one row for the day with both refuellings.
        db->select(QStringLiteral("SELECT COUNT(*) FROM zuzycie.DB")); // attached for the drop
        db->exec(QStringLiteral("DROP TRIGGER zuzycie.fail_merge"));
        QVERIFY(reg.refresh());
        QVERIFY(reg.locate({qint64(20240306), qint64(car)}));
        env.ui().queueAnswer(true);
        QVERIFY(edit(reg, form, {refuelling("01.03.2024", "20", "31", "1400")}));
        QCOMPARE(data->rows("zuzycie"), QStringList{"20240301 10 71 1400"});
        QCOMPARE(current(reg), QStringLiteral("20240301 1400"));
    }

    void lpgTablesStayApart() {
        open(QStringLiteral("lpg"));
        data->addRow("zuzycie", car, 20240301, "10", "40", "1000");
        setFuelKind(*db, RegisterId::ConsumptionKm, FuelKind::Lpg);
        RegisterController km(*db, RegisterId::ConsumptionKm);
        RegisterController continuous(*db, RegisterId::Consumption);
        QVERIFY(km.refresh());
        ScriptedRefuellingForm form;
        QVERIFY(add(km, form, {refuelling("05.03.2024", "500", "35", "2000")}));
        QVERIFY(add(km, form, {refuelling("06.03.2024", "400", "30", "2400")}));
        env.ui().queueAnswer(true);
        QVERIFY(add(km, form, {refuelling("06.03.2024", "100", "5", "2500")}));
        QCOMPARE(data->rows("zuzyciekmlpg"),
                 (QStringList{"20240305 500 35 2000", "20240306 500 35 2500"}));
        QVERIFY(data->rows("zuzyciekm").isEmpty());
        QVERIFY(continuous.refresh());
        QVERIFY(add(continuous, form, {refuelling("07.03.2024", "5", "30", "2600")}));
        QCOMPARE(data->rows("zuzycie").size(), 2);
        QVERIFY(data->rows("zuzycielpg").isEmpty());
        km.setCurrentRow(0);
        QCOMPARE(km.deleteCurrent(false), RegisterController::DeleteResult::Deleted);
        QCOMPARE(data->rows("zuzyciekmlpg"), QStringList{"20240306 500 35 2500"});
        QCOMPARE(data->history(car).last(),
                 QStringLiteral("20240307 2600 Przebieg z tabeli: ZUŻYCIE PALIWA CIĄGŁE"));
        QVERIFY(data->history(car).contains(
            QStringLiteral("20240305 2000 Przebieg z tabeli: ZUŻYCIE PALIWA KM")));
    }

    void readingsAreCheckedInTheirUnit() {
        open(QStringLiteral("readings"));
        data->addReading(car, 20240301, "50000");
        RegisterController reg(*db, RegisterId::Consumption);
        QVERIFY(reg.refresh());
        ScriptedRefuellingForm form;
        // A km reading below the history's asks; "Nie" returns to the window.
        env.ui().queueAnswer(false);
        QVERIFY(!add(reg, form, {refuelling("02.03.2024", "10", "40", "40000"), std::nullopt}));
        QCOMPARE(form.shows, 2);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("Czy mimo to zapisać?")));
        QVERIFY(data->rows("zuzycie").isEmpty());

        // Engine hours are not held to the odometer, only to the register's
        // own hours, at most 24 a day.
        RegisterController hours(*db, RegisterId::ConsumptionMth);
        QVERIFY(hours.refresh());
        env.ui().clear();
        QVERIFY(add(hours, form, {refuelling("02.03.2024", "10", "25", "1200")}));
        QVERIFY(env.ui().messages().isEmpty());
        env.ui().queueAnswer(false);
        QVERIFY(!add(hours, form, {refuelling("03.03.2024", "10", "25", "1230"), std::nullopt}));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("ponad 24 mth na dzień")));
        QVERIFY(add(hours, form, {refuelling("03.03.2024", "10", "25", "1220")}));
        QCOMPARE(data->rows("zuzyciemth").size(), 2);
    }

    void distanceButtonUsesTheLatestEarlierRefuelling() {
        open(QStringLiteral("distance"));
        data->addRow("zuzyciekm", car, 20240215, "300", "20", "12000");
        data->addRow("zuzyciekm", car, 20240305, "300", "20", "12300");
        setFuelKind(*db, RegisterId::ConsumptionKm, FuelKind::Lpg);
        data->addRow("zuzyciekmlpg", car, 20240301, "100", "10", "11900.5");
        RegisterFilters(*db).selectMonthYear(3, 2024);
        const RegisterId km = RegisterId::ConsumptionKm;

        // The month's first refuelling measures from February's, not from 0.
        setFuelKind(*db, km, FuelKind::Liquid);
        QCOMPARE(distanceFromReading(*db, km, car, "03.03.2024", "12250,75").distance,
                 QStringLiteral("250,75"));
        // The register's own fuel only.
        setFuelKind(*db, km, FuelKind::Lpg);
        QCOMPARE(distanceFromReading(*db, km, car, "03.03.2024", "12250,75").distance,
                 QStringLiteral("350,25"));
        // None before: the whole reading.
        QCOMPARE(distanceFromReading(*db, km, car, "01.01.2024", "12250").distance,
                 QStringLiteral("12250,00"));
        QVERIFY(env.ui().messages().isEmpty());

        // The refusals name the field to fix.
        DistanceOutcome o = distanceFromReading(*db, km, car, "03.03.2024", "0");
        QVERIFY(o.distance.isEmpty());
        QCOMPARE(o.focus, QStringLiteral("fLICZNIK"));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("stan licznika")));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        o = distanceFromReading(*db, km, car, "  .  .    ", "100");
        QCOMPARE(o.focus, QStringLiteral("FDATA"));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("date tankowania")));
    }
};

QTEST_GUILESS_MAIN(TestRefuelling)
#include "tst_refuelling.moc"
