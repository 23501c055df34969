#include "costs/CostsFixture.h"

#include "import/ImportPasses.h"
#include "storage/engine/DatabaseError.h"
#include "support/IniFile.h"

#include <QTest>

using namespace kv;
using namespace kv::test;

namespace {

ImportSheet sheetOf(const QString& text) {
    return ImportSheet(splitSheet(text, u';'));
}

// Choices with the lists cbN mapped to the given sheet columns (1-based).
ImportChoices mapped(ImportKind kind, std::initializer_list<std::pair<int, int>> lists) {
    const ImportLayout& layout = importLayout(kind);
    ImportChoices c = defaultImportChoices(layout);
    for (const auto& [list, column] : lists)
        c.mapping[list - 1] = column + layout.fixedEntries(list) - 1;
    return c;
}

} // namespace

class TestImportPasses : public QObject {
    Q_OBJECT
    TestEnvironment env;
    std::unique_ptr<DataModule> db;
    std::unique_ptr<CostsData> data;
    int skoda = 0, quoted = 0;

    int count(const QString& table) { return data->count(table); }

private slots:
    void init() {
        db = openTemplateCompany(env, QStringLiteral("import"));
        QVERIFY(db);
        data = std::make_unique<CostsData>(*db);
        skoda = data->addVehicle(QStringLiteral("WE 123"));
        quoted = data->addVehicle(QStringLiteral("WE \"1'23"));
        env.ui().clear();
    }
    void cleanup() {
        data.reset();
        db.reset();
    }

    void costsAreCheckedInTheirOrderAndStoredAsConverted() {
        db->exec(
            QStringLiteral("INSERT INTO kpaliwowe.DB (IDKARTY, NAZWA) VALUES ('K-1', 'Orlen')"));
        const int centre = data->addEntry(QStringLiteral("CKKOD"), QStringLiteral("Biuro Łódź"));
        const int road = data->addRoadCard(QStringLiteral("kd/1"), skoda);
        const int transfer = data->addEntry(QStringLiteral("RDPLA"), QStringLiteral("Przelew"));
        // date;vehicle;card;net;vat;gross;vat?;fuel?;litres;reading;ck;road;issued;payment;kind
        const QString text = QStringLiteral(
            "31.12.2024;we \"1'23;K-1;100,005;23.00;123,005;tak;TAK;40,555;1200,555;BIURO ŁÓDŹ;"
            "KD/1;02.01.2025;przelew;Paliwo\n"
            "01.01.2025;WE 123;;10;2,3;12,3;nie;NIE;40;0;biuro łódź;kd/1;01.01.2025;PRZELEW;"
            "Myjnia\n"
            "01.01.2025;WE 123;K-2;10;2,3;12,3;;;;;biuro łódź;kd/1;01.01.2025;przelew;\n"
            "01.01.2025;MARKA;;10;2,3;12,3;;;;;biuro łódź;kd/1;01.01.2025;przelew;\n"
            "01.01.2025;NIE MA;;10;2,3;12,3;;;;;biuro łódź;kd/1;31.02.2025;przelew;\n"
            "01.01.2025;WE 123;;10;2,3;12,3;;;;;biuro łódź;kd/1;01.01.2025;gotówka;\n");
        ImportSheet sheet = sheetOf(text);
        const ImportChoices c = mapped(ImportKind::Costs, {{1, 1},
                                                           {2, 2},
                                                           {5, 3},
                                                           {12, 4},
                                                           {13, 5},
                                                           {14, 6},
                                                           {15, 7},
                                                           {16, 8},
                                                           {17, 9},
                                                           {7, 10},
                                                           {18, 11},
                                                           {19, 12},
                                                           {9, 13},
                                                           {11, 14},
                                                           {3, 15}});
        const ImportLayout& layout = importLayout(ImportKind::Costs);
        const VerifyOutcome v = verifyImport(*db, sheet, layout, c);
        QCOMPARE(sheet.imported(0), kStatusOk);
        QCOMPARE(sheet.imported(1), kStatusOk);
        QCOMPARE(sheet.remark(2), QStringLiteral("Nie znaleziono karty paliwowej o podanym ID"));
        // A key equal to a column's name is a key, not the column.
        QCOMPARE(sheet.remark(3), QStringLiteral("Nie znaleziono podanego pojazdu"));
        // The date of issue is checked right after the cost's date.
        QCOMPARE(sheet.remark(4),
                 QStringLiteral("Niepoprawny format daty wystawienia dokumentu kosztowego"));
        QCOMPARE(sheet.remark(5), QStringLiteral("Nie rozpoznano rodzaju płatności"));
        QCOMPARE(v.faulty, 4);

        const ImportPassResult r = importSheetLines(*db, sheet, layout, c);
        QVERIFY(r.completed);
        QCOMPARE(r.added, 2);
        QCOMPARE(importSummary(r),
                 QStringLiteral("Operacja zakończona Podczas importu pojawiły się błędy. Prosze "
                                "sprawdzić ich opis w tabeli .CSV. Dodano wierszy: 2."));
        const ResultSet rows = db->select(QStringLiteral(
            "SELECT IDPOJAZD, DATA, WARTNETTO, WARTVAT, WARTBRUTTO, CZYVAT, ISFUEL, FUEL, LICZNIK, "
            "CK, IDDROGOWA, DATAWYSTAW, RODZAJPLAT, IDKARTY, RODZWYD FROM koszty.DB ORDER BY "
            "IDKOSZT"));
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(rows.value(0, 0).toInt(), quoted);
        QCOMPARE(rows.value(0, 1).toInt(), 20241231);
        QCOMPARE(rows.value(0, 2).toDouble(), 100.005); // shortest form, not rounded
        QCOMPARE(rows.value(0, 4).toDouble(), 123.005);
        QCOMPARE(rows.text(0, "CZYVAT"), QStringLiteral("T"));
        QCOMPARE(rows.text(0, "ISFUEL"), QStringLiteral("T"));
        QCOMPARE(rows.value(0, 7).toDouble(), 40.56);   // litres: half a hundredth up
        QCOMPARE(rows.value(0, 8).toDouble(), 1200.56); // reading likewise
        QCOMPARE(rows.value(0, 9).toInt(), centre);
        QCOMPARE(rows.value(0, 10).toInt(), road);
        QCOMPARE(rows.value(0, 11).toInt(), 20250102);
        QCOMPARE(rows.value(0, 12).toInt(), transfer);
        QCOMPARE(rows.text(0, "IDKARTY"), QStringLiteral("K-1"));
        // Not a fuel purchase: no litres stored though the sheet has them.
        QCOMPARE(rows.text(1, "CZYVAT"), QStringLiteral("N"));
        QVERIFY(rows.value(1, 6).isNull());
        QCOMPARE(rows.value(1, 7).toDouble(), 0.0);
        QCOMPARE(rows.text(1, "RODZWYD"), QStringLiteral("Myjnia"));
        // Nothing else is written: no reading in the history, no refuelling.
        QCOMPARE(count(QStringLiteral("przebiegi.DB")), 0);
        QCOMPARE(count(QStringLiteral("zuzycie.DB")), 0);

        // A second run adds the rows again.
        QCOMPARE(importSheetLines(*db, sheet, layout, c).added, 2);
        QCOMPARE(count(QStringLiteral("koszty.DB")), 4);
    }

