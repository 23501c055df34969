#include "FleetFixture.h"
#include "ScriptedForm.h"

#include "fleet/EmployeeRegister.h"
#include "fleet/VehicleRegister.h"
#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "framework/RegisterTableModel.h"

using namespace kv;

namespace {

// An employee window that answers from a script; it hands the values back as
// typed, so whatever the register does with them is its own doing.
struct ScriptedEmployeeForm : test::ScriptedForm<EmployeeFormValues> {
    ScriptedEmployeeForm()
        : ScriptedForm([](EmployeeFormValues& v, const FormSetup&) { return checkEmployeeForm(v); },
                       true) {}
};

EmployeeFormValues person(const QString& number, const QString& surname,
                          const QString& firstName = QStringLiteral("Jan")) {
    EmployeeFormValues v;
    v.nrew = number;
    v.nazwisko = surname;
    v.imie = firstName;
    v.miasto = QStringLiteral("Łódź");
    return v;
}

const QString kDuplicate = QStringLiteral("Istnieje już osoba o podanym numerze ewidencyjnym.");

} // namespace

class TestEmployees : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    bool add(RegisterController& reg, ScriptedEmployeeForm& form,
             QList<std::optional<EmployeeFormValues>> script, bool copy = false) {
        form.script = std::move(script);
        return runAdd(reg, employeeAddSteps(reg, form), copy);
    }
    bool edit(RegisterController& reg, ScriptedEmployeeForm& form,
              QList<std::optional<EmployeeFormValues>> script, bool numberChangeAllowed) {
        form.script = std::move(script);
        return runEdit(reg, employeeEditSteps(reg, form, numberChangeAllowed));
    }
    QStringList numbers() {
        QStringList out;
        const ResultSet r = db->select(QStringLiteral("SELECT NREW FROM osobowa.DB ORDER BY NREW"));
        for (int i = 0; i < r.rowCount(); ++i)
            out.append(r.text(i, QStringLiteral("NREW")));
        return out;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void checksInTheirOrder() {
        EmployeeFormValues v = person(QStringLiteral("   "), QStringLiteral(" "));
        FormCheck c = checkEmployeeForm(v);
        QCOMPARE(c.field, QStringLiteral("fNREW"));
        QCOMPARE(c.message, QStringLiteral("Nie wprowadzono numeru ewidencyjnego. Popraw pole."));
        v.nrew = QStringLiteral(" 7 ");
        c = checkEmployeeForm(v);
        QCOMPARE(c.field, QStringLiteral("fNAZWISKO"));
        QCOMPARE(c.message, QStringLiteral("Nie wprowadzono nazwiska. Popraw pole."));
        QCOMPARE(v.nrew, QStringLiteral(" 7 ")); // a refused window keeps what was typed
        v.nazwisko = QStringLiteral(" Nowak ");
        QVERIFY(checkEmployeeForm(v).ok);
        QCOMPARE(v.nrew, QStringLiteral("7"));
        QCOMPARE(v.nazwisko, QStringLiteral(" Nowak ")); // only the number is trimmed
    }

    void newNumberIsTrimmedBeforeTheDuplicateTestAndTheInsert() {
        db = test::openTemplateCompany(env, QStringLiteral("trim"));
        QVERIFY(db);
        RegisterController reg(*db, RegisterId::Employees);
        QVERIFY(reg.refresh());
        ScriptedEmployeeForm form;
        QVERIFY(add(reg, form, {person(QStringLiteral("  E1 "), QStringLiteral("Kowalski"))}));
        QVERIFY(form.editable(QStringLiteral("NREW")));
        QCOMPARE(numbers(), QStringList{QStringLiteral("E1")});
        QCOMPARE(reg.currentValue(QStringLiteral("NREW")).toString(), QStringLiteral("E1"));

        // The same number with other blanks is a duplicate: refused with the
        // message (not a failed insert), and the window comes back as typed.
        env.ui().clear();
        const EmployeeFormValues again = person(QStringLiteral("E1  "), QStringLiteral("Nowak"));
        QVERIFY(!add(reg, form, {again, std::nullopt}));
        QCOMPARE(form.shows, 3);
        QCOMPARE(form.shown, again);
        QCOMPARE(env.ui().texts(), QStringList{kDuplicate});
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        QCOMPARE(numbers(), QStringList{QStringLiteral("E1")});

        // Copy starts from the current record with the number open to change.
        form.shows = 0;
        QVERIFY(!add(reg, form, {std::nullopt}, true));
        QCOMPARE(form.shown.nazwisko, QStringLiteral("Kowalski"));
        QVERIFY(form.editable(QStringLiteral("NREW")));
        EmployeeFormValues copy = form.shown;
        copy.nrew = QStringLiteral("E2");
        QVERIFY(add(reg, form, {copy}, true));
        const ResultSet r =
            db->select(QStringLiteral("SELECT * FROM osobowa.DB WHERE NREW = 'E2'"));
        QCOMPARE(r.text(0, QStringLiteral("MIASTO")), QStringLiteral("Łódź"));
        QCOMPARE(reg.currentValue(QStringLiteral("NREW")).toString(), QStringLiteral("E2"));
    }

    void numberStaysOnEditWithoutTheOption() {
        db = test::openTemplateCompany(env, QStringLiteral("option"));
        RegisterController reg(*db, RegisterId::Employees);
        ScriptedEmployeeForm form;
        QVERIFY(add(reg, form, {person(QStringLiteral("A1"), QStringLiteral("Adamski"))}));

        // Whatever the window answers, the record keeps its number.
        QVERIFY(edit(reg, form, {person(QStringLiteral("ZZ"), QStringLiteral("Adamczyk"))}, false));
        QVERIFY(!form.editable(QStringLiteral("NREW")));
        QCOMPARE(numbers(), QStringList{QStringLiteral("A1")});
        QCOMPARE(reg.currentValue(QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Adamczyk"));

        // With the option the number changes, the old one is gone and the
        // cursor follows the new one.
        QVERIFY(add(reg, form, {person(QStringLiteral("B1"), QStringLiteral("Bąk"))}));
        QVERIFY(reg.locate({QStringLiteral("A1")}));
        QVERIFY(
            edit(reg, form, {person(QStringLiteral(" A2 "), QStringLiteral("Adamczyk"))}, true));
        QVERIFY(form.editable(QStringLiteral("NREW")));
        QCOMPARE(numbers(), (QStringList{QStringLiteral("A2"), QStringLiteral("B1")}));
        QCOMPARE(reg.currentValue(QStringLiteral("NREW")).toString(), QStringLiteral("A2"));
    }

    void changingToAnExistingNumberIsRefused() {
        db = test::openTemplateCompany(env, QStringLiteral("existing"));
        RegisterController reg(*db, RegisterId::Employees);
        ScriptedEmployeeForm form;
        QVERIFY(add(reg, form, {person(QStringLiteral("1"), QStringLiteral("Abacki"))}));
        QVERIFY(add(reg, form, {person(QStringLiteral("2"), QStringLiteral("Babacki"))}));
        env.ui().clear();
        QVERIFY(!edit(reg, form,
                      {person(QStringLiteral("1"), QStringLiteral("Zmieniony")), std::nullopt},
                      true));
        QCOMPARE(env.ui().texts(), QStringList{kDuplicate});
        const ResultSet r =
            db->select(QStringLiteral("SELECT NAZWISKO FROM osobowa.DB ORDER BY NREW"));
        QCOMPARE(r.text(0, QStringLiteral("NAZWISKO")), QStringLiteral("Abacki"));
        QCOMPARE(r.text(1, QStringLiteral("NAZWISKO")), QStringLiteral("Babacki"));

        // The record's own number with blanks around it is no change.
        env.ui().clear();
        QVERIFY(edit(reg, form, {person(QStringLiteral(" 2 "), QStringLiteral("Cabacki"))}, true));
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(numbers(), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    }

    void quotedPolishNumberEndToEnd() {
        db = test::openTemplateCompany(env, QStringLiteral("quotes"));
        RegisterController reg(*db, RegisterId::Employees);
        ScriptedEmployeeForm form;
        const QString nasty = QStringLiteral("Ż'\"ść; --1");
        QVERIFY(add(reg, form, {person(QStringLiteral("ZWYKŁY"), QStringLiteral("Zwykły"))}));
        QVERIFY(
            add(reg, form, {person(nasty, QStringLiteral("O'Brień"), QStringLiteral("\"Ala\""))}));
        QCOMPARE(reg.currentValue(QStringLiteral("NREW")).toString(), nasty);
        QVERIFY(reg.locate({QStringLiteral("ZWYKŁY")}));
        QVERIFY(reg.locate({nasty}));

        env.ui().clear();
        QVERIFY(!add(reg, form, {person(nasty, QStringLiteral("Drugi")), std::nullopt}));
        QCOMPARE(env.ui().texts(), QStringList{kDuplicate});

        QVERIFY(edit(reg, form, {person(nasty, QStringLiteral("Ó'Brień"))}, false));
        QCOMPARE(reg.currentValue(QStringLiteral("NREW")).toString(), nasty);
        QCOMPARE(reg.currentValue(QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Ó'Brień"));

        QCOMPARE(reg.deleteCurrent(false), RegisterController::DeleteResult::Deleted);
        QCOMPARE(numbers(), QStringList{QStringLiteral("ZWYKŁY")});
        QVERIFY(!reg.locate({nasty}));
    }

    void gridAndListsShowThePerson() {
        db = test::openTemplateCompany(env, QStringLiteral("grid"));
        RegisterController reg(*db, RegisterId::Employees);
        ScriptedEmployeeForm form;
        QVERIFY(add(
            reg, form,
            {person(QStringLiteral("2"), QStringLiteral("Zieliński"), QStringLiteral("Piotr"))}));
        QVERIFY(
            add(reg, form,
                {person(QStringLiteral("1"), QStringLiteral("Adamska"), QStringLiteral("Ewa"))}));
        // Sorted by surname, ascending, on every refresh.
        QCOMPARE(reg.query().result()->text(0, QStringLiteral("NREW")), QStringLiteral("1"));
        RegisterTableModel model(reg.descriptor());
        model.setRows(reg.query().result());
        QCOMPARE(model.cellText(0, model.columnOfField(QStringLiteral("NAZWISKO"))),
                 QStringLiteral("Adamska Ewa"));
        QVERIFY(reg.sortBy(QStringLiteral("NAZWISKO")));
        QVERIFY(reg.refresh());
        QCOMPARE(reg.query().result()->text(0, QStringLiteral("NREW")), QStringLiteral("2"));

        const auto drivers = db->reopenLookup(QStringLiteral("DBFKiero"));
        QVERIFY(drivers);
        QCOMPARE(drivers->text(0, QStringLiteral("NAZWISKO")),
                 QStringLiteral("Adamska Ewa (nr.ew. 1)"));
        QCOMPARE(drivers->text(0, QStringLiteral("NREW")), QStringLiteral("1"));
    }

    void deletedDriverLeavesAnEmptyTextAndNothingElse() {
        db = test::openTemplateCompany(env, QStringLiteral("deleted"));
        RegisterController people(*db, RegisterId::Employees);
        ScriptedEmployeeForm form;
        QVERIFY(add(people, form, {person(QStringLiteral("K7"), QStringLiteral("Kowalski"))}));

        RegisterController vehicles(*db, RegisterId::Vehicles);
        class : public FormView<VehicleFormValues> {
        public:
            VehicleFormValues v;
            void load(const VehicleFormValues&, const FormSetup&) override {}
            VehicleFormValues values() const override { return v; }
            bool confirm() override { return true; }
        } vehicleForm;
        vehicleForm.v = newVehicleDefaults();
        vehicleForm.v.nrrej = QStringLiteral("WX 1");
        vehicleForm.v.marka = QStringLiteral("Skoda");
        vehicleForm.v.driver = QStringLiteral("K7");
        QVERIFY(runAdd(vehicles,
                       vehicleEditSteps(
                           vehicles, vehicleForm, [] { return VehicleLists{}; }, nullptr),
                       false));
        QCOMPARE(vehicles.currentValue(QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Kowalski Jan (nr.ew. K7)"));
        const auto before = vehicles.query().result();

        QVERIFY(people.locate({QStringLiteral("K7")}));
        QCOMPARE(people.deleteCurrent(false), RegisterController::DeleteResult::Deleted);
        QVERIFY(vehicles.refresh());
        const auto after = vehicles.query().result();
        QCOMPARE(after->rowCount(), 1);
        for (const QString& column : before->columns()) {
            const QString expected = column == u"NAZWISKO" ? QString() : before->text(0, column);
            QCOMPARE(after->text(0, column), expected);
            QCOMPARE(after->value(0, column).isNull(), before->value(0, column).isNull());
        }
        QCOMPARE(after->text(0, QStringLiteral("IDKIEROWCY")), QStringLiteral("K7"));
    }

    void writeFailuresCarryTheirCodes() {
        db = test::openTemplateCompany(env, QStringLiteral("codes"));
        RegisterController reg(*db, RegisterId::Employees);
        ScriptedEmployeeForm form;
        QVERIFY(add(reg, form, {person(QStringLiteral("P1"), QStringLiteral("Pierwszy"))}));
        db->exec(QStringLiteral("CREATE TEMP TRIGGER noInsert BEFORE INSERT ON osobowa.DB "
                                "BEGIN SELECT RAISE(ABORT, 'insert blocked'); END"));
        db->exec(QStringLiteral("CREATE TEMP TRIGGER noUpdate BEFORE UPDATE ON osobowa.DB "
                                "BEGIN SELECT RAISE(ABORT, 'update blocked'); END"));
        env.ui().clear();
        QVERIFY(!add(reg, form, {person(QStringLiteral("P2"), QStringLiteral("Drugi"))}));
        QVERIFY(!edit(reg, form, {person(QStringLiteral("P1"), QStringLiteral("Zmiana"))}, false));
        // Each failure is reported once and the window is not shown again.
        QCOMPARE(env.ui().messages().size(), 2);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        const QString log = test::readErrorLog();
        QVERIFY(log.contains(QStringLiteral("[0000000009]  ")));
        QVERIFY(log.contains(QStringLiteral("[0000000015]  ")));
        QCOMPARE(numbers(), QStringList{QStringLiteral("P1")});
    }

    void aDriverStillNamedIsDeletedOrReusedOnlyAfterSayingWhere() {
        db = test::openTemplateCompany(env, QStringLiteral("references"));
        RegisterController people(*db, RegisterId::Employees);
        QVERIFY(people.refresh());
        ScriptedEmployeeForm form;
        QVERIFY(add(people, form, {person(QStringLiteral("K7"), QStringLiteral("Kowalski"))}));
        for (const char* sql :
             {"INSERT INTO pojazdy.DB (NRREJ, IDKIEROWCY) VALUES ('A1', 'K7')",
              "INSERT INTO pojazdy.DB (NRREJ, IDKIEROWCY) VALUES ('A2', 'K7')",
              "INSERT INTO przejazdy.DB (DATA, IDKIEROWCY) VALUES (20240101, 'K7')",
              "INSERT INTO kpaliwowe.DB (IDKARTY, IDKIEROWCY) VALUES ('C1', 'K7')",
              "INSERT INTO terminy.DB (DATAOD, NREW) VALUES (20240101, 'K70')"})
            db->exec(QString::fromLatin1(sql));
        QVERIFY(people.locate({QStringLiteral("K7")}));

        // "Nie" keeps the person; the question names every record, counted.
        env.ui().clear();
        env.ui().queueAnswer(false);
        QCOMPARE(people.deleteCurrent(true), RegisterController::DeleteResult::Declined);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Osoba jest wskazana jako kierowca w: 2 pojazdach, "
                                "1 przejeździe, 1 karcie paliwowej. Czy na pewno usunąć?"));
        QVERIFY(env.ui().last().defaultNo);
        QCOMPARE(numbers(), QStringList{QStringLiteral("K7")});
        env.ui().queueAnswer(true);
        QCOMPARE(people.deleteCurrent(true), RegisterController::DeleteResult::Deleted);
        QVERIFY(numbers().isEmpty());

        // A new person under the number the records still name: asked first;
        // "Nie" shows the window again as typed, "Tak" saves.
        env.ui().clear();
        env.ui().queueAnswer(false);
        env.ui().queueAnswer(true);
        const EmployeeFormValues again = person(QStringLiteral("K7"), QStringLiteral("Nowak"));
        form.shows = 0;
        QVERIFY(add(people, form, {again, again}));
        QCOMPARE(form.shows, 2);
        QCOMPARE(env.ui().messages().size(), 2);
        QVERIFY(env.ui().last().text.startsWith(
            QStringLiteral("Numer ewidencyjny K7 jest wskazany jako kierowca w: 2 pojazdach")));
        QCOMPARE(numbers(), QStringList{QStringLiteral("K7")});

        // A number nothing names, and an edit that keeps its number, ask nothing.
        env.ui().clear();
        QVERIFY(add(people, form, {person(QStringLiteral("K8"), QStringLiteral("Lis"))}));
        QVERIFY(edit(people, form, {person(QStringLiteral("K8"), QStringLiteral("Lisek"))}, false));
        QVERIFY(env.ui().messages().isEmpty());
        // With nothing naming the person the common question stays.
        env.ui().queueAnswer(true);
        QCOMPARE(people.deleteCurrent(true), RegisterController::DeleteResult::Deleted);
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy na pewno usunąć zaznaczoną pozycję?"));
    }
};

QTEST_GUILESS_MAIN(TestEmployees)
#include "tst_employees.moc"
