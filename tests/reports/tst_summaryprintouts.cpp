// The printouts of the annual summary (the summary and the internal receipt
// of a month), its sheet, and the VAT mileage record run as its command runs
// it: the names their templates ask and the texts they print.
#include "../trips/TripsFixture.h"

#include "costs/AnnualSummary.h"
#include "framework/RegisterFilters.h"
#include "reportengine/ReportFonts.h"
#include "reports/AnnualSummaryReport.h"
#include "reports/ReportRunner.h"

#include <QTest>

using namespace kv;

namespace {

const QString kTemplates = QStringLiteral(KV_SOURCE_DIR "/data/raporty");

Decimal dec(const char* text) {
    return Decimal::parse(QString::fromLatin1(text)).value();
}

AnnualSummary example() {
    std::array<Decimal, 12> allowance{}, costs{};
    allowance[0] = dec("100");
    costs[0] = dec("150");
    allowance[1] = dec("80");
    costs[1] = dec("10");
    allowance[5] = dec("1203.5");
    return carryAnnualSummary(allowance, costs);
}

AnnualSummaryHeader header() {
    AnnualSummaryHeader h;
    h.year = 2024;
    h.vehicle = QStringLiteral("EL 1, Skoda");
    h.owner = QStringLiteral("Firma");
    h.capacity = QStringLiteral("1400 cm3");
    h.company = QStringLiteral("Żuraw");
    return h;
}

} // namespace

