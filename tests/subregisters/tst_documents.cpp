#include "ScriptedForm.h"
#include "trips/TripsFixture.h"

#include "framework/RegisterFilters.h"
#include "storage/ProgramOptions.h"
#include "subregisters/DocumentRegister.h"
#include "subregisters/EquipmentRegister.h"
#include "subregisters/SubregisterFields.h"

#include <QLocale>

using namespace kv;

namespace {

struct ScriptedDocumentForm : test::ScriptedForm<DocumentFormValues> {
    ScriptedDocumentForm()
        : ScriptedForm(
              [](DocumentFormValues& v, const FormSetup&) { return checkDocumentForm(v); }) {}
};

struct ScriptedEquipmentForm : test::ScriptedForm<EquipmentFormValues> {
    ScriptedEquipmentForm()
        : ScriptedForm(
              [](EquipmentFormValues& v, const FormSetup&) { return checkEquipmentForm(v); }) {}
};

DocumentFormValues document(int vehicle, const QString& date, const QString& expiry = {}) {
    DocumentFormValues v = newDocumentDefaults();
    v.vehicle = vehicle;
    v.data = date;
    v.termin = expiry;
    v.rodzaj = QStringLiteral("Polisa OC");
    v.nazwa = QStringLiteral("Polisa \"Warta\"");
    v.numer = QStringLiteral("AB/1'2");
    return v;
}

EquipmentFormValues item(int vehicle, const QString& date, const QString& reading) {
    EquipmentFormValues v = newEquipmentDefaults();
    v.vehicle = vehicle;
    v.data = date;
    v.licznik = reading;
    v.rodzaj = QStringLiteral("Gaśnica");
    return v;
}

} // namespace

// The documents and equipment registers: their windows' checks, the
// statements that save them and the odometer copy of a fitted item.
class TestDocuments : public QObject {
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

    void readingsAreRewrittenWithTwoDecimals() {
        QCOMPARE(readingWithTwoDecimals(QStringLiteral("12345.678")), QStringLiteral("12345,68"));
        QCOMPARE(readingWithTwoDecimals(QStringLiteral("0,005")), QStringLiteral("0,01"));
        QCOMPARE(readingWithTwoDecimals(QStringLiteral("abc")), QStringLiteral("0,00"));
        QCOMPARE(readingWithTwoDecimals(QString()), QStringLiteral("0,00"));
    }

