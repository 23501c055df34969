// The figures and texts reports print, worked out by hand: the period line,
// the running sums, the names of the sets, the checks before a run.
#include "TestSupport.h"

#include "framework/RegisterViewState.h"
#include "reports/CommonVariables.h"
#include "reports/FuelPeriodStats.h"
#include "reports/ReportRow.h"
#include "reports/ReportRunState.h"
#include "reports/ReportSelection.h"
#include "reports/ReportVariableSets.h"
#include "storage/engine/ResultSet.h"

#include <QTest>

using namespace kv;

namespace {

std::shared_ptr<const ResultSet> table(const QStringList& columns,
                                       const QList<QVariantList>& values) {
    auto set = std::make_shared<ResultSet>(columns);
    for (const QVariantList& row : values) {
        for (const QVariant& v : row)
            set->appendCell(v);
        set->finishRow();
    }
    return set;
}

// Asks the names of one row the way a template's row band does.
QStringList ask(SetContext& c, ReportRow& row, int index, const QStringList& names) {
    row.setRow(index);
    QStringList out;
    for (const QString& n : names)
        out << setVariable(n, c).value_or(QStringLiteral("<wspólna>"));
    return out;
}

} // namespace

class TstReportValues : public QObject {
    Q_OBJECT

    test::TestEnvironment m_env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void periodLine_data() {
        QTest::addColumn<qint64>("lower");
        QTest::addColumn<qint64>("upper");
        QTest::addColumn<QString>("text");
        QTest::newRow("June") << qint64(20240600) << qint64(20240700) << "Dane z miesiąca: 06-2024";
        // December's upper bound has month 13: still a month, not a year.
        QTest::newRow("December") << qint64(20241200) << qint64(20241300)
                                  << "Dane z miesiąca: 12-2024";
        QTest::newRow("January") << qint64(20250100) << qint64(20250200)
                                 << "Dane z miesiąca: 01-2025";
        QTest::newRow("year") << qint64(20240000) << qint64(20241300) << "Dane z roku: 2024";
        QTest::newRow("range") << qint64(20240215) << qint64(20240301)
                               << "Dane z okresu: 15.02.2024 - 01.03.2024";
        QTest::newRow("one day") << qint64(20240229) << qint64(20240229)
                                 << "Dane z okresu: 29.02.2024 - 29.02.2024";
        QTest::newRow("open end") << qint64(20240215) << qint64(99999999)
                                  << "Dane z okresu: od 15.02.2024";
        QTest::newRow("open start")
            << qint64(0) << qint64(20240301) << "Dane z okresu: do 01.03.2024";
        QTest::newRow("both open") << qint64(0) << qint64(99999999) << "";
        QTest::newRow("none") << qint64(0) << qint64(0) << "";
    }
    void periodLine() {
        QFETCH(qint64, lower);
        QFETCH(qint64, upper);
        QFETCH(QString, text);
        QCOMPARE(periodText(lower, upper), text);
    }

    // Sums of the printed texts: 10,01 + 1234,50 + 0,13 (the texts as shown,
    // each already rounded half away from zero) = 1244,64; text that is no
    // number adds nothing.
    void runningSums() {
        ReportRunState s;
        s.reset();
        QCOMPARE(s.add(1, QStringLiteral("10,01")), QStringLiteral("10,01"));
        s.add(1, QStringLiteral("1234.50"));
        s.add(1, QStringLiteral("0,13"));
        s.add(1, QStringLiteral("brak"));
        s.add(1, QString());
        QCOMPARE(s.sumText(1), QStringLiteral("1244,64"));
        QCOMPARE(s.sumText(2), QStringLiteral("0,00"));
        s.add(2, QStringLiteral("-5,5"));
        QCOMPARE(s.sumText(2), QStringLiteral("-5,50"));
        s.add(9, QStringLiteral("1")); // no such sum
        s.reset();
        QCOMPARE(s.sumText(1), QStringLiteral("0,00"));
        QCOMPARE(s.page(), 1);
    }

