#include "ScriptedForm.h"
#include "trips/TripsFixture.h"

#include "framework/RegisterFilters.h"
#include "storage/ProgramOptions.h"
#include "subregisters/CalendarRegister.h"
#include "subregisters/SubregisterFields.h"

#include <QLocale>

using namespace kv;

namespace {

struct ScriptedCalendarForm : test::ScriptedForm<CalendarFormValues> {
    ScriptedCalendarForm()
        : ScriptedForm(
              [](CalendarFormValues& v, const FormSetup&) { return checkCalendarForm(v); }) {}
};

CalendarFormValues entry(const QString& from, const QString& to) {
    CalendarFormValues v = newCalendarDefaults();
    v.dataOd = from;
    v.dataDo = to;
    v.opis = QStringLiteral("Przegląd \"duży\"");
    return v;
}

} // namespace

// The calendar: its window's checks, the values the deadline checker reads
// (which date counts, the employee) and the grid.
class TestCalendar : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
        RegisterFilters(*db).selectMonthYear(0, 0);
    }
    int kindCode(const QString& text) {
        return db
            ->select(QStringLiteral("SELECT KOD FROM slowniki.DB WHERE IDSLOWNIK = 'RTERM' AND "
                                    "OPIS = :PARAM0"),
                     engine::positionalParams({text}))
            .value(0, 0)
            .toInt();
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

    void checksInOrder() {
        CalendarFormValues v = newCalendarDefaults();
        QCOMPARE(v.sprodDo, QStringLiteral("D"));
        QCOMPARE(v.liczterm, QStringLiteral("0,00"));
        v.liczterm = QStringLiteral("abc");
        FormCheck c = checkCalendarForm(v);
        QCOMPARE(v.liczterm, QStringLiteral("0,00"));
        QCOMPARE(c.field, QStringLiteral("fDATAOD"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty od. Popraw pole."));
        v.dataOd = QStringLiteral("10.05.2024");
        c = checkCalendarForm(v);
        QCOMPARE(c.field, QStringLiteral("fDATADO"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty do. Popraw pole."));
        v.dataDo = QStringLiteral("31.06.2024"); // June has 30 days
        QCOMPARE(checkCalendarForm(v).field, QStringLiteral("fDATADO"));

        // The same day is fine; a day earlier is not, and the focus goes to
        // the date from.
        v.dataDo = QStringLiteral("10.05.2024");
        QVERIFY(checkCalendarForm(v).ok);
        v.dataDo = QStringLiteral("09.05.2024");
        c = checkCalendarForm(v);
        QCOMPARE(c.field, QStringLiteral("fDATAOD"));
        QCOMPARE(c.message, QStringLiteral("Data od większa niż data do. Popraw pola."));
        // Compared as dates across a year's end, not as texts.
        v.dataOd = QStringLiteral("31.12.2023");
        v.dataDo = QStringLiteral("01.01.2024");
        QVERIFY(checkCalendarForm(v).ok);
    }

    void entriesStoreWhatTheCheckerReads() {
        open(QStringLiteral("calendar"));
        const int car = data->addVehicle(QStringLiteral("EL 5"));
        data->addPerson(QStringLiteral("7"), QStringLiteral("Nowak"), QStringLiteral("Anna"));
        data->addPerson(QStringLiteral("0"), QStringLiteral("Zero"), QStringLiteral("Jan"));
        data->addDictionaryEntry(kCalendarKindsCode, QStringLiteral("Przegląd"));
        data->addDictionaryEntry(kContractorsCode, QStringLiteral("Auto-Serwis"));
        const int inspection = kindCode(QStringLiteral("Przegląd"));
        RegisterController reg(*db, RegisterId::Calendar);
        QVERIFY(reg.refresh());
        const RegisterEditing<CalendarFormValues> e = calendarEditing(*db);
        ScriptedCalendarForm form;

        // "Datę od", with a kind, a vehicle, a person and a contractor.
        CalendarFormValues v = entry(QStringLiteral("10.05.2024"), QStringLiteral("10.05.2024"));
        v.sprodDo = kCheckDateFrom;
        v.rodzaj = inspection;
        v.vehicle = car;
        v.nrew = QStringLiteral("7");
        v.kontrahent = QStringLiteral("Nowy kontrahent");
        v.liczterm = QStringLiteral("15000,5");
        form.script = {v};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.setup.lists.value(QStringLiteral("SPRODDO")), calendarDateChoices());
        QCOMPARE(form.setup.lists.value(QStringLiteral("RODZAJTERMINU")),
                 (QList<KeyedItem>{{QString::number(inspection), QStringLiteral("Przegląd")}}));
        QCOMPARE(form.setup.lists.value(QStringLiteral("KONTRAHENT")).value(0).text,
                 QStringLiteral("Auto-Serwis"));
        QCOMPARE(form.setup.lists.value(QStringLiteral("NREW")).size(), 2);
        ResultSet r = db->select(QStringLiteral(
            "SELECT DATAOD, DATADO, SPRODDO, RODZAJTERMINU, IDPOJAZDU, NREW, KONTRAHENT, OPIS, "
            "LICZTERM FROM terminy.DB"));
        QCOMPARE(r.value(0, 0).toInt(), 20240510);
        QCOMPARE(r.value(0, 1).toInt(), 20240510);
        QCOMPARE(r.value(0, 2).toString(), QStringLiteral("O"));
        QCOMPARE(r.value(0, 3).toInt(), inspection);
        QCOMPARE(r.value(0, 4).toInt(), car);
        QCOMPARE(r.value(0, 5).toString(), QStringLiteral("7"));
        QCOMPARE(r.value(0, 6).toString(), QStringLiteral("Nowy kontrahent"));
        QCOMPARE(r.value(0, 7).toString(), QStringLiteral("Przegląd \"duży\""));
        QCOMPARE(r.value(0, 8).toDouble(), 15000.5);
        QCOMPARE(reg.currentValue(QStringLiteral("RODZAJ")).toString(), QStringLiteral("Przegląd"));
        QCOMPARE(reg.currentValue(QStringLiteral("POJAZD")).toString(), QStringLiteral("EL 5"));
        QCOMPARE(reg.currentValue(QStringLiteral("OSOBA")).toString(),
                 QStringLiteral("Nowak Anna (nr.ew. 7)"));

        // Edit shows "Datę od" again; clearing the employee, kind and
        // vehicle stores '' and 0, not the "0" that is employee number 0.
        form.script = {std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(form.shown.sprodDo, kCheckDateFrom);
        QCOMPARE(form.shown.liczterm, QStringLiteral("15000,50"));
        v = form.shown;
        v.nrew.clear();
        v.rodzaj = 0;
        v.vehicle = 0;
        v.kontrahent.clear();
        v.sprodDo = kCheckDateTo;
        form.script = {v};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        r = db->select(QStringLiteral(
            "SELECT SPRODDO, NREW, RODZAJTERMINU, IDPOJAZDU, KONTRAHENT FROM terminy.DB"));
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.value(0, 0).toString(), QStringLiteral("D"));
        QVERIFY(!r.value(0, 1).isNull());
        QCOMPARE(r.value(0, 1).toString(), QString());
        QCOMPARE(r.value(0, 2).toInt(), 0);
        QCOMPARE(r.value(0, 3).toInt(), 0);
        QCOMPARE(reg.currentValue(QStringLiteral("OSOBA")).toString(), QString());
        QCOMPARE(reg.currentValue(QStringLiteral("POJAZD")).toString(), QString());

        // A date to before the date from is refused: nothing more is written.
        form.script = {entry(QStringLiteral("10.05.2024"), QStringLiteral("09.05.2024"))};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(db->select(QStringLiteral("SELECT COUNT(*) FROM terminy.DB")).value(0, 0).toInt(),
                 1);
    }

    void storedOddValuesReadSoundly() {
        open(QStringLiteral("calendar-odd"));
        // Rows written by other versions: SPRODDO empty or NULL, NREW "0".
        db->exec(QStringLiteral("INSERT INTO terminy.DB (DATAOD, DATADO, SPRODDO, NREW) VALUES "
                                "(20240101, 20240102, NULL, '0')"));
        RegisterController reg(*db, RegisterId::Calendar);
        QVERIFY(reg.refresh());
        ScriptedCalendarForm form;
        form.script = {std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, calendarEditing(*db), false)));
        QCOMPARE(form.shown.sprodDo, kCheckDateTo);
        QCOMPARE(form.shown.dataOd, QStringLiteral("01.01.2024"));
        // Saved again, the entry gets a letter the checker understands.
        form.script = {form.shown};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, calendarEditing(*db), false)));
        QCOMPARE(
            db->select(QStringLiteral("SELECT SPRODDO FROM terminy.DB")).value(0, 0).toString(),
            QStringLiteral("D"));
    }

    void periodAndVehicleFilters() {
        open(QStringLiteral("calendar-filters"));
        const int car = data->addVehicle(QStringLiteral("EL 9"));
        for (const char* row : {"20240105, 20240110", "20240125, 20240205", "20240301, 20240301"})
            db->exec(QStringLiteral("INSERT INTO terminy.DB (DATAOD, DATADO, SPRODDO, IDPOJAZDU, "
                                    "NREW) VALUES (%1, 'D', %2, '')")
                         .arg(QLatin1String(row))
                         .arg(car));
        db->exec(QStringLiteral("INSERT INTO terminy.DB (DATAOD, DATADO, SPRODDO, IDPOJAZDU, NREW) "
                                "VALUES (20240106, 20240107, 'O', 0, '')"));
        RegisterController reg(*db, RegisterId::Calendar);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 4);
        // A month shows what starts and ends within it.
        RegisterFilters(*db).selectMonthYear(1, 2024);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 2);
        RegisterFilters(*db).selectVehicle(QStringLiteral("EL 9"));
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 1);
        // A date range includes its bounds.
        RegisterFilters(*db).selectDateRange(QStringLiteral("25.01.2024"),
                                             QStringLiteral("01.03.2024"));
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestCalendar)
#include "tst_calendar.moc"