    void unmappedCostFieldsTakeTheirValues() {
        ImportSheet sheet = sheetOf(QStringLiteral("Data;Pojazd\n05.03.2024;WE 123\n"));
        ImportChoices c = mapped(ImportKind::Costs, {{1, 1}, {2, 2}});
        c.skipFirst = true;
        const ImportPassResult r = importSheetLines(*db, sheet, importLayout(ImportKind::Costs), c);
        QCOMPARE(r.added, 1);
        QCOMPARE(sheet.imported(0), QString()); // the titles are not looked at
        const ResultSet row = db->select(QStringLiteral(
            "SELECT CZYVAT, ISFUEL, FUEL, CK, IDDROGOWA, DATAWYSTAW, RODZAJPLAT FROM koszty.DB"));
        QCOMPARE(row.text(0, "CZYVAT"), QStringLiteral("N"));
        QVERIFY(row.value(0, 1).isNull());
        QCOMPARE(row.value(0, 2).toInt(), 0);
        QCOMPARE(row.value(0, 3).toInt(), -1);
        QCOMPARE(row.value(0, 4).toInt(), -1);
        QCOMPARE(row.value(0, 5).toInt(), 0);
        QCOMPARE(row.value(0, 6).toInt(), 0);
        // Required lists left on "Brak danych".
        ImportSheet again = sheetOf(QStringLiteral("05.03.2024;WE 123\n"));
        verifyImport(*db, again, importLayout(ImportKind::Costs),
                     mapped(ImportKind::Costs, {{1, 1}}));
        QCOMPARE(again.remark(0), QStringLiteral("Brak numeru rejestracyjnego"));
        verifyImport(*db, again, importLayout(ImportKind::Costs),
                     mapped(ImportKind::Costs, {{2, 2}}));
        QCOMPARE(again.remark(0), QStringLiteral("Brak daty powstania kosztu"));
    }

