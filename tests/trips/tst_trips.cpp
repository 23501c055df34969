#include "ScriptedForm.h"
#include "TripsFixture.h"

#include "dictionaries/RateTable.h"
#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterTableModel.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/Query.h"
#include "support/Clock.h"
#include "trips/TripAllowance.h"
#include "trips/TripRegister.h"

using namespace kv;

namespace {

// A trip window that answers from a script and hands the values back as
// typed, so whatever is stored is the register's own doing.
struct ScriptedTripForm : test::ScriptedForm<TripFormValues> {
    ScriptedTripForm()
        : ScriptedForm([](TripFormValues& v, const FormSetup&) { return checkTripForm(v); }, true) {
    }
};

TripFormValues trip(int vehicle, const QString& date, const QString& length) {
    TripFormValues v;
    v.data = date;
    v.vehicle = vehicle;
    v.celWyjazdu = QStringLiteral("Spotkanie z klientem");
    v.trasa = QStringLiteral("Łódź - Piotrków");
    v.odleglosc = length;
    return v;
}

TripFormValues lent(TripFormValues v, const QString& from, const QString& to,
                    const QString& who = QStringLiteral("Jan Obcy")) {
    v.pryw = QStringLiteral("T");
    v.prywLiczOd = from;
    v.prywLiczDo = to;
    v.prywKto = who;
    return v;
}

} // namespace

