// Reports and record cards run on a company: the checks before a run, the
// conditions added for it and taken away, keys bound whatever they hold, the
// common names, the cards' texts.
#include "../trips/TripsFixture.h"

#include "fleet/CompanyData.h"
#include "framework/RecordCards.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "reportengine/ReportFonts.h"
#include "reports/RecordCardReport.h"
#include "reports/ReportRow.h"
#include "reports/ReportRunner.h"
#include "reports/SpecialRowSources.h"
#include "storage/ProgramOptions.h"
#include "storage/Query.h"
#include "storage/StatementTemplate.h"

#include <QTest>

using namespace kv;

namespace {

const QString kTemplates = QStringLiteral(KV_SOURCE_DIR "/data/raporty");

QString run(DataModule& db, const char* base, const ReportChoices& choices = {},
            const PeriodChoice& period = {}) {
    const auto doc =
        runReport(db, *reportByBaseName(QString::fromLatin1(base)), choices, period, kTemplates);
    return doc ? report::documentText(*doc) : QStringLiteral("<nic>");
}

} // namespace

class TstReportRuns : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::TripsData> data;
    int m_car = 0;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(report::loadReportFonts());
        db = test::openTemplateCompany(env, QStringLiteral("raporty"));
        QVERIFY(db);
        data = std::make_unique<test::TripsData>(*db);
        data->addVehicleKinds();
        data->addRates(20200101, "0.8358", "0.8358");
        data->addPerson(QStringLiteral("N\"1'"), QStringLiteral("Cudzysłów"),
                        QStringLiteral("Ola"));
        data->addPerson(QStringLiteral("K2"), QStringLiteral("Kowalski"), QStringLiteral("Jan"));
        m_car = data->addVehicle(QStringLiteral("WE 1\"A"), 1, 1600);
        const int other = data->addVehicle(QStringLiteral("WE 2"), 1, 1600);
        // June 2024 and the days around it.
        data->addTrip(m_car, 20240531, "10", QStringLiteral("K2"));
        data->addTrip(m_car, 20240601, "100.005", QStringLiteral("N\"1'"));
        data->addTrip(m_car, 20240630, "20.5", QStringLiteral("K2"));
        data->addTrip(m_car, 20240701, "7", QStringLiteral("N\"1'"));
        data->addTrip(other, 20240615, "33", QStringLiteral("N\"1'"));
        data->addReading(m_car, 20240601, "15000", QStringLiteral("Odczyt"));
        std::optional<CompanyRecord> read = readCompanyRecord(*db);
        QVERIFY(read);
        CompanyRecord firm = *read;
        firm.setValue(QStringLiteral("NAZWA"), QStringLiteral("Żuraw sp. z o.o."));
        QVERIFY(saveCompanyRecord(*db, firm));
    }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        RegisterFilters filters(*db);
        filters.selectVehicle(QString());
        filters.selectMonthYear(0, 0);
    }

    // A vehicle report without a vehicle: the message, no preview.
    void vehicleReportNeedsAVehicle() {
        QCOMPARE(run(*db, "przejazdy_p"), QStringLiteral("<nic>"));
        QCOMPARE(env.ui().messages().size(), 1);
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie wskazano pojazdu")));
    }

    // June 2024 of the vehicle with a quote in its number: 100,01 + 20,50 =
    // 120,51 km (each length as printed); 100,005 x 0,8358 = 83,584179, the
    // amount 83,584179 shown as 83,58; the sum of the amounts printed.
    void vehicleTripsOfAMonth() {
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("WE 1\"A"));
        filters.selectMonthYear(6, 2024);
        const QString text = run(*db, "przejazdy_p");
        QVERIFY2(text.contains(QStringLiteral("Dane z miesiąca: 06-2024")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Pojazd: WE 1\"A, Skoda")));
        QVERIFY(
            text.contains(QStringLiteral("01.06.2024 | Klient | Łódź | 100,01 | 0,8358 | 83,58")));
        QVERIFY(
            text.contains(QStringLiteral("30.06.2024 | Klient | Łódź | 20,50 | 0,8358 | 17,13")));
        QVERIFY(!text.contains(QStringLiteral("31.05.2024")));
        QVERIFY(!text.contains(QStringLiteral("01.07.2024")));
        QVERIFY(text.contains(QStringLiteral("Razem km: | 120,51")));
        QVERIFY(text.contains(QStringLiteral("Razem kwota: | 100,71")));
        QVERIFY(text.contains(QStringLiteral("Żuraw sp. z o.o.")));
        QVERIFY(text.contains(QStringLiteral("Strona 1")));

        // The company's name is left out while the option says so.
        programOptions().cbRapFirma = false;
        QVERIFY(!run(*db, "przejazdy_p").contains(QStringLiteral("Żuraw")));
    }

    // The driver's number goes into the statement bound, so a number with
    // both quotes prints its trips; the condition is gone after the run.
    void driverWithQuotesInTheNumber() {
        ReportChoices choices;
        choices.driverKey = QStringLiteral("N\"1'");
        choices.driverText = QStringLiteral("Cudzysłów Ola");
        const QString text = run(*db, "kier_przejazdy", choices);
        QVERIFY2(text.contains(QStringLiteral("Kierowca: Cudzysłów Ola")), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("| Klient |")), 3);
        QVERIFY(text.contains(QStringLiteral("WE 2 Skoda")));
        QVERIFY(text.contains(QStringLiteral("Razem km: | 140,01"))); // 100,01 + 7,00 + 33,00
        QVERIFY(registerState(*db, RegisterId::Trips).extraFragments.value("extra").isEmpty());
        RegisterController trips(*db, RegisterId::Trips);
        QVERIFY(trips.refresh());
        QCOMPARE(trips.rowCount(), 5);

        choices.driverKey.clear();
        QCOMPARE(run(*db, "kier_przejazdy", choices), QStringLiteral("<nic>"));
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie wskazano kierowcy")));
    }

    void driversOfTheVehicle() {
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("WE 1\"A"));
        const QString text = run(*db, "kierujacy_p");
        QVERIFY(text.contains(QStringLiteral("K2 | Kowalski | Jan")));
        QVERIFY(text.contains(QStringLiteral("N\"1' | Cudzysłów | Ola")));
    }

    // The issue date only when ticked; the period lines of a year and of an
    // open range; a name no report answers prints nothing.
    void commonNames() {
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("WE 2"));
        ReportChoices choices;
        choices.issueDateText = QStringLiteral("15.02.2024");
        QVERIFY(!run(*db, "przebiegi_p", choices).contains(QStringLiteral("Wystawiono")));
        choices.issueDateTicked = true;
        QVERIFY(run(*db, "przebiegi_p", choices).contains(QStringLiteral("Wystawiono 15.02.2024")));
        filters.selectMonthYear(0, 2024);
        QVERIFY(run(*db, "przebiegi_p").contains(QStringLiteral("Dane z roku: 2024")));
        filters.selectDateRange(QStringLiteral("01.06.2024"), QString());
        QVERIFY(run(*db, "przebiegi_p").contains(QStringLiteral("Dane z okresu: od 01.06.2024")));
        QVERIFY(!run(*db, "przebiegi_p").contains(QStringLiteral("99-99-9999")));
    }

    // The sub-registers' reports run; the VAT record first asks for its year
    // and month.
    void subregisterAndVatReports() {
        RegisterFilters filters(*db);
        filters.selectVehicle(QStringLiteral("WE 2"));
        QVERIFY(run(*db, "terminarz_p").contains(QStringLiteral("Terminy związane z pojazdem")));
        QVERIFY(run(*db, "naprawy_p").contains(QStringLiteral("Naprawy wskazanego pojazdu")));
        QCOMPARE(run(*db, "kilometrowka_vat"), QStringLiteral("<nic>"));
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Filtr \"Dane dla <ROK>\"")));
    }

    void missingTemplateIsNamed() {
        const auto doc = runReport(*db, *reportByBaseName(QStringLiteral("osobowa")), {}, {},
                                   env.newDirectory(QStringLiteral("pusty")));
        QVERIFY(!doc);
        QVERIFY(env.ui().last().text.contains(QStringLiteral("osobowa.frf")));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd"));
    }

    // The vehicle card: 27 lines and 26 separators.
    void vehicleCard() {
        RegisterController reg(*db, RegisterId::Vehicles);
        QVERIFY(reg.refresh());
        reg.setCurrentRow(0);
        const auto card = currentRecordCardOf(*db, reg);
        QVERIFY(card);
        QCOMPARE(card->title, QStringLiteral("Dane pojazdu"));
        QCOMPARE(card->body.count(QChar(13)), 26);
        const QStringList lines = card->body.split(QChar(13));
        QCOMPARE(lines.size(), 27);
        QCOMPARE(lines.first(), QStringLiteral("Numer rejestracyjny: WE 1\"A"));
        QCOMPARE(lines.at(6), QStringLiteral("Rodzaj pojazdu: Samochód osobowy"));
        QCOMPARE(lines.at(9), QStringLiteral("Status pojazdu: Aktywny"));
        QCOMPARE(lines.at(24), QStringLiteral("Norma zużycia paliwa od [l]: 0,00 do: 0,00"));
        QCOMPARE(lines.last(), QStringLiteral("Inne: "));

        const auto doc = recordCardDocument(*db, *card, {}, kTemplates);
        QVERIFY(doc);
        const QString text = report::documentText(*doc);
        QVERIFY(text.contains(QStringLiteral("Dane pojazdu")));
        QVERIFY(text.contains(QStringLiteral("Numer rejestracyjny: WE 1\"A / Lp: ")));
    }

    // The odometer card starts with an empty line.
    void odometerCard() {
        RegisterController reg(*db, RegisterId::Odometer);
        QVERIFY(reg.refresh());
        reg.setCurrentRow(0);
        const auto card = currentRecordCardOf(*db, reg);
        QVERIFY(card);
        QVERIFY(card->body.startsWith(QChar(13)));
        QCOMPARE(card->body.split(QChar(13)).at(1), QStringLiteral("Data odczytu: 01.06.2024"));
        QVERIFY(card->body.contains(QStringLiteral("Pojazd: WE 1\"A")));
        QVERIFY(card->body.contains(QStringLiteral("Stan licznika: 15000,00")));
    }

    // A lent trip ends in one line with the person and the readings; the
    // rate and amount come as the grid shows them.
    void tripCards() {
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYW = 'T', PRYWKTO = 'Jan Obcy', "
                                "PRYWLICZOD = 1200, PRYWLICZDO = 1250.5 WHERE DATA = 20240630"));
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        QVERIFY(reg.rowCount() == 5);
        QStringList lasts;
        for (int r = 0; r < reg.rowCount(); ++r) {
            reg.setCurrentRow(r);
            const auto card = currentRecordCardOf(*db, reg);
            QVERIFY(card);
            lasts << card->body.split(QChar(13)).last();
            if (reg.currentValue(QStringLiteral("DATA")).toInt() == 20240601) {
                QVERIFY(card->body.contains(QStringLiteral("Stawka: 0,8358")));
                QVERIFY(card->body.contains(QStringLiteral("Kwota: 83,58")));
                QVERIFY(card->body.contains(QStringLiteral("Kierowca: Cudzysłów Ola")));
            }
        }
        QVERIFY(lasts.contains(QStringLiteral(
            "Użyczono?: Tak. komu użyczono: Jan Obcy. Stan licznika: 1200,00 - 1250,50")));
        QCOMPARE(lasts.count(QStringLiteral("Użyczono?: Nie")), 4);
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYW = 'N' WHERE DATA = 20240630"));
    }

    // The rates card names the kinds 5 to 20 as the rates window does, one
    // line each, also when their rate is 0 or empty.
    void ratesCard() {
        RegisterController reg(*db, RegisterId::Rates);
        QVERIFY(reg.refresh());
        reg.setCurrentRow(0);
        const auto card = currentRecordCardOf(*db, reg);
        QVERIFY(card);
        const QStringList lines = card->body.split(QChar(13));
        QCOMPARE(lines.size(), 6 + 16);
        QCOMPARE(lines.at(0), QStringLiteral("Od kiedy obowiązują stawki: 01.01.2020"));
        QCOMPARE(lines.at(2), QStringLiteral("Poniżej 900 cm3: 0,8358"));
        QCOMPARE(lines.at(4), QStringLiteral("Motocykl: 0,2302"));
        QCOMPARE(lines.at(6), QStringLiteral("Inne 1: 0,0000"));
        QCOMPARE(lines.last(), QStringLiteral("Inne 16: 0,0000"));
    }

    // The order number as typed, quotes kept, bound: the order with the
    // quotes prints, the one without them does not. The orders' statement
    // here is the test's own, with the register's slots.
    void orderNumberWithAQuote() {
        if (!db->hasQuery(QStringLiteral("DBFZlecenia"))) {
            StatementTemplate grid;
            grid << QStringLiteral("SELECT A.IDZLECENIA AS IDZLECENIA, A.NRDOKUMENTU AS "
                                   "NRDOKUMENTU, A.DATAOD AS DATAOD, A.DATADO AS DATADO, '' AS "
                                   "RODZAJPRACO, P.NRREJ AS POJAZD, '' AS OSOBA, A.KONTRAHENT AS "
                                   "KONTRAHENT, A.TRASA AS TRASA FROM zlecenia.DB AS A LEFT OUTER "
                                   "JOIN pojazdy.DB AS P ON P.IDPOJAZD = A.IDPOJAZDU WHERE 1 = 1");
            grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
            grid << QStringLiteral("ORDER BY");
            grid.slot(kSortSlot).slot(kDirectionSlot);
            db->addQuery(QStringLiteral("DBFZlecenia"), ConnectionKind::Company, grid);
        }
        for (const char* number : {"ZL \"7\"", "ZL  7 ", "ZL 7"})
            db->exec(QStringLiteral("INSERT INTO zlecenia.DB (NRDOKUMENTU, KONTRAHENT, DATAOD, "
                                    "DATADO, IDPOJAZDU) VALUES (:PARAM0, :PARAM1, 20240601, "
                                    "20240602, %1)")
                         .arg(m_car),
                     engine::positionalParams(
                         {QString::fromLatin1(number),
                          QStringLiteral("Klient ") + QString::fromLatin1(number)}));
        ReportChoices choices;
        choices.orderNumber = QStringLiteral("ZL \"7\"");
        choices.orderText = QStringLiteral("Proszę o wykonanie");
        const QString text = run(*db, "zlecenie", choices);
        QVERIFY2(text.contains(QStringLiteral("Klient ZL \"7\"")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Klient ZL 7")));
        QVERIFY(!text.contains(QStringLiteral("Klient ZL  7")));
        QVERIFY(text.contains(QStringLiteral("Proszę o wykonanie")));
        QVERIFY(registerState(*db, RegisterId::Orders).extraParameters.isEmpty());
    }

    // The fuel purchase sums compare the period as the costs register does:
    // a date range takes its first and last day; a month excludes its bounds'
    // neighbours only. 40,125 + 10,5 litres on the range's two ends.
    void fuelPurchaseSumsTakeTheRangesEnds() {
        db->exec(QStringLiteral("INSERT INTO koszty.DB (IDPOJAZD, DATA, ISFUEL, FUEL, WARTNETTO, "
                                "WARTVAT, WARTBRUTTO) VALUES (%1, 20240301, 'T', 40.125, 100, 23, "
                                "123), (%1, 20240315, 'T', 10.5, 50.25, 11.5, 61.75), (%1, "
                                "20240316, 'T', 1, 1, 1, 1), (%1, 20240310, 'N', 99, 99, 99, 99)")
                     .arg(m_car));
        const ReportDefinition& def = *reportByBaseName(QStringLiteral("koszty_paliwa"));
        RegisterFilters filters(*db);
        filters.selectDateRange(QStringLiteral("01.03.2024"), QStringLiteral("15.03.2024"));
        auto rows = specialRows(*db, def, {});
        QVERIFY(rows);
        QCOMPARE(rows->rowCount(), 1);
        ReportRow row(rows);
        QCOMPARE(row.number(QStringLiteral("SFUEL")), QStringLiteral("50,63")); // 50,625
        QCOMPARE(row.number(QStringLiteral("SNETTO")), QStringLiteral("150,25"));
        QCOMPARE(row.rawText(QStringLiteral("NRREJ")), QStringLiteral("WE 1\"A"));
        filters.selectMonthYear(3, 2024);
        rows = specialRows(*db, def, {});
        QCOMPARE(ReportRow(rows).number(QStringLiteral("SFUEL")), QStringLiteral("51,63"));
        db->exec(QStringLiteral("DELETE FROM koszty.DB"));
    }

    void emptyRegisterHasNoCard() {
        RegisterController reg(*db, RegisterId::Employees);
        db->exec(QStringLiteral("DELETE FROM osobowa.DB WHERE NREW = 'nikt'"));
        RegisterFilters(*db).setExtraFilter(RegisterId::Employees, QStringLiteral("extra"),
                                            QStringLiteral("AND 1 = 0"));
        QVERIFY(reg.refresh());
        QVERIFY(!currentRecordCardOf(*db, reg));
        RegisterFilters(*db).setExtraFilter(RegisterId::Employees, QStringLiteral("extra"),
                                            QString());
    }
};

QTEST_MAIN(TstReportRuns)
#include "tst_reportruns.moc"