    void textLongerThanItsColumnIsFaulty() {
        ImportSheet sheet =
            sheetOf(QStringLiteral("05.03.2024;WE 123;") + QString(31, u'9') + u'\n');
        verifyImport(*db, sheet, importLayout(ImportKind::Costs),
                     mapped(ImportKind::Costs, {{1, 1}, {2, 2}, {10, 3}}));
        QCOMPARE(sheet.remark(0),
                 QStringLiteral("Tekst w polu \u201eNumer dokumentu\u201d jest dłuższy niż 30 "
                                "znaków"));
    }

    void fuelSameDaySumsOrSkips() {
        db->exec(QStringLiteral("INSERT INTO zuzycie.DB (IDPOJAZD, DATA, BAK, TANKOWANIE, LICZNIK) "
                                "VALUES (%1, 20240301, 5, 30, 1000)")
                     .arg(skoda));
        // date;vehicle;reading;tank;litres;kind
        const QString text = QStringLiteral("01.03.2024;WE 123;1100;10;20,5;ON\n"
                                            "02.03.2024;WE 123;1200;12;40,25;ON\n"
                                            "02.03.2024;WE 123;1250;3;9,8;on\n"
                                            "02.03.2024;WE 123;1300;7;11;lpg \n");
        const ImportLayout& layout = importLayout(ImportKind::Fuel);
        ImportChoices c =
            mapped(ImportKind::Fuel, {{1, 1}, {2, 2}, {4, 3}, {5, 4}, {6, 5}, {3, 6}});
        c.options[QStringLiteral("rodzajPaliwa")] = QStringLiteral(" LPG");

        c.options[QStringLiteral("pominSumuj")] = kSkipText;
        ImportSheet skipped = sheetOf(text);
        verifyImport(*db, skipped, layout, c);
        QCOMPARE(skipped.remark(0), QStringLiteral("Na dany dzień istnieje już tankowanie"));
        QCOMPARE(skipped.imported(1), kStatusOk);
        QCOMPARE(skipped.remark(2), QStringLiteral("Na dany dzień istnieje już tankowanie"));
        QCOMPARE(skipped.imported(3), kStatusOk); // LPG: another table

        c.options[QStringLiteral("pominSumuj")] = kSumText;
        ImportSheet summed = sheetOf(text);
        const ImportPassResult r = importSheetLines(*db, summed, layout, c);
        QVERIFY(r.completed);
        QCOMPARE(r.added, 4);
        const ResultSet liquid = db->select(
            QStringLiteral("SELECT DATA, BAK, TANKOWANIE, LICZNIK FROM zuzycie.DB ORDER BY DATA"));
        QCOMPARE(liquid.rowCount(), 2);
        // The stored tank level stays, litres add up, the greater reading is kept.
        QCOMPARE(liquid.value(0, 1).toDouble(), 5.0);
        QCOMPARE(liquid.value(0, 2).toDouble(), 50.5);
        QCOMPARE(liquid.value(0, 3).toDouble(), 1100.0);
        QCOMPARE(liquid.value(1, 1).toDouble(), 12.0);
        QCOMPARE(liquid.value(1, 2).toDouble(), 50.05);
        QCOMPARE(liquid.value(1, 3).toDouble(), 1250.0);
        const ResultSet lpg =
            db->select(QStringLiteral("SELECT DATA, TANKOWANIE FROM zuzycielpg.DB"));
        QCOMPARE(lpg.rowCount(), 1);
        QCOMPARE(lpg.value(0, 1).toDouble(), 11.0);
        QCOMPARE(count(QStringLiteral("przebiegi.DB")), 0);
    }

    void fuelPerKmNeedsItsAmounts() {
        const ImportLayout& layout = importLayout(ImportKind::FuelKm);
        ImportSheet sheet = sheetOf(QStringLiteral("01.03.2024;WE 123;7,5;100\n"
                                                   "02.03.2024;WE 123;x;100\n"));
        // The second fixed entry: every row LPG.
        ImportChoices c = mapped(ImportKind::FuelKm, {{1, 1}, {2, 2}, {5, 3}});
        c.mapping[2] = 1;
        verifyImport(*db, sheet, layout, c);
        QCOMPARE(sheet.remark(0), QStringLiteral("Brak ilości przejechanych kilometrów"));
        c = mapped(ImportKind::FuelKm, {{1, 1}, {2, 2}, {5, 3}, {6, 4}});
        c.mapping[2] = 1;
        const ImportPassResult r = importSheetLines(*db, sheet, layout, c);
        QCOMPARE(sheet.remark(1), QStringLiteral("Niepoprawny format ilości zużytego paliwa"));
        QCOMPARE(r.added, 1);
        const ResultSet row =
            db->select(QStringLiteral("SELECT PRZEBIEG, TANKOWANIE FROM zuzyciekmlpg.DB"));
        QCOMPARE(row.value(0, 0).toDouble(), 100.0);
        QCOMPARE(row.value(0, 1).toDouble(), 7.5);
    }

