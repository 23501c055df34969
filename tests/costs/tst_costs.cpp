#include "CostsFixture.h"

#include "costs/CostAmounts.h"
#include "costs/CostFilters.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "support/Clock.h"

using namespace kv;
using test::cost;

// The costs register: the value rules and the checks of the cost window on
// exact decimals, what a saved cost stores, the defaults and the cost filters.
class TestCosts : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::CostsData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::CostsData>(*db);
        // Every cost, whatever the year of the test run.
        registerState(*db, RegisterId::Costs).periodFragment.clear();
    }
    bool add(RegisterController& reg, test::ScriptedCostForm& form,
             QList<std::optional<CostFormValues>> script) {
        form.script = std::move(script);
        const RegisterEditing<CostFormValues> e = costEditing(*db);
        return runAdd(reg, registerEditSteps(reg, form, e, true), false);
    }
    bool edit(RegisterController& reg, test::ScriptedCostForm& form,
              QList<std::optional<CostFormValues>> script) {
        form.script = std::move(script);
        const RegisterEditing<CostFormValues> e = costEditing(*db);
        return runEdit(reg, registerEditSteps(reg, form, e, false));
    }
    QList<qint64> shownIds() {
        RegisterController reg(*db, RegisterId::Costs);
        if (!reg.refresh())
            return {-1};
        QList<qint64> ids;
        for (int i = 0; i < reg.rowCount(); ++i)
            ids << reg.rows()->value(i, QStringLiteral("IDKOSZT")).toLongLong();
        std::sort(ids.begin(), ids.end());
        return ids;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        programOptions().cbKopiujPrzebiegDoHistorii = false;
    }
    void cleanup() {
        data.reset();
        db.reset();
        Clock::setFixed({});
    }

    void valueRulesMoveTheOtherValues() {
        CostAmounts a{QStringLiteral("100"), QStringLiteral("0,00"), QStringLiteral("100,00")};
        // Rate 23 on 100: 23.00 and 123.00.
        QVERIFY(a.rateChosen(QStringLiteral("23")));
        QCOMPARE(a.vat, QStringLiteral("23,00"));
        QCOMPARE(a.gross, QStringLiteral("123,00"));
        // A new net keeps the VAT amount: 150 + 23.
        a.netTyped(QStringLiteral("150"));
        QCOMPARE(a.vat, QStringLiteral("23,00"));
        QCOMPARE(a.gross, QStringLiteral("173,00"));
        // A gross below the VAT would make the net negative: the net stays.
        a.grossTyped(QStringLiteral("20"));
        QCOMPARE(a.net, QStringLiteral("150"));
        QCOMPARE(a.gross, QStringLiteral("20"));
        // A gross above it gives the net: 200 - 23.
        a.grossTyped(QStringLiteral("200,5"));
        QCOMPARE(a.net, QStringLiteral("177,50"));
        // VAT typed: gross = net + VAT; text that is no number counts 0.
        a.vatTyped(QStringLiteral("x"));
        QCOMPARE(a.gross, QStringLiteral("177,50"));
        a.vatTyped(QStringLiteral("2.5"));
        QCOMPARE(a.gross, QStringLiteral("180,00"));
        // A net that is no number takes no rate.
        a.netTyped(QStringLiteral("sto"));
        QCOMPARE(a.gross, QStringLiteral("2,50"));
        QVERIFY(!a.rateChosen(QStringLiteral("23")));
        QCOMPARE(a.vat, QStringLiteral("2.5"));
    }

    void vatIsRoundedHalfAwayFromZeroOnDecimals_data() {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("net");
        QTest::addColumn<QString>("vat");
        QTest::addColumn<QString>("gross");
        // 5 % of 0.70 is 0.035: on doubles 0.034999..., rounded down.
        QTest::newRow("half a grosz up") << "5"
                                         << "0,70"
                                         << "0,04"
                                         << "0,74";
        QTest::newRow("23 % of 100") << "23"
                                     << "100"
                                     << "23,00"
                                     << "123,00";
        QTest::newRow("8 % of 0.06: 0.0048") << "8"
                                             << "0,06"
                                             << "0,00"
                                             << "0,06";
        QTest::newRow("8 % of 0.07: 0.0056") << "8"
                                             << "0.07"
                                             << "0,01"
                                             << "0,08";
        QTest::newRow("23 % of 19.99: 4.5977") << "23"
                                               << "19,99"
                                               << "4,60"
                                               << "24,59";
        QTest::newRow("negative net, half away") << "5"
                                                 << "-0,70"
                                                 << "-0,04"
                                                 << "-0,74";
        QTest::newRow("zero rate") << "0"
                                   << "12,34"
                                   << "0,00"
                                   << "12,34";
    }
    void vatIsRoundedHalfAwayFromZeroOnDecimals() {
        QFETCH(QString, rate);
        QFETCH(QString, net);
        CostAmounts a{net, QString(), QString()};
        QVERIFY(a.rateChosen(rate));
        QTEST(a.vat, "vat");
        QTEST(a.gross, "gross");
    }

    void checksRefuseInOrderWithTheirField_data() {
        QTest::addColumn<CostFormValues>("values");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        const CostFormValues ok = cost(1, QStringLiteral("01.03.2024"), QStringLiteral("100.00"),
                                       QStringLiteral("23.00"), QStringLiteral("123.00"));
        CostFormValues v = ok;
        v.data = QStringLiteral("31.02.2024");
        v.vehicle = 0; // the date comes first
        QTest::newRow("impossible date")
            << v << "fDATA"
            << "Niepoprawny format daty powstania kosztu. Popraw pole.";
        v = ok;
        v.vehicle = 0;
        v.dataWystaw = QStringLiteral("99.99.2024");
        QTest::newRow("no vehicle") << v << "fNRREJ"
                                    << "Nie wskazano pojazdu. Popraw pole.";
        v = ok;
        v.dataWystaw = QStringLiteral("32.01.2024");
        v.netto = QStringLiteral("x");
        QTest::newRow("date of issue")
            << v << "fDATAWYSTAW"
            << "Niepoprawny format daty wystawienia dokumentu kosztowego. Popraw pole.";
        v = ok;
        v.netto = QStringLiteral("sto");
        v.vat = QStringLiteral("x");
        QTest::newRow("net") << v << "fWARTNETTO"
                             << "Niepoprawna wartość netto kosztu. Popraw pole.";
        v = ok;
        v.vat = QStringLiteral("23%");
        QTest::newRow("VAT") << v << "fWARTVAT"
                             << "Niepoprawna kwota VAT. Popraw pole.";
        v = ok;
        v.brutto = QStringLiteral("1 23");
        QTest::newRow("gross") << v << "fWARTBRUTTO"
                               << "Niepoprawna wartość brutto kosztu. Popraw pole.";
        v = ok;
        v.brutto = QStringLiteral("123.01");
        QTest::newRow("a grosz off") << v << "fWARTNETTO"
                                     << "Wprowadzone kwoty nie zgadzają się. Popraw pola.";
        v = ok;
        v.netto = QString();
        QTest::newRow("empty net is 0") << v << "fWARTNETTO"
                                        << "Wprowadzone kwoty nie zgadzają się. Popraw pola.";
    }
    void checksRefuseInOrderWithTheirField() {
        QFETCH(CostFormValues, values);
        const FormCheck c = checkCostForm(values, false);
        QVERIFY(!c.ok);
        QTEST(c.field, "field");
        QTEST(c.message, "message");
    }

    void checksPassAndNormalise() {
        CostFormValues v = cost(1, QStringLiteral("01.03.2024"), QStringLiteral("100.00"),
                                QStringLiteral("23.00"), QStringLiteral("123.00"));
        v.licznik = QStringLiteral("12345,678");
        v.fuel = QStringLiteral("paliwo");
        v.dataWystaw = QString();
        QVERIFY(checkCostForm(v, false).ok);
        QCOMPARE(v.licznik, QStringLiteral("12345,68"));
        QCOMPARE(v.fuel, QStringLiteral("0,00"));
        // On doubles 1.005 x 100 is 100.4999..., so these were refused.
        v.netto = QStringLiteral("1.005");
        v.vat = QStringLiteral("0");
        v.brutto = QStringLiteral("1.01");
        QVERIFY(checkCostForm(v, false).ok);
        v.brutto = QStringLiteral("1,00");
        QVERIFY(!checkCostForm(v, false).ok);
        // Empty values are 0 and agree.
        v.netto = v.vat = v.brutto = v.licznik = QString();
        QVERIFY(checkCostForm(v, false).ok);
        QCOMPARE(v.netto, QStringLiteral("0"));
        QCOMPARE(v.licznik, QStringLiteral("0,00"));

        // "Ilość towaru / inne" with the option: empty or a number first.
        for (const char* text : {"", "  12 litrów", "3,5 kg", "7"}) {
            v.uwagi = QString::fromUtf8(text);
            QVERIFY2(checkCostForm(v, true).ok, text);
        }
        for (const char* text : {"litrów 12", ",5", "-3"}) {
            v.uwagi = QString::fromUtf8(text);
            const FormCheck c = checkCostForm(v, true);
            QVERIFY2(!c.ok, text);
            QCOMPARE(c.field, QStringLiteral("fUWAGI"));
            QCOMPARE(c.message, QStringLiteral("Pole \"Ilość towaru / inne\" powinno w pierwszych "
                                               "znakach zawierać liczbę."));
            QVERIFY(checkCostForm(v, false).ok);
        }
    }

    void savedCostStoresWhatTheWindowShows() {
        open(QStringLiteral("store"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        data->addPerson(QStringLiteral("K1"), QStringLiteral("Nowak"), QStringLiteral("Jan"));
        const int card = data->addRoadCard(QStringLiteral("1/2024"), car);
        const int centre = data->addEntry(QStringLiteral("CKKOD"), QStringLiteral("Dział A"));
        const int payment = data->addEntry(QStringLiteral("RDPLA"), QStringLiteral("Gotówka"));
        RegisterController reg(*db, RegisterId::Costs);
        test::ScriptedCostForm form;

        CostFormValues v = cost(car, QStringLiteral("01.03.2024"), QStringLiteral("100,00"),
                                QStringLiteral("23,00"), QStringLiteral("123,00"));
        v.nazwaTowar = QStringLiteral("Płyn \"zimowy\" 'A'");
        v.driver = QStringLiteral("K1");
        v.ck = centre;
        v.rodzajPlat = payment;
        v.roadCard = card;
        v.czyVat = QStringLiteral("N");
        QVERIFY(add(reg, form, {v}));
        const qint64 first = reg.currentValue(QStringLiteral("IDKOSZT")).toLongLong();
        ResultSet row = data->costRow(first);
        QCOMPARE(row.rowCount(), 1);
        QCOMPARE(row.value(0, QStringLiteral("DATA")).toLongLong(), 20240301);
        QCOMPARE(row.value(0, QStringLiteral("DATAWYSTAW")).toLongLong(), 0); // empty: 0
        QCOMPARE(row.value(0, QStringLiteral("WARTBRUTTO")).toDouble(), 123.0);
        QCOMPARE(row.value(0, QStringLiteral("NAZWATOWAR")).toString(), v.nazwaTowar);
        QCOMPARE(row.value(0, QStringLiteral("CZYVAT")).toString(), QStringLiteral("N"));
        QCOMPARE(row.value(0, QStringLiteral("IDKIEROWCY")).toString(), QStringLiteral("K1"));
        QCOMPARE(row.value(0, QStringLiteral("CK")).toInt(), centre);
        QCOMPARE(row.value(0, QStringLiteral("RODZAJPLAT")).toInt(), payment);
        QCOMPARE(row.value(0, QStringLiteral("IDDROGOWA")).toInt(), card);
        QVERIFY(row.value(0, QStringLiteral("ISFUEL")).isNull()); // "T" or NULL, never "N"
        QCOMPARE(reg.currentValue(QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Nowak Jan (nr.ew. K1)"));
        QCOMPARE(reg.currentValue(QStringLiteral("NRKARTY")).toString(), QStringLiteral("1/2024"));
        QCOMPARE(reg.currentValue(QStringLiteral("OPIS")).toString(), QStringLiteral("Dział A"));

        // The road card cleared stores -1; a fuel purchase "T"; the date of
        // issue as a date number.
        v.roadCard = 0;
        v.isFuel = QStringLiteral("T");
        v.fuel = QStringLiteral("40,5");
        v.dataWystaw = QStringLiteral("29.02.2024");
        QVERIFY(edit(reg, form, {v}));
        row = data->costRow(first);
        QCOMPARE(row.value(0, QStringLiteral("IDDROGOWA")).toInt(), -1);
        QCOMPARE(row.value(0, QStringLiteral("ISFUEL")).toString(), QStringLiteral("T"));
        QCOMPARE(row.value(0, QStringLiteral("FUEL")).toDouble(), 40.5);
        QCOMPARE(row.value(0, QStringLiteral("DATAWYSTAW")).toLongLong(), 20240229);
        QCOMPARE(data->count(QStringLiteral("koszty")), 1);

        // A refused sum leaves the window with what was typed; nothing written.
        CostFormValues wrong = v;
        wrong.brutto = QStringLiteral("123,01");
        form.script = {wrong};
        QVERIFY(!add(reg, form, {wrong}));
        QCOMPARE(form.shown.brutto, QStringLiteral("123,01"));
        QCOMPARE(data->count(QStringLiteral("koszty")), 1);
    }

    void theCursorGoesToTheCostItsInsertMade() {
        open(QStringLiteral("ownid"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        // Another row is written while the cost is inserted (as another
        // program might): the greatest id is not the new cost's.
        data->count(QStringLiteral("koszty")); // attached before its trigger is made
        db->exec(QStringLiteral("CREATE TRIGGER koszty.echo AFTER INSERT ON koszty WHEN "
                                "NEW.RODZWYD <> 'echo' BEGIN INSERT INTO koszty (IDPOJAZD, DATA, "
                                "RODZWYD) VALUES (NEW.IDPOJAZD, 20200101, 'echo'); END"));
        RegisterController reg(*db, RegisterId::Costs);
        test::ScriptedCostForm form;
        QVERIFY(add(reg, form,
                    {cost(car, QStringLiteral("01.03.2024"), QStringLiteral("1"), QString(),
                          QStringLiteral("1"))}));
        QCOMPARE(data->count(QStringLiteral("koszty")), 2);
        QCOMPARE(reg.currentValue(QStringLiteral("RODZWYD")).toString(), QStringLiteral("Myjnia"));
    }

    void newCostStartsFromTheFiltersAndTheSelector() {
        open(QStringLiteral("defaults"));
        data->addPerson(QStringLiteral("K7"), QStringLiteral("Kowal"), QStringLiteral("Ewa"));
        const int car = data->addVehicle(QStringLiteral("EL 7"), 1, 1400, QStringLiteral("K7"));
        const int card = data->addRoadCard(QStringLiteral("7/2024"), car);
        const int centre = data->addEntry(QStringLiteral("CKKOD"), QStringLiteral("Serwis"));
        RegisterFilters(*db).selectVehicle(QStringLiteral("EL 7"));
        CostFilterState f;
        f.fuelOnly = true;
        f.costCentreOn = true;
        f.costCentre = centre;
        f.roadCardOn = true;
        f.roadCard = card;
        applyCostFilters(*db, f);

        RegisterController reg(*db, RegisterId::Costs);
        test::ScriptedCostForm form;
        QVERIFY(!add(reg, form, {}));
        const CostFormValues& v = form.shown;
        QCOMPARE(v.vehicle, car);
        QCOMPARE(v.driver, QStringLiteral("K7"));
        QCOMPARE(v.isFuel, QStringLiteral("T"));
        QCOMPARE(v.ck, centre);
        QCOMPARE(v.roadCard, card);
        QCOMPARE(v.czyVat, QStringLiteral("T"));
        QCOMPARE(v.netto, QStringLiteral("0,00"));
        QCOMPARE(v.licznik, QStringLiteral("0,00"));
        QCOMPARE(v.fuel, QStringLiteral("0"));
        QVERIFY(v.data.isEmpty() && v.dataWystaw.isEmpty() && v.karta.isEmpty());
        QCOMPARE(v.rodzajPlat, 0);
        QVERIFY(!v.handOn);
        QCOMPARE(v.fuelKind, 0); // "Paliwo płynne" chosen, never LPG unasked

        // Ticked without a choice, and the option off: nothing preset.
        f.costCentre = 0;
        f.roadCardOn = false;
        applyCostFilters(*db, f);
        programOptions().cbSetNrRej = false;
        QVERIFY(!add(reg, form, {}));
        QCOMPARE(form.shown.vehicle, 0);
        QCOMPARE(form.shown.ck, 0);
        QCOMPARE(form.shown.roadCard, 0);
    }

    void editKeepsReferencesTheListsNoLongerOffer() {
        open(QStringLiteral("keep"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        const int id = data->addCost(car, 20240301, "10");
        // A card renamed since, a driver, payment kind, cost centre and road
        // card deleted since.
        db->exec(QStringLiteral("UPDATE koszty.DB SET IDKARTY = 'STARA', IDKIEROWCY = 'K9', "
                                "RODZAJPLAT = 55, CK = 77, IDDROGOWA = 99 WHERE IDKOSZT = %1")
                     .arg(id));
        RegisterController reg(*db, RegisterId::Costs);
        QVERIFY(reg.refresh());
        test::ScriptedCostForm form;
        form.script = {};
        QVERIFY(!edit(reg, form, {}));
        QVERIFY(form.setup.lists.value(QStringLiteral("IDKARTY"))
                    .contains(KeyedItem{QStringLiteral("STARA"), QStringLiteral("STARA")}));
        QVERIFY(form.setup.lists.value(QStringLiteral("CK"))
                    .contains(KeyedItem{QStringLiteral("77"), QStringLiteral("77")}));
        CostFormValues v = form.shown;
        v.nazwaTowar = QStringLiteral("zmieniona");
        QVERIFY(edit(reg, form, {v}));
        const ResultSet row = data->costRow(id);
        QCOMPARE(row.value(0, QStringLiteral("IDKARTY")).toString(), QStringLiteral("STARA"));
        QCOMPARE(row.value(0, QStringLiteral("IDKIEROWCY")).toString(), QStringLiteral("K9"));
        QCOMPARE(row.value(0, QStringLiteral("RODZAJPLAT")).toInt(), 55);
        QCOMPARE(row.value(0, QStringLiteral("CK")).toInt(), 77);
        QCOMPARE(row.value(0, QStringLiteral("IDDROGOWA")).toInt(), 99);
        QCOMPARE(row.value(0, QStringLiteral("NAZWATOWAR")).toString(),
                 QStringLiteral("zmieniona"));
    }

    void costFiltersGiveExactlyTheMatchingRows() {
        open(QStringLiteral("filters"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        const int card1 = data->addRoadCard(QStringLiteral("1/2024"), car);
        const int card2 = data->addRoadCard(QStringLiteral("2/2024"), car);
        const int a = data->addEntry(QStringLiteral("CKKOD"), QStringLiteral("A"));
        const int b = data->addEntry(QStringLiteral("CKKOD"), QStringLiteral("B"));
        const qint64 plain = data->addCost(car, 20240301, "1");
        const qint64 fuelA1 = data->addCost(car, 20240302, "2", true, a, card1);
        const qint64 fuelB = data->addCost(car, 20240303, "3", true, b, 0);
        const qint64 a2 = data->addCost(car, 20240304, "4", false, a, card2);
        const qint64 a1 = data->addCost(car, 20240305, "5", false, a, card1);
        const QList<qint64> all{plain, fuelA1, fuelB, a2, a1};
        QCOMPARE(shownIds(), all);

        struct Case {
            const char* name;
            CostFilterState state;
            QList<qint64> ids;
        } const cases[] = {
            {"fuel only", {true, false, 0, false, 0}, {fuelA1, fuelB}},
            {"cost centre A", {false, true, a, false, 0}, {fuelA1, a2, a1}},
            {"cost centre B", {false, true, b, false, 0}, {fuelB}},
            {"centre chosen, box off", {false, false, b, false, 0}, all},
            {"centre ticked, none chosen", {false, true, 0, false, 0}, all},
            {"road card 1", {false, false, 0, true, card1}, {fuelA1, a1}},
            {"road card ticked, none chosen", {false, false, 0, true, 0}, all},
            {"fuel and centre A", {true, true, a, false, 0}, {fuelA1}},
            {"centre A and card 2", {false, true, a, true, card2}, {a2}},
            {"all three", {true, true, a, true, card1}, {fuelA1}},
            {"all three, nothing matches", {true, true, b, true, card1}, {}},
        };
        for (const Case& c : cases) {
            applyCostFilters(*db, c.state);
            QCOMPARE(shownIds(), c.ids);
        }
        // With the vehicle and a month as well.
        applyCostFilters(*db, {false, true, a, false, 0});
        RegisterFilters filters(*db);
        filters.selectMonthYear(3, 2024);
        filters.selectDateRange(20240304, 20240305);
        filters.selectVehicle(QStringLiteral("EL 1"));
        QCOMPARE(shownIds(), (QList<qint64>{a2, a1}));
        // The state outlives register changes: it is the open company's.
        QCOMPARE(costFilterState(*db).costCentre, a);
        QCOMPARE(registerState(*db, RegisterId::Costs).extraFragments.value(kCostCentreFilter),
                 costCentreFragment(a));
    }

    void readingGoesToTheHistoryAsACost() {
        open(QStringLiteral("history"));
        programOptions().cbKopiujPrzebiegDoHistorii = true;
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        data->addReading(car, 20240101, "1000");
        RegisterController reg(*db, RegisterId::Costs);
        test::ScriptedCostForm form;
        CostFormValues v = cost(car, QStringLiteral("01.03.2024"), QStringLiteral("1"), QString(),
                                QStringLiteral("1"));
        v.licznik = QStringLiteral("1200,5");
        QVERIFY(add(reg, form, {v}));
        QCOMPARE(data->history(car), (QStringList{QStringLiteral("20240101 1000"),
                                                  QStringLiteral("20240301 1200.5 Przebieg z "
                                                                 "tabeli: KOSZTY")}));
    }
};

QTEST_GUILESS_MAIN(TestCosts)
#include "tst_costs.moc"