    // The costs set over two rows: NETTO asked once per row sums both rows'
    // shown amounts; asked twice, twice that. The fuel purchase line reads
    // the litres.
    void costSums() {
        auto rows = table({"WARTNETTO", "WARTVAT", "WARTBRUTTO", "ISFUEL", "FUEL"},
                          {{100.005, 23.0, 123.005, "T", 40.125}, {0.994, 0.23, 1.224, "N", 0}});
        ReportRow row(rows, &registerDescriptor(RegisterId::Costs), nullptr);
        ReportDefinition def = *reportByBaseName(QStringLiteral("koszty_p"));
        ReportChoices choices;
        ReportRunState state;
        state.reset();
        SetContext c{def, choices, state, row};
        QCOMPARE(ask(c, row, 0, {"NETTO", "ISFUEL"}),
                 (QStringList{"100,01", "Zakup paliwa: 40,13 l."}));
        QCOMPARE(ask(c, row, 1, {"NETTO", "ISFUEL"}), (QStringList{"0,99", ""}));
        QCOMPARE(*setVariable(QStringLiteral("SNETTO"), c), QStringLiteral("101,00"));
        // Not the road-card report: no litre sum.
        QCOMPARE(setVariable(QStringLiteral("SFUEL"), c), std::nullopt);

        state.reset();
        for (int r = 0; r < 2; ++r)
            ask(c, row, r, {"NETTO", "NETTO"});
        QCOMPARE(*setVariable(QStringLiteral("SNETTO"), c), QStringLiteral("202,00"));

        // The road-card costs report adds the litres of ISFUEL to its own sum.
        def = *reportByBaseName(QStringLiteral("koszty_karta"));
        state.reset();
        SetContext road{def, choices, state, row};
        ask(road, row, 0, {"ISFUEL"});
        ask(road, row, 1, {"ISFUEL"});
        QCOMPARE(*setVariable(QStringLiteral("SFUEL"), road), QStringLiteral("40,13"));
    }

    // Fuel prices: without "Wskazane paliwo" SBRUTTO is empty; with it, the
    // average of the prices asked: (6,49 + 6,52 + 6,55) / 3 = 6,52.
    void fuelPriceAverage() {
        auto rows = table({"BRUTTO", "PALIWO"}, {{6.49, "ON"}, {6.52, "ON"}, {6.55, "ON"}});
        ReportRow row(rows, &registerDescriptor(RegisterId::FuelPrices), nullptr);
        const ReportDefinition def = *reportByBaseName(QStringLiteral("cenypaliw"));
        ReportChoices choices;
        ReportRunState state;
        state.reset();
        SetContext c{def, choices, state, row};
        for (int r = 0; r < 3; ++r)
            ask(c, row, r, {"BRUTTO"});
        QCOMPARE(*setVariable(QStringLiteral("SBRUTTO"), c), QString());
        c.fuelKindUsed = true;
        state.reset();
        for (int r = 0; r < 3; ++r)
            ask(c, row, r, {"BRUTTO"});
        QCOMPARE(*setVariable(QStringLiteral("SBRUTTO"), c),
                 QStringLiteral("Średnia cena zakupu paliwa: 6,52"));
    }

    // Names a set does not have fall to the common names; a name no report
    // answers is empty. Scopes: the driver's trips name the vehicle.
    void namesBySetAndScope() {
        auto rows = table({"NRREJ", "MARKA", "ODLEGLOSC"}, {{"WE 1", "Skoda", 12.5}});
        ReportRow row(rows, &registerDescriptor(RegisterId::Trips), nullptr);
        ReportChoices choices;
        ReportRunState state;
        state.reset();
        const ReportDefinition vehicle = *reportByBaseName(QStringLiteral("przejazdy_p"));
        SetContext c{vehicle, choices, state, row};
        QCOMPARE(setVariable(QStringLiteral("NRREJKI"), c), std::nullopt);
        QCOMPARE(*setVariable(QStringLiteral("dl"), c), QStringLiteral("12,50"));
        const ReportDefinition driver = *reportByBaseName(QStringLiteral("kier_przejazdy"));
        SetContext d{driver, choices, state, row};
        QCOMPARE(*setVariable(QStringLiteral("NRREJKI"), d), QStringLiteral("WE 1"));

        CommonValues common;
        common.company = QStringLiteral("Firma");
        QCOMPARE(commonVariable(QStringLiteral("FIRMA"), common, 3), QStringLiteral("Firma"));
        QCOMPARE(commonVariable(QStringLiteral("STRONA"), common, 3), QStringLiteral("3"));
        QCOMPARE(commonVariable(QStringLiteral("NIEZNANA"), common, 3), QString());
        QCOMPARE(commonVariable(QStringLiteral("WYSTAWIONO"), common, 3), QString());
    }