    void tripsStoreLendingOnlyWithTheFlag() {
        const QString text = QStringLiteral("03.04.2024;WE 123;120,5;Klient;Łódź;T;1000;1120\n"
                                            "04.04.2024;WE 123;80;Klient;Łódź;N;2000;2080\n"
                                            "05.04.2024;WE 123;abc;Klient;Łódź;N;;\n");
        ImportSheet sheet = sheetOf(text);
        const ImportChoices c = mapped(
            ImportKind::Trips, {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {8, 6}, {9, 7}, {10, 8}});
        const ImportPassResult r = importSheetLines(*db, sheet, importLayout(ImportKind::Trips), c);
        QCOMPARE(r.added, 2);
        QCOMPARE(sheet.remark(2), QStringLiteral("Niepoprawny format długości trasy"));
        const ResultSet rows = db->select(QStringLiteral(
            "SELECT ODLEGLOSC, PRYW, PRYWLICZOD, PRYWLICZDO FROM przejazdy.DB ORDER BY DATA"));
        QCOMPARE(rows.value(0, 0).toDouble(), 120.5);
        QCOMPARE(rows.text(0, "PRYW"), QStringLiteral("T"));
        QCOMPARE(rows.value(0, 2).toDouble(), 1000.0);
        QCOMPARE(rows.value(0, 3).toDouble(), 1120.0);
        QCOMPARE(rows.text(1, "PRYW"), QStringLiteral("N"));
        QCOMPARE(rows.value(1, 2).toDouble(), 0.0);
        QCOMPARE(rows.value(1, 3).toDouble(), 0.0);
    }

    void employeesKnownAndRepeatedNumbersAreMarked() {
        data->addPerson(QStringLiteral("P1"), QStringLiteral("Nowak"), QStringLiteral("Jan"));
        const QString text = QStringLiteral("p1;Anna;Kowalska\n"
                                            "ab7;Ewa;Lis\n"
                                            "AB7;Olga;Wilk\n"
                                            "x9;Piotr;Zając\n"
                                            "z1;;\n");
        ImportSheet sheet = sheetOf(text);
        const ImportChoices c = mapped(ImportKind::Employees, {{1, 1}, {2, 2}, {3, 3}});
        const ImportPassResult r =
            importSheetLines(*db, sheet, importLayout(ImportKind::Employees), c);
        QCOMPARE(sheet.remark(0),
                 QStringLiteral("Pracownik o podanym numerze ewidencyjnym już istnieje"));
        QCOMPARE(sheet.remark(2),
                 QStringLiteral("Numer ewidencyjny powtarza się w arkuszu (wiersz 2)"));
        QCOMPARE(r.added, 3);
        const ResultSet rows =
            db->select(QStringLiteral("SELECT NREW, IMIE, NAZWISKO FROM osobowa.DB ORDER BY NREW"));
        QCOMPARE(rows.rowCount(), 4);
        QCOMPARE(rows.text(1, "NREW"), QStringLiteral("ab7")); // not capitalised
        QCOMPARE(rows.text(1, "NAZWISKO"), QStringLiteral("Lis"));
        QCOMPARE(rows.text(2, "IMIE"), QStringLiteral("Piotr"));
    }

    void aFailureHalfWayLeavesTheTableAsItWas() {
        data->addCost(skoda, 20240101, "10");
        QString text;
        for (int i = 1; i <= 1000; ++i)
            text += QStringLiteral("02.01.2024;WE 123;%1\n").arg(i);
        ImportSheet sheet = sheetOf(text);
        const ImportChoices c = mapped(ImportKind::Costs, {{1, 1}, {2, 2}, {12, 3}});
        ImportPassOptions o;
        o.beforeLine = [](int line) {
            if (line == 499)
                throw DatabaseError(QStringLiteral("dysk pełny"));
        };
        const ImportPassResult r =
            importSheetLines(*db, sheet, importLayout(ImportKind::Costs), c, o);
        QVERIFY(!r.completed);
        QCOMPARE(r.added, 0);
        QCOMPARE(count(QStringLiteral("koszty.DB")), 1);
        QCOMPARE(sheet.imported(499), kStatusFaulty);
        QCOMPARE(sheet.remark(499), QStringLiteral("Błąd bazy danych dysk pełny"));
        QCOMPARE(sheet.imported(10), QString());
        QCOMPARE(importSummary(r), QStringLiteral("Błąd bazy danych w wierszu 500: dysk pełny. "
                                                  "Nie dodano żadnego wiersza."));
        // The window stays usable: the same sheet goes in afterwards.
        QCOMPARE(importSheetLines(*db, sheet, importLayout(ImportKind::Costs), c).added, 1000);
        QCOMPARE(count(QStringLiteral("koszty.DB")), 1001);
    }

