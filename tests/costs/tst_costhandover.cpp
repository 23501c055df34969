#include "CostsFixture.h"

#include "costs/CostHandOvers.h"
#include "framework/FormHandOver.h"
#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "support/Clock.h"
#include "trips/OdometerForm.h"
#include "trips/OdometerRegister.h"
#include "users/Permissions.h"

using namespace kv;
using test::cost;

namespace {

struct ScriptedOdometerForm : test::ScriptedForm<OdometerFormValues> {
    ScriptedOdometerForm()
        : ScriptedForm(
              [](OdometerFormValues& v, const FormSetup&) { return checkOdometerForm(v); }) {}
};

OdometerFormValues reading(int vehicle, const QString& date, const QString& value) {
    OdometerFormValues v = newOdometerDefaults();
    v.vehicle = vehicle;
    v.data = date;
    v.licznik = value;
    return v;
}

// A hand-over target that counts how often it is asked for.
int g_counted = 0;
void installCountingTarget(const QString& name) {
    HandOverTarget t;
    t.registerId = RegisterId::Repairs;
    t.open = [](DataModule&, const HandOverRecord&) -> std::unique_ptr<HandOverSide> {
        ++g_counted;
        return nullptr;
    };
    installHandOverTarget(name, t);
}

} // namespace