    void documentChecksInOrder() {
        DocumentFormValues v = newDocumentDefaults();
        QCOMPARE(v.liczterm, QStringLiteral("0,00"));
        v.liczterm = QStringLiteral("abc");
        FormCheck c = checkDocumentForm(v);
        QCOMPARE(v.liczterm, QStringLiteral("0,00")); // rewritten whatever the checks find
        QCOMPARE(c.field, QStringLiteral("fDATA"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty dokumentu. Popraw pole."));

        v.data = QStringLiteral("31.02.2024"); // no such day
        QCOMPARE(checkDocumentForm(v).field, QStringLiteral("fDATA"));
        v.data = QStringLiteral("29.02.2024");
        v.termin = QStringLiteral("31.02.2025");
        c = checkDocumentForm(v);
        QCOMPARE(c.field, QStringLiteral("fTERMIN"));
        QCOMPARE(c.message,
                 QStringLiteral("Niepoprawny format terminu ważności dokumentu. Popraw pole."));
        v.termin = QStringLiteral("01.13.2025");
        QCOMPARE(checkDocumentForm(v).message, c.message);
        v.termin = QStringLiteral("  .  .    ");
        c = checkDocumentForm(v);
        QCOMPARE(c.field, QStringLiteral("fNRREJ"));
        QCOMPARE(c.message, QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
        v.vehicle = 3;
        QVERIFY(checkDocumentForm(v).ok);
    }

    void equipmentChecksInOrder() {
        EquipmentFormValues v = newEquipmentDefaults();
        QCOMPARE(v.licznik, QStringLiteral("0,00"));
        v.licznik = QStringLiteral("1500.5");
        v.liczterm = QStringLiteral("x");
        FormCheck c = checkEquipmentForm(v);
        QCOMPARE(v.licznik, QStringLiteral("1500,50"));
        QCOMPARE(v.liczterm, QStringLiteral("0,00"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty montażu elementu wyposażenia. "
                                           "Popraw pole."));
        v.data = QStringLiteral("30.04.2024");
        v.termin = QStringLiteral("31.04.2026");
        c = checkEquipmentForm(v);
        QCOMPARE(c.field, QStringLiteral("fTERMIN"));
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format terminu ważności elementu "
                                           "wyposażenia. Popraw pole."));
        v.termin.clear();
        QCOMPARE(checkEquipmentForm(v).message,
                 QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
        v.vehicle = 1;
        QVERIFY(checkEquipmentForm(v).ok);
    }

    void documentIsSavedEditedAndShown() {
        open(QStringLiteral("documents"));
        const int car = data->addVehicle(QStringLiteral("EL 1234"));
        const int van = data->addVehicle(QStringLiteral("WX 'Q'"));
        data->addDictionaryEntry(kDocumentKindsCode, QStringLiteral("Polisa OC"));
        data->addDictionaryEntry(kDocumentKindsCode, QStringLiteral("Dowód rejestracyjny"));
        RegisterController reg(*db, RegisterId::Documents);
        QVERIFY(reg.refresh());
        const RegisterEditing<DocumentFormValues> e = documentEditing(*db);
        ScriptedDocumentForm form;

        // A document without an expiry date: TERMIN 0; "abc" as the reminder: 0.
        DocumentFormValues v = document(car, QStringLiteral("15.03.2024"));
        v.liczterm = QStringLiteral("abc");
        form.script = {v};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.setup.lists.value(QStringLiteral("RODZAJ")),
                 (QList<KeyedItem>{
                     {QStringLiteral("Dowód rejestracyjny"), QStringLiteral("Dowód rejestracyjny")},
                     {QStringLiteral("Polisa OC"), QStringLiteral("Polisa OC")}}));
        QCOMPARE(form.setup.lists.value(QStringLiteral("IDPOJAZD")).size(), 2);
        ResultSet r = db->select(QStringLiteral(
            "SELECT DATA, TERMIN, IDPOJAZD, RODZAJ, NAZWA, NUMER, LICZTERM FROM dokumenty.DB"));
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.value(0, 0).toInt(), 20240315);
        QCOMPARE(r.value(0, 1).toInt(), 0);
        QCOMPARE(r.value(0, 2).toInt(), car);
        QCOMPARE(r.value(0, 4).toString(), QStringLiteral("Polisa \"Warta\""));
        QCOMPARE(r.value(0, 5).toString(), QStringLiteral("AB/1'2"));
        QCOMPARE(r.value(0, 6).toDouble(), 0.0);
        QCOMPARE(reg.currentValue(QStringLiteral("NRREJ")).toString(), QStringLiteral("EL 1234"));

        // A kind nobody put into the dictionary is kept as typed.
        v = document(van, QStringLiteral("01.02.2024"), QStringLiteral("29.02.2028"));
        v.rodzaj = QStringLiteral("Licencja przewozowa");
        v.liczterm = QStringLiteral("120000,555");
        form.script = {v};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(reg.rowCount(), 2);
        QCOMPARE(reg.currentValue(QStringLiteral("RODZAJ")).toString(),
                 QStringLiteral("Licencja przewozowa"));
        QCOMPARE(reg.currentValue(QStringLiteral("TERMIN")).toInt(), 20280229);
        QCOMPARE(reg.currentValue(QStringLiteral("LICZTERM")).toDouble(), 120000.56);

        // Edit fills the window from the row and rewrites that row only.
        form.script = {std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(form.shown.termin, QStringLiteral("29.02.2028"));
        QCOMPARE(form.shown.liczterm, QStringLiteral("120000,56"));
        QCOMPARE(form.shown.vehicle, van);
        v = form.shown;
        v.termin.clear();
        v.vehicle = car;
        form.script = {v};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        r = db->select(QStringLiteral("SELECT TERMIN, IDPOJAZD FROM dokumenty.DB ORDER BY "
                                      "IDDOKUMENT"));
        QCOMPARE(r.value(1, 0).toInt(), 0);
        QCOMPARE(r.value(1, 1).toInt(), car);
        QCOMPARE(r.value(0, 1).toInt(), car);

        // Bad input is refused in the window: nothing is written.
        form.script = {document(car, QStringLiteral("31.02.2024"))};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(
            db->select(QStringLiteral("SELECT COUNT(*) FROM dokumenty.DB")).value(0, 0).toInt(), 2);

        // The vehicle selector narrows the grid by the registration number,
        // quotes and all.
        RegisterFilters(*db).selectVehicle(QStringLiteral("WX 'Q'"));
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 0);
        RegisterFilters(*db).selectVehicle(QStringLiteral("EL 1234"));
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 2);
        // A year shows the documents dated in it.
        RegisterFilters(*db).selectMonthYear(3, 2024);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 1);
    }

    void selectedVehicleIsPreselected() {
        open(QStringLiteral("preselect"));
        data->addVehicle(QStringLiteral("EL 1"));
        const int second = data->addVehicle(QStringLiteral("EL 2"));
        RegisterFilters(*db).selectVehicle(QStringLiteral("EL 2"));
        RegisterController docs(*db, RegisterId::Documents);
        RegisterController items(*db, RegisterId::Equipment);
        QVERIFY(docs.refresh());
        QVERIFY(items.refresh());
        ScriptedDocumentForm docForm;
        ScriptedEquipmentForm itemForm;
        docForm.script = {std::nullopt};
        itemForm.script = {std::nullopt};
        programOptions().cbSetNrRej = false;

        QVERIFY(!runAdd(docs, registerEditSteps(docs, docForm, documentEditing(*db), true), false));
        QCOMPARE(docForm.shown.vehicle, 0); // the option is off
        programOptions().cbSetNrRej = true;
        docForm.script = {std::nullopt};
        QVERIFY(!runAdd(docs, registerEditSteps(docs, docForm, documentEditing(*db), true), false));
        QCOMPARE(docForm.shown.vehicle, second);
        QVERIFY(
            !runAdd(items, registerEditSteps(items, itemForm, equipmentEditing(*db), true), false));
        QCOMPARE(itemForm.shown.vehicle, second);
        QCOMPARE(itemForm.shown.liczterm, QStringLiteral("0,00"));
    }

    void equipmentReadingGoesToTheHistory() {
        open(QStringLiteral("equipment"));
        const int car = data->addVehicle(QStringLiteral("EL 77"));
        data->addReading(car, 20240101, "1000");
        programOptions().cbKopiujPrzebiegDoHistorii = true;
        RegisterController reg(*db, RegisterId::Equipment);
        QVERIFY(reg.refresh());
        const RegisterEditing<EquipmentFormValues> e = equipmentEditing(*db);
        ScriptedEquipmentForm form;

        form.script = {item(car, QStringLiteral("10.02.2024"), QStringLiteral("1500,4"))};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(data->history(car),
                 (QStringList{QStringLiteral("20240101 1000"),
                              QStringLiteral("20240210 1500.4 Przebieg z tabeli: WYPOSAŻENIE")}));
        ResultSet r = db->select(
            QStringLiteral("SELECT DATA, TERMIN, LICZNIK, RODZAJ, LICZTERM FROM wyposazenie.DB"));
        QCOMPARE(r.value(0, 0).toInt(), 20240210);
        QCOMPARE(r.value(0, 1).toInt(), 0);
        QCOMPARE(r.value(0, 2).toDouble(), 1500.4);
        QCOMPARE(r.value(0, 3).toString(), QStringLiteral("Gaśnica"));
        QCOMPARE(reg.currentValue(QStringLiteral("IDPOJAZD")).toInt(), car);

        // Editing offers the reading again; a lower one stays out of the
        // history (the item is saved all the same), and says nothing.
        EquipmentFormValues edited =
            item(car, QStringLiteral("11.02.2024"), QStringLiteral("1200"));
        edited.liczterm = QStringLiteral("30000");
        env.ui().setDefaultAnswer(true); // the reading check's question: save anyway
        form.script = {edited};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(data->history(car).size(), 2);
        r = db->select(QStringLiteral("SELECT DATA, LICZNIK, LICZTERM FROM wyposazenie.DB"));
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.value(0, 0).toInt(), 20240211);
        QCOMPARE(r.value(0, 1).toDouble(), 1200.0);
        QCOMPARE(r.value(0, 2).toDouble(), 30000.0);

        // With the option off, nothing is copied.
        programOptions().cbKopiujPrzebiegDoHistorii = false;
        form.script = {item(car, QStringLiteral("01.03.2024"), QStringLiteral("2000"))};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(data->history(car).size(), 2);
    }

    void equipmentReadingBelowAnEarlierOneAsksFirst() {
        open(QStringLiteral("equipment-check"));
        const int car = data->addVehicle(QStringLiteral("EL 78"));
        data->addReading(car, 20240101, "5000");
        RegisterController reg(*db, RegisterId::Equipment);
        QVERIFY(reg.refresh());
        ScriptedEquipmentForm form;
        // "Nie" shows the window again with the values as typed; nothing is written.
        env.ui().setDefaultAnswer(false);
        form.script = {item(car, QStringLiteral("10.02.2024"), QStringLiteral("4000"))};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, equipmentEditing(*db), true), false));
        QCOMPARE(env.ui().last().kind, ScriptedUserInterface::Kind::Question);
        QCOMPARE(form.shows, 2);
        QCOMPARE(form.shown.licznik, QStringLiteral("4000,00"));
        QCOMPARE(
            db->select(QStringLiteral("SELECT COUNT(*) FROM wyposazenie.DB")).value(0, 0).toInt(),
            0);
    }
};

QTEST_GUILESS_MAIN(TestDocuments)
#include "tst_documents.moc"