    void linesAreCheckedAgainInsideThePass() {
        ImportSheet sheet =
            sheetOf(QStringLiteral("02.01.2024;WE 123;1\n02.01.2024;WE \"1'23;2\n"));
        const ImportChoices c = mapped(ImportKind::Costs, {{1, 1}, {2, 2}, {12, 3}});
        const ImportLayout& layout = importLayout(ImportKind::Costs);
        QCOMPARE(verifyImport(*db, sheet, layout, c).faulty, 0);
        db->exec(QStringLiteral("DELETE FROM pojazdy.DB WHERE IDPOJAZD = %1").arg(quoted));
        ImportPassOptions strict;
        strict.skipFaulty = false;
        const ImportPassResult refused = importSheetLines(*db, sheet, layout, c, strict);
        QVERIFY(!refused.completed);
        QCOMPARE(sheet.remark(1), QStringLiteral("Nie znaleziono podanego pojazdu"));
        QCOMPARE(count(QStringLiteral("koszty.DB")), 0);
        const ImportPassResult r = importSheetLines(*db, sheet, layout, c);
        QCOMPARE(r.added, 1);
        QCOMPARE(
            db->select(
                  QStringLiteral("SELECT COUNT(*) FROM koszty.DB WHERE IDPOJAZD = %1").arg(quoted))
                .value(0, 0)
                .toInt(),
            0);
    }

    void settingsRoundTripAndStaleIndexes() {
        const ImportLayout& layout = importLayout(ImportKind::Fuel);
        ImportChoices c = mapped(ImportKind::Fuel, {{1, 1}, {2, 4}, {6, 3}});
        c.skipFirst = true;
        c.dateFormat = ImportDateFormat::Compact;
        c.options[QStringLiteral("pominSumuj")] = kSkipText;
        c.options[QStringLiteral("rodzajPaliwa")] = QStringLiteral("Gaz");
        IniFile ini;
        writeImportSettings(ini, layout, c);
        QCOMPARE(ini.readInt(QStringLiteral("IMPORTS4"), QStringLiteral("cb2"), -1), 4);
        QCOMPARE(ini.readInt(QStringLiteral("IMPORTS4"), QStringLiteral("cb3"), -1), 0);
        QCOMPARE(ini.readInt(QStringLiteral("imports4"), QStringLiteral("POMINSUMUJ"), -1), 1);
        ImportChoices back = defaultImportChoices(layout);
        QStringList dropped;
        readImportSettings(ini, layout, 4, back, &dropped);
        QCOMPARE(back.mapping, c.mapping);
        QCOMPARE(back.options, c.options);
        QCOMPARE(back.dateFormat, ImportDateFormat::Compact);
        QVERIFY(back.skipFirst);
        QVERIFY(dropped.isEmpty());
        // A sheet of three columns lacks column 4: that list goes back to
        // "Brak danych" and is named.
        readImportSettings(ini, layout, 3, back, &dropped);
        QCOMPARE(back.entry(2), 0);
        QCOMPARE(back.entry(1), 1);
        QCOMPARE(dropped, QStringList{QStringLiteral("Numer rejestracyjny pojazdu")});
        // Defaults of an empty section.
        ImportChoices fresh;
        readImportSettings(IniFile(), importLayout(ImportKind::Costs), 5, fresh);
        QCOMPARE(fresh.option(QStringLiteral("symbolVAT")), QStringLiteral("TAK"));
        readImportSettings(IniFile(), layout, 5, fresh);
        QCOMPARE(fresh.option(QStringLiteral("rodzajPaliwa")), QStringLiteral("Gaz LPG"));
        QCOMPARE(fresh.option(QStringLiteral("pominSumuj")), kSumText);
    }
};

QTEST_GUILESS_MAIN(TestImportPasses)
#include "tst_importpasses.moc"
