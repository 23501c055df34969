#include "CostsFixture.h"

#include "costs/OrderRegister.h"
#include "framework/FormHandOver.h"
#include "framework/RegisterController.h"
#include "framework/RegisterSheet.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "users/Permissions.h"

using namespace kv;

namespace {

struct ScriptedOrderForm : test::ScriptedForm<OrderFormValues> {
    ScriptedOrderForm()
        : ScriptedForm([](OrderFormValues& v, const FormSetup&) { return checkOrderForm(v); }) {}
};
struct ScriptedSettlementForm : test::ScriptedForm<OrderFormValues> {
    ScriptedSettlementForm()
        : ScriptedForm(
              [](OrderFormValues& v, const FormSetup&) { return checkSettlementForm(v); }) {}
};

OrderFormValues work(int vehicle, const QString& number) {
    OrderFormValues v;
    v.nrDokumentu = number;
    v.dataOd = QStringLiteral("10.05.2020");
    v.dataDo = QStringLiteral("12.05.2020");
    v.vehicle = vehicle;
    v.trasa = QStringLiteral("Z: Kraków, DO: Tarnów");
    v.kontrahent = QStringLiteral("Budimex");
    v.opis = QStringLiteral("Przewóz kruszywa");
    return v;
}

OrderFormValues settlement(int vehicle, const QString& number, const QString& hours,
                           const QString& rate) {
    OrderFormValues v = work(vehicle, number);
    v.godziny = hours;
    v.stawka = rate;
    return v;
}

} // namespace

