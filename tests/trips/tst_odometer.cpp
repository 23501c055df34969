#include "ScriptedForm.h"
#include "TripsFixture.h"

#include "framework/DisplayFormatters.h"
#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "storage/ProgramOptions.h"
#include "storage/Query.h"
#include "support/Clock.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"
#include "trips/OdometerRegister.h"
#include "trips/OdometerSheets.h"

using namespace kv;

namespace {

// An odometer window that answers from a script; like the real one it
// confirms only what passes the checks, as the checks rewrote it.
struct ScriptedOdometerForm : test::ScriptedForm<OdometerFormValues> {
    ScriptedOdometerForm()
        : ScriptedForm(
              [](OdometerFormValues& v, const FormSetup&) { return checkOdometerForm(v); }) {}
};

OdometerFormValues reading(int vehicle, const QString& date, const QString& km) {
    OdometerFormValues v = newOdometerDefaults();
    v.vehicle = vehicle;
    v.data = date;
    v.licznik = km;
    return v;
}

Decimal dec(const char* text) {
    return *Decimal::parse(QString::fromUtf8(text));
}

OdometerReading at(int date, const char* km, const char* where = "Historia przebiegów") {
    return {date, dec(km), QString::fromUtf8(where)};
}

QStringList problems(const QList<ReadingFinding>& findings) {
    QStringList out;
    for (const ReadingFinding& f : findings)
        out << QStringLiteral("%1 %2/%3 %4")
                   .arg(int(f.problem))
                   .arg(f.reading.date)
                   .arg(f.reading.reading.toSql())
                   .arg(f.other.reading.toSql());
    return out;
}

} // namespace