    // Continuous: 1300 - 100 = 1200 km; 20 + (40 + 50 + 30) - 30 - 10 = 100 l;
    // 100 / 1200 x 100 = 8,333.. -> 8,33. Per engine hour: litres per hour.
    void fuelStatistics() {
        auto cont =
            table({"DATA", "BAK", "TANKOWANIE", "LICZNIK"},
                  {{20240110, 20, 40, 100}, {20240105, 15, 50, 700}, {20240130, 10, 30, 1300}});
        const FuelPeriodStats s = fuelPeriodStats(RegisterId::Consumption, *cont);
        QCOMPARE(s.distance.toString(2), QStringLiteral("1200.00"));
        QCOMPARE(s.litres.toString(2), QStringLiteral("100.00"));
        QCOMPARE(s.usage.toString(2), QStringLiteral("8.33"));
        QCOMPARE(s.firstDateText(), QStringLiteral("05.01.2024"));
        QCOMPARE(s.lastDateText(), QStringLiteral("30.01.2024"));

        auto mth =
            table({"DATA", "PRZEBIEG", "TANKOWANIE"}, {{20240110, 8, 25}, {20240111, 7, 20}});
        const FuelPeriodStats h = fuelPeriodStats(RegisterId::ConsumptionMth, *mth);
        QCOMPARE(h.usage.toString(2), QStringLiteral("3.00")); // 45 / 15
        const FuelPeriodStats k = fuelPeriodStats(RegisterId::ConsumptionKm, *mth);
        QCOMPARE(k.usage.toString(2), QStringLiteral("300.00"));

        // No distance: the figures stay 0.
        auto flat = table({"DATA", "BAK", "TANKOWANIE", "LICZNIK"}, {{20240110, 20, 40, 100}});
        QVERIFY(fuelPeriodStats(RegisterId::Consumption, *flat).usage.isZero());
        QCOMPARE(fuelPeriodStats(RegisterId::Consumption, ResultSet{}).firstDateText(), QString());
    }

    void selectionChecks() {
        SharedFilters filters;
        ReportChoices choices;
        m_env.ui().clear();
        QVERIFY(!checkReportSelection(SelectionKind::Vehicle, filters, choices));
        QCOMPARE(m_env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(m_env.ui().last().text,
                 QStringLiteral("Nie wskazano pojazdu, dla którego wygenerować zestawienie. "
                                "Wybierz pojazd z filtra poniżej: \"Dane dla pojazdu\"."));
        filters.selectedVehicleNr = QStringLiteral("WE 1");
        QVERIFY(checkReportSelection(SelectionKind::Vehicle, filters, choices));
        QVERIFY(!checkReportSelection(SelectionKind::VehicleYear, filters, choices));
        QVERIFY(m_env.ui().last().text.startsWith(QStringLiteral("Filtr \"Dane dla <ROK>\"")));
        QVERIFY(!checkReportSelection(SelectionKind::VehicleYearMonth, filters, choices,
                                      {true, 2024, 0}));
        QVERIFY(m_env.ui().last().text.startsWith(QStringLiteral("Nie wskazano miesiąca")));
        QVERIFY(checkReportSelection(SelectionKind::VehicleYearMonth, filters, choices,
                                     {true, 2024, 6}));
        QVERIFY(!checkReportSelection(SelectionKind::Driver, filters, choices));
        QVERIFY(m_env.ui().last().text.startsWith(QStringLiteral("Nie wskazano kierowcy")));
        QVERIFY(!checkReportSelection(SelectionKind::FuelCard, filters, choices));
        QVERIFY(m_env.ui().last().text.startsWith(QStringLiteral("Nie wskazano karty paliwowej")));
        QVERIFY(!checkReportSelection(SelectionKind::RoadCard, filters, choices));
        QCOMPARE(m_env.ui().last().text, QStringLiteral("Nie wskazano karty drogowej. Wybierz "
                                                        "kartę z rozwijanej listy obok."));
        choices.driverKey = QStringLiteral("N\"1'");
        QVERIFY(checkReportSelection(SelectionKind::Driver, filters, choices));
    }

    // The catalog: each template once, every set's report findable by its
    // base name, and the VAT record waiting for its version.
    void catalog() {
        QSet<QString> files;
        for (const ReportDefinition& d : reportDefinitions()) {
            QVERIFY2(!files.contains(d.templateFile), qPrintable(d.templateFile));
            files.insert(d.templateFile);
            QCOMPARE(reportByBaseName(d.baseName()), &d);
            QVERIFY(reportTabs().contains(d.tab));
        }
        QCOMPARE(files.size(), 39);
        QVERIFY(!reportByBaseName(QStringLiteral("kilometrowka_vat"))->ownIssue);
        QCOMPARE(reportByBaseName(QStringLiteral("nieznany")), nullptr);
    }
};

QTEST_MAIN(TstReportValues)
#include "tst_reportvalues.moc"