// The hand-over between two registers, built once for all of them: the
// origin held until the second record is confirmed, both written in one
// transaction or neither, the origin alone after a cancel, a refusal of the
// permission or a target this version lacks, the second record checked
// first where no window shows it, and never a third record.
class TestCostHandOver : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::CostsData> data;
    int car = 0;
    std::optional<HandOverRequest> request;
    QList<RegisterId> shownRegisters;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::CostsData>(*db);
        registerState(*db, RegisterId::Costs).periodFragment.clear();
        registerState(*db, RegisterId::Odometer).periodFragment.clear();
        car = data->addVehicle(QStringLiteral("EL 1"));
    }
    // A reading of the odometer history as the origin, handing over as a
    // refuelling does.
    bool addReading(ScriptedOdometerForm& form, QList<std::optional<OdometerFormValues>> script,
                    HandOverRequest r) {
        RegisterController reg(*db, RegisterId::Odometer);
        form.script = std::move(script);
        RegisterEditing<OdometerFormValues> e = odometerEditing(*db);
        e.handOver = [r](const OdometerFormValues& v, bool) -> std::optional<HandOverRequest> {
            HandOverRequest out = r;
            out.record.values.insert(QStringLiteral("DATA"), v.data);
            out.record.values.insert(QStringLiteral("IDPOJAZD"), QString::number(v.vehicle));
            out.record.values.insert(QStringLiteral("LICZNIK"), v.licznik);
            return out;
        };
        return runAdd(reg, registerEditSteps(reg, form, e, true), false);
    }
    HandOverRequest refuelling(const QString& litres) {
        HandOverRequest r;
        r.target = kCostsTarget;
        r.record.origin = kRefuellingOrigin;
        r.record.values.insert(QStringLiteral("TANKOWANIE"), litres);
        return r;
    }
    int count(const char* table) { return data->count(QString::fromLatin1(table)); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        installCostHandOverTarget();
        installCountingTarget(QStringLiteral("naprawy"));
        handOverShowRegister() = [this](RegisterId id) { shownRegisters.append(id); };
    }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        programOptions().cbKopiujPrzebiegDoHistorii = false;
        currentLogin().permissions.setAll(true);
        g_counted = 0;
        shownRegisters.clear();
    }
    void cleanup() {
        setHandOverWindow<CostFormValues>(RegisterId::Costs, nullptr);
        data.reset();
        db.reset();
        Clock::setFixed({});
    }

    void confirmedSecondWindowWritesBoth() {
        open(QStringLiteral("both"));
        test::ScriptedCostForm costWindow;
        setHandOverWindow<CostFormValues>(RegisterId::Costs, &costWindow);
        ScriptedOdometerForm origin;
        // The cost window is shown prefilled; the user adds the price and
        // ticks its own hand-over, which a second window never offers.
        auto typed = [&] {
            CostFormValues v = costWindow.shown;
            v.data = QStringLiteral("06.03.2024");
            v.netto = QStringLiteral("200");
            v.vat = QStringLiteral("46");
            v.brutto = QStringLiteral("246");
            v.handOn = true;
            v.handTarget = 0;
            return v;
        };
        // Shown once and cancelled: the reading alone.
        costWindow.script = {};
        QVERIFY(addReading(origin,
                           {reading(car, QStringLiteral("05.03.2024"), QStringLiteral("15000"))},
                           refuelling(QStringLiteral("40,5"))));
        QCOMPARE(count("przebiegi"), 1);
        QCOMPARE(count("koszty"), 0);
        const CostFormValues& shown = costWindow.shown;
        QVERIFY(costWindow.setup.secondWindow);
        QCOMPARE(shown.rodzWyd, QStringLiteral("Zakup paliwa"));
        QCOMPARE(shown.data, QStringLiteral("05.03.2024"));
        QCOMPARE(shown.dataWystaw, QStringLiteral("05.03.2024"));
        QCOMPARE(shown.vehicle, car);
        QCOMPARE(shown.isFuel, QStringLiteral("T"));
        QCOMPARE(shown.fuel, QStringLiteral("40,50"));
        QCOMPARE(shown.licznik, QStringLiteral("15000,00"));
        QCOMPARE(shown.netto, QStringLiteral("0,00"));
        QCOMPARE(shown.czyVat, QStringLiteral("T"));
        QVERIFY(shown.driver.isEmpty() && shown.karta.isEmpty());
        QCOMPARE(shown.roadCard + shown.ck + shown.rodzajPlat, 0);
        QCOMPARE(shownRegisters, QList<RegisterId>{});

        costWindow.script = {typed()};
        QVERIFY(addReading(origin,
                           {reading(car, QStringLiteral("06.03.2024"), QStringLiteral("15100"))},
                           refuelling(QStringLiteral("40,5"))));
        QCOMPARE(count("przebiegi"), 2);
        QCOMPARE(count("koszty"), 1);
        QCOMPARE(g_counted, 0); // no third record
        QCOMPARE(shownRegisters, QList<RegisterId>{RegisterId::Costs});
        // Each register's cursor on its own new record.
        RegisterController costs(*db, RegisterId::Costs);
        QCOMPARE(costs.currentValue(QStringLiteral("WARTBRUTTO")).toDouble(), 246.0);
        QCOMPARE(costs.currentValue(QStringLiteral("DATA")).toLongLong(), 20240306);
        RegisterController readings(*db, RegisterId::Odometer);
        QCOMPARE(readings.currentValue(QStringLiteral("DATA")).toLongLong(), 20240306);
    }

    void failedSecondWriteWritesNeither() {
        open(QStringLiteral("neither"));
        data->count(QStringLiteral("koszty")); // attached before its trigger is made
        db->exec(QStringLiteral("CREATE TRIGGER koszty.refuse BEFORE INSERT ON koszty BEGIN "
                                "SELECT RAISE(ABORT, 'zapis kosztu nie powiódł się'); END"));
        test::ScriptedCostForm costWindow;
        setHandOverWindow<CostFormValues>(RegisterId::Costs, &costWindow);
        ScriptedOdometerForm origin;
        CostFormValues confirmed = cost(car, QStringLiteral("05.03.2024"), QStringLiteral("1"),
                                        QString(), QStringLiteral("1"));
        costWindow.script = {confirmed};
        const OdometerFormValues typed =
            reading(car, QStringLiteral("05.03.2024"), QStringLiteral("15000"));
        QVERIFY(!addReading(origin, {typed, std::nullopt}, refuelling(QStringLiteral("1"))));
        QCOMPARE(count("przebiegi"), 0);
        QCOMPARE(count("koszty"), 0);
        // Reported, and the origin's window shown again as typed.
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QVERIFY(env.ui().last().text.contains(QStringLiteral("zapis kosztu nie powiódł się")));
        QCOMPARE(origin.shows, 2);
        QCOMPARE(origin.shown.licznik, QStringLiteral("15000,00"));
        QVERIFY(shownRegisters.isEmpty());
    }

    void permissionAndMissingTargetWriteTheOriginAlone() {
        open(QStringLiteral("alone"));
        test::ScriptedCostForm costWindow;
        setHandOverWindow<CostFormValues>(RegisterId::Costs, &costWindow);
        ScriptedOdometerForm origin;
        HandOverRequest r = refuelling(QStringLiteral("10"));
        r.allowed = [] { return false; };
        r.refusal = QStringLiteral("Brak uprawnień do tabeli Koszty.");
        QVERIFY(addReading(origin,
                           {reading(car, QStringLiteral("05.03.2024"), QStringLiteral("1"))}, r));
        QCOMPARE(env.ui().texts(), QStringList{r.refusal});
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(costWindow.shows, 0);
        QCOMPARE(count("przebiegi"), 1);

        env.ui().clear();
        r = refuelling(QStringLiteral("10"));
        r.target = QStringLiteral("rejestr, którego nie ma");
        QVERIFY(addReading(origin,
                           {reading(car, QStringLiteral("06.03.2024"), QStringLiteral("2"))}, r));
        QVERIFY(env.ui().texts().isEmpty());
        QCOMPARE(count("przebiegi"), 2);
        QCOMPARE(count("koszty"), 0);
    }

    void withoutAWindowTheSecondRecordIsCheckedFirst() {
        open(QStringLiteral("headless"));
        ScriptedOdometerForm origin;
        // No cost window: the prefilled cost is checked. A vehicle that is
        // not there is refused; nothing is written and the origin comes back.
        HandOverRequest r = refuelling(QStringLiteral("10"));
        RegisterController reg(*db, RegisterId::Odometer);
        origin.script = {reading(car, QStringLiteral("05.03.2024"), QStringLiteral("1")),
                         std::nullopt};
        RegisterEditing<OdometerFormValues> e = odometerEditing(*db);
        e.handOver = [r](const OdometerFormValues& v, bool) -> std::optional<HandOverRequest> {
            HandOverRequest out = r;
            out.record.values.insert(QStringLiteral("DATA"), QStringLiteral("30.02.2024"));
            out.record.values.insert(QStringLiteral("IDPOJAZD"), QString::number(v.vehicle));
            return out;
        };
        QVERIFY(!runAdd(reg, registerEditSteps(reg, origin, e, true), false));
        QCOMPARE(env.ui().texts(), QStringList{QStringLiteral(
                                       "Niepoprawny format daty powstania kosztu. Popraw pole.")});
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QCOMPARE(origin.shows, 2);
        QCOMPARE(count("przebiegi"), 0);
        QCOMPARE(count("koszty"), 0);

        // A record that passes is written with the origin.
        env.ui().clear();
        QVERIFY(addReading(origin,
                           {reading(car, QStringLiteral("05.03.2024"), QStringLiteral("7"))},
                           refuelling(QStringLiteral("12"))));
        QVERIFY(env.ui().texts().isEmpty());
        QCOMPARE(count("przebiegi"), 1);
        QCOMPARE(count("koszty"), 1);
        const ResultSet row =
            db->select(QStringLiteral("SELECT FUEL, ISFUEL, RODZWYD FROM koszty"));
        QCOMPARE(row.value(0, 0).toDouble(), 12.0);
        QCOMPARE(row.value(0, 1).toString(), QStringLiteral("T"));
    }

    void prefillByOrigin_data() {
        QTest::addColumn<QString>("origin");
        QTest::addColumn<QStringList>("expected");
        // kind, goods, document, net, VAT, gross, remarks, date of issue,
        // reading, driver, fuel flag, litres
        QTest::newRow("repair") << kRepairOrigin << QStringList{"Naprawy", "Wymiana klocków",
                                                                "",        "100,00",
                                                                "23,00",   "123,00",
                                                                "przód",   "",
                                                                "5000,00", "K1",
                                                                "N",       "0"};
        QTest::newRow("damage") << kDamageOrigin << QStringList{"Szkody",  "Wymiana klocków",
                                                                "",        "100,00",
                                                                "23,00",   "123,00",
                                                                "przód",   "",
                                                                "5000,00", "K1",
                                                                "N",       "0"};
        QTest::newRow("tyre") << kTyreOrigin << QStringList{"Opony",  "Dębica zimowe 205/55 R16",
                                                            "FV 7",   "400,00",
                                                            "92,00",  "492,00",
                                                            "4 szt.", "02.03.2024",
                                                            "0,00",   "",
                                                            "N",      "0"};
        QTest::newRow("refuelling")
            << kRefuellingOrigin
            << QStringList{"Zakup paliwa", "",        "", "0,00", "0,00", "0,00", "",
                           "01.03.2024",   "5000,00", "", "T",    "35,00"};
    }
    void prefillByOrigin() {
        QFETCH(QString, origin);
        QFETCH(QStringList, expected);
        HandOverRecord r;
        r.origin = origin;
        r.values = {
            {"DATA", "01.03.2024"},    {"DATAZAKUPU", "02.03.2024"},
            {"IDPOJAZD", "3"},         {"OPIS", "Wymiana klocków"},
            {"WARTNETTO", "100"},      {"WARTVAT", "23"},
            {"WARTBRUTTO", "123"},     {"UWAGI", origin == kTyreOrigin ? "4 szt." : "przód"},
            {"LICZNIK", "5000"},       {"IDKIEROWCY", "K1"},
            {"MARKA", "Dębica"},       {"RODZAJ", "zimowe"},
            {"ROZMIAR", "205/55 R16"}, {"NRDOKUMENT", "FV 7"},
            {"NETTO", "400"},          {"VAT", "92"},
            {"BRUTTO", "492"},         {"TANKOWANIE", "35"}};
        CostFormValues start;
        start.karta = QStringLiteral("KARTA");
        start.ck = 4;
        start.roadCard = 5;
        start.rodzajPlat = 6;
        start.czyVat = QStringLiteral("N");
        const CostFormValues v = costFromHandOver(r, start);
        const QStringList got{v.rodzWyd, v.nazwaTowar, v.nrDokument, v.netto,  v.vat,    v.brutto,
                              v.uwagi,   v.dataWystaw, v.licznik,    v.driver, v.isFuel, v.fuel};
        QCOMPARE(got, expected);
        QCOMPARE(v.data, origin == kTyreOrigin ? QStringLiteral("02.03.2024")
                                               : QStringLiteral("01.03.2024"));
        QCOMPARE(v.vehicle, 3);
        QCOMPARE(v.czyVat, QStringLiteral("T"));
        QVERIFY(v.karta.isEmpty());
        QCOMPARE(v.ck + v.roadCard + v.rodzajPlat, 0);
    }

    void costAsksForTheChosenTargetWithItsPermission_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("permission");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<bool>("fuelKind");
        QTest::newRow("repairs") << 0 << "naprawy" << 8 << "Brak uprawnień do tabeli Naprawy."
                                 << false;
        QTest::newRow("continuous")
            << 1 << "zuzycie" << 10 << "Brak uprawnień do tabeli Zuzycie Paliwa." << true;
        QTest::newRow("tyres") << 2 << "opony" << 36 << "Brak uprawnień do tabeli Opony." << false;
        QTest::newRow("per km") << 3 << "zuzyciekm" << 10
                                << "Brak uprawnień do tabeli Zuzycie Paliwa." << true;
        QTest::newRow("per hour") << 4 << "zuzyciemth" << 10
                                  << "Brak uprawnień do tabeli Zuzycie Paliwa." << true;
    }
    void costAsksForTheChosenTargetWithItsPermission() {
        QFETCH(int, position);
        QFETCH(int, permission);
        CostFormValues v = cost(2, QStringLiteral("01.03.2024"), QStringLiteral("1"), QString(),
                                QStringLiteral("1"));
        v.handOn = true;
        v.handTarget = position;
        v.fuelKind = 1;
        v.fuel = QStringLiteral("30,00");
        const HandOverRequest r = costHandOverRequest(v);
        QTEST(r.target, "target");
        QTEST(r.refusal, "refusal");
        QCOMPARE(r.record.origin, QStringLiteral("koszty"));
        QCOMPARE(r.record.value(QStringLiteral("FUEL")), QStringLiteral("30,00"));
        QCOMPARE(r.record.value(QStringLiteral("IDPOJAZD")), QStringLiteral("2"));
        QTEST(r.record.values.contains(QStringLiteral("RODZAJPALIWA")), "fuelKind");
        QVERIFY(r.allowed());
        currentLogin().permissions.set(permission, false);
        QVERIFY(!r.allowed());
    }
};

QTEST_GUILESS_MAIN(TestCostHandOver)
#include "tst_costhandover.moc"
