#include "ScriptedForm.h"
#include "TripsFixture.h"

#include "framework/DisplayFormatters.h"
#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "storage/ProgramOptions.h"
#include "support/Clock.h"
#include "trips/RoadCardRegister.h"

using namespace kv;

namespace {

// A road card window that answers from a script and keeps the values as the
// checks rewrote them, as the window does.
struct ScriptedRoadCardForm : test::ScriptedForm<RoadCardFormValues> {
    ScriptedRoadCardForm()
        : ScriptedForm(
              [](RoadCardFormValues& v, const FormSetup&) { return checkRoadCardForm(v); }) {}
};

RoadCardFormValues card(int vehicle, const QString& start, const QString& end) {
    RoadCardFormValues v;
    v.nrKarty = QStringLiteral("KD 7/2024");
    v.dataWyst = QStringLiteral("05.03.2024");
    v.vehicle = vehicle;
    v.liczStart = start;
    v.liczEnd = end;
    v.czas = v.godzSuma = v.odpoczynek = QStringLiteral("0");
    v.godzStart = v.godzEnd = QStringLiteral("  :  ");
    v.dataStart = v.dataEnd = QStringLiteral("  .  .    ");
    return v;
}

} // namespace

// Road cards: the window's checks in their order, what a saved card stores
// (times as hours x 100 + minutes, empty dates and times as 0) and the two
// readings handed to the odometer history.
class TestRoadCards : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
        registerState(*db, RegisterId::RoadCards).periodFragment.clear();
    }
    bool add(ScriptedRoadCardForm& form, QList<std::optional<RoadCardFormValues>> script) {
        RegisterController reg(*db, RegisterId::RoadCards);
        form.script = std::move(script);
        const RegisterEditing<RoadCardFormValues> e = roadCardEditing(*db);
        return runAdd(reg, registerEditSteps(reg, form, e, true), false);
    }
    ResultSet stored() {
        return db->select(QStringLiteral("SELECT * FROM kartydrogowe.DB ORDER BY IDDROGOWA"));
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

    void readingsAreComparedOnlyWhenBothAreTyped_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("0 then 500") << "0"
                                    << "500" << true;
        QTest::newRow("600 then 500") << "600"
                                      << "500" << false;
        QTest::newRow("600 then 0") << "600"
                                    << "0" << true;
        QTest::newRow("equal") << "500"
                               << "500,00" << true;
        QTest::newRow("text is 0") << "abc"
                                   << "500" << true;
    }
    void readingsAreComparedOnlyWhenBothAreTyped() {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, accepted);
        RoadCardFormValues v = card(1, start, end);
        const FormCheck c = checkRoadCardForm(v);
        QCOMPARE(c.ok, accepted);
        if (!accepted) {
            QCOMPARE(c.field, QStringLiteral("fLICZEND"));
            QCOMPARE(c.message, QStringLiteral("Stan licznikia przed wyjazdem większy niż po "
                                               "powrocie. Popraw pole."));
        }
    }

    void numbersAreRewrittenBeforeAnyCheck() {
        RoadCardFormValues v = card(0, QStringLiteral("12.5"), QStringLiteral("x"));
        v.czas = QStringLiteral("7,25");
        v.godzSuma = QString();
        v.nrKarty.clear();
        const FormCheck c = checkRoadCardForm(v);
        QCOMPARE(c.field, QStringLiteral("fNRKARTY"));
        QCOMPARE(c.message, QStringLiteral("Nie podano numeru karty drogowej. Popraw pole."));
        QCOMPARE(v.liczStart, QStringLiteral("12,50"));
        QCOMPARE(v.liczEnd, QStringLiteral("0,00"));
        QCOMPARE(v.czas, QStringLiteral("7,25"));
        QCOMPARE(v.godzSuma, QStringLiteral("0,00"));
    }

    void checksRunInTheirOrder() {
        // Everything wrong at once: each fix uncovers the next check.
        RoadCardFormValues v = card(0, QStringLiteral("0"), QStringLiteral("0"));
        v.nrKarty = QStringLiteral("   ");
        v.dataWyst = QStringLiteral("31.02.2024");
        v.dataStart = QStringLiteral("32.01.2024");
        v.godzStart = QStringLiteral("24:00");
        v.dataEnd = QStringLiteral("1.1.2024");
        v.godzEnd = QStringLiteral("12:60");
        const QList<QPair<QString, QString>> expected{
            {"fNRKARTY", "Nie podano numeru karty drogowej. Popraw pole."},
            {"fDATAWYST", "Niepoprawny format daty wystawienia. Popraw pole."},
            {"fDATASTART", "Niepoprawny format daty rozpoczęcia pracy. Popraw pole."},
            {"fGODZSTART", "Niepoprawny format godziny rozpoczęcia pracy. Popraw pole."},
            {"fDATAEND", "Niepoprawny format daty zakończenia pracy. Popraw pole."},
            {"fGODZEND", "Niepoprawny format godziny zakończenia pracy. Popraw pole."},
            {"fIDPOJAZD", "Nie wskazano pojazdu. Popraw pole."}};
        const QList<std::function<void()>> fixes{
            [&] { v.nrKarty = QStringLiteral("KD 1"); },
            [&] { v.dataWyst = QStringLiteral("29.02.2024"); },
            [&] { v.dataStart = QStringLiteral("01.03.2024"); },
            [&] { v.godzStart = QStringLiteral("23:59"); },
            [&] { v.dataEnd = QStringLiteral("  .  .    "); },
            [&] { v.godzEnd = QStringLiteral("00:00"); },
            [&] { v.vehicle = 3; }};
        for (int i = 0; i < expected.size(); ++i) {
            const FormCheck c = checkRoadCardForm(v);
            QVERIFY2(!c.ok, qPrintable(expected.at(i).first));
            QCOMPARE(c.field, expected.at(i).first);
            QCOMPARE(c.message, expected.at(i).second);
            fixes.at(i)();
        }
        QVERIFY(checkRoadCardForm(v).ok);
    }

    void timesHaveFiveCharactersWithinTheDay_data() {
        QTest::addColumn<QString>("time");
        QTest::addColumn<bool>("valid");
        QTest::newRow("empty mask") << "  :  " << true;
        QTest::newRow("nothing") << "" << true;
        QTest::newRow("midnight") << "00:00" << true;
        QTest::newRow("last minute") << "23:59" << true;
        QTest::newRow("24:00") << "24:00" << false;
        QTest::newRow("12:60") << "12:60" << false;
        QTest::newRow("half typed") << "1 :3 " << false;
        QTest::newRow("short") << "9:30" << false;
    }
    void timesHaveFiveCharactersWithinTheDay() {
        QFETCH(QString, time);
        QFETCH(bool, valid);
        RoadCardFormValues v = card(1, QStringLiteral("0"), QStringLiteral("0"));
        v.godzStart = time;
        QCOMPARE(checkRoadCardForm(v).ok, valid);
    }

    void savedCardStoresNumbersTimesAndTexts() {
        open(QStringLiteral("saved"));
        data->addPerson(QStringLiteral("K1"), QStringLiteral("Nowak"), QStringLiteral("Jan"));
        const int car = data->addVehicle(QStringLiteral("EL 100"), 1, 1400, QStringLiteral("K1"));
        RoadCardFormValues v = card(car, QStringLiteral("1200,5"), QStringLiteral("1350"));
        v.driver = QStringLiteral("K1");
        v.nrKarty = QStringLiteral("KD 'A' 1");
        v.dataStart = QStringLiteral("05.03.2024");
        v.godzStart = QStringLiteral("07:05");
        v.dataEnd = QStringLiteral("05.03.2024");
        v.godzEnd = QStringLiteral("13:45");
        v.czas = QStringLiteral("5.5");
        v.uwagi = QStringLiteral("Uwagi; \"cytat\"");
        v.trasa = QStringLiteral("Z: Kraków, DO: Tarnów");
        ScriptedRoadCardForm form;
        QVERIFY(add(form, {v}));
        const ResultSet r = stored();
        QCOMPARE(r.rowCount(), 1);
        QCOMPARE(r.value(0, "NRKARTY").toString(), QStringLiteral("KD 'A' 1"));
        QCOMPARE(r.value(0, "DATAWYST").toInt(), 20240305);
        QCOMPARE(r.value(0, "GODZSTART").toInt(), 705);
        QCOMPARE(r.value(0, "GODZEND").toInt(), 1345);
        QCOMPARE(r.value(0, "LICZSTART").toDouble(), 1200.5);
        QCOMPARE(r.value(0, "CZAS").toDouble(), 5.5);
        QCOMPARE(r.value(0, "UWAGI").toString(), v.uwagi);
        QCOMPARE(r.value(0, "IDKIEROWCY").toString(), QStringLiteral("K1"));

        // The grid shows the driver, the times and the numbers as the window does.
        RegisterController reg(*db, RegisterId::RoadCards);
        reg.refresh();
        QCOMPARE(reg.currentValue(QStringLiteral("NAZWISKO")).toString(),
                 QStringLiteral("Nowak Jan (nr.ew. K1)"));
        QCOMPARE(formatValue(Formatter::Time, reg.currentValue(QStringLiteral("GODZEND"))),
                 QStringLiteral("13:45"));
        // Edit reopens the stored card as typed.
        ScriptedRoadCardForm edit;
        edit.script = {std::nullopt};
        const RegisterEditing<RoadCardFormValues> e = roadCardEditing(*db);
        QVERIFY(!runEdit(reg, registerEditSteps(reg, edit, e, false)));
        QCOMPARE(edit.shown.godzStart, QStringLiteral("07:05"));
        QCOMPARE(edit.shown.liczStart, QStringLiteral("1200,50"));
        QCOMPARE(edit.shown.dataEnd, QStringLiteral("05.03.2024"));
    }

    void emptyTimesAndDatesStoreZero() {
        open(QStringLiteral("empty"));
        const int car = data->addVehicle(QStringLiteral("EL 101"));
        ScriptedRoadCardForm form;
        QVERIFY(add(form, {card(car, QStringLiteral("0"), QStringLiteral("0"))}));
        const ResultSet r = stored();
        for (const char* column : {"GODZSTART", "GODZEND", "DATASTART", "DATAEND"})
            QCOMPARE(r.value(0, QLatin1String(column)).toInt(), 0);
        RegisterController reg(*db, RegisterId::RoadCards);
        reg.refresh();
        ScriptedRoadCardForm edit;
        const RegisterEditing<RoadCardFormValues> e = roadCardEditing(*db);
        QVERIFY(!runEdit(reg, registerEditSteps(reg, edit, e, false)));
        QCOMPARE(edit.shown.godzStart, QStringLiteral("  :  "));
    }

    void newCardStartsWithZerosAndTheSelectedVehicle() {
        open(QStringLiteral("defaults"));
        data->addPerson(QStringLiteral("K2"), QStringLiteral("Kowal"), QStringLiteral("Ewa"));
        const int car = data->addVehicle(QStringLiteral("EL 102"), 1, 1400, QStringLiteral("K2"));
        sharedFilters(*db).selectedVehicleId = car;
        programOptions().cbSetNrRej = true;
        const RoadCardFormValues on = roadCardEditing(*db).defaults();
        QCOMPARE(on.vehicle, car);
        QCOMPARE(on.driver, QStringLiteral("K2"));
        for (const QString& n : {on.liczStart, on.liczEnd, on.czas, on.godzSuma, on.odpoczynek})
            QCOMPARE(n, QStringLiteral("0"));
        programOptions().cbSetNrRej = false;
        const RoadCardFormValues off = roadCardEditing(*db).defaults();
        QCOMPARE(off.vehicle, 0);
        QVERIFY(off.driver.isEmpty());
    }

    void bothReadingsGoToTheHistoryStartFirst() {
        open(QStringLiteral("history"));
        Clock::setFixed(QDateTime(QDate(2024, 6, 30), QTime(12, 0)));
        programOptions().cbKopiujPrzebiegDoHistorii = true;
        const int car = data->addVehicle(QStringLiteral("EL 103"));
        RoadCardFormValues v = card(car, QStringLiteral("1000"), QStringLiteral("1250"));
        v.dataStart = QStringLiteral("06.03.2024");
        ScriptedRoadCardForm form;
        QVERIFY(add(form, {v}));
        // No end date: the end reading is dated on the card's issue date,
        // never on today.
        QCOMPARE(data->history(car),
                 (QStringList{"20240306 1000 Przebieg z tabeli: KARTY DROGOWE",
                              "20240305 1250 Przebieg z tabeli: KARTY DROGOWE"}));
    }

    void readingsOfZeroAreNoReadings() {
        open(QStringLiteral("zeros"));
        programOptions().cbKopiujPrzebiegDoHistorii = true;
        const int car = data->addVehicle(QStringLiteral("EL 104"));
        ScriptedRoadCardForm form;
        QVERIFY(add(form, {card(car, QStringLiteral("0"), QStringLiteral("0"))}));
        QVERIFY(data->history(car).isEmpty());
        QVERIFY(env.ui().messages().isEmpty());
    }

    void readingsBelowTheVehiclesAskFirst() {
        open(QStringLiteral("asks"));
        const int car = data->addVehicle(QStringLiteral("EL 105"));
        data->addReading(car, 20240301, "5000");
        RoadCardFormValues v = card(car, QStringLiteral("1000"), QStringLiteral("1200"));
        v.dataStart = v.dataEnd = QStringLiteral("04.03.2024");
        ScriptedRoadCardForm form;
        env.ui().queueAnswer(false); // "Nie": back to the window, then cancelled
        QVERIFY(!add(form, {v}));
        QCOMPARE(form.shows, 2);
        QCOMPARE(stored().rowCount(), 0);
        QCOMPARE(env.ui().messages().value(0).caption, QStringLiteral("Pytanie"));
    }
};

QTEST_GUILESS_MAIN(TestRoadCards)
#include "tst_roadcards.moc"