class TestSummaryPrintouts : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    void setCompany(DataModule& db, const QStringList& values) {
        db.exec(QStringLiteral("DELETE FROM firma.DB"));
        db.exec(QStringLiteral("INSERT INTO firma.DB (IDFIRMA, NAZWA, ULICA, NUMER, KOD, MIASTO, "
                               "NIP, TELEFON, FAX, EMAIL) VALUES (1, :PARAM0, :PARAM1, :PARAM2, "
                               ":PARAM3, :PARAM4, :PARAM5, :PARAM6, :PARAM7, :PARAM8)"),
                engine::positionalParams(values));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        QVERIFY(report::loadReportFonts());
    }
    void init() { env.ui().clear(); }

    void summaryAnswersCellByCell() {
        const AnnualSummary s = example();
        CommonValues common;
        common.issued = QStringLiteral("Wystawiono 15.02.2024");
        AnnualSummaryValues v(s, header(), common);
        // The header band asks one name five times: one column each.
        QStringList titles;
        for (int c = 0; c < 5; ++c)
            titles << v.value(QStringLiteral("KolumnaHeader"));
        QCOMPARE(titles, annualSummaryColumnTitles());
        v.setRow(1);
        QCOMPARE(v.value(QStringLiteral("WIERSZHEADER")), QStringLiteral("Luty"));
        QStringList february;
        for (int c = 0; c < 5; ++c)
            february << v.value(QStringLiteral("cell"));
        QCOMPARE(february,
                 (QStringList{"80,00 zł ", "10,00 zł ", "60,00 zł ", "20,00 zł ", "0,00 zł "}));
        // Names with the column, in any case.
        QCOMPARE(v.value(QStringLiteral("Suma1")), QStringLiteral("1383,50 zł "));
        QCOMPARE(v.value(QStringLiteral("suma5")), QStringLiteral("0,00 zł "));
        QCOMPARE(v.value(QStringLiteral("SUMA4")), QStringLiteral("1223,50 zł "));
        QCOMPARE(v.value(QStringLiteral("Cell3")), QStringLiteral("60,00 zł "));
        QCOMPARE(v.value(QStringLiteral("NRREJ")), QStringLiteral("EL 1, Skoda"));
        QCOMPARE(v.value(QStringLiteral("ROK")), QStringLiteral("2024"));
        QCOMPARE(v.value(QStringLiteral("WYSTAWIONO")), QStringLiteral("Wystawiono 15.02.2024"));
        QCOMPARE(v.value(QStringLiteral("NIEZNANA")), QString());

        const auto doc = layoutAnnualSummary(s, header(), common, kTemplates);
        QVERIFY(doc);
        // Each cell keeps the window's trailing blank after "zł".
        QString text = report::documentText(*doc);
        QVERIFY(text.contains(QStringLiteral("100,00 zł  | 150,00 zł  |")));
        text.replace(QStringLiteral("zł  | "), QStringLiteral("zł | "));
        QVERIFY2(text.contains(QStringLiteral(
                     "Styczeń | 100,00 zł | 150,00 zł | 100,00 zł | 0,00 zł | 50,00 zł")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Czerwiec | 1203,50 zł | 0,00 zł | 0,00 zł | "
                                             "1223,50 zł | 0,00 zł")));
        QVERIFY(text.contains(
            QStringLiteral("Razem | 1383,50 zł | 160,00 zł | 160,00 zł | 1223,50 zł | 0,00 zł")));
    }

    void sheetIsTheTable() {
        const QList<QStringList> sheet = annualSummarySheet(example());
        QCOMPARE(sheet.size(), 13);
        QCOMPARE(sheet.first(),
                 (QStringList{"Miesiąc", "Przebieg", "Eksploatacja", "Do zaksięgowania",
                              "Nadwyżka z przebiegu", "Nadwyżka z eksploatacji"}));
        QCOMPARE(sheet.at(2), (QStringList{" Luty", "80,00 zł ", "10,00 zł ", "60,00 zł ",
                                           "20,00 zł ", "0,00 zł "}));
        QCOMPARE(sheet.at(12).first(), QStringLiteral(" Grudzień"));
    }

    void receiptLinesAndAmountInWords() {
        auto db = test::openTemplateCompany(env, QStringLiteral("dowod"));
        QVERIFY(db);
        setCompany(*db, {"Termalis", "ul. Przędzalniana", "48", "90-338", "Łódź", "727-284-31-53",
                         "", "", "biuro@termalis.pl"});
        QString town;
        const QStringList lines = receiptCompanyLines(*db, &town);
        // The street and its number apart; empty lines skipped, then padded.
        QCOMPARE(lines, (QStringList{"Termalis", "ul. Przędzalniana 48", "90-338 Łódź",
                                     "727-284-31-53", "biuro@termalis.pl", "", ""}));
        QCOMPARE(town, QStringLiteral("Łódź"));

        setCompany(*db, {"", "", "", "", "", "", "", "", ""});
        QCOMPARE(receiptCompanyLines(*db), QStringList(7, QString()));

        const AnnualSummary s = example();
        ReceiptChoice choice;
        choice.month = 6;
        choice.issueDate = QStringLiteral("30.06.2024");
        choice.number = QStringLiteral("DW 6/2024");
        MonthReceiptValues v(s, header(), choice, lines, town);
        QCOMPARE(v.value(QStringLiteral("FIRMA2")), QStringLiteral("ul. Przędzalniana 48"));
        QCOMPARE(v.value(QStringLiteral("FIRMA7")), QString());
        QCOMPARE(v.value(QStringLiteral("MIESIAC")), QStringLiteral("Czerwiec"));
        // June books nothing: the cost surplus after February is 0 and the
        // allowance is carried.
        QCOMPARE(v.value(QStringLiteral("WARTOSC")), QStringLiteral("0,00 zł "));
        QCOMPARE(v.value(QStringLiteral("SLOWNIE")), QStringLiteral("ZER 00/100"));
        QVERIFY(v.value(QStringLiteral("WYSTAWIL")).endsWith(QStringLiteral("\rWystawił")));
        choice.month = 1;
        MonthReceiptValues january(s, header(), choice, lines, town);
        QCOMPARE(january.value(QStringLiteral("SLOWNIE")), QStringLiteral("JED*ZER*ZER 00/100"));

        const auto doc = layoutMonthReceipt(s, header(), choice, lines, town, kTemplates);
        QVERIFY(doc);
        const QString text = report::documentText(*doc);
        QVERIFY2(text.contains(QStringLiteral("Dowód wewnętrzny nr DW 6/2024")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Łódź, 30.06.2024")));
    }

    void vatRecordPrintsItsValuesAndTrips() {
        auto db = test::openTemplateCompany(env, QStringLiteral("vat"));
        QVERIFY(db);
        test::TripsData data(*db);
        setCompany(*db, {"Termalis", "", "", "", "", "727-284-31-53", "", "", ""});
        const int car = data.addVehicle(QStringLiteral("EL 1\"A"));
        data.addPerson(QStringLiteral("7"), QStringLiteral("Kowalski"), QStringLiteral("Jan"));
        db->exec(QStringLiteral("INSERT INTO przebiegi.DB (IDPOJAZD, DATA, LICZNIK, UWAGI, "
                                "DOTYCZY) VALUES (%1, 20240110, 1000.5, '', 1), (%1, 20240229, "
                                "1300.4, '', 2)")
                     .arg(car));
        data.addTrip(car, 20240203, "120.5", QStringLiteral("7"));
        const int lent = data.addTrip(car, 20240210, "80");
        db->exec(QStringLiteral("UPDATE przejazdy.DB SET PRYW = 'T', PRYWLICZOD = 1100, PRYWLICZDO "
                                "= 1180, PRYWKTO = 'Jan Obcy' WHERE IDPRZEJAZD = %1")
                     .arg(lent));
        RegisterFilters(*db).selectVehicle(QStringLiteral("EL 1\"A"));
        const ReportDefinition& def = *reportByBaseName(QStringLiteral("kilometrowka_vat"));
        PeriodChoice period{true, 2024, 2};
        const auto doc = runReport(*db, def, {}, period, kTemplates);
        QVERIFY(doc);
        const QString text = report::documentText(*doc);
        QVERIFY2(text.contains(QStringLiteral("Pojazd: Skoda EL 1\"A")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Okres: Luty 2024")));
        QVERIFY(text.contains(QStringLiteral("Termalis NIP 727-284-31-53")));
        QVERIFY(text.contains(
            QStringLiteral("Rozpoczęcie ewidencji: 10.01.2024, stan licznika 1000,00 km")));
        QVERIFY(text.contains(
            QStringLiteral("Koniec tego okresu: 29.02.2024, stan licznika 1300,00 km")));
        QVERIFY(text.contains(QStringLiteral("Przebieg w tym okresie: 300,00 km")));
        QVERIFY(text.contains(QStringLiteral("1. | 03.02.2024 | Klient | Łódź | 120,50 | "
                                             "Kowalski Jan")));
        QVERIFY(text.contains(QStringLiteral("Jan Obcy")));
        QVERIFY(text.contains(QStringLiteral("Od: 1100,00")));
        QVERIFY(text.contains(QStringLiteral("Przejechano razem [km]: | 200,50")));
        QVERIFY(text.contains(QStringLiteral("Podpis podatnika")));

        // Without its month the command stops at the check.
        QVERIFY(!runReport(*db, def, {}, PeriodChoice{true, 2024, 0}, kTemplates));
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Nie wskazano miesiąca")));
    }
};

QTEST_MAIN(TestSummaryPrintouts)
#include "tst_summaryprintouts.moc"
