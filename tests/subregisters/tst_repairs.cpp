#include "SubregistersFixture.h"

#include "costs/CostAmounts.h"
#include "costs/CostHandOvers.h"
#include "framework/FormHandOver.h"
#include "framework/RecordDefaults.h"
#include "storage/ProgramOptions.h"
#include "subregisters/RepairRegister.h"
#include "users/Permissions.h"

using namespace kv;
using test::damage;
using test::repair;

// The repairs and damages registers: the windows' checks and amounts, the
// statements, the cycle with its odometer copy, and the hand-over of a
// damage or a repair to a new cost.
class TestRepairs : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::CostsData> data;
    int car = 0;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::CostsData>(*db);
        RegisterFilters(*db).selectMonthYear(0, 0);
        data->addPerson(QStringLiteral("K1"), QStringLiteral("Nowak"), QStringLiteral("Jan"));
        car = data->addVehicle(QStringLiteral("EL 1"), 1, 1400, QStringLiteral("K1"));
    }
    int count(const char* table) { return data->count(QLatin1String(table)); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        currentLogin().permissions.setAll(true);
    }
    void cleanup() {
        setHandOverWindow<CostFormValues>(RegisterId::Costs, nullptr);
        data.reset();
        db.reset();
    }

    void damageAmountsMustAgreeToTheGrosz() {
        DamageFormValues v = damage(1, QStringLiteral("05.03.2024"), QStringLiteral("100,00"),
                                    QStringLiteral("23,00"), QStringLiteral("123,00"));
        QVERIFY(checkDamageForm(v).ok);
        v.brutto = QStringLiteral("123,01");
        const FormCheck c = checkDamageForm(v);
        QCOMPARE(c.field, QStringLiteral("fWARTNETTO"));
        // Without a full stop, as the damage window has it.
        QCOMPARE(c.message, QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola"));
        // Each amount is rounded to the grosz before they are added.
        v = damage(1, QStringLiteral("05.03.2024"), QStringLiteral("0.004"), QStringLiteral(""),
                   QStringLiteral("0"));
        QVERIFY(checkDamageForm(v).ok);
        QCOMPARE(v.vat, QStringLiteral("0,00"));
        v.netto = QStringLiteral("abc");
        QCOMPARE(checkDamageForm(v).message,
                 QStringLiteral("Niepoprawna wartość netto kosztu. Popraw pole."));
    }

    void vatRateAndTypedAmountsMoveTheOthers() {
        // Worked out by hand: 23 % of 200 = 46,00; of 0,50 = 0,115 -> 0,12.
        CostAmounts a{QStringLiteral("200"), QStringLiteral("0"), QStringLiteral("0")};
        QVERIFY(a.rateChosen(QStringLiteral("23")));
        QCOMPARE(a.vat, QStringLiteral("46,00"));
        QCOMPARE(a.gross, QStringLiteral("246,00"));
        a = {QStringLiteral("0,50"), QString(), QString()};
        QVERIFY(a.rateChosen(QStringLiteral("23")));
        QCOMPARE(a.vat, QStringLiteral("0,12"));
        QCOMPARE(a.gross, QStringLiteral("0,62"));
        // A gross below the VAT leaves the net as it was.
        a = {QStringLiteral("100,00"), QStringLiteral("23,00"), QStringLiteral("123,00")};
        a.grossTyped(QStringLiteral("20"));
        QCOMPARE(a.net, QStringLiteral("100,00"));
        a.grossTyped(QStringLiteral("150"));
        QCOMPARE(a.net, QStringLiteral("127,00"));
    }

    void damageAndRepairDatesAndVehicle() {
        DamageFormValues d =
            damage(0, QString(), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("1"));
        QCOMPARE(checkDamageForm(d).message,
                 QStringLiteral("Niepoprawny format daty naprawy. Popraw pole."));
        d.data = QStringLiteral("31.02.2024"); // no such day
        QCOMPARE(checkDamageForm(d).field, QStringLiteral("fDATA"));
        d.data = QStringLiteral("29.02.2024");
        QCOMPARE(checkDamageForm(d).message, QStringLiteral("Nie wskazano pojazdu. Popraw pole."));

        // A repair may be undated; its readings get two decimals.
        RepairFormValues r = repair(3, QString(), QStringLiteral("Wymiana oleju"));
        r.licznik = QStringLiteral("1234.5");
        r.liczterm = QStringLiteral("x");
        QVERIFY(checkRepairForm(r).ok);
        QCOMPARE(r.licznik, QStringLiteral("1234,50"));
        QCOMPARE(r.liczterm, QStringLiteral("0,00"));
        r.data = QStringLiteral("31.04.2024");
        QCOMPARE(checkRepairForm(r).message,
                 QStringLiteral("Niepoprawny format daty naprawy. Popraw pole."));
        r.data = QStringLiteral("30.04.2024");
        r.vehicle = 0;
        QCOMPARE(checkRepairForm(r).message, QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    }

    void undatedRepairShowsInEveryMonthAndStoresItsMark() {
        open(QStringLiteral("naprawy"));
        RegisterController reg(*db, RegisterId::Repairs);
        test::ScriptedRepairForm form;
        const RegisterEditing<RepairFormValues> e = repairEditing(*db);
        RepairFormValues pending = repair(car, QString(), QStringLiteral("Rozrząd"));
        pending.driver = QStringLiteral("K1");
        RepairFormValues done = repair(car, QStringLiteral("10.03.2024"), QStringLiteral("Olej"));
        done.done = QStringLiteral("T");
        form.script = {pending};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        form.script = {done};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        // 'T' or '', never NULL: "NOT DONE='T'" would drop a NULL.
        QCOMPARE(db->select(QStringLiteral("SELECT COUNT(*) FROM naprawy.DB WHERE NOT DONE='T'"))
                     .value(0, 0)
                     .toInt(),
                 1);
        QCOMPARE(db->select(QStringLiteral("SELECT DATA FROM naprawy.DB WHERE DONE = ''"))
                     .value(0, 0)
                     .toInt(),
                 0);
        RegisterFilters filters(*db);
        for (int month : {1, 3, 12}) {
            filters.selectMonthYear(month, 2024);
            QVERIFY(reg.refresh());
            QCOMPARE(reg.rows()->rowCount(), month == 3 ? 2 : 1);
        }
        filters.selectMonthYear(3, 2024);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rows()->value(0, QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Nowak Jan (nr.ew. K1)"));
        QCOMPARE(reg.rows()->value(0, QStringLiteral("NRREJ")).toString(), QStringLiteral("EL 1"));
    }

    void aNewRecordTakesTheSelectedVehicleAndItsDriver() {
        open(QStringLiteral("wybor"));
        sharedFilters(*db).selectedVehicleId = car;
        RegisterController reg(*db, RegisterId::Damages);
        test::ScriptedDamageForm form;
        const RegisterEditing<DamageFormValues> e = damageEditing(*db);
        form.script = {std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.shown.vehicle, car);
        QCOMPARE(form.shown.driver, QStringLiteral("K1"));
        QVERIFY(form.setup.handOverOffered);
        QCOMPARE(form.setup.lists.value(QStringLiteral("IDKIEROWCY")).size(), 1);
        programOptions().cbSetNrRej = false;
        form.script = {std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.shown.vehicle, 0);
        QCOMPARE(form.shown.driver, QString());
        // Without the costs' write permission the box is not offered.
        currentLogin().permissions.set(6, false);
        form.script = {std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QVERIFY(!form.setup.handOverOffered);
    }

    void theReadingGoesToTheHistoryAndItsFailureLeavesTheSave() {
        open(QStringLiteral("historia"));
        programOptions().cbKopiujPrzebiegDoHistorii = true;
        RegisterController reg(*db, RegisterId::Repairs);
        test::ScriptedRepairForm form;
        const RegisterEditing<RepairFormValues> e = repairEditing(*db);
        // Without a reading nothing is copied: 0 is no reading.
        RepairFormValues r = repair(car, QStringLiteral("09.03.2024"), QStringLiteral("Mycie"));
        form.script = {r};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QVERIFY(data->history(car).isEmpty());
        r = repair(car, QStringLiteral("10.03.2024"), QStringLiteral("Olej"));
        r.licznik = QStringLiteral("15000");
        form.script = {r};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(data->history(car),
                 QStringList{QStringLiteral("20240310 15000 Przebieg z tabeli: NAPRAWY")});
        // A history that refuses the copy: logged, the repair stands.
        data->count(QStringLiteral("przebiegi"));
        db->exec(QStringLiteral("CREATE TRIGGER przebiegi.refuse BEFORE INSERT ON przebiegi "
                                "BEGIN SELECT RAISE(ABORT, 'historia zablokowana'); END"));
        r.licznik = QStringLiteral("16000");
        form.script = {r};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(count("naprawy.DB"), 3);
        QVERIFY(test::readErrorLog().contains(QStringLiteral("historia zablokowana")));
    }

    void aTickedDamageBooksExactlyOneCost() {
        open(QStringLiteral("koszt"));
        RegisterController reg(*db, RegisterId::Damages);
        test::ScriptedDamageForm form;
        const RegisterEditing<DamageFormValues> e = damageEditing(*db);
        DamageFormValues v = damage(car, QStringLiteral("05.03.2024"), QStringLiteral("100"),
                                    QStringLiteral("23"), QStringLiteral("123"));
        v.driver = QStringLiteral("K1");
        v.handOn = true;
        form.script = {v};
        // The cost window is confirmed as it was prefilled.
        struct Echo : test::ScriptedCostForm {
            bool confirm() override {
                script = {shown};
                return ScriptedCostForm::confirm();
            }
        } echo;
        setHandOverWindow<CostFormValues>(RegisterId::Costs, &echo);
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(echo.shows, 1);
        QCOMPARE(count("szkody.DB"), 1);
        QCOMPARE(count("koszty.DB"), 1);
        const ResultSet c = db->select(QStringLiteral(
            "SELECT RODZWYD, NAZWATOWAR, WARTNETTO, WARTVAT, WARTBRUTTO, UWAGI, LICZNIK, "
            "IDKIEROWCY, IDPOJAZD, DATA, CZYVAT, NRDOKUMENT FROM koszty.DB"));
        QCOMPARE(c.value(0, 0).toString(), QStringLiteral("Szkody"));
        QCOMPARE(c.value(0, 1).toString(), QStringLiteral("Stłuczka na parkingu"));
        QCOMPARE(c.value(0, 2).toDouble(), 100.0);
        QCOMPARE(c.value(0, 3).toDouble(), 23.0);
        QCOMPARE(c.value(0, 4).toDouble(), 123.0);
        QCOMPARE(c.value(0, 5).toString(), QStringLiteral("1 zderzak"));
        QCOMPARE(c.value(0, 6).toDouble(), 12000.0);
        QCOMPARE(c.value(0, 7).toString(), QStringLiteral("K1"));
        QCOMPARE(c.value(0, 8).toInt(), car);
        QCOMPARE(c.value(0, 9).toInt(), 20240305);
        QCOMPARE(c.value(0, 10).toString(), QStringLiteral("T"));
        QCOMPARE(c.value(0, 11).toString(), QString());
        // The second window offers no hand-over of its own.
        QVERIFY(echo.setup.secondWindow);

        // Editing the damage starts with the box cleared: saving books nothing more.
        form.script = {std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(form.shown.handOn, false);
        DamageFormValues edited = form.shown;
        form.script = {edited};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(count("koszty.DB"), 1);
        setHandOverWindow<CostFormValues>(RegisterId::Costs, nullptr);
    }

    void aCancelledCostWindowWritesTheDamageAlone() {
        open(QStringLiteral("anulowany"));
        test::ScriptedCostForm costWindow;
        setHandOverWindow<CostFormValues>(RegisterId::Costs, &costWindow);
        RegisterController reg(*db, RegisterId::Damages);
        test::ScriptedDamageForm form;
        DamageFormValues v = damage(car, QStringLiteral("05.03.2024"), QStringLiteral("100"),
                                    QStringLiteral("23"), QStringLiteral("123"));
        v.handOn = true;
        form.script = {v};
        costWindow.script = {std::nullopt};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, damageEditing(*db), true), false));
        QCOMPARE(costWindow.shows, 1);
        QCOMPARE(count("szkody.DB"), 1);
        QCOMPARE(count("koszty.DB"), 0);
    }

    void aFailedWriteOfEitherLeavesNeither_data() {
        QTest::addColumn<QString>("table");
        QTest::newRow("damage") << "szkody";
        QTest::newRow("cost") << "koszty";
    }
    void aFailedWriteOfEitherLeavesNeither() {
        QFETCH(QString, table);
        open(QStringLiteral("blad_") + table);
        data->count(table); // attached before its trigger is made
        db->exec(QStringLiteral("CREATE TRIGGER %1.refuse BEFORE INSERT ON %1 BEGIN SELECT "
                                "RAISE(ABORT, 'zapis nie powiódł się'); END")
                     .arg(table));
        test::ScriptedCostForm costWindow;
        setHandOverWindow<CostFormValues>(RegisterId::Costs, &costWindow);
        CostFormValues confirmed = test::cost(car, QStringLiteral("05.03.2024"),
                                              QStringLiteral("1"), QString(), QStringLiteral("1"));
        costWindow.script = {confirmed};
        RegisterController reg(*db, RegisterId::Damages);
        test::ScriptedDamageForm form;
        DamageFormValues v = damage(car, QStringLiteral("05.03.2024"), QStringLiteral("100"),
                                    QStringLiteral("23"), QStringLiteral("123"));
        v.handOn = true;
        form.script = {v, std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, damageEditing(*db), true), false));
        QCOMPARE(count("szkody.DB"), 0);
        QCOMPARE(count("koszty.DB"), 0);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        // The damage window came back as typed.
        QCOMPARE(form.shows, 2);
        QCOMPARE(form.shown.opis, v.opis);
    }

    void aCostRefusedWithoutAWindowWritesNothing() {
        open(QStringLiteral("odmowa"));
        // The cost's "Ilość towaru / inne" must start with a number here; the
        // damage's remarks do not.
        programOptions().poleInneJestLiczba = true;
        RegisterController reg(*db, RegisterId::Damages);
        test::ScriptedDamageForm form;
        DamageFormValues v = damage(car, QStringLiteral("05.03.2024"), QStringLiteral("100"),
                                    QStringLiteral("23"), QStringLiteral("123"));
        v.uwagi = QStringLiteral("zderzak");
        v.handOn = true;
        form.script = {v, std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, damageEditing(*db), true), false));
        QCOMPARE(count("szkody.DB"), 0);
        QCOMPARE(count("koszty.DB"), 0);
        QVERIFY(env.ui().contains(
            QStringLiteral("Pole \"Ilość towaru / inne\" powinno w pierwszych znakach zawierać "
                           "liczbę.")));
        QCOMPARE(form.shows, 2);
    }

    void aRepairFromACostIsDoneAndOffersNoHandOver() {
        open(QStringLiteral("z_kosztu"));
        test::ScriptedRepairForm repairWindow;
        setHandOverWindow<RepairFormValues>(RegisterId::Repairs, &repairWindow);
        RegisterController costs(*db, RegisterId::Costs);
        test::ScriptedCostForm costForm;
        CostFormValues c = test::cost(car, QStringLiteral("07.03.2024"), QStringLiteral("200"),
                                      QStringLiteral("46"), QStringLiteral("246"));
        c.nazwaTowar = QStringLiteral("Klocki hamulcowe");
        c.licznik = QStringLiteral("21000");
        c.driver = QStringLiteral("K1");
        c.uwagi = QStringLiteral("2 szt.");
        c.handOn = true;
        c.handTarget = 0; // "rejestru napraw"
        costForm.script = {c};
        struct Echo : test::ScriptedRepairForm {
            bool confirm() override {
                RepairFormValues v = shown;
                v.handOn = true; // a box the window would not offer
                script = {v};
                return ScriptedRepairForm::confirm();
            }
        } echo;
        setHandOverWindow<RepairFormValues>(RegisterId::Repairs, &echo);
        QVERIFY(runAdd(costs, registerEditSteps(costs, costForm, costEditing(*db), true), false));
        QVERIFY(echo.setup.secondWindow);
        QVERIFY(!offersHandOver(echo.setup));
        QCOMPARE(echo.shown.done, QStringLiteral("T"));
        QCOMPARE(echo.shown.opis, QStringLiteral("Klocki hamulcowe"));
        QCOMPARE(echo.shown.netto, QStringLiteral("200,00"));
        QCOMPARE(echo.shown.brutto, QStringLiteral("246,00"));
        QCOMPARE(echo.shown.licznik, QStringLiteral("21000,00"));
        QCOMPARE(echo.shown.liczterm, QStringLiteral("0,00"));
        QCOMPARE(count("koszty.DB"), 1);
        QCOMPARE(count("naprawy.DB"), 1);
        const ResultSet r = db->select(
            QStringLiteral("SELECT DONE, WARTVAT, IDKIEROWCY, DATA, UWAGI FROM naprawy.DB"));
        QCOMPARE(r.value(0, 0).toString(), QStringLiteral("T"));
        QCOMPARE(r.value(0, 1).toDouble(), 46.0);
        QCOMPARE(r.value(0, 2).toString(), QStringLiteral("K1"));
        QCOMPARE(r.value(0, 3).toInt(), 20240307);
        QCOMPARE(r.value(0, 4).toString(), QStringLiteral("2 szt."));
        setHandOverWindow<RepairFormValues>(RegisterId::Repairs, nullptr);
    }

    void hiddenRepairAmountsSurviveAnEdit() {
        open(QStringLiteral("ukryte"));
        db->exec(QStringLiteral("INSERT INTO naprawy.DB (IDPOJAZD, DATA, OPIS, WARTNETTO, WARTVAT, "
                                "WARTBRUTTO, UWAGI, IDKIEROWCY, LICZNIK, LICZTERM, DONE) VALUES "
                                "(%1, 20240301, 'Opony', 100.1, 23.02, 123.12, '', '', 0, 0, "
                                "'T')")
                     .arg(car));
        RegisterController reg(*db, RegisterId::Repairs);
        QVERIFY(reg.refresh());
        test::ScriptedRepairForm form;
        form.script = {std::nullopt};
        const RegisterEditing<RepairFormValues> e = repairEditing(*db);
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, e, false)));
        RepairFormValues v = form.shown;
        QCOMPARE(v.netto, QStringLiteral("100,10"));
        v.opis = QStringLiteral("Opony zimowe");
        form.script = {v};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        const ResultSet r = db->select(
            QStringLiteral("SELECT OPIS, WARTNETTO, WARTVAT, WARTBRUTTO FROM naprawy.DB"));
        QCOMPARE(r.value(0, 0).toString(), QStringLiteral("Opony zimowe"));
        QCOMPARE(r.value(0, 1).toDouble(), 100.1);
        QCOMPARE(r.value(0, 2).toDouble(), 23.02);
        QCOMPARE(r.value(0, 3).toDouble(), 123.12);
    }
};

QTEST_GUILESS_MAIN(TestRepairs)
#include "tst_repairs.moc"
