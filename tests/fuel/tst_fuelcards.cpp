#include "FuelFixture.h"
#include "ScriptedForm.h"

#include "framework/RegisterStates.h"
#include "fuel/FuelCardRegister.h"
#include "fuel/FuelPriceRegister.h"
#include "storage/ProgramOptions.h"

using namespace kv;

namespace {

struct ScriptedPriceForm : test::ScriptedForm<FuelPriceFormValues> {
    ScriptedPriceForm()
        : ScriptedForm(
              [](FuelPriceFormValues& v, const FormSetup&) { return checkFuelPriceForm(v); }) {}
};

struct ScriptedCardForm : test::ScriptedForm<FuelCardFormValues> {
    ScriptedCardForm()
        : ScriptedForm(
              [](FuelCardFormValues& v, const FormSetup&) { return checkFuelCardForm(v); }) {}
};

FuelCardFormValues card(const QString& id, const QString& name, int vehicle = 0,
                        const QString& expiry = QString()) {
    FuelCardFormValues v;
    v.idKarty = id;
    v.nazwa = name;
    v.vehicle = vehicle;
    v.termin = expiry;
    v.pin = QStringLiteral("1234");
    return v;
}

} // namespace

// The fuel price and fuel card registers: their windows' checks, their
// statements and their add and edit cycles.
class TestFuelCards : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::FuelData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::FuelData>(*db);
        RegisterFilters(*db).selectMonthYear(0, 0);
    }
    int kindCode(const QString& text) {
        return db
            ->select(QStringLiteral("SELECT KOD FROM slowniki.DB WHERE IDSLOWNIK = 'RDPAL' AND "
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

    void priceChecks() {
        FuelPriceFormValues v = newFuelPriceDefaults();
        QCOMPARE(v.brutto, QStringLiteral("0"));
        v.brutto = QStringLiteral("5,499");
        FormCheck c = checkFuelPriceForm(v);
        // Reformatted first, whatever the checks find.
        QCOMPARE(v.brutto, QStringLiteral("5,50"));
        QCOMPARE(c.field, QStringLiteral("fRODZAJPALIWA"));
        QCOMPARE(c.message, QStringLiteral("Nie wskazano rodzaju paliwa. Popraw pole."));
        v.rodzaj = 3;
        c = checkFuelPriceForm(v);
        QCOMPARE(c.message, QStringLiteral("Niepoprawny format daty od. Popraw pole."));
        v.data = QStringLiteral("01.03.2024");
        v.brutto = QStringLiteral("abc");
        QVERIFY(checkFuelPriceForm(v).ok);
        QCOMPARE(v.brutto, QStringLiteral("0"));
        QCOMPARE(rewritePrice(QStringLiteral("6.005")), QStringLiteral("6,01"));
    }

    void pricesAreSavedAndSortedWithinDates() {
        open(QStringLiteral("prices"));
        data->addDictionaryEntry(kFuelKindsCode, QStringLiteral("ON"));
        data->addDictionaryEntry(kFuelKindsCode, QStringLiteral("Benzyna 95"));
        data->addDictionaryEntry(kFuelPlacesCode, QStringLiteral("Orlen, Łódź"));
        const int diesel = kindCode(QStringLiteral("ON"));
        const int petrol = kindCode(QStringLiteral("Benzyna 95"));
        RegisterController reg(*db, RegisterId::FuelPrices);
        QVERIFY(reg.refresh());
        ScriptedPriceForm form;
        const RegisterEditing<FuelPriceFormValues> e = fuelPriceEditing(*db);

        form.script = {std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.shown, newFuelPriceDefaults());
        QCOMPARE(form.setup.lists.value(QStringLiteral("RODZAJPALIWA")).size(), 2);
        QCOMPARE(form.setup.lists.value(QStringLiteral("MIEJSCE")).value(0).text,
                 QStringLiteral("Orlen, Łódź"));

        // "5,499" shows 5,50 and is stored as 5.5; the place is bound, so a
        // quote in it is plain text.
        FuelPriceFormValues v{QStringLiteral("05.03.2024"), diesel, QStringLiteral("O'Neil"),
                              QStringLiteral("5,499")};
        form.script = {v};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.shown.brutto, QStringLiteral("5,50"));
        const ResultSet stored = db->select(
            QStringLiteral("SELECT BRUTTO, MIEJSCE, RODZAJPALIWA, DATA FROM cenypaliw.DB"));
        QCOMPARE(stored.value(0, 0).toDouble(), 5.5);
        QCOMPARE(stored.value(0, 1).toString(), QStringLiteral("O'Neil"));
        QCOMPARE(stored.value(0, 2).toInt(), diesel);
        QCOMPARE(stored.value(0, 3).toInt(), 20240305);
        QCOMPARE(reg.currentValue(QStringLiteral("PALIWO")).toString(), QStringLiteral("ON"));

        // Two prices of one kind sorted by kind come in date order.
        for (const auto& [date, kind] :
             {std::pair{"01.03.2024", diesel}, std::pair{"10.03.2024", petrol},
              std::pair{"02.02.2024", diesel}}) {
            form.script = {FuelPriceFormValues{QLatin1String(date), kind, {}, "6"}};
            QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        }
        QStringList order;
        for (int i = 0; i < reg.rowCount(); ++i)
            order << reg.rows()->value(i, QStringLiteral("DATA")).toString();
        // Diesel (the smaller code) first, its three prices by date.
        QCOMPARE(order, (QStringList{"20240202", "20240301", "20240305", "20240310"}));

        // Edit rewrites the row by its id.
        reg.setCurrentRow(3);
        form.script = {FuelPriceFormValues{"11.03.2024", petrol, "Shell", "6,2"}};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(
            db->select(QStringLiteral("SELECT COUNT(*) FROM cenypaliw.DB")).value(0, 0).toInt(), 4);
        QCOMPARE(reg.currentValue(QStringLiteral("MIEJSCE")).toString(), QStringLiteral("Shell"));
        QCOMPARE(reg.currentValue(QStringLiteral("DATA")).toInt(), 20240311);
    }

    void cardChecks() {
        FuelCardFormValues v = card(QStringLiteral("  "), QStringLiteral("x"));
        v.termin = QStringLiteral("31.02.2024");
        FormCheck c = checkFuelCardForm(v);
        QCOMPARE(c.field, QStringLiteral("fTERMIN"));
        QCOMPARE(c.message,
                 QStringLiteral("Niepoprawny format terminu ważności karty. Popraw pole."));
        v.termin = QStringLiteral("  .  .    ");
        c = checkFuelCardForm(v);
        QCOMPARE(c.field, QStringLiteral("fIDKARTY"));
        QCOMPARE(c.message, QStringLiteral("Nie wprowadzono ID karty. Popraw pole."));
        v.idKarty = QStringLiteral("K1");
        QVERIFY(checkFuelCardForm(v).ok);
    }

    void cardsAreUniqueByTheirIdentifier() {
        open(QStringLiteral("cards"));
        data->addPerson(QStringLiteral("7"), QStringLiteral("Nowak"), QString());
        const int car = data->addVehicle(QStringLiteral("WE 1"), 1, 1400, QStringLiteral("7"));
        RegisterFilters(*db).selectVehicle(QStringLiteral("WE 1"));
        RegisterController reg(*db, RegisterId::FuelCards);
        RegisterFilters(*db).selectVehicle(QString());
        QVERIFY(reg.refresh());
        ScriptedCardForm form;
        const RegisterEditing<FuelCardFormValues> e = fuelCardEditing(*db);

        // A new card takes the selector's vehicle while cbSetNrRej is on.
        sharedFilters(*db).selectedVehicleId = car;
        form.script = {std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.shown.vehicle, car);
        QCOMPARE(form.setup.lists.value(QStringLiteral("IDPOJAZD")).value(0).extra,
                 QStringLiteral("7"));
        programOptions().cbSetNrRej = false;
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.shown.vehicle, 0);

        // Trimmed; an empty expiry date is 0; the holder's text joins with ||.
        FuelCardFormValues first = card(QStringLiteral(" K-1 "), QStringLiteral("Orlen"), car);
        first.kierowca = QStringLiteral("7");
        form.script = {first};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        const ResultSet stored =
            db->select(QStringLiteral("SELECT IDKARTY, TERMIN, IDPOJAZD, PIN FROM kpaliwowe.DB"));
        QCOMPARE(stored.value(0, 0).toString(), QStringLiteral("K-1"));
        QCOMPARE(stored.value(0, 1).toInt(), 0);
        QCOMPARE(stored.value(0, 2).toInt(), car);
        QCOMPARE(stored.value(0, 3).toString(), QStringLiteral("1234"));
        QCOMPARE(reg.currentValue(QStringLiteral("IDKARTY")).toString(), QStringLiteral("K-1"));
        QCOMPARE(reg.currentValue(QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Nowak  (nr.ew. 7)"));
        QCOMPARE(reg.currentValue(QStringLiteral("NRREJ")).toString(), QStringLiteral("WE 1"));
        // The PIN is read for the window but is no column of the grid.
        for (const GridColumn& c : reg.descriptor().columns)
            QVERIFY(c.field != QLatin1String("PIN"));

        // A duplicate: refused with the values kept, the window shown again.
        const FuelCardFormValues twin =
            card(QStringLiteral("K-1"), QStringLiteral("Shell"), 0, QStringLiteral("31.12.2025"));
        form.shows = 0;
        form.script = {twin, std::nullopt};
        QVERIFY(!runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(form.shows, 2);
        QCOMPARE(form.shown, twin);
        QCOMPARE(env.ui().last().text, kDuplicateCardMessage);
        QCOMPARE(
            db->select(QStringLiteral("SELECT COUNT(*) FROM kpaliwowe.DB")).value(0, 0).toInt(), 1);

        FuelCardFormValues second = twin;
        second.idKarty = QStringLiteral("K-2");
        form.script = {second};
        QVERIFY(runAdd(reg, registerEditSteps(reg, form, e, true), false));
        QCOMPARE(db->select(QStringLiteral("SELECT TERMIN FROM kpaliwowe.DB WHERE IDKARTY = 'K-2'"))
                     .value(0, 0)
                     .toInt(),
                 20251231);

        // Editing without changing the identifier needs no check; changing it
        // onto another card's is refused; a new one replaces the old key.
        QVERIFY(reg.locate({QStringLiteral("K-1")}));
        env.ui().clear();
        FuelCardFormValues renamed = first;
        renamed.idKarty = QStringLiteral("K-1");
        renamed.nazwa = QStringLiteral("Orlen Flota");
        form.script = {renamed};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        QVERIFY(env.ui().messages().isEmpty());
        renamed.idKarty = QStringLiteral("K-2");
        form.script = {renamed, std::nullopt};
        QVERIFY(!runEdit(reg, registerEditSteps(reg, form, e, false)));
        QCOMPARE(env.ui().last().text, kDuplicateCardMessage);
        renamed.idKarty = QStringLiteral("K-9");
        form.script = {renamed};
        QVERIFY(runEdit(reg, registerEditSteps(reg, form, e, false)));
        const ResultSet ids =
            db->select(QStringLiteral("SELECT IDKARTY, NAZWA FROM kpaliwowe.DB ORDER BY IDKARTY"));
        QCOMPARE(ids.rowCount(), 2);
        QCOMPARE(ids.value(0, 0).toString(), QStringLiteral("K-2"));
        QCOMPARE(ids.value(1, 0).toString(), QStringLiteral("K-9"));
        QCOMPARE(ids.value(1, 1).toString(), QStringLiteral("Orlen Flota"));
        QCOMPARE(reg.currentValue(QStringLiteral("IDKARTY")).toString(), QStringLiteral("K-9"));
    }
};

QTEST_GUILESS_MAIN(TestFuelCards)
#include "tst_fuelcards.moc"