// The odometer history: its register, the copy of readings typed elsewhere,
// the current mileage, and the check of a reading against the vehicle's
// other readings.
class TestOdometer : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
        registerState(*db, RegisterId::Odometer).periodFragment.clear();
    }
    bool add(RegisterController& reg, ScriptedOdometerForm& form,
             QList<std::optional<OdometerFormValues>> script, bool copy = false) {
        form.script = std::move(script);
        const RegisterEditing<OdometerFormValues> e = odometerEditing(*db);
        return runAdd(reg, registerEditSteps(reg, form, e, true), copy);
    }
    bool edit(RegisterController& reg, ScriptedOdometerForm& form,
              QList<std::optional<OdometerFormValues>> script) {
        form.script = std::move(script);
        const RegisterEditing<OdometerFormValues> e = odometerEditing(*db);
        return runEdit(reg, registerEditSteps(reg, form, e, false));
    }
    int readingCount() {
        return db->select(QStringLiteral("SELECT COUNT(*) FROM przebiegi.DB")).value(0, 0).toInt();
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

    void historyCopyAddsOnlyWhatDoesNotGoBackwards() {
        open(QStringLiteral("copy"));
        Clock::setFixed(QDateTime(QDate(2024, 6, 14), QTime(9, 0)));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        const int other = data->addVehicle(QStringLiteral("EL 2"));
        data->addReading(car, 20240101, "1000");
        data->addReading(car, 20240201, "1500");
        const QString date = QStringLiteral("01.03.2024");
        QCOMPARE(copyReadingToHistory(*db, car, date, QStringLiteral("KOSZTY"),
                                      QStringLiteral("1499,99")),
                 HistoryCopy::Lower);
        // An equal reading is added again.
        QCOMPARE(
            copyReadingToHistory(*db, car, date, QStringLiteral("NAPRAWY"), QStringLiteral("1500")),
            HistoryCopy::Added);
        QCOMPARE(copyReadingToHistory(*db, car, date, QStringLiteral("KOSZTY"),
                                      QStringLiteral("1600,5")),
                 HistoryCopy::Added);
        // No date: today.
        QCOMPARE(copyReadingToHistory(*db, car, QStringLiteral("  .  .    "),
                                      QStringLiteral("WYPOSAŻENIE"), QStringLiteral("1700")),
                 HistoryCopy::Added);
        // No number or no vehicle: nothing, and nothing said.
        QCOMPARE(
            copyReadingToHistory(*db, car, date, QStringLiteral("KOSZTY"), QStringLiteral("abc")),
            HistoryCopy::NoReading);
        QCOMPARE(copyReadingToHistory(*db, car, date, QStringLiteral("KOSZTY"), QString()),
                 HistoryCopy::NoReading);
        QCOMPARE(
            copyReadingToHistory(*db, 0, date, QStringLiteral("KOSZTY"), QStringLiteral("9999")),
            HistoryCopy::NoVehicle);
        QCOMPARE(data->history(car),
                 (QStringList{QStringLiteral("20240101 1000"), QStringLiteral("20240201 1500"),
                              QStringLiteral("20240301 1500 Przebieg z tabeli: NAPRAWY"),
                              QStringLiteral("20240301 1600.5 Przebieg z tabeli: KOSZTY"),
                              QStringLiteral("20240614 1700 Przebieg z tabeli: WYPOSAŻENIE")}));
        // A vehicle without readings takes any reading, 0 included.
        QCOMPARE(
            copyReadingToHistory(*db, other, date, QStringLiteral("KOSZTY"), QStringLiteral("0")),
            HistoryCopy::Added);
        QVERIFY(env.ui().messages().isEmpty());

        // The option decides for the callers.
        programOptions().cbKopiujPrzebiegDoHistorii = false;
        offerReadingToHistory(*db, car, date, QStringLiteral("KOSZTY"), QStringLiteral("5000"));
        QCOMPARE(data->history(car).size(), 5);
        programOptions().cbKopiujPrzebiegDoHistorii = true;
        offerReadingToHistory(*db, car, date, QStringLiteral("KOSZTY"), QStringLiteral("5000"));
        QCOMPARE(data->history(car).size(), 6);

        // A failure is logged, never shown.
        db->exec(QStringLiteral("DROP TABLE przebiegi.przebiegi"));
        QCOMPARE(
            copyReadingToHistory(*db, car, date, QStringLiteral("KOSZTY"), QStringLiteral("6000")),
            HistoryCopy::Failed);
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000562056]")));
    }

    void currentMileage() {
        open(QStringLiteral("mileage"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        const int van = data->addVehicle(QStringLiteral("EL 2"));
        const int idle = data->addVehicle(QStringLiteral("EL 3"));
        data->addReading(car, 20240101, "1500.25");
        data->addReading(car, 20240301, "900"); // typed lower on purpose
        data->addReading(van, 20240101, "0");
        const QHash<int, Decimal> all = currentMileages(*db);
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.value(car), dec("1500.25"));
        QCOMPARE(all.value(van), Decimal());
        QVERIFY(!all.contains(idle));
        QCOMPARE(kv::currentMileage(*db, car), std::optional<Decimal>(dec("1500.25")));
        QCOMPARE(kv::currentMileage(*db, van), std::optional<Decimal>(Decimal()));
        // None is not 0.
        QCOMPARE(kv::currentMileage(*db, idle), std::optional<Decimal>());
    }

    void registerAddsEditsAndCopiesReadings() {
        open(QStringLiteral("register"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        const int van = data->addVehicle(QStringLiteral("EL 2"));
        RegisterController reg(*db, RegisterId::Odometer);
        QVERIFY(reg.refresh());
        ScriptedOdometerForm form;

        // A new reading: 0,00, "Pozostałe", the selector's vehicle.
        sharedFilters(*db).selectedVehicleId = van;
        QVERIFY(!add(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.licznik, QStringLiteral("0,00"));
        QCOMPARE(form.shown.dotyczy, 0);
        QCOMPARE(form.shown.vehicle, van);
        QCOMPARE(form.shown.data, QString());
        QCOMPARE(form.setup.lists.value(QStringLiteral("IDPOJAZD")).size(), 2);
        programOptions().cbSetNrRej = false;
        QVERIFY(!add(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.vehicle, 0);

        OdometerFormValues v =
            reading(car, QStringLiteral("15.03.2024"), QStringLiteral("12345,678"));
        v.dotyczy = 1;
        v.uwagi = QStringLiteral("Początek ewidencji");
        QVERIFY(add(reg, form, {v}));
        QCOMPARE(reg.currentValue(QStringLiteral("LICZNIK")).toDouble(), 12345.68);
        QCOMPARE(reg.currentValue(QStringLiteral("NRREJ")).toString(), QStringLiteral("EL 1"));
        QCOMPARE(formatCell(reg.descriptor().columns.at(4),
                            reg.currentValue(QStringLiteral("ODOTYCZY"))),
                 QStringLiteral("Rozpoczęcie prowadzenia ewidencji VAT"));
        const int first = reg.currentValue(QStringLiteral("IDPRZEBIEGI")).toInt();

        // A reading of 0 is accepted; copy starts from the current row.
        QVERIFY(add(reg, form, {reading(van, QStringLiteral("16.03.2024"), QStringLiteral("0"))}));
        QVERIFY(reg.locate({first}));
        QVERIFY(!add(reg, form, {std::nullopt}, true));
        QCOMPARE(form.shown.licznik, QStringLiteral("12345,68"));
        QCOMPARE(form.shown.dotyczy, 1);
        OdometerFormValues copy = form.shown;
        copy.data = QStringLiteral("20.03.2024");
        copy.licznik = QStringLiteral("12500");
        QVERIFY(add(reg, form, {copy}, true));
        QCOMPARE(readingCount(), 3);
        QVERIFY(reg.currentValue(QStringLiteral("IDPRZEBIEGI")).toInt() > first);

        // Editing changes the row in place and keeps the cursor on it.
        QVERIFY(reg.locate({first}));
        v.licznik = QStringLiteral("12000");
        v.dotyczy = 3;
        QVERIFY(edit(reg, form, {v}));
        QCOMPARE(reg.currentValue(QStringLiteral("IDPRZEBIEGI")).toInt(), first);
        QCOMPARE(reg.currentValue(QStringLiteral("DOTYCZY")).toInt(), 3);
        QCOMPARE(readingCount(), 3);

        // A stored kind outside the list shows and opens as "Pozostałe".
        db->exec(QStringLiteral("UPDATE przebiegi.DB SET DOTYCZY = 7"));
        QVERIFY(reg.refresh() && reg.locate({first}));
        QCOMPARE(formatCell(reg.descriptor().columns.at(4),
                            reg.currentValue(QStringLiteral("ODOTYCZY"))),
                 QStringLiteral("Pozostałe"));
        QVERIFY(!edit(reg, form, {std::nullopt}));
        QCOMPARE(form.shown.dotyczy, 0);

        // The vehicle selector narrows the grid.
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("EL 2"));
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 1);
    }

    void checksInTheirOrder() {
        OdometerFormValues v = reading(0, QStringLiteral("  .  .    "), QStringLiteral(" "));
        FormCheck c = checkOdometerForm(v);
        // The reading is rewritten first, whatever the checks find.
        QCOMPARE(v.licznik, QStringLiteral("0,00"));
        QCOMPARE(c.field, QStringLiteral("fDATA"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty. Popraw pole."));
        v.data = QStringLiteral("30.02.2024");
        QCOMPARE(checkOdometerForm(v).field, QStringLiteral("fDATA"));
        v.data = QStringLiteral("29.02.2024");
        c = checkOdometerForm(v);
        QCOMPARE(c.field, QStringLiteral("fNRREJ"));
        QCOMPARE(c.message, QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
        v.vehicle = 1;
        QVERIFY(checkOdometerForm(v).ok);
        v.licznik = QStringLiteral("12.5");
        QVERIFY(checkOdometerForm(v).ok);
        QCOMPARE(v.licznik, QStringLiteral("12,50"));
        // A text that is no number is refused, not stored as 0.
        for (const char* bad : {"12o00", "-5"}) {
            v.licznik = QLatin1String(bad);
            c = checkOdometerForm(v);
            QCOMPARE(c.field, QStringLiteral("fLICZNIK"));
            QCOMPARE(c.message, QStringLiteral("Niepoprawny stan licznika. Popraw pole."));
        }
    }

    void aReadingIsCheckedAgainstTheOthers() {
        // 10,000 km on 1 March and 12,000 km on 1 May.
        const QList<OdometerReading> others{at(20240301, "10000"), at(20240501, "12000", "Koszty")};
        auto check = [&others](int date, const char* km) {
            return problems(checkReading(others, at(date, km)));
        };
        QCOMPARE(check(20240401, "11000"), QStringList());
        QCOMPARE(check(20240401, "10000"), QStringList());
        QCOMPARE(check(20240401, "12000"), QStringList());
        QCOMPARE(check(20240401, "9000"), QStringList{QStringLiteral("0 20240401/9000 10000")});
        QCOMPARE(check(20240401, "13000"), QStringList{QStringLiteral("1 20240401/13000 12000")});
        // 2,000 km in one day.
        QCOMPARE(check(20240302, "12000"), QStringList{QStringLiteral("2 20240302/12000 10000")});
        QCOMPARE(check(20240302, "11500"), QStringList());
        // 2,000 km before the next reading, one day later.
        QCOMPARE(check(20240430, "10000"), QStringList{QStringLiteral("2 20240430/10000 12000")});
        // Before the first reading and after the last.
        QCOMPARE(check(20240201, "10001"), QStringList{QStringLiteral("1 20240201/10001 10000")});
        QCOMPARE(check(20240601, "11999"), QStringList{QStringLiteral("0 20240601/11999 12000")});
        // The same day as another reading: the order within the day is not
        // known, but one day's limit holds.
        QCOMPARE(check(20240301, "9500"), QStringList());
        QCOMPARE(check(20240301, "11600"), QStringList{QStringLiteral("2 20240301/11600 10000")});
        // Of several readings on the neighbouring day, the greatest earlier
        // and the smallest later count.
        QList<OdometerReading> more = others;
        more << at(20240301, "10800") << at(20240501, "11900");
        QCOMPARE(problems(checkReading(more, at(20240401, "10700"))),
                 QStringList{QStringLiteral("0 20240401/10700 10800")});
        QCOMPARE(problems(checkReading(more, at(20240401, "11950"))),
                 QStringList{QStringLiteral("1 20240401/11950 11900")});
        // No reading, no date: nothing to check.
        QCOMPARE(check(20240401, "0"), QStringList());
        QCOMPARE(check(20240231, "1"), QStringList());
        // A lower daily limit.
        QCOMPARE(problems(checkReading(others, at(20240302, "10600"), dec("500"))).size(), 1);
    }

    void theRegisterAsksBeforeSavingAReadingThatDoesNotFit() {
        open(QStringLiteral("sanity"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        const int march = data->addReading(car, 20240301, "10000");
        const int may = data->addReading(car, 20240501, "12000");
        RegisterController reg(*db, RegisterId::Odometer);
        QVERIFY(reg.refresh());
        ScriptedOdometerForm form;

        for (const auto& [date, km] :
             {std::pair{"01.04.2024", "9000"}, {"01.04.2024", "13000"}, {"02.03.2024", "12000"}}) {
            env.ui().clear();
            env.ui().queueAnswer(false);
            form.shows = 0;
            QVERIFY(!add(reg, form,
                         {reading(car, QLatin1String(date), QLatin1String(km)), std::nullopt}));
            QCOMPARE(env.ui().messages().size(), 1);
            QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
            QVERIFY(env.ui().last().text.endsWith(QStringLiteral("Czy mimo to zapisać?")));
            // "Nie": the window again as typed, nothing written.
            QCOMPARE(form.shows, 2);
            QCOMPARE(form.shown.licznik, QString(QLatin1String(km)) + QStringLiteral(",00"));
            QCOMPARE(readingCount(), 2);
        }
        const QString question = env.ui().last().text;
        QVERIFY2(question.contains(QStringLiteral("Stan licznika 12000,00 km z dnia 02.03.2024:")),
                 qPrintable(question));
        QVERIFY2(question.contains(QStringLiteral(
                     "– 2000,00 km różnicy względem 10000,00 km z dnia 01.03.2024 (Historia "
                     "przebiegów) w ciągu 1 dnia, a to ponad 1500 km na dzień")),
                 qPrintable(question));

        // "Tak" saves it after all.
        env.ui().clear();
        env.ui().queueAnswer(true);
        QVERIFY(
            add(reg, form, {reading(car, QStringLiteral("01.04.2024"), QStringLiteral("9000"))}));
        QCOMPARE(readingCount(), 3);
        db->exec(QStringLiteral("DELETE FROM przebiegi.DB WHERE IDPRZEBIEGI NOT IN (%1, %2)")
                     .arg(march)
                     .arg(may));

        // A fitting reading asks nothing; editing the 12,000 row to 14,000
        // is not checked against itself.
        env.ui().clear();
        QVERIFY(
            add(reg, form, {reading(car, QStringLiteral("01.04.2024"), QStringLiteral("11000"))}));
        QVERIFY(reg.locate({may}));
        QVERIFY(
            edit(reg, form, {reading(car, QStringLiteral("01.05.2024"), QStringLiteral("14000"))}));
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(reg.currentValue(QStringLiteral("LICZNIK")).toDouble(), 14000.0);
    }

    void readingsOfEveryRegisterCount() {
        open(QStringLiteral("sources"));
        const int car = data->addVehicle(QStringLiteral("EL 1"));
        const int van = data->addVehicle(QStringLiteral("EL 2"));
        data->addReading(car, 20240101, "1000");
        data->addReading(car, 20240102, "-5"); // no reading
        data->addReading(van, 20240103, "99999");
        db->exec(QStringLiteral("INSERT INTO koszty.DB (IDPOJAZD, DATA, LICZNIK) VALUES (%1, "
                                "20240110, 1100), (%1, 20240111, 0)")
                     .arg(car));
        db->exec(QStringLiteral("INSERT INTO naprawy.DB (IDPOJAZD, DATA, LICZNIK) VALUES (%1, 0, "
                                "5000)")
                     .arg(car)); // no date: cannot be placed
        db->exec(QStringLiteral("INSERT INTO kartydrogowe.DB (IDPOJAZD, DATASTART, LICZSTART, "
                                "DATAEND, LICZEND) VALUES (%1, 20240112, 1150, 20240113, 1200)")
                     .arg(car));
        db->exec(QStringLiteral("INSERT INTO zuzyciekmlpg.DB (IDPOJAZD, DATA, LICZNIK) VALUES (%1, "
                                "20240114, 1250)")
                     .arg(car));
        db->exec(QStringLiteral("INSERT INTO zuzyciemth.DB (IDPOJAZD, DATA, LICZNIK) VALUES (%1, "
                                "20240115, 3)")
                     .arg(car)); // engine hours
        data->addTrip(car, 20240116, "10");
        const int lentTrip = data->addTrip(car, 20240117, "10");
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYW = 'T', PRYWLICZOD = 1300, "
                                "PRYWLICZDO = 1310 WHERE IDPRZEJAZD = %1")
                     .arg(lentTrip));
        QStringList seen;
        for (const OdometerReading& r : vehicleReadings(*db, car))
            seen << QStringLiteral("%1 %2 %3").arg(r.date).arg(r.reading.toSql(), r.registerName);
        seen.sort();
        QCOMPARE(seen, (QStringList{QStringLiteral("20240101 1000 Historia przebiegów"),
                                    QStringLiteral("20240110 1100 Koszty"),
                                    QStringLiteral("20240112 1150 Karty drogowe"),
                                    QStringLiteral("20240113 1200 Karty drogowe"),
                                    QStringLiteral("20240114 1250 Zużycie paliwa - km (LPG)"),
                                    QStringLiteral("20240117 1300 Przejazdy"),
                                    QStringLiteral("20240117 1310 Przejazdy")}));
        // The edited row is left out.
        QCOMPARE(vehicleReadings(*db, car, {QStringLiteral("przejazdy"), lentTrip}).size(), 5);
        QCOMPARE(allVehicleReadings(*db).value(van).size(), 1);
    }

    void sheetsOfTheCommandLineTool() {
        open(QStringLiteral("sheets"));
        const int car = data->addVehicle(QStringLiteral("EL 2"));
        const int van = data->addVehicle(QStringLiteral("EL 10"));
        data->addVehicle(QStringLiteral("EL 1"));
        const char* readings[] = {"1000", "1500", "150000", "1600", "1700"};
        for (int day = 0; day < 5; ++day)
            data->addReading(car, 20240101 + day, readings[day]);
        data->addReading(van, 20240101, "500");
        db->exec(QStringLiteral("INSERT INTO koszty.DB (IDPOJAZD, DATA, LICZNIK) VALUES (%1, "
                                "20240102, 2600.5)")
                     .arg(van));
        QCOMPARE(currentMileageTitles(),
                 (QStringList{QStringLiteral("Nr Rej."), QStringLiteral("Marka"),
                              QStringLiteral("Przebieg")}));
        // Every vehicle in registration number order; none without readings.
        QCOMPARE(
            currentMileageRows(*db),
            (QList<QStringList>{
                {QStringLiteral("EL 1"), QStringLiteral("Skoda"), QString()},
                {QStringLiteral("EL 10"), QStringLiteral("Skoda"), QStringLiteral("500,00")},
                {QStringLiteral("EL 2"), QStringLiteral("Skoda"), QStringLiteral("150000,00")}}));
        const QList<QStringList> all = readingCheckRows(*db);
        QCOMPARE(all.size(), 2);
        QCOMPARE(all.at(0).mid(0, 4),
                 (QStringList{QStringLiteral("EL 10"), QStringLiteral("02.01.2024"),
                              QStringLiteral("2600,50"), QStringLiteral("Koszty")}));
        QVERIFY(all.at(0).at(4).startsWith(QStringLiteral("2100,50 km różnicy")));
        QCOMPARE(all.at(1).mid(0, 4),
                 (QStringList{QStringLiteral("EL 2"), QStringLiteral("03.01.2024"),
                              QStringLiteral("150000,00"), QStringLiteral("Historia przebiegów")}));
        QVERIFY(all.at(1).at(4).startsWith(QStringLiteral("Nie pasuje")));
        // One vehicle, and a higher limit.
        QCOMPARE(readingCheckRows(*db, car).size(), 1);
        QCOMPARE(readingCheckRows(*db, van, dec("3000")), QList<QStringList>());
    }

    void listingNamesTheFewestReadingsThatBreakTheOrder() {
        // One outlier among rising readings.
        const QList<OdometerReading> days{at(20240101, "1000"), at(20240102, "1500"),
                                          at(20240103, "150000"), at(20240104, "1600"),
                                          at(20240105, "1700")};
        QCOMPARE(problems(implausibleReadings(days)),
                 QStringList{QStringLiteral("4 20240103/150000 1500")});
        // Order of typing does not matter, only dates do.
        QList<OdometerReading> shuffled{days.at(3), days.at(0), days.at(4), days.at(2), days.at(1)};
        QCOMPARE(problems(implausibleReadings(shuffled)),
                 QStringList{QStringLiteral("4 20240103/150000 1500")});
        // A step over the daily limit between readings that stay.
        const QList<OdometerReading> jump{at(20240101, "1000"), at(20240102, "2600"),
                                          at(20240112, "3000")};
        QCOMPARE(problems(implausibleReadings(jump)),
                 QStringList{QStringLiteral("2 20240102/2600 1000")});
        // Ten days allow 15,000 km.
        QCOMPARE(problems(implausibleReadings({at(20240101, "1000"), at(20240111, "16000")})),
                 QStringList());
        QCOMPARE(problems(implausibleReadings({})), QStringList());
        const ReadingFinding f = implausibleReadings(days).first();
        QCOMPARE(describeFinding(f, kDefaultMaxKmPerDay),
                 QStringLiteral("nie pasuje do kolejności pozostałych odczytów pojazdu (poprzedni: "
                                "1500,00 km z dnia 02.01.2024 (Historia przebiegów))"));
    }
};

QTEST_GUILESS_MAIN(TestOdometer)
#include "tst_odometer.moc"
