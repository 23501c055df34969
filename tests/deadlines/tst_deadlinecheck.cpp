#include "DeadlinesFixture.h"

#include "deadlines/DeadlineActions.h"
#include "deadlines/DeadlineCheck.h"
#include "deadlines/DeadlineExport.h"
#include "deadlines/DeadlineLoading.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/DatabaseError.h"
#include "support/CodePage1250.h"

#include <QFile>

using namespace kv;

namespace {

PermissionSet everything() {
    PermissionSet p;
    p.setAll(true);
    return p;
}

DeadlineRunContext on28February(qint64 elapsed = 0) {
    ProgramOptions o;
    o.dataWsteczna = 2;
    o.cbTachograf = true;
    return {QDate(2024, 2, 28), o, everything(), [elapsed] { return elapsed; }};
}

QStringList column(const ReminderList& list, int cell) {
    QStringList out;
    for (const QStringList& row : list.rows)
        out << row.at(cell);
    return out;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

// The deadline checker against a company's tables: its statements, a run with
// its progress and stop question, the commands on the rows and the exports.
class TestDeadlineCheck : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::DeadlineData> data;

    void open(const QString& name) {
        db = test::openTemplateCompany(env, name);
        QVERIFY(db);
        data = std::make_unique<test::DeadlineData>(*db);
    }
    DeadlineRunResult run(const DeadlineRequest& request, const DeadlineRunContext& context) {
        return runDeadlineCheck(*db, request, context);
    }
    QString companyFile(const QString& name) {
        return db->companyDirectory() + QStringLiteral("/") + name;
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

    void everyDateKindIsReadAndDescribed() {
        open(QStringLiteral("dates"));
        const int car = data->addVehicle(QStringLiteral("WA 1"), "DATAOC, DATAAC, DATATACHO",
                                         "20240301, 20240302, 20240227");
        const int sold = data->addVehicle(QStringLiteral("WA 2"), "DATAOC", "20240228");
        data->setVehicle(sold, QStringLiteral("STATUS = 2"));
        const int open = data->addRepair(car, 20240229, "0", QString());
        data->addRepair(car, 20240229, "0", QStringLiteral("T"));
        const int doc = data->addDocument(car, 20240210, QStringLiteral("Zezwolenie \"A\""));
        data->addFuelCard(QStringLiteral("K'1"), 20240301);
        data->addPerson(QStringLiteral("K1"), QStringLiteral("Kowalski"), QStringLiteral("Jan"));
        const int cal = data->addCalendar(car, 20240201, 20240301, "D", "K1", "Serwis Bosch");
        data->addCalendar(car, 20240301, 20240201, "O"); // its start is due
        data->addCalendar(car, 20240310, 20240228, "O"); // checked on its start: not yet
        const int tyre = data->addTyre(car, 20240228);

        const DeadlineRunResult r = run(menuDeadlineRequest(), on28February());
        QVERIFY(r.failedCodes.isEmpty());
        const ReminderList& list = r.lists.dates;
        QCOMPARE(column(list, reminder::Code),
                 (QStringList{"11", "15", "2", "4", "5", "6", "6", "7"}));
        QCOMPARE(list.rows.at(0), (QStringList{"01.03.2024", "WA 1, Skoda", "Ubezpieczenie OC", "",
                                               QString::number(car), "11"}));
        QCOMPARE(list.rows.at(2).at(reminder::Key), QString::number(open));
        QCOMPARE(list.rows.at(3).at(reminder::Description),
                 QStringLiteral("Termin dokumentu (Rodzaj: Licencja): Zezwolenie \"A\""));
        QCOMPARE(list.rows.at(3).at(reminder::Key), QString::number(doc));
        QCOMPARE(list.rows.at(4).mid(2, 3),
                 (QStringList{"Ważność karty paliwowej (id: K'1)", "Nazwa: Orlen", "K'1"}));
        // Calendar: by its end date here, with person and contractor.
        QCOMPARE(
            list.rows.at(5).mid(0, 5),
            (QStringList{"01.03.2024", "WA 1, Skoda", "Zaplanowany termin (Rodzaj: ): Spotkanie",
                         "Kowalski Jan (nr.ew. K1) \\ Serwis Bosch", QString::number(cal)}));
        // Tyres show the tyre's own make beside the vehicle.
        QCOMPARE(list.rows.at(7).mid(0, 5),
                 (QStringList{"28.02.2024", "WA 1, Dębica", "Wymiana opon (nr ewid.: OP-1)",
                              "Rodzaj: ", QString::number(tyre)}));
        QVERIFY(r.showWindow);
        QCOMPARE(r.activePage, ReminderListKind::Dates);
    }

    void mileageKindsMeetTheCurrentMileage() {
        open(QStringLiteral("mileage"));
        const int car =
            data->addVehicle(QStringLiteral("KR 5"), "LICZPRZEG, LICZGWAR", "50000, 60000");
        data->addReading(car, 20240101, "48000");
        data->addReading(car, 20240201, "49000");
        const int due = data->addRepair(car, 20240101, "50000", QString());
        data->addRepair(car, 20240101, "48999.98", QStringLiteral("T"));
        data->addRepair(car, 20240101, "52000", QString()); // 49000 is not above 50999.99
        const int docs = data->addDocument(car, 0, QStringLiteral("ADR"), "47000");
        // No readings: never looked at.
        const int idle = data->addVehicle(QStringLiteral("KR 6"), "LICZPRZEG", "100");
        data->addRepair(idle, 20240101, "100", QString());

        DeadlineRunContext c = on28February();
        c.options.kmOd = 1000;
        c.options.kmDo = 0;
        DeadlineRunResult r = run(menuDeadlineRequest(), c);
        const ReminderList& list = r.lists.mileage;
        QCOMPARE(column(list, reminder::Code), (QStringList{"13", "2", "4"}));
        QCOMPARE(list.rows.at(0).mid(0, 3),
                 (QStringList{"50000,00 km", "KR 5, Skoda", "Przegląd techniczny"}));
        QCOMPARE(list.rows.at(1).at(reminder::Key), QString::number(due));
        QCOMPARE(list.rows.at(2).at(reminder::Key), QString::number(docs));
        // 500 km after: the document 2000 km behind is no longer listed.
        c.options.kmDo = 500;
        r = run(menuDeadlineRequest(), c);
        QCOMPARE(column(r.lists.mileage, reminder::Code), (QStringList{"13", "2"}));
        data->addReading(car, 20240202, "50501");
        r = run(menuDeadlineRequest(), c);
        QVERIFY(!r.lists.mileage.hasResults());
        QVERIFY(r.showWindow); // the menu shows "Niczego nie znaleziono"
        QVERIFY(r.pageShown(ReminderListKind::Mileage));
        QVERIFY(!r.pageShown(ReminderListKind::Warehouse));
    }

    void aFailingKindIsReportedAndTheRestRun() {
        open(QStringLiteral("failing"));
        const int car = data->addVehicle(QStringLiteral("PO 1"), "DATAOC", "20240228");
        data->addReading(car, 20240101, "1000");
        data->addRepair(car, 20240228, "1000", QString());
        // The documents table is gone.
        QVERIFY(QFile::remove(companyFile(QStringLiteral("dokumenty.DB"))));
        env.ui().clear();
        const DeadlineRunResult r = run(menuDeadlineRequest(), on28February());
        QCOMPARE(r.failedCodes, (QList<qint64>{197, 185306}));
        QCOMPARE(column(r.lists.dates, reminder::Code), (QStringList{"11", "2"}));
        QCOMPARE(column(r.lists.mileage, reminder::Code), QStringList{"2"});
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000197]")));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000185306]")));
    }

    // The start page's lines: what is due, one line a row, and a kind that
    // cannot be read makes the whole answer fail without a message shown.
    void theStartPageGetsItsLinesQuietly() {
        open(QStringLiteral("startpage"));
        data->addVehicle(QStringLiteral("PO 1"), "DATAOC", "20240301");
        db->exec(QStringLiteral("INSERT INTO magazyn.DB (CZESC, ILOSC, PRZYPOMNIJ) VALUES "
                                "('Filtr oleju', 1, 2), ('Żarówka', 0, 0)"));
        currentLogin().permissions = everything();
        programOptions().dataWsteczna = 2;
        const QDate today(2024, 2, 28);
        const QStringList lines = dueDeadlineLines(deadlinesDueToday(*db, today));
        QCOMPARE(lines, (QStringList{QStringLiteral("01.03.2024  PO 1, Skoda  Ubezpieczenie OC"),
                                     QStringLiteral("Mały stan magazynowy: Filtr oleju (1,00)")}));

        QVERIFY(QFile::remove(companyFile(QStringLiteral("dokumenty.DB"))));
        env.ui().clear();
        QVERIFY_THROWS_EXCEPTION(DatabaseError, deadlinesDueToday(*db, today));
        QVERIFY2(env.ui().messages().isEmpty(), qPrintable(env.ui().last().text));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000197]")));
        currentLogin().forget();
    }

    void startUpAndMenuRuns() {
        open(QStringLiteral("runs"));
        // Nothing due: the start-up shows nothing, the menu its empty pages.
        DeadlineRunResult r = run(startupDeadlineRequest(ProgramOptions{}), on28February());
        QVERIFY(!r.anyFound);
        QVERIFY(!r.showWindow);
        QVERIFY(!env.ui().progressVisible());
        r = run(menuDeadlineRequest(), on28February());
        QVERIFY(r.showWindow);
        QCOMPARE(r.activePage, ReminderListKind::Mileage); // the last page filled
        QVERIFY(!run({false, false, false, false, true}, on28February()).showWindow);

        // The warehouse: a part at its level, one switched off with nothing left.
        const int filter = data->addPart(QStringLiteral("Filtr oleju"), "2", "2");
        data->addPart(QStringLiteral("Żarówka"), "0", "0");
        r = run(menuWarehouseRequest(), on28February());
        QCOMPARE(r.lists.warehouse.rows,
                 (QList<QStringList>{{"Filtr oleju", "2,00", "", QString::number(filter)}}));
        QCOMPARE(r.activePage, ReminderListKind::Warehouse);
        // Without permission 49 the warehouse is not looked at.
        DeadlineRunContext c = on28February();
        c.permissions.set(kWarehouseReadPermission, false);
        r = run(startupDeadlineRequest(ProgramOptions{}), c);
        QVERIFY(!r.showWindow);
        QVERIFY(!r.pageShown(ReminderListKind::Warehouse));
        // Start-up with the part due: the warehouse page is the active one.
        r = run(startupDeadlineRequest(ProgramOptions{}), on28February());
        QVERIFY(r.showWindow);
        QCOMPARE(r.activePage, ReminderListKind::Warehouse);
    }

    void theStopQuestionComesOnceAndStops() {
        open(QStringLiteral("stop"));
        const int car = data->addVehicle(QStringLiteral("LU 1"), "DATAOC", "20240228");
        data->addReading(car, 20240101, "1000");
        // Long run, answer yes: the advice and no window at all.
        env.ui().queueAnswer(true);
        DeadlineRunResult r = run(menuDeadlineRequest(), on28February(20000));
        QVERIFY(r.aborted);
        QVERIFY(!r.showWindow);
        QVERIFY(env.ui().contains(kStopQuestion));
        QVERIFY(env.ui().contains(kStopAdvice));
        QVERIFY(!env.ui().progressVisible());
        // Answer no: asked once, the run goes on to the end.
        env.ui().clear();
        env.ui().queueAnswer(false);
        r = run(menuDeadlineRequest(), on28February(20000));
        QVERIFY(!r.aborted);
        QVERIFY(r.showWindow);
        QCOMPARE(r.lists.dates.rows.size(), 1);
        int asked = 0;
        for (const auto& m : env.ui().messages())
            asked += m.text == kStopQuestion;
        QCOMPARE(asked, 1);
        // Not interruptible, or the option off: never asked.
        env.ui().clear();
        run(menuWarehouseRequest(), on28February(20000));
        DeadlineRunContext c = on28February(20000);
        c.options.cbInterruptLongChecking = false;
        run(menuDeadlineRequest(), c);
        QVERIFY(!env.ui().contains(kStopQuestion));
    }

    void deleteKeepsVehiclesAndFailedRows() {
        open(QStringLiteral("delete"));
        // A delete that fails (its table is gone) keeps its row.
        ReminderList tyres{ReminderListKind::Dates,
                           {{"28.02.2024", "WA 9, X", "Wymiana opon", "", "1", "7"}}};
        QVERIFY(QFile::remove(companyFile(QStringLiteral("opony.DB"))));
        QVERIFY(!deleteRow(*db, tyres, 0, {everything(), false}));
        QCOMPARE(tyres.rows.size(), 1);
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000171904]")));
        env.ui().clear();
        const int car = data->addVehicle(QStringLiteral("WA 9"), "DATAOC", "20240228");
        const int doc = data->addDocument(car, 20240228, QStringLiteral("Licencja"));
        ReminderList list = run(menuDeadlineRequest(), on28February()).lists.dates;
        QCOMPARE(column(list, reminder::Code), (QStringList{"11", "4"}));
        const ReminderCommandContext ask{everything(), true};

        // An insurance row: the vehicle message, nothing deleted.
        QVERIFY(!deleteRow(*db, list, 0, ask));
        QVERIFY(env.ui().contains(kVehicleDeleteMessage));
        QCOMPARE(data->value("SELECT COUNT(*) FROM pojazdy.DB").toInt(), 1);
        QCOMPARE(list.rows.size(), 2);
        // Declined, then without permission, then done.
        env.ui().queueAnswer(false);
        QVERIFY(!deleteRow(*db, list, 1, ask));
        ReminderCommandContext denied = ask;
        denied.permissions.set(14, false);
        env.ui().clear();
        QVERIFY(!deleteRow(*db, list, 1, denied));
        QVERIFY(env.ui().contains(kNoPermissionMessage));
        env.ui().queueAnswer(true);
        QVERIFY(deleteRow(*db, list, 1, ask));
        QCOMPARE(
            data->value(QStringLiteral("SELECT COUNT(*) FROM dokumenty.DB WHERE IDDOKUMENT = %1")
                            .arg(doc))
                .toInt(),
            0);
        QCOMPARE(list.rows.size(), 1);
    }

    void deactivateAllStepsOverTheCalendarDateRow() {
        open(QStringLiteral("deactivate"));
        const int car = data->addVehicle(QStringLiteral("GD 1"));
        const int doc = data->addDocument(car, 20240301, QStringLiteral("Licencja"));
        data->addCalendar(car, 20240229, 0, "O");
        data->addFuelCard(QStringLiteral("K'2"), 20240228);
        const int repair = data->addRepair(car, 20240227, "0", QString());
        ReminderList list = run(menuDeadlineRequest(), on28February()).lists.dates;
        QCOMPARE(column(list, reminder::Code), (QStringList{"2", "4", "5", "6"}));

        // One calendar date row alone: its message, nothing changes.
        ReminderList single{ReminderListKind::Dates, {list.rows.at(3)}};
        QVERIFY(!deactivateRow(*db, single, 0, {everything(), true}));
        QVERIFY(env.ui().contains(kCalendarDateMessage));

        env.ui().queueAnswer(true);
        QCOMPARE(deactivateAll(*db, list, {everything(), true}), 3);
        QCOMPARE(column(list, reminder::Code), QStringList{"6"});
        QCOMPARE(
            data->value(
                    QStringLiteral("SELECT DONE FROM naprawy.DB WHERE IDNAPRAWY = %1").arg(repair))
                .toString(),
            QStringLiteral("T"));
        QCOMPARE(data->value(QStringLiteral("SELECT TERMIN FROM dokumenty.DB WHERE IDDOKUMENT = %1")
                                 .arg(doc))
                     .toInt(),
                 0);
        QCOMPARE(data->value("SELECT TERMIN FROM kpaliwowe.DB").toInt(), 0);
        // With the calendar row first the loop still reaches the rows after it.
        data->addDocument(car, 20240228, QStringLiteral("Drugi"));
        ReminderList again = run(menuDeadlineRequest(), on28February()).lists.dates;
        std::swap(again.rows[0], again.rows[1]);
        QCOMPARE(column(again, reminder::Code), (QStringList{"6", "4"}));
        env.ui().queueAnswer(true);
        QCOMPARE(deactivateAll(*db, again, {everything(), true}), 1);
        QCOMPARE(column(again, reminder::Code), QStringList{"6"});
        // Declined: nothing.
        env.ui().queueAnswer(false);
        QCOMPARE(deactivateAll(*db, again, {everything(), true}), 0);
    }

    void changeBindsTheParsedValueAndTheKey() {
        open(QStringLiteral("change"));
        const int car = data->addVehicle(QStringLiteral("WA 3"));
        data->addReading(car, 20240101, "10000");
        const int repair = data->addRepair(car, 0, "10500", QString());
        data->addFuelCard(QStringLiteral("K'3 OR 1=1"), 20240228);
        data->addFuelCard(QStringLiteral("K4"), 20240227);
        const DeadlineRunResult r = run(menuDeadlineRequest(), on28February());
        ReminderList mileage = r.lists.mileage;
        ReminderList dates = r.lists.dates;
        const ReminderCommandContext ask{everything(), true};

        std::optional<ChangeForm> f = changeForm(*db, mileage, 0, ask);
        QVERIFY(f);
        QCOMPARE(f->title(), QStringLiteral("Zmień pole: Termin przy stanie licznika"));
        QCOMPARE(f->preset, QStringLiteral("10500,00"));
        QCOMPARE(f->numberLabel, QStringLiteral("Stan licznika"));
        QVERIFY(!applyChange(*db, mileage, 0, *f, QStringLiteral("12x000"), {}, ask));
        QVERIFY(env.ui().contains(QStringLiteral("Pole \"Termin przy stanie licznika\" musi "
                                                 "zawierać liczbę.")));
        env.ui().queueAnswer(true);
        QVERIFY(applyChange(*db, mileage, 0, *f, QStringLiteral("12000,5"), {}, ask));
        QVERIFY(env.ui().contains(QStringLiteral("Czy na pewno zmienić pole \"Termin przy stanie "
                                                 "licznika\"? Po edycji pozycja zniknie z okna "
                                                 "przypominacza.")));
        QCOMPARE(data->value(QStringLiteral("SELECT LICZTERM FROM naprawy.DB WHERE IDNAPRAWY = %1")
                                 .arg(repair))
                     .toDouble(),
                 12000.5);
        QVERIFY(!mileage.hasResults());

        // A card key with quotes is only ever a key.
        QCOMPARE(column(dates, reminder::Key), (QStringList{"K'3 OR 1=1", "K4"}));
        f = changeForm(*db, dates, 0, ask);
        QVERIFY(f && f->date && !f->range);
        QCOMPARE(f->preset, QStringLiteral("28.02.2024"));
        QVERIFY(applyChange(*db, dates, 0, *f, QStringLiteral("31.12.2024"), {},
                            {everything(), false}));
        QCOMPARE(data->value("SELECT TERMIN FROM kpaliwowe.DB WHERE IDKARTY = 'K4'").toInt(),
                 20240227);
        QCOMPARE(data->value("SELECT TERMIN FROM kpaliwowe.DB WHERE IDKARTY <> 'K4'").toInt(),
                 20241231);
        // A date that is none switches the reminder off (the quick editor
        // itself refuses an empty one).
        QCOMPARE(changedDateValue(QStringLiteral("  .  .    ")), 0);
        QCOMPARE(changedDateValue(QStringLiteral("31.02.2024")), 0);
        QCOMPARE(changedDateValue(QStringLiteral("29.02.2024")), 20240229);

        // Warehouse: the reminder level is shown and written.
        const int part = data->addPart(QStringLiteral("Pasek"), "1", "3");
        ReminderList parts = run(menuWarehouseRequest(), on28February()).lists.warehouse;
        f = changeForm(*db, parts, 0, ask);
        QVERIFY(f);
        QCOMPARE(f->numberLabel, QStringLiteral("Przypomnij przy stanie"));
        QCOMPARE(f->preset, QStringLiteral("3,00"));
        QVERIFY(applyChange(*db, parts, 0, *f, QStringLiteral("0,5"), {}, {everything(), false}));
        QCOMPARE(
            data->value(QStringLiteral("SELECT PRZYPOMNIJ FROM magazyn.DB WHERE ID = %1").arg(part))
                .toDouble(),
            0.5);
        // Without the write permission: the message, no form.
        ReminderCommandContext denied = ask;
        denied.permissions.set(kWarehouseWritePermission, false);
        data->addPart(QStringLiteral("Opona"), "0", "1");
        parts = run(menuWarehouseRequest(), on28February()).lists.warehouse;
        QVERIFY(!changeForm(*db, parts, 0, denied));
    }

    void goToNamesTheRegisterAndKey() {
        open(QStringLiteral("goto"));
        const QStringList card{"01.03.2024", "", "", "", "K'1", "5"};
        std::optional<GoToTarget> t = goToTarget(ReminderListKind::Dates, card);
        QVERIFY(t && t->reg == RegisterId::FuelCards && t->textKey && t->key == "K'1");
        t = goToTarget(ReminderListKind::Warehouse, {"Filtr", "1,00", "", "12"});
        QVERIFY(t && t->reg == RegisterId::Warehouse && t->key == "12");
        QVERIFY(!goToTarget(ReminderListKind::Dates, {"", "", "", "", "1", "99"}));
        // A repair row leads to the repairs, on the row's key, after the question.
        ReminderList repairs{ReminderListKind::Dates, {{"01.03.2024", "", "", "", "3", "2"}}};
        env.ui().queueAnswer(false);
        QVERIFY(!confirmGoTo(*db, repairs, 0));
        env.ui().queueAnswer(true);
        t = confirmGoTo(*db, repairs, 0);
        QVERIFY(t && t->reg == RegisterId::Repairs && t->key == "3");
        QVERIFY(!env.ui().contains(QStringLiteral("nie jest dostępny")));
    }

    void exportsWriteTheVisibleColumnsWhole() {
        const QString dir = env.newDirectory(QStringLiteral("export"));
        const ReminderList empty{ReminderListKind::Dates, {}};
        const QString csv = dir + QStringLiteral("/") + reminderCsvName(empty.kind);
        QCOMPARE(reminderCsvName(ReminderListKind::Warehouse),
                 QStringLiteral("stany-magazynowe.csv"));
        QVERIFY(exportReminderCsv(empty, csv, CsvEncoding::Windows1250));
        QCOMPARE(fileBytes(csv),
                 toCodePage1250(QStringLiteral("\"Data\";\"Pojazd\";\"Opis\";\"Szczegóły\"\r\n"
                                               "\"\";\"\";\"Niczego nie znaleziono\";\"\"\r\n")));

        const ReminderList list{
            ReminderListKind::Mileage,
            {{"50000,00 km", "WA 1, Skoda", "Naprawa", "opona \"R15\"", "7", "2"},
             {"61,00 km", "WA 2, Kia", "Przegląd techniczny", "", "8", "13"}}};
        QVERIFY(exportReminderCsv(list, csv, CsvEncoding::Utf8WithBom));
        QCOMPARE(
            fileBytes(csv),
            "\xEF\xBB\xBF" +
                QStringLiteral("\"Licznik\";\"Pojazd\";\"Opis\";\"Szczegóły\"\r\n"
                               "\"50000,00 km\";\"WA 1, Skoda\";\"Naprawa\";\"opona `R15`\"\r\n"
                               "\"61,00 km\";\"WA 2, Kia\";\"Przegląd techniczny\";\"\"\r\n")
                    .toUtf8());

        const QString txt = dir + QStringLiteral("/") + reminderTxtName(list.kind);
        QVERIFY(exportReminderTxt(list, txt, CsvEncoding::Windows1250));
        const QString rule = QStringLiteral("---------------------------------\r\n");
        QCOMPARE(rule.size(), 35);
        QCOMPARE(fromCodePage1250(fileBytes(txt)),
                 QStringLiteral("Stan licznika: 50000,00 km\r\nPojazd: WA 1, Skoda\r\nOpis: "
                                "Naprawa\r\nSzczegóły: opona \"R15\"\r\n") +
                     rule +
                     QStringLiteral("Stan licznika: 61,00 km\r\nPojazd: WA 2, Kia\r\nOpis: "
                                    "Przegląd techniczny\r\nSzczegóły: \r\n") +
                     rule);
        const ReminderList parts{ReminderListKind::Warehouse, {{"Filtr", "2,00", "półka", "4"}}};
        QCOMPARE(reminderText(parts),
                 QStringLiteral("Nazwa elementu: Filtr\r\nIlość: 2,00\r\nOpis: półka\r\n") + rule);
        // A folder that cannot be written: nothing, and the old file stays.
        QVERIFY(!exportReminderTxt(list, dir + QStringLiteral("/missing/x.txt"),
                                   CsvEncoding::Windows1250));
    }
};

QTEST_GUILESS_MAIN(TestDeadlineCheck)
#include "tst_deadlinecheck.moc"