// The trips register: the allowance on every row, worked out exactly from the
// dated rates; the trip window's rules; what a saved trip stores and hands on.
class TestTrips : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
        data->addVehicleKinds();
        // Every trip, whatever the year of the test run.
        registerState(*db, RegisterId::Trips).periodFragment.clear();
    }
    // The rate and amount cells of a trip as the grid shows them.
    QStringList cells(RegisterController& reg, int tripId) {
        if (!reg.locate({tripId}))
            return {QStringLiteral("no trip %1").arg(tripId)};
        const auto compute = reg.computedCells();
        const ResultSet& rows = *reg.rows();
        QStringList out;
        for (const GridColumn& c : reg.descriptor().columns)
            if (c.format == Formatter::Computed)
                out << compute(rows, reg.currentRow(), c);
        return out;
    }
    bool add(RegisterController& reg, ScriptedTripForm& form,
             QList<std::optional<TripFormValues>> script, bool copy = false) {
        form.script = std::move(script);
        const RegisterEditing<TripFormValues> e = tripEditing(*db);
        return runAdd(reg, registerEditSteps(reg, form, e, true), copy);
    }
    bool edit(RegisterController& reg, ScriptedTripForm& form,
              QList<std::optional<TripFormValues>> script) {
        form.script = std::move(script);
        const RegisterEditing<TripFormValues> e = tripEditing(*db);
        return runEdit(reg, registerEditSteps(reg, form, e, false));
    }
    ResultSet stored(int tripId) {
        return db->select(
            QStringLiteral("SELECT * FROM przejazdy.DB WHERE IDPRZEJAZD = %1").arg(tripId));
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
        Clock::setFixed({});
    }

    void allowanceTakesTheRateOfTheTripsDateKindAndCapacity_data() {
        QTest::addColumn<bool>("newerFirst");
        QTest::newRow("older rates typed first") << false;
        QTest::newRow("newer rates typed first") << true;
    }
    void allowanceTakesTheRateOfTheTripsDateKindAndCapacity() {
        QFETCH(bool, newerFirst);
        open(newerFirst ? QStringLiteral("ratesNewer") : QStringLiteral("ratesOlder"));
        // A further kind deleted and typed again gets a new KOD; it keeps
        // its rate column through its UZUP1.
        db->exec(
            QStringLiteral("DELETE FROM slowniki.DB WHERE IDSLOWNIK = 'RDPOJ' AND UZUP1 = '8'"));
        data->addDictionaryEntry(QStringLiteral("RDPOJ"), QStringLiteral("Ciągnik"),
                                 QStringLiteral("8"));
        const int tractorKind =
            static_cast<int>(db->lastId(QStringLiteral("slowniki"), QStringLiteral("KOD")));
        QVERIFY(tractorKind > 20);
        if (newerFirst)
            data->addRates(20200101, "0.8", "1.15");
        data->addRates(20100101, "0.5214", "0.8358", 8, "0.12344");
        if (!newerFirst)
            data->addRates(20200101, "0.8", "1.15");

        const int small = data->addVehicle(QStringLiteral("EL 900"), 1, 900);
        const int large = data->addVehicle(QStringLiteral("EL 901"), 1, 901);
        const int truck = data->addVehicle(QStringLiteral("EL 902"), 2, 2400);
        const int tractor = data->addVehicle(QStringLiteral("EL CIĄG"), tractorKind, 3000);
        struct Case {
            int vehicle, date;
            const char* length;
            QStringList shown; // worked out by hand
        } cases[] = {
            // The last day of the older rates, the first of the newer ones.
            {small, 20191231, "100", {"0,5214", "52,14"}},   // 100 x 0.5214
            {small, 20200101, "123.4", {"0,8000", "98,72"}}, // 123.4 x 0.8
            {small, 20091231, "50", {"0,0000", "0,00"}},     // before every rate
            {large, 20200101, "0.5", {"1,1500", "0,58"}},    // 0.575, half up
            {large, 20191231, "175", {"0,8358", "146,27"}},  // 146.265, half up
            {small, 20191231, "75", {"0,5214", "39,11"}},    // 39.105, half up
            {truck, 20200101, "10", {"1,1500", "11,50"}},    // kind 2 like kind 1
            // 0.12344 shows 0.1234 and counts so: 1000 x 0.1234 = 123.40.
            {tractor, 20150615, "1000", {"0,1234", "123,40"}},
        };
        QList<int> ids;
        for (const Case& c : cases)
            ids << data->addTrip(c.vehicle, c.date, c.length);
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), int(std::size(cases)));
        for (int i = 0; i < ids.size(); ++i)
            QCOMPARE(cells(reg, ids.at(i)), cases[i].shown);

        // The grid shows the same texts in its two columns.
        RegisterTableModel model(reg.descriptor());
        model.setRows(reg.rows());
        model.setCellFormatter(reg.computedCells());
        QVERIFY(reg.locate({ids.at(4)}));
        QCOMPARE(model.cellText(reg.currentRow(), model.columnOfField(QStringLiteral("KWOTA"))),
                 QStringLiteral("146,27"));
        QCOMPARE(model.cellText(reg.currentRow(), model.columnOfField(QStringLiteral("STAWKA"))),
                 QStringLiteral("0,8358"));
    }

    void totalsAddUpTheShownAmounts() {
        open(QStringLiteral("totals"));
        data->addRates(20230117, "0.8358", "0.8358");
        const int car = data->addVehicle(QStringLiteral("EL 1"), 1, 1400);
        for (int day = 1; day <= 3; ++day)
            data->addTrip(car, 20240300 + day, "175");
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        // Each row shows 146.27; the column adds up to 438.81, though 525 km
        // at 0.8358 would be 438.795.
        QCOMPARE(tripAllowanceTotal(rateTable(*db), *reg.rows()).toString(2),
                 QStringLiteral("438.81"));
        QCOMPARE(RateTable::amount(*Decimal::parse(QStringLiteral("525")),
                                   *Decimal::parse(QStringLiteral("0.8358")))
                     .toString(2),
                 QStringLiteral("438.80"));
    }

    void ratesAreReadAgainBeforeEveryRefresh() {
        open(QStringLiteral("reload"));
        data->addRates(20230117, "0.89", "1.15");
        const int car = data->addVehicle(QStringLiteral("EL 1"), 1, 1400);
        const int id = data->addTrip(car, 20240301, "10");
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        QCOMPARE(cells(reg, id), (QStringList{QStringLiteral("1,1500"), QStringLiteral("11,50")}));
        data->addRates(20240101, "1", "1.25");
        QCOMPARE(cells(reg, id), (QStringList{QStringLiteral("1,1500"), QStringLiteral("11,50")}));
        QVERIFY(reg.refresh());
        QCOMPARE(cells(reg, id), (QStringList{QStringLiteral("1,2500"), QStringLiteral("12,50")}));
        // A vehicle deleted since shows empty vehicle columns and no rate.
        db->exec(QStringLiteral("DELETE FROM pojazdy.DB"));
        QVERIFY(reg.refresh());
        QCOMPARE(cells(reg, id), (QStringList{QStringLiteral("0,0000"), QStringLiteral("0,00")}));
        QCOMPARE(reg.currentValue(QStringLiteral("NRREJ")).toString(), QString());
    }

    void sortOrderAndUnsortableAllowance() {
        open(QStringLiteral("sort"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        for (const char* from : {"200", "100", "300"}) {
            const int id = data->addTrip(car, 20240301, "10");
            db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYW = 'T', PRYWLICZOD = %1 WHERE "
                                    "IDPRZEJAZD = %2")
                         .arg(QLatin1String(from))
                         .arg(id));
        }
        data->addTrip(car, 20240229, "10");
        RegisterController reg(*db, RegisterId::Trips);
        auto order = [&reg] {
            QStringList out;
            for (int i = 0; i < reg.rowCount(); ++i)
                out << reg.rows()->text(i, QStringLiteral("PRYWLICZOD"));
            return out.join(u' ');
        };
        QVERIFY(reg.refresh());
        QCOMPARE(order(), QStringLiteral("0 100 200 300"));
        QVERIFY(reg.sortBy(QStringLiteral("DATA"))); // the same column: descending
        QVERIFY(reg.refresh());
        QCOMPARE(order(), QStringLiteral("300 200 100 0"));
        // The worked-out columns cannot be sorted; the order stays.
        QVERIFY(!reg.sortBy(QStringLiteral("STAWKA")));
        QVERIFY(!reg.sortBy(QStringLiteral("KWOTA")));
        QCOMPARE(reg.state().sortColumn, QStringLiteral("DATA"));
        QVERIFY(reg.sortBy(QStringLiteral("NAZWISKO")));
        QVERIFY(reg.refresh());
    }

    void checksInTheirOrder() {
        TripFormValues v = trip(0, QStringLiteral("31.02.2024"), QString());
        v = lent(v, QString(), QString(), QString());
        const struct {
            std::function<void(TripFormValues&)> fix;
            const char* field;
            QString message;
        } steps[] = {
            {[](TripFormValues&) {}, "fDATA",
             QStringLiteral("Niepoprawny format daty wyjazdu. Popraw pole.")},
            {[](TripFormValues& v) { v.data = QStringLiteral("29.02.2024"); }, "fNRREJ",
             QStringLiteral("Nie wskazano pojazdu. Popraw pole.")},
            {[](TripFormValues& v) { v.vehicle = 3; }, "fODLEGLOSC",
             QStringLiteral("Nie wprowadzono długości trasy. Popraw pole.")},
            {[](TripFormValues& v) { v.odleglosc = QStringLiteral("12 km"); }, "fODLEGLOSC",
             QStringLiteral("Niepoprawna długość trasy. Popraw pole.")},
            {[](TripFormValues& v) { v.odleglosc = QStringLiteral("0,00"); }, "fODLEGLOSC",
             QStringLiteral("Niepoprawna długość trasy. Popraw pole.")},
            // Whichever VAT field is missing, the hand-over reading gets the focus.
            {[](TripFormValues& v) {
                 v.odleglosc = QStringLiteral("12,5");
                 v.prywLiczOd = QStringLiteral("1000");
                 v.prywLiczDo = QStringLiteral("1100");
             },
             "fPRYWLICZOD", kTripVatMessage},
            {[](TripFormValues& v) {
                 v.prywKto = QStringLiteral("Jan Obcy");
                 v.prywLiczDo = QStringLiteral(" ");
             },
             "fPRYWLICZOD", kTripVatMessage},
            {[](TripFormValues& v) {
                 v.prywLiczDo = QStringLiteral("1100");
                 v.prywLiczOd = QStringLiteral("tysiąc");
             },
             "fPRYWLICZOD",
             QStringLiteral(
                 "Niepoprawny stan licznika na dzień udostępnienia pojazdu. Popraw pole.")},
            {[](TripFormValues& v) {
                 v.prywLiczOd = QStringLiteral("1000");
                 v.prywLiczDo = QStringLiteral("-1");
             },
             "fPRYWLICZDO",
             QStringLiteral("Niepoprawny stan licznika na dzień zwrotu pojazdu. Popraw pole.")},
        };
        for (const auto& step : steps) {
            step.fix(v);
            const FormCheck c = checkTripForm(v);
            QVERIFY(!c.ok);
            QCOMPARE(c.field, QLatin1String(step.field));
            QCOMPARE(c.message, step.message);
        }
        v.prywLiczDo = QStringLiteral("1100,5");
        QVERIFY(checkTripForm(v).ok);
        // Not lent, the VAT fields are not looked at.
        v.pryw = QStringLiteral("N");
        v.prywLiczOd = QStringLiteral("x");
        QVERIFY(checkTripForm(v).ok);
    }

    void aSavedTripStoresWhatItsWindowMeans() {
        open(QStringLiteral("save"));
        data->addPerson(QStringLiteral("7"), QStringLiteral("Nowak"), QStringLiteral("Anna"));
        const int car = data->addVehicle(QStringLiteral("EL 1"), 1, 1400, QStringLiteral("7"));
        RegisterController reg(*db, RegisterId::Trips);
        ScriptedTripForm form;
        // The vehicle selector's vehicle comes with its driver.
        sharedFilters(*db).selectedVehicleId = car;
        QVERIFY(!add(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.vehicle, car);
        QCOMPARE(form.shown.driver, QStringLiteral("7"));
        QCOMPARE(form.shown.pryw, QStringLiteral("N"));
        QCOMPARE(form.setup.lists.value(QStringLiteral("IDPOJAZD")).value(0).extra,
                 QStringLiteral("7"));
        programOptions().cbSetNrRej = false;
        QVERIFY(!add(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.vehicle, 0);
        QCOMPARE(form.shown.driver, QString());

        // "12,5" and "12.5" store the same number; a cleared driver stores ''.
        TripFormValues comma = trip(car, QStringLiteral("01.03.2024"), QStringLiteral("12,5"));
        comma.driver = QStringLiteral("7");
        QVERIFY(add(reg, form, {comma}));
        const int first = reg.currentValue(QStringLiteral("IDPRZEJAZD")).toInt();
        TripFormValues point = trip(car, QStringLiteral("02.03.2024"), QStringLiteral(" 12.5 "));
        point.driver.clear();
        QVERIFY(add(reg, form, {point}));
        const int second = reg.currentValue(QStringLiteral("IDPRZEJAZD")).toInt();
        QVERIFY(second > first);
        QCOMPARE(stored(first).value(0, QStringLiteral("ODLEGLOSC")).toDouble(), 12.5);
        QCOMPARE(stored(second).value(0, QStringLiteral("ODLEGLOSC")).toDouble(), 12.5);
        QCOMPARE(stored(second).value(0, QStringLiteral("IDKIEROWCY")).toString(), QString());
        QVERIFY(!stored(second).value(0, QStringLiteral("IDKIEROWCY")).isNull());
        QCOMPARE(reg.currentValue(QStringLiteral("NAZWISKO")).toString(), QString());
        QVERIFY(reg.locate({first}));
        QCOMPARE(reg.currentValue(QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Nowak Anna (nr.ew. 7)"));

        // An unticked box stores "N", nobody and 0 readings, whatever its
        // disabled fields still hold, and hands nothing to the history.
        TripFormValues unticked = lent(trip(car, QStringLiteral("03.03.2024"), QStringLiteral("5")),
                                       QStringLiteral("1000"), QStringLiteral("1100"));
        unticked.pryw = QStringLiteral("N");
        QVERIFY(add(reg, form, {unticked}));
        const ResultSet u = stored(reg.currentValue(QStringLiteral("IDPRZEJAZD")).toInt());
        QCOMPARE(u.text(0, QStringLiteral("PRYW")), QStringLiteral("N"));
        QCOMPARE(u.text(0, QStringLiteral("PRYWKTO")), QString());
        QCOMPARE(u.value(0, QStringLiteral("PRYWLICZOD")).toDouble(), 0.0);
        QCOMPARE(u.value(0, QStringLiteral("PRYWLICZDO")).toDouble(), 0.0);
        QCOMPARE(data->history(car), QStringList());

        // A lent vehicle stores its fields; its return reading goes to the
        // history.
        QVERIFY(add(reg, form,
                    {lent(trip(car, QStringLiteral("04.03.2024"), QStringLiteral("100")),
                          QStringLiteral("1000"), QStringLiteral("1100,5"))}));
        const int lentId = reg.currentValue(QStringLiteral("IDPRZEJAZD")).toInt();
        const ResultSet l = stored(lentId);
        QCOMPARE(l.text(0, QStringLiteral("PRYW")), QStringLiteral("T"));
        QCOMPARE(l.text(0, QStringLiteral("PRYWKTO")), QStringLiteral("Jan Obcy"));
        QCOMPARE(l.value(0, QStringLiteral("PRYWLICZOD")).toDouble(), 1000.0);
        QCOMPARE(l.value(0, QStringLiteral("PRYWLICZDO")).toDouble(), 1100.5);
        QCOMPARE(data->history(car),
                 QStringList{QStringLiteral("20240304 1100.5 Przebieg z tabeli: PRZEJAZDY")});
        // Without the option, nothing is handed over.
        programOptions().cbKopiujPrzebiegDoHistorii = false;
        QVERIFY(edit(reg, form,
                     {lent(trip(car, QStringLiteral("04.03.2024"), QStringLiteral("100")),
                           QStringLiteral("1000"), QStringLiteral("1200"))}));
        QCOMPARE(data->history(car).size(), 1);
        programOptions().cbKopiujPrzebiegDoHistorii = true;

        // Editing opens the VAT fields of a lent trip only.
        QVERIFY(reg.locate({lentId}));
        QVERIFY(!edit(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.prywKto, QStringLiteral("Jan Obcy"));
        QCOMPARE(form.shown.prywLiczDo, QStringLiteral("1200,00"));
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYWKTO = 'stary wpis', PRYWLICZOD = 5 "
                                "WHERE IDPRZEJAZD = %1")
                     .arg(first));
        QVERIFY(reg.refresh() && reg.locate({first}));
        QVERIFY(!edit(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.pryw, QStringLiteral("N"));
        QCOMPARE(form.shown.prywKto, QString());
        QCOMPARE(form.shown.prywLiczOd, QString());
        QCOMPARE(form.shown.odleglosc, QStringLiteral("12,50"));
        QCOMPARE(form.shown.data, QStringLiteral("01.03.2024"));
    }

    void aLentVehiclesReadingsAreCheckedBeforeSaving() {
        open(QStringLiteral("sanity"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        data->addReading(car, 20240301, "10000");
        data->addReading(car, 20240501, "12000");
        RegisterController reg(*db, RegisterId::Trips);
        ScriptedTripForm form;
        // Returned with less than it left with: asked, "Nie" returns to the
        // window as typed and writes nothing.
        const TripFormValues backwards =
            lent(trip(car, QStringLiteral("01.04.2024"), QStringLiteral("50")),
                 QStringLiteral("11000"), QStringLiteral("10900"));
        env.ui().queueAnswer(false);
        QVERIFY(!add(reg, form, {backwards, std::nullopt}));
        QCOMPARE(form.shows, 2);
        QCOMPARE(form.shown, backwards);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        QVERIFY(env.ui().last().defaultNo);
        QVERIFY(env.ui().last().text.contains(
            QStringLiteral("mniej niż przy udostępnieniu pojazdu (11000,00 km)")));
        QCOMPARE(
            db->select(QStringLiteral("SELECT COUNT(*) FROM przejazdy.DB")).value(0, 0).toInt(), 0);
        // Readings that fit ask nothing; the trip is saved.
        env.ui().clear();
        QVERIFY(add(reg, form,
                    {lent(trip(car, QStringLiteral("01.04.2024"), QStringLiteral("50")),
                          QStringLiteral("11000"), QStringLiteral("11050"))}));
        QVERIFY(env.ui().messages().isEmpty());
        // Editing it checks against the others, not against itself.
        QVERIFY(edit(reg, form,
                     {lent(trip(car, QStringLiteral("01.04.2024"), QStringLiteral("60")),
                           QStringLiteral("11000"), QStringLiteral("11060"))}));
        QVERIFY(env.ui().messages().isEmpty());
    }

    void aFailedWriteKeepsTheTypedTrip() {
        open(QStringLiteral("failed"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        ScriptedTripForm form;
        db->exec(QStringLiteral("ALTER TABLE przejazdy.przejazdy RENAME TO zniknela"));
        const TripFormValues typed =
            lent(trip(car, QStringLiteral("05.03.2024"), QStringLiteral("42,5")),
                 QStringLiteral("100"), QStringLiteral("150"));
        QVERIFY(!add(reg, form, {typed, std::nullopt}));
        // Reported with the register's code, then the window again as typed.
        QCOMPARE(env.ui().last().caption, kDatabaseErrorCaption);
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000004201]")));
        QCOMPARE(form.shows, 2);
        QCOMPARE(form.shown, typed);
        QCOMPARE(data->history(car), QStringList()); // nothing handed on
        // Once the table is back, the same window saves.
        db->exec(QStringLiteral("ALTER TABLE przejazdy.zniknela RENAME TO przejazdy"));
        env.ui().clear();
        QVERIFY(add(reg, form, {typed}));
        QCOMPARE(reg.rowCount(), 1);
        QCOMPARE(data->history(car).size(), 1);
    }

    void listsOfTheWindow() {
        open(QStringLiteral("lists"));
        for (const char* purpose : {"Zakupy", "Klient", "Zakupy", "Ćwiczenia", "Szkolenie"})
            data->addDictionaryEntry(QStringLiteral("CELWY"), QString::fromUtf8(purpose));
        data->addDictionaryEntry(QStringLiteral("TRASY"), QStringLiteral("Łódź - Warszawa"),
                                 QStringLiteral("135,5"));
        data->addDictionaryEntry(QStringLiteral("TRASY"), QStringLiteral("Kutno - Łódź"),
                                 QStringLiteral("60"));
        const TripLists lists = loadTripLists(*db);
        QStringList purposes;
        for (const KeyedItem& i : lists.value(QStringLiteral("CELWYJAZDU")))
            purposes << i.text;
        // Each purpose once, in Polish order.
        QCOMPARE(purposes, (QStringList{QStringLiteral("Ćwiczenia"), QStringLiteral("Klient"),
                                        QStringLiteral("Szkolenie"), QStringLiteral("Zakupy")}));
        const QList<KeyedItem> routes = lists.value(QStringLiteral("TRASA"));
        QCOMPARE(routes.size(), 2);
        QCOMPARE(routes.at(0).text, QStringLiteral("Kutno - Łódź"));
        QCOMPARE(routes.at(1).extra, QStringLiteral("135,5"));
    }
};

QTEST_GUILESS_MAIN(TestTrips)
#include "tst_trips.moc"
