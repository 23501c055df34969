#include "SubregistersFixture.h"

#include "costs/CostHandOvers.h"
#include "framework/FormHandOver.h"
#include "storage/ProgramOptions.h"
#include "subregisters/TyreRegister.h"
#include "users/Permissions.h"

using namespace kv;
using test::tyre;

// The tyres register: the window's checks, the grid statement with its
// names, one set per evidence number, a set's place, and the hand-overs
// from and to the costs.
class TestTyres : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::CostsData> data;
    int car = 0;
    int van = 0;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::CostsData>(*db);
        RegisterFilters(*db).selectMonthYear(0, 0);
        car = data->addVehicle(QStringLiteral("EL 1"));
        van = data->addVehicle(QStringLiteral("EL 2"));
    }
    int count(const char* table) { return data->count(QLatin1String(table)); }
    bool add(test::ScriptedTyreForm& form, const TyreFormValues& v) {
        RegisterController reg(*db, RegisterId::Tyres);
        form.script = {v, std::nullopt};
        return runAdd(reg, registerEditSteps(reg, form, tyreEditing(*db), true), false);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        currentLogin().permissions.setAll(true);
    }
    void cleanup() {
        data.reset();
        db.reset();
    }

    void setSizeIsAWholeNumberOfAtLeastOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("zero") << "0"
                              << "1";
        QTest::newRow("text") << "abc"
                              << "1";
        QTest::newRow("negative") << "-3"
                                  << "1";
        QTest::newRow("blank") << ""
                               << "1";
        QTest::newRow("fraction") << "2,5"
                                  << "1";
        QTest::newRow("four") << " 4 "
                              << "4";
    }
    void setSizeIsAWholeNumberOfAtLeastOne() {
        QFETCH(QString, typed);
        TyreFormValues v = tyre(QStringLiteral("OP-1"));
        v.ilosc = typed;
        QVERIFY(checkTyreForm(v).ok);
        QTEST(v.ilosc, "saved");
    }

    void leavingTheSetSizeRoundsIt() {
        QCOMPARE(setSizeText(QStringLiteral("2,5")), QStringLiteral("3"));
        QCOMPARE(setSizeText(QStringLiteral("-2.5")), QStringLiteral("-3"));
        QCOMPARE(setSizeText(QStringLiteral("x")), QStringLiteral("0"));
    }

    void checksInTheirOrder() {
        TyreFormValues v = tyre(QString());
        v.przebmax = QStringLiteral("50000");
        v.liczterm = QStringLiteral("abc");
        v.dataZakupu = QStringLiteral("31.02.2024");
        FormCheck c = checkTyreForm(v);
        QCOMPARE(v.przebmax, QStringLiteral("50000,00"));
        QCOMPARE(v.liczterm, QStringLiteral("0,00"));
        QCOMPARE(c.message,
                 QStringLiteral("Niepoprawny format daty powstania kosztu. Popraw pole."));
        v.dataZakupu = QStringLiteral("29.02.2024");
        v.dataWymiany = QStringLiteral("01.13.2024");
        QCOMPARE(checkTyreForm(v).message,
                 QStringLiteral("Niepoprawny format daty wymiany. Popraw pole."));
        v.dataWymiany.clear();
        v.netto = QStringLiteral("400,00");
        v.vat = QStringLiteral("92,00");
        v.brutto = QStringLiteral("492,50");
        c = checkTyreForm(v);
        QCOMPARE(c.field, QStringLiteral("fNETTO"));
        QCOMPARE(c.message, QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola."));
        v.brutto = QStringLiteral("492");
        QCOMPARE(checkTyreForm(v).message, QStringLiteral("Niepodano numeru ewidencyjnego."));
        v.nrewid = QStringLiteral("OP-1");
        QVERIFY(checkTyreForm(v).ok);
        QCOMPARE(v.brutto, QStringLiteral("492,00"));
    }

    void evidenceNumbersAreUnique() {
        open(QStringLiteral("numery"));
        test::ScriptedTyreForm form;
        QVERIFY(add(form, tyre(QStringLiteral("OP-1"), car)));
        QVERIFY(add(form, tyre(QStringLiteral("OP-2"))));
        // Another set's number is refused and nothing is written.
        QVERIFY(!add(form, tyre(QStringLiteral(" OP-1 "), van)));
        QCOMPARE(env.ui().last().text, kTyreDuplicateMessage);
        QCOMPARE(count("opony.DB"), 2);

        RegisterController reg(*db, RegisterId::Tyres);
        QVERIFY(reg.refresh());
        QVERIFY(reg.locate({db->select(QStringLiteral("SELECT IDOPONY FROM opony.DB WHERE NREWID "
                                                      "= 'OP-2'"))
                                .value(0, 0)}));
        const RegisterEditing<TyreFormValues> e = tyreEditing(*db);
        // Its own number on edit is accepted ...
        form.script = {std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, e, false)));
        TyreFormValues v = form.shown;
        v.marka = QStringLiteral("Michelin");
        form.script = {v};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        // ... another's is not.
        v.nrewid = QStringLiteral("OP-1");
        env.ui().clear();
        form.script = {v, std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(env.ui().last().text, kTyreDuplicateMessage);
        QCOMPARE(db->select(QStringLiteral("SELECT COUNT(*) FROM opony.DB WHERE NREWID = 'OP-1'"))
                     .value(0, 0)
                     .toInt(),
                 1);
    }

    void theGridNamesKindSizeAndVehicle() {
        open(QStringLiteral("siatka"));
        const int winter = data->addEntry(QStringLiteral("RODOP"), QStringLiteral("Zimowe"));
        const int size = data->addEntry(QStringLiteral("ROZOP"), QStringLiteral("205/55 R16"));
        test::ScriptedTyreForm form;
        TyreFormValues v = tyre(QStringLiteral("OP-1"), car);
        v.rodzaj = winter;
        v.rozmiar = size;
        v.dataZakupu = QStringLiteral("05.03.2024");
        QVERIFY(add(form, v));
        // In store and unassigned: no vehicle, no date, shown in every month.
        TyreFormValues stored = tyre(QStringLiteral("OP-2"));
        stored.magazyn = QStringLiteral("T");
        QVERIFY(add(form, stored));
        RegisterController reg(*db, RegisterId::Tyres);
        RegisterFilters filters(*db);
        filters.selectMonthYear(3, 2024);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rows()->rowCount(), 2);
        QCOMPARE(reg.rows()->value(0, QStringLiteral("POJAZD")).toString(),
                 QStringLiteral("EL 1 Skoda"));
        QCOMPARE(reg.rows()->value(0, QStringLiteral("RODZAJO")).toString(),
                 QStringLiteral("Zimowe"));
        QCOMPARE(reg.rows()->value(0, QStringLiteral("ROZMIARO")).toString(),
                 QStringLiteral("205/55 R16"));
        QCOMPARE(reg.rows()->value(0, QStringLiteral("MARKA")).toString(),
                 QStringLiteral("Dębica"));
        QCOMPARE(reg.rows()->value(1, QStringLiteral("MAGAZYN")).toString(), QStringLiteral("T"));
        QCOMPARE(reg.rows()->value(1, QStringLiteral("IDPOJAZDU")).toInt(), 0);
        filters.selectMonthYear(4, 2024);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rows()->rowCount(), 1);
        // The vehicle selector, by the bound registration number.
        filters.selectMonthYear(0, 0);
        filters.selectVehicle(QStringLiteral("EL 1"));
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rows()->rowCount(), 1);
    }

    void movingASetAsksAboutTheOldVehiclesReading() {
        open(QStringLiteral("przeniesienie"));
        test::ScriptedTyreForm form;
        TyreFormValues v = tyre(QStringLiteral("OP-1"), car);
        v.liczterm = QStringLiteral("60000");
        QVERIFY(add(form, v));
        RegisterController reg(*db, RegisterId::Tyres);
        QVERIFY(reg.refresh());
        const RegisterEditing<TyreFormValues> e = tyreEditing(*db);
        bool saved = false;
        auto move = [&](int vehicle, bool answer) {
            form.script = {std::nullopt};
            runEdit(reg, registerEditSteps(reg, form, e, false));
            TyreFormValues moved = form.shown;
            moved.vehicle = vehicle;
            env.ui().clear();
            env.ui().queueAnswer(answer);
            form.script = {moved};
            saved = runEdit(reg, registerEditSteps(reg, form, e, false));
            return db->select(QStringLiteral("SELECT IDPOJAZDU, LICZTERM FROM opony.DB"));
        };
        // "Nie" keeps it; the set is on the van now.
        ResultSet r = move(van, false);
        QVERIFY(saved);
        QCOMPARE(env.ui().last().text, kTyreReadingQuestion);
        QVERIFY(env.ui().last().defaultNo);
        QCOMPARE(r.value(0, 0).toInt(), van);
        QCOMPARE(r.value(0, 1).toDouble(), 60000.0);
        // "Tak" clears it; back in store, unassigned.
        r = move(0, true);
        QVERIFY(saved);
        QCOMPARE(r.value(0, 0).toInt(), 0);
        QCOMPARE(r.value(0, 1).toDouble(), 0.0);
        // With no reading nothing is asked.
        env.ui().clear();
        r = move(car, true);
        QVERIFY(saved);
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(count("magazyn.DB"), 0);
        QCOMPARE(count("opony.DB"), 1);
    }

    void aTickedTyreBooksOneCostWithItsNames() {
        open(QStringLiteral("koszt"));
        const int winter = data->addEntry(QStringLiteral("RODOP"), QStringLiteral("Zimowe"));
        const int size = data->addEntry(QStringLiteral("ROZOP"), QStringLiteral("195/65 R15"));
        test::ScriptedTyreForm form;
        TyreFormValues v = tyre(QStringLiteral("OP-1"), car);
        v.rodzaj = winter;
        v.rozmiar = size;
        v.dataZakupu = QStringLiteral("05.03.2024");
        v.nrDokumentu = QStringLiteral("FV 7/2024");
        v.netto = QStringLiteral("400");
        v.vat = QStringLiteral("92");
        v.brutto = QStringLiteral("492");
        v.inne = QStringLiteral("4 szt.");
        v.handOn = true;
        // No cost window: the prefilled cost is checked and written with the tyre.
        QVERIFY(add(form, v));
        QCOMPARE(count("opony.DB"), 1);
        QCOMPARE(count("koszty.DB"), 1);
        const ResultSet c = db->select(QStringLiteral(
            "SELECT RODZWYD, NAZWATOWAR, NRDOKUMENT, WARTBRUTTO, UWAGI, DATAWYSTAW, LICZNIK, "
            "IDKIEROWCY FROM koszty.DB"));
        QCOMPARE(c.value(0, 0).toString(), QStringLiteral("Opony"));
        QCOMPARE(c.value(0, 1).toString(), QStringLiteral("Dębica Zimowe 195/65 R15"));
        QCOMPARE(c.value(0, 2).toString(), QStringLiteral("FV 7/2024"));
        QCOMPARE(c.value(0, 3).toDouble(), 492.0);
        QCOMPARE(c.value(0, 4).toString(), QStringLiteral("4 szt."));
        QCOMPARE(c.value(0, 5).toInt(), 20240305);
        QCOMPARE(c.value(0, 6).toDouble(), 0.0);
        QCOMPARE(c.value(0, 7).toString(), QString());
        // An edit starts with the box cleared and books nothing.
        RegisterController reg(*db, RegisterId::Tyres);
        QVERIFY(reg.refresh());
        form.script = {std::nullopt};
        runEdit(reg, registerEditSteps(reg, form, tyreEditing(*db), false));
        QVERIFY(!form.shown.handOn);
        form.script = {form.shown};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, tyreEditing(*db), false)));
        QCOMPARE(count("koszty.DB"), 1);
    }

    void aTyreFromACost() {
        HandOverRecord cost;
        cost.origin = QStringLiteral("koszty");
        cost.values = {{QStringLiteral("DATA"), QStringLiteral("02.03.2024")},
                       {QStringLiteral("IDPOJAZD"), QStringLiteral("5")},
                       {QStringLiteral("WARTNETTO"), QStringLiteral("100")},
                       {QStringLiteral("WARTVAT"), QStringLiteral("23")},
                       {QStringLiteral("WARTBRUTTO"), QStringLiteral("123")},
                       {QStringLiteral("UWAGI"), QStringLiteral("komplet")},
                       {QStringLiteral("NRDOKUMENT"), QStringLiteral("FV 1")}};
        const TyreFormValues v = tyreFromCost(cost, newTyreDefaults());
        QCOMPARE(v.dataZakupu, QStringLiteral("02.03.2024"));
        QCOMPARE(v.vehicle, 5);
        QCOMPARE(v.netto, QStringLiteral("100,00"));
        QCOMPARE(v.vat, QStringLiteral("23,00"));
        QCOMPARE(v.brutto, QStringLiteral("123,00"));
        QCOMPARE(v.inne, QStringLiteral("komplet"));
        QCOMPARE(v.nrDokumentu, QString());
        QCOMPARE(v.ilosc, QStringLiteral("1"));
        QVERIFY(!v.handOn);
    }
};

QTEST_GUILESS_MAIN(TestTyres)
#include "tst_tyres.moc"
