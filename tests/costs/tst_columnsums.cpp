#include "CostsFixture.h"

#include "costs/CostFilters.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterSheet.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterSums.h"
#include "framework/RegisterTableModel.h"

using namespace kv;

namespace {

// The sum of a grid column as the user would add up the cells on screen.
QString gridColumnSum(RegisterController& reg, const QString& field) {
    const std::unique_ptr<RegisterTableModel> model = registerModel(reg);
    int column = -1;
    for (int c = 0; c < reg.descriptor().columns.size(); ++c)
        if (reg.descriptor().columns.at(c).field == field)
            column = c;
    if (column < 0)
        return QStringLiteral("no column ") + field;
    Decimal total;
    for (int r = 0; r < model->rowCount(); ++r)
        total += Decimal::parse(model->cellText(r, column)).value_or(Decimal::fromInteger(999999));
    return formatDecimal(total, 2);
}

} // namespace

// "Przelicz sumy": the sums of the rows each register shows, with its
// filters, added as its grid shows the cells.
class TestColumnSums : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<test::CostsData> data;
    const QString plate = QStringLiteral("EL 1'2\"3");
    int car = 0;
    int other = 0;

    void addCost(int vehicle, int date, const char* net, const char* vat, const char* gross,
                 const char* fuel, bool isFuel) {
        db->exec(QStringLiteral("INSERT INTO koszty.DB (IDPOJAZD, DATA, RODZWYD, WARTNETTO, "
                                "WARTVAT, WARTBRUTTO, CZYVAT, ISFUEL, FUEL) VALUES (%1, %2, "
                                "'Inne', %3, %4, %5, 'T', %6, %7)")
                     .arg(vehicle)
                     .arg(date)
                     .arg(QLatin1String(net), QLatin1String(vat), QLatin1String(gross),
                          isFuel ? QStringLiteral("'T'") : QStringLiteral("NULL"),
                          QLatin1String(fuel)));
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        db = test::openTemplateCompany(env, QStringLiteral("sumy"));
        QVERIFY(db);
        data = std::make_unique<test::CostsData>(*db);
        data->addVehicleKinds();
        data->addRates(20100101, "0.5214", "0.8358");
        car = data->addVehicle(plate, 1, 1400);
        other = data->addVehicle(QStringLiteral("EL 2"), 1, 800);
        // 175 km at 0.8358 shows 146.27; 100 km 83.58; 33.3 km 27.83 (27.83214).
        data->addTrip(car, 20240105, "175");
        data->addTrip(car, 20240305, "100");
        data->addTrip(car, 20240306, "33.3");
        data->addTrip(car, 20250101, "1000");
        data->addTrip(other, 20240105, "50");
        // 10.005 shows 10.01 in the grid, twice 20.02 (a float sum shows 20.01).
        addCost(car, 20240110, "10.005", "2.3", "12.305", "0", false);
        addCost(car, 20240111, "10.005", "2.3", "12.305", "40.125", true);
        addCost(car, 20240112, "100", "23", "123", "0", false);
        addCost(other, 20240110, "5", "1", "6", "0", false);
        addCost(car, 20250110, "5", "1", "6", "0", false);
    }
    void init() {
        env.ui().clear();
        applyCostFilters(*db, CostFilterState{});
        RegisterFilters filters(*db);
        filters.selectVehicle(plate);
        filters.selectMonthYear(0, 2024);
    }
    void cleanupTestCase() {
        data.reset();
        db.reset();
    }

    void tripsAddUpAsTheGridShows() {
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        QCOMPARE(reg.rowCount(), 3);
        const ColumnSums s = computeColumnSums(*db, RegisterId::Trips);
        QCOMPARE(s.caption, QStringLiteral("Sumy dla tabeli PRZEJAZDY"));
        QCOMPARE(s.labels,
                 (QStringList{"Ilość przejazdów", "Przejechanych km", "Kwota przejazdów"}));
        QCOMPARE(s.values, (QStringList{"3", "308,30", "257,68"}));
        QCOMPARE(s.values.at(1), gridColumnSum(reg, QStringLiteral("ODLEGLOSC")));
        QCOMPARE(s.values.at(2), gridColumnSum(reg, QStringLiteral("KWOTA")));
        QVERIFY(env.ui().messages().isEmpty());
    }

    void costsAddUpAsTheGridShows() {
        RegisterController reg(*db, RegisterId::Costs);
        QVERIFY(reg.refresh());
        const ColumnSums s = computeColumnSums(*db, RegisterId::Costs);
        QCOMPARE(s.labels,
                 (QStringList{"Ilość kosztów", "Netto", "VAT", "Brutto", "Ilość paliwa"}));
        // 10.01 + 10.01 + 100; 12.31 + 12.31 + 123; 40.125 shows 40.13.
        QCOMPARE(s.values, (QStringList{"3", "120,02", "27,60", "147,62", "40,13"}));
        for (const char* field : {"WARTNETTO", "WARTVAT", "WARTBRUTTO", "FUEL"})
            QCOMPARE(
                s.values.at(QStringList{"", "WARTNETTO", "WARTVAT", "WARTBRUTTO", "FUEL"}.indexOf(
                    QLatin1String(field))),
                gridColumnSum(reg, QLatin1String(field)));

        // The register's own filters count too.
        CostFilterState fuelOnly;
        fuelOnly.fuelOnly = true;
        applyCostFilters(*db, fuelOnly);
        QCOMPARE(computeColumnSums(*db, RegisterId::Costs).values,
                 (QStringList{"1", "10,01", "2,30", "12,31", "40,13"}));
    }

    void noRowsGiveZeros() {
        RegisterFilters(*db).selectMonthYear(2, 2024);
        QCOMPARE(computeColumnSums(*db, RegisterId::Costs).values,
                 (QStringList{"0", "0,00", "0,00", "0,00", "0,00"}));
        QCOMPARE(computeColumnSums(*db, RegisterId::Trips).values,
                 (QStringList{"0", "0,00", "0,00"}));
        QCOMPARE(computeColumnSums(*db, RegisterId::Odometer).values, QStringList{"0"});
    }

    void countsFollowTheFilters() {
        QCOMPARE(computeColumnSums(*db, RegisterId::Vehicles).values, QStringList{"1"});
        RegisterFilters(*db).selectVehicle(QString());
        QCOMPARE(computeColumnSums(*db, RegisterId::Vehicles).values, QStringList{"2"});
        // The rates are counted whatever the filters.
        QCOMPARE(computeColumnSums(*db, RegisterId::Rates).values, QStringList{"1"});
        QCOMPARE(computeColumnSums(*db, RegisterId::Rates).caption,
                 QStringLiteral("Sumy dla tabeli STAWKI"));
    }

    void continuousKmIsLastReadingLessFirst() {
        for (const auto& [date, reading, litres] :
             {std::tuple{20240301, "1000", "40"}, std::tuple{20240310, "1500.4", "30.5"},
              std::tuple{20240201, "900", "10"}, std::tuple{20240320, "1800.256", "20.25"}})
            db->exec(QStringLiteral("INSERT INTO zuzycie.DB (IDPOJAZD, DATA, BAK, TANKOWANIE, "
                                    "LICZNIK) VALUES (%1, %2, 0, %3, %4)")
                         .arg(car)
                         .arg(date)
                         .arg(QLatin1String(litres), QLatin1String(reading)));
        RegisterFilters(*db).selectMonthYear(3, 2024);
        const ColumnSums s = computeColumnSums(*db, RegisterId::Consumption);
        QCOMPARE(s.labels, (QStringList{"Ilość wpisów", "Zatankowano l.", "Przejechano km."}));
        // 1800.26 as shown less 1000.00.
        QCOMPARE(s.values, (QStringList{"3", "90,75", "800,26"}));
        RegisterFilters(*db).selectMonthYear(4, 2024);
        QCOMPARE(computeColumnSums(*db, RegisterId::Consumption).values,
                 (QStringList{"0", "0,00", "0,00"}));
    }

    // A page that is no register gets only the caption; every register has
    // its sums.
    void pagesWithoutSums() {
        const ColumnSums s = noColumnSums();
        QCOMPARE(s.caption,
                 QStringLiteral("Włącz odpowiednią tabelę i ponownie kliknij \"Przelicz sumy\""));
        QVERIFY(s.labels.isEmpty());
        QVERIFY(s.values.isEmpty());
        for (int id = 0; id < kRegisterCount; ++id)
            QVERIFY2(registerSums(static_cast<RegisterId>(id)),
                     qPrintable(registerDescriptor(static_cast<RegisterId>(id)).name));
    }

    // Settlements: "Koszt pracy" adds each row's value as shown (7.5 h x
    // 120.00 = 900.00; 1.5 h x 33.33 = 49.995 shows 50.00), never the
    // unrounded product (949.995). Damages, tyres and road cards add their
    // columns; the vehicle filter holds for all of them.
    void laterRegistersAddUpAsTheGridShows() {
        db->exec(QStringLiteral("INSERT INTO rozliczenia.DB (NRDOKUMENTU, DATAOD, DATADO, "
                                "IDPOJAZDU, GODZINY, STAWKA) VALUES ('R1', 20240110, 20240110, "
                                "%1, 7.5, 120), ('R2', 20240111, 20240111, %1, 1.5, 33.33), "
                                "('R3', 20240111, 20240111, %2, 3, 10)")
                     .arg(car)
                     .arg(other));
        RegisterController settlements(*db, RegisterId::Settlements);
        QVERIFY(settlements.refresh());
        ColumnSums s = computeColumnSums(*db, RegisterId::Settlements);
        QCOMPARE(s.labels, (QStringList{"Ilość rekordów", "Przepracow. godzin", "Koszt pracy"}));
        QCOMPARE(s.values, (QStringList{"2", "9,00", "950,00"}));
        QCOMPARE(s.values.at(2), gridColumnSum(settlements, QStringLiteral("WARTOSC")));

        db->exec(QStringLiteral("INSERT INTO szkody.DB (IDPOJAZD, DATA, WARTNETTO, WARTVAT, "
                                "WARTBRUTTO) VALUES (%1, 20240201, 100.005, 23, 123.005), (%2, "
                                "20240201, 1, 1, 2)")
                     .arg(car)
                     .arg(other));
        s = computeColumnSums(*db, RegisterId::Damages);
        QCOMPARE(s.caption, QStringLiteral("Sumy dla tabeli SZKODY"));
        QCOMPARE(s.values, (QStringList{"1", "100,01", "23,00", "123,01"}));

        db->exec(QStringLiteral("INSERT INTO kartydrogowe.DB (NRKARTY, DATAWYST, DATASTART, "
                                "IDPOJAZD, LICZSTART, LICZEND, GODZSUMA) VALUES ('K1', 20240105, "
                                "20240105, %1, 1000, 1250.5, 8), ('K2', 20240106, 20240106, %1, "
                                "1250.5, 1300, 2.5)")
                     .arg(car));
        s = computeColumnSums(*db, RegisterId::RoadCards);
        QCOMPARE(s.caption, QStringLiteral("Sumy dla tabeli KARTY DROGOWE"));
        QCOMPARE(s.labels, (QStringList{"Ilość kart", "Kilometrów", "Czas pracy"}));
        QCOMPARE(s.values, (QStringList{"2", "300,00", "10,50"}));
        QCOMPARE(computeColumnSums(*db, RegisterId::Warehouse).values, QStringList{"0"});
        QVERIFY(env.ui().messages().isEmpty());
    }

    void aFailedStatementLeavesTheValuesEmpty() {
        RegisterFilters(*db).setExtraFilter(RegisterId::Costs, kCostFuelFilter,
                                            QStringLiteral("AND NIEMA = 1"));
        const ColumnSums s = computeColumnSums(*db, RegisterId::Costs);
        QVERIFY(s.failed);
        QCOMPARE(s.labels.size(), 5);
        QVERIFY(s.values.isEmpty());
        // Logged, not shown.
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000006303]")));
        QCOMPARE(columnSumsLine(s).size(), 11);
    }

    void sheetLine() {
        ColumnSums s;
        s.caption = QStringLiteral("Sumy \"x\"");
        s.labels = QStringList{"A", "B"};
        s.values = QStringList{"1", "2,50"};
        QCOMPARE(columnSumsLine(s), (QStringList{"Sumy `x`", "A", "1", "B", "2,50"}));
    }
};

QTEST_MAIN(TestColumnSums)
#include "tst_columnsums.moc"