// Orders and settlements: the checks in their order, one number per table
// (also against another program's save between the check and the write),
// the value of a settlement in exact grosze, and an order handed over to a
// settlement written with it or not at all.
class TestOrders : public QObject {
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
        registerState(*db, RegisterId::Orders).periodFragment.clear();
        registerState(*db, RegisterId::Settlements).periodFragment.clear();
        car = data->addVehicle(QStringLiteral("KR 500"));
        db->exec(
            QStringLiteral("UPDATE pojazdy.DB SET STAWKA = 95.5 WHERE IDPOJAZD = %1").arg(car));
    }
    bool addOrder(ScriptedOrderForm& form, QList<std::optional<OrderFormValues>> script) {
        RegisterController reg(*db, RegisterId::Orders);
        form.script = std::move(script);
        const RegisterEditing<OrderFormValues> e = orderEditing(*db);
        return runAdd(reg, registerEditSteps(reg, form, e, true), false);
    }
    bool addSettlement(ScriptedSettlementForm& form, QList<std::optional<OrderFormValues>> script) {
        RegisterController reg(*db, RegisterId::Settlements);
        form.script = std::move(script);
        const RegisterEditing<OrderFormValues> e = settlementEditing(*db);
        return runAdd(reg, registerEditSteps(reg, form, e, true), false);
    }
    int count(const char* table) { return data->count(QString::fromLatin1(table)); }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        installSettlementHandOverTarget();
        installOrderHooks();
        handOverShowRegister() = [this](RegisterId id) { shown.append(id); };
    }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        currentLogin().permissions.setAll(true);
        shown.clear();
    }
    void cleanup() {
        setHandOverWindow<OrderFormValues>(RegisterId::Settlements, nullptr);
        data.reset();
        db.reset();
    }

    void checksRunInTheirOrder() {
        OrderFormValues v = work(0, QStringLiteral("  "));
        v.dataOd = QStringLiteral("10.13.2020");
        v.dataDo = QStringLiteral("  .  .    ");
        QCOMPARE(checkOrderForm(v).message, QStringLiteral("Nie podano numeru zlecenia."));
        OrderFormValues s = v;
        QCOMPARE(checkSettlementForm(s).message,
                 QStringLiteral("Niepodano numeru dokumentu rozliczeniowego."));
        v.nrDokumentu = QStringLiteral("Z/1");
        QCOMPARE(checkOrderForm(v).field, QStringLiteral("fIDPOJAZDU"));
        v.vehicle = 1;
        QCOMPARE(checkOrderForm(v).message,
                 QStringLiteral("Niepoprawny format daty od. Popraw pole."));
        v.dataOd = QStringLiteral("10.05.2020");
        QCOMPARE(checkOrderForm(v).message,
                 QStringLiteral("Niepoprawny format daty do. Popraw pole."));
        v.dataDo = QStringLiteral("09.05.2020");
        const FormCheck order = checkOrderForm(v);
        QCOMPARE(order.message, QStringLiteral("Data od większa niż data do. Popraw pola."));
        QCOMPARE(order.field, QStringLiteral("fDATAOD"));
        v.dataDo = QStringLiteral("10.05.2020"); // one day's work
        QVERIFY(checkOrderForm(v).ok);
    }

    void settlementNumbersAreRewrittenFirst() {
        OrderFormValues v = settlement(1, QString(), QStringLiteral("abc"), QStringLiteral("120"));
        QVERIFY(!checkSettlementForm(v).ok);
        QCOMPARE(v.godziny, QStringLiteral("0,00"));
        QCOMPARE(v.stawka, QStringLiteral("120,00"));
    }

    void valueIsHoursTimesRateInGrosze_data() {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("value");
        QTest::newRow("7.5 h at 120") << "7,5"
                                      << "120.00"
                                      << "900,00";
        QTest::newRow("half a grosz up") << "1,5"
                                         << "0,33"
                                         << "0,50"; // 0.495
        QTest::newRow("half of one grosz") << "0,5"
                                           << "0,01"
                                           << "0,01"; // 0.005
        QTest::newRow("just below half") << "0,49"
                                         << "0,01"
                                         << "0,00"; // 0.0049
        QTest::newRow("negative half") << "-0,5"
                                       << "0,01"
                                       << "-0,01";
        QTest::newRow("hours not a number") << "abc"
                                            << "120"
                                            << "0,00";
        QTest::newRow("decimal product") << "3"
                                         << "33,35"
                                         << "100,05";
    }
    void valueIsHoursTimesRateInGrosze() {
        QFETCH(QString, hours);
        QFETCH(QString, rate);
        QFETCH(QString, value);
        QCOMPARE(formatDecimal(settlementValue(hours, rate), 2), value);
    }

    void savedSettlementShowsItsValue() {
        open(QStringLiteral("value"));
        ScriptedSettlementForm form;
        QVERIFY(addSettlement(form, {settlement(car, QStringLiteral("R/1"), QStringLiteral("7.5"),
                                                QStringLiteral("120.00"))}));
        QVERIFY(addSettlement(form, {settlement(car, QStringLiteral("R/2"), QStringLiteral("abc"),
                                                QStringLiteral("1,005"))}));
        RegisterController reg(*db, RegisterId::Settlements);
        reg.refresh();
        const std::unique_ptr<RegisterTableModel> model = registerModel(reg);
        QCOMPARE(model->rowCount(), 2);
        const int valueColumn = 7;
        QCOMPARE(reg.descriptor().columns.at(valueColumn).field, QStringLiteral("WARTOSC"));
        QCOMPARE(model->data(model->index(0, valueColumn), Qt::DisplayRole).toString(),
                 QStringLiteral("900,00"));
        QCOMPARE(model->data(model->index(1, valueColumn), Qt::DisplayRole).toString(),
                 QStringLiteral("0,00"));
        const ResultSet r = db->select(QStringLiteral("SELECT GODZINY, STAWKA FROM "
                                                      "rozliczenia.DB ORDER BY IDROZLICZENIA"));
        QCOMPARE(r.value(1, 0).toDouble(), 0.0); // "abc" hours saved as 0
        QCOMPARE(r.value(1, 1).toDouble(), 1.01);
        QCOMPARE(reg.currentValue(QStringLiteral("POJAZD")).toString(),
                 QStringLiteral("KR 500 Skoda"));
    }

    void takenNumberReopensTheWindowAsTyped() {
        open(QStringLiteral("taken"));
        ScriptedOrderForm form;
        QVERIFY(addOrder(form, {work(car, QStringLiteral("Z/7"))}));
        OrderFormValues again = work(car, QStringLiteral(" Z/7 "));
        again.opis = QStringLiteral("Drugi opis");
        OrderFormValues renumbered = again;
        renumbered.nrDokumentu = QStringLiteral("Z/8");
        form.shows = 0;
        QVERIFY(addOrder(form, {again, renumbered}));
        QCOMPARE(form.shows, 2);
        QCOMPARE(env.ui().messages().size(), 1);
        QCOMPARE(env.ui().messages().at(0).caption, QStringLiteral("Uwaga"));
        QCOMPARE(env.ui().messages().at(0).text,
                 QStringLiteral("Istnieje już taki numer zlecenia."));
        QCOMPARE(form.shown.opis, QStringLiteral("Drugi opis"));
        QCOMPARE(count("zlecenia"), 2);

        // Editing without changing the number never calls it taken; changing
        // it to another order's number does.
        RegisterController reg(*db, RegisterId::Orders);
        reg.refresh();
        QVERIFY(reg.locate({1}));
        ScriptedOrderForm edit;
        const RegisterEditing<OrderFormValues> e = orderEditing(*db);
        edit.script = {work(car, QStringLiteral("Z/7"))};
        QVERIFY(runEdit(reg, registerEditSteps(reg, edit, e, false)));
        QCOMPARE(env.ui().messages().size(), 1);
        edit.script = {work(car, QStringLiteral("Z/8")), std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, edit, e, false)));
        QCOMPARE(env.ui().messages().last().text,
                 QStringLiteral("Istnieje już taki numer zlecenia."));
    }

    void settlementNumberIsItsOwnTables() {
        open(QStringLiteral("tables"));
        ScriptedOrderForm order;
        QVERIFY(addOrder(order, {work(car, QStringLiteral("W/1"))}));
        ScriptedSettlementForm form;
        QVERIFY(addSettlement(form, {settlement(car, QStringLiteral("W/1"), QStringLiteral("1"),
                                                QStringLiteral("1"))}));
        QVERIFY(!addSettlement(form, {settlement(car, QStringLiteral("W/1"), QStringLiteral("2"),
                                                 QStringLiteral("2"))}));
        QCOMPARE(env.ui().messages().last().text,
                 QStringLiteral("Istnieje już taki numer dokumentu."));
        QCOMPARE(count("rozliczenia"), 1);
    }

    void numberSavedMeanwhileIsRefusedInsideTheWrite() {
        open(QStringLiteral("meanwhile"));
        RegisterController reg(*db, RegisterId::Orders);
        ScriptedOrderForm form;
        form.script = {work(car, QStringLiteral("Z/9")), std::nullopt};
        const RegisterEditing<OrderFormValues> e = orderEditing(*db);
        EditSteps steps = registerEditSteps(reg, form, e, true);
        // Another program saves the same number right after the window's check.
        int asked = 0;
        const auto exists = steps.keyExists;
        steps.keyExists = [&](const QString& key) {
            if (++asked == 1) {
                const bool taken = exists(key);
                db->exec(QStringLiteral("INSERT INTO zlecenia.DB (NRDOKUMENTU, IDPOJAZDU) VALUES "
                                        "('Z/9', %1)")
                             .arg(car));
                return taken;
            }
            return exists(key);
        };
        QVERIFY(!runAdd(reg, steps, false));
        QCOMPARE(asked, 2);
        QCOMPARE(count("zlecenia"), 1);
        QCOMPARE(env.ui().messages().value(0).text,
                 QStringLiteral("Istnieje już taki numer zlecenia."));
        QCOMPARE(form.shows, 2);
    }

    void newSettlementTakesTheSelectedVehiclesRate() {
        open(QStringLiteral("rate"));
        sharedFilters(*db).selectedVehicleId = car;
        programOptions().cbSetNrRej = true;
        const OrderFormValues s = settlementEditing(*db).defaults();
        QCOMPARE(s.vehicle, car);
        QCOMPARE(s.stawka, QStringLiteral("95,50"));
        QCOMPARE(s.godziny, QStringLiteral("0"));
        const OrderFormValues o = orderEditing(*db).defaults();
        QCOMPARE(o.vehicle, car);
        programOptions().cbSetNrRej = false;
        const OrderFormValues none = settlementEditing(*db).defaults();
        QCOMPARE(none.vehicle, 0);
        QCOMPARE(none.stawka, QStringLiteral("0"));
        // The window's vehicle list carries each vehicle's rate.
        const auto lists = loadOrderLists(*db);
        QCOMPARE(lists.value(QStringLiteral("IDPOJAZDU")).value(0).extra, QStringLiteral("95,50"));
    }

    void orderHandsOverToASettlement() {
        open(QStringLiteral("handover"));
        ScriptedSettlementForm window;
        setHandOverWindow<OrderFormValues>(RegisterId::Settlements, &window);
        ScriptedOrderForm order;
        OrderFormValues typed = work(car, QStringLiteral("Z/20"));
        typed.addToSettlements = true;
        typed.nrew = QStringLiteral("K1");
        typed.rodzajPrac = 4;
        // Cancelled: the order alone.
        QVERIFY(addOrder(order, {typed}));
        QCOMPARE(count("zlecenia"), 1);
        QCOMPARE(count("rozliczenia"), 0);
        QVERIFY(window.setup.secondWindow);
        QCOMPARE(window.shown.nrDokumentu, QStringLiteral("Z/20"));
        QCOMPARE(window.shown.dataOd, QStringLiteral("10.05.2020"));
        QCOMPARE(window.shown.dataDo, QStringLiteral("12.05.2020"));
        QCOMPARE(window.shown.vehicle, car);
        QCOMPARE(window.shown.rodzajPrac, 4);
        QCOMPARE(window.shown.nrew, QStringLiteral("K1"));
        QCOMPARE(window.shown.kontrahent, QStringLiteral("Budimex"));
        QCOMPARE(window.shown.opis, QStringLiteral("Przewóz kruszywa"));
        QCOMPARE(window.shown.trasa, QStringLiteral("Z: Kraków, DO: Tarnów"));
        QCOMPARE(window.shown.godziny, QStringLiteral("0"));
        QCOMPARE(window.shown.stawka, QStringLiteral("0"));
        QVERIFY(shown.isEmpty());

        // Confirmed: both, and the settlements' page is shown.
        typed.nrDokumentu = QStringLiteral("Z/21");
        OrderFormValues billed = work(car, QStringLiteral("Z/21"));
        billed.godziny = QStringLiteral("8");
        billed.stawka = QStringLiteral("100");
        window.script = {billed};
        QVERIFY(addOrder(order, {typed}));
        QCOMPARE(count("zlecenia"), 2);
        QCOMPARE(count("rozliczenia"), 1);
        QCOMPARE(shown, QList<RegisterId>{RegisterId::Settlements});
        RegisterController settlements(*db, RegisterId::Settlements);
        QCOMPARE(settlements.currentValue(QStringLiteral("NRDOKUMENTU")).toString(),
                 QStringLiteral("Z/21"));
    }

    void failedSettlementWriteWritesNeither() {
        open(QStringLiteral("neither"));
        count("rozliczenia"); // attached before its trigger is made
        db->exec(QStringLiteral("CREATE TRIGGER rozliczenia.refuse BEFORE INSERT ON rozliczenia "
                                "BEGIN SELECT RAISE(ABORT, 'zapis rozliczenia nie powiódł się'); "
                                "END"));
        ScriptedSettlementForm window;
        setHandOverWindow<OrderFormValues>(RegisterId::Settlements, &window);
        window.script = {
            settlement(car, QStringLiteral("Z/30"), QStringLiteral("1"), QStringLiteral("1"))};
        ScriptedOrderForm order;
        OrderFormValues typed = work(car, QStringLiteral("Z/30"));
        typed.addToSettlements = true;
        QVERIFY(!addOrder(order, {typed, std::nullopt}));
        QCOMPARE(count("zlecenia"), 0);
        QCOMPARE(count("rozliczenia"), 0);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        QCOMPARE(order.shown.nrDokumentu, QStringLiteral("Z/30"));
    }

    void handOverNeedsTheSettlementsWritePermission() {
        open(QStringLiteral("permission"));
        currentLogin().permissions.set(37, true);
        currentLogin().permissions.set(kSettlementsWritePermission, false);
        ScriptedSettlementForm window;
        setHandOverWindow<OrderFormValues>(RegisterId::Settlements, &window);
        ScriptedOrderForm order;
        OrderFormValues typed = work(car, QStringLiteral("Z/40"));
        typed.addToSettlements = true;
        QVERIFY(addOrder(order, {typed}));
        QCOMPARE(window.shows, 0);
        QCOMPARE(count("zlecenia"), 1);
        QCOMPARE(count("rozliczenia"), 0);
        QCOMPARE(env.ui().last().text, QStringLiteral("Brak uprawnień do tabeli Rozliczenia."));
    }
};

QTEST_GUILESS_MAIN(TestOrders)
#include "tst_orders.moc"
