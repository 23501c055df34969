#include "TestSupport.h"
#include "fleet/FleetFixture.h"

#include "dictionaries/VehicleKindNames.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterHooks.h"
#include "framework/RegisterSearch.h"
#include "framework/RegisterSheet.h"
#include "framework/RegisterViewState.h"
#include "storage/SqlSnippets.h"
#include "support/CsvWriter.h"
#include "support/Numbers.h"

#include <QTest>

using namespace kv;

namespace {

// The vehicles every case below works on, in the order of their numbers.
void addVehicles(DataModule& db) {
    db.exec(QStringLiteral("INSERT INTO osobowa.DB (NREW, NAZWISKO, IMIE) "
                           "VALUES ('P1', 'Kowalski', 'Jan')"));
    const struct {
        const char* nr;
        const char* make;
        int capacity;
        int inspection;
        int status;
    } vehicles[] = {
        {"GD ABC", "Opel", 1600, 0, 3},
        {"KR 777", "Skoda `Octavia`", 1400, 20250101, 0},
        {"PO ŁÓDŹ", "Łada", 1500, 20240315, 0},
        {"WE 12345", "Fiat \"126p\"", 650, 20240315, 2},
    };
    for (const auto& v : vehicles)
        db.exec(QStringLiteral("INSERT INTO pojazdy.DB (NRREJ, MARKA, POJEMNOSC, DATAPRZE, STATUS, "
                               "IDKIEROWCY) VALUES (:PARAM0, :PARAM1, %1, %2, %3, 'P1')")
                    .arg(v.capacity)
                    .arg(v.inspection)
                    .arg(v.status),
                engine::positionalParams({QString::fromUtf8(v.nr), QString::fromUtf8(v.make)}));
}

int column(const RegisterDescriptor& d, const char* field) {
    for (int i = 0; i < d.columns.size(); ++i)
        if (d.columns.at(i).field == QLatin1String(field))
            return i;
    return -1;
}

// A trips statement shaped as the register's, for the computed columns.
StatementTemplate tripLines() {
    StatementTemplate t(QStringList{
        QStringLiteral("SELECT P.IDPRZEJAZD AS IDPRZEJAZD, P.DATA AS DATA, A.NRREJ AS NRREJ, "
                       "A.MARKA AS MARKA, '' AS OPIS, A.POJEMNOSC AS POJEMNOSC,"),
        QStringLiteral("P.ODLEGLOSC AS ODLEGLOSC, P.TRASA AS TRASA, P.CELWYJAZDU AS CELWYJAZDU, "
                       "%1 AS NAZWISKO,")
            .arg(personDisplaySql(QStringLiteral("B"))),
        QStringLiteral("P.PRYW AS PRYW, P.PRYWLICZOD AS PRYWLICZOD, P.PRYWLICZDO AS PRYWLICZDO, "
                       "P.PRYWKTO AS PRYWKTO"),
        QStringLiteral("FROM przejazdy.DB AS P"),
        QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = P.IDPOJAZD"),
        QStringLiteral("LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = P.IDKIEROWCY"),
        QStringLiteral("WHERE 1 = 1")});
    t.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    t << QStringLiteral("ORDER BY");
    t.slot(kSortSlot).slot(kDirectionSlot);
    return t;
}

} // namespace

// The register sheet of "do CSV" and the text search of "Szukaj", from the
// descriptors, on a company's rows.
class TestRegisterSheet : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        db = test::openTemplateCompany(env, QStringLiteral("sheet"));
        QVERIFY(db);
        addVehicles(*db);
    }
    void init() { env.ui().clear(); }

    void everyRegisterNamesItsSheetAndSearchedColumns() {
        for (const RegisterDescriptor& d : allRegisters()) {
            QVERIFY2(!d.exportName.isEmpty(), qPrintable(d.name));
            QVERIFY2(!d.searchColumns.isEmpty(), qPrintable(d.name));
            // A column compared as shown is one the grid shows.
            for (const SearchColumn& c : d.searchColumns)
                QVERIFY2(!c.shown || column(d, qPrintable(c.field)) >= 0,
                         qPrintable(d.name + u' ' + c.field));
        }
        bool twin = true;
        QCOMPARE(registerByTableName(QStringLiteral("Pojazdy"), &twin)->id, RegisterId::Vehicles);
        QVERIFY(!twin);
        QCOMPARE(registerByTableName(QStringLiteral("zuzyciekmlpg"), &twin)->id,
                 RegisterId::ConsumptionKm);
        QVERIFY(twin);
        QVERIFY(!registerByTableName(QStringLiteral("firmy")));
        QVERIFY(!registerByTableName(QStringLiteral("../pojazdy")));
    }

    void vehicleSheetIsWhatTheGridShows() {
        RegisterController reg(*db, RegisterId::Vehicles);
        RegisterFilters(*db).selectVehicle(QString());
        reg.state().ascending = false; // newest title click: numbers from the end
        QVERIFY(reg.refresh());
        reg.setCurrentRow(2);
        const auto model = registerModel(reg);
        const QList<QStringList> sheet = registerSheet(*model);
        QCOMPARE(reg.currentRow(), 2); // the cursor stays where the user left it

        const RegisterDescriptor& d = reg.descriptor();
        QStringList titles;
        for (const GridColumn& c : d.columns)
            titles << c.title;
        QCOMPARE(sheet.first(), titles);
        QCOMPARE(sheet.size(), 5);
        const int nr = column(d, "NRREJ");
        QStringList order;
        for (int r = 1; r < sheet.size(); ++r)
            order << sheet.at(r).at(nr);
        QCOMPARE(order, (QStringList{"WE 12345", "PO ŁÓDŹ", "KR 777", "GD ABC"}));
        const QStringList& first = sheet.at(1);
        QCOMPARE(first.at(column(d, "MARKA")), QStringLiteral("Fiat `126p`"));
        QCOMPARE(first.at(column(d, "DATAPRZE")), QStringLiteral("15.03.2024"));
        QCOMPARE(first.at(column(d, "OSTATUS")), QStringLiteral("Sprzedany"));
        QCOMPARE(first.at(column(d, "NAZWISKO")), QStringLiteral("Kowalski Jan (nr.ew. P1)"));
        QCOMPARE(sheet.at(3).at(column(d, "MARKA")), QStringLiteral("Skoda 'Octavia'"));
        QCOMPARE(sheet.at(4).at(column(d, "DATAPRZE")), QString()); // no date

        // The vehicle selector's choice: that vehicle alone.
        RegisterFilters(*db).selectVehicle(QStringLiteral("PO ŁÓDŹ"));
        QVERIFY(reg.refresh());
        const QList<QStringList> one = registerSheet(*registerModel(reg));
        QCOMPARE(one.size(), 2);
        QCOMPARE(one.at(1).at(nr), QStringLiteral("PO ŁÓDŹ"));
        RegisterFilters(*db).selectVehicle(QString());
        reg.state().ascending = true;
    }

    void anEmptyRegisterGivesItsTitlesOnly() {
        RegisterController reg(*db, RegisterId::Employees);
        RegisterFilters(*db).setExtraFilter(RegisterId::Employees, QStringLiteral("extra"),
                                            QStringLiteral("AND NREW = 'nikt'"));
        QVERIFY(reg.refresh());
        RegisterFilters(*db).setExtraFilter(RegisterId::Employees, QStringLiteral("extra"), {});
        QVERIFY(reg.isEmpty());
        const QByteArray bytes =
            csvBytes(registerSheet(*registerModel(reg)), CsvEncoding::Windows1250);
        QCOMPARE(bytes, QByteArray("\"Nr ewid.\";\"Nazwisko\";\"Adres\";\"Kod poczt.\";"
                                   "\"Miasto\";\"Telefon\"\r\n"));
    }

    void rateColumnsAreTitledAfterTheVehicleKinds() {
        RegisterController reg(*db, RegisterId::Rates);
        QVERIFY(reg.refresh());
        const QList<QStringList> sheet = registerSheet(*registerModel(reg));
        QCOMPARE(sheet.first(), rateGridTitles(readVehicleKindNames(*db)));
    }

    // A register's computed columns come from its core hook, not its window,
    // in the sheet and in the search alike.
    void computedColumnsComeFromTheRegistersHook() {
        db->addQuery(registerDescriptor(RegisterId::Trips).query, ConnectionKind::Company,
                     tripLines());
        db->exec(QStringLiteral("INSERT INTO przejazdy.DB (DATA, IDPOJAZD, TRASA, ODLEGLOSC, "
                                "IDKIEROWCY, PRYW) VALUES (20240315, 1, 'Łódź – Kraków', 12.5, "
                                "'P1', 'N')"));
        RegisterHooks& hooks = registerHooks(RegisterId::Trips);
        const RegisterHooks saved = hooks;
        hooks.computedCell = [](DataModule&, const ResultSet& rows, int row, const GridColumn& c) {
            const double rate = 0.8358;
            if (c.field == u"STAWKA")
                return formatNumber(rate, 4);
            return formatNumber(rows.value(row, QStringLiteral("ODLEGLOSC")).toDouble() * rate, 2);
        };
        RegisterFilters(*db).selectMonthYear(3, 2024);
        RegisterController reg(*db, RegisterId::Trips);
        QVERIFY(reg.refresh());
        const auto model = registerModel(reg);
        const QList<QStringList> sheet = registerSheet(*model);
        const RegisterDescriptor& d = reg.descriptor();
        QCOMPARE(sheet.size(), 2);
        QCOMPARE(sheet.at(1).at(column(d, "STAWKA")), QStringLiteral("0,8358"));
        QCOMPARE(sheet.at(1).at(column(d, "KWOTA")), QStringLiteral("10,45"));
        QCOMPARE(sheet.at(1).at(column(d, "ODLEGLOSC")), QStringLiteral("12,50"));
        QCOMPARE(findNext(*model, d.searchColumns, QStringLiteral("10,45"), 0, true), 0);
        QCOMPARE(findNext(*model, d.searchColumns, QStringLiteral("12,5"), 0, true), 0);
        QCOMPARE(findNext(*model, d.searchColumns, QStringLiteral("12.5"), 0, true), -1);
        hooks = saved;
        RegisterFilters(*db).selectMonthYear(0, 0);
    }

    void searchFoldsOnlyTheLettersAToZ() {
        QVERIFY(searchMatches(u"WE 12345", u"we 1"));
        QVERIFY(!searchMatches(u"ŁÓDŹ", u"łódź"));
        QVERIFY(!searchMatches(u"Über", u"über"));
        QVERIFY(!searchMatches(u"abc", u""));
        QVERIFY(!searchMatches(u"ab", u"abc"));
    }

    void searchComparesShownAndStoredTexts() {
        RegisterController reg(*db, RegisterId::Vehicles);
        QVERIFY(reg.refresh()); // by number: GD ABC, KR 777, PO ŁÓDŹ, WE 12345
        const auto model = registerModel(reg);
        const QList<SearchColumn>& columns = reg.descriptor().searchColumns;
        const auto find = [&](const QString& text, int from = 0, bool first = true) {
            return findNext(*model, columns, text, from, first);
        };
        QCOMPARE(find(QStringLiteral("we 1")), 3);
        QCOMPARE(find(QStringLiteral("ł")), -1);
        QCOMPARE(find(QStringLiteral("Ł")), 2);
        // Dates as the grid shows them, never as stored.
        QCOMPARE(find(QStringLiteral("15.03.2024")), 2);
        QCOMPARE(find(QStringLiteral("15.03.2024"), 2, false), 3);
        QCOMPARE(find(QStringLiteral("20240315")), -1);
        // The status is compared as its stored code, not its text.
        QCOMPARE(find(QStringLiteral("Sprzedany")), -1);
        QCOMPARE(find(QStringLiteral("Zniszczony")), -1);
        QCOMPARE(find(QStringLiteral("3")), 0);
        // The driver's name as shown.
        QCOMPARE(find(QStringLiteral("kowalski jan (nr.ew. p1)"), 1), 1);
        QCOMPARE(find(QString()), -1);
    }

    void searchGoesRoundAfterTheEndMessage() {
        RegisterController reg(*db, RegisterId::Vehicles);
        QVERIFY(reg.refresh());
        const auto model = registerModel(reg);
        TextSearch search;
        reg.setCurrentRow(3);
        search.start(reg);
        QCOMPARE(reg.currentRow(), 0);
        QVERIFY(search.firstSearch());
        // Every number has a blank: the first search takes the first row itself.
        QCOMPARE(search.next(reg, *model, QStringLiteral(" ")), TextSearch::Result::Found);
        QCOMPARE(reg.currentRow(), 0);
        QCOMPARE(search.next(reg, *model, QStringLiteral("15.03")), TextSearch::Result::Found);
        QCOMPARE(reg.currentRow(), 2);
        QCOMPARE(search.next(reg, *model, QStringLiteral("15.03")), TextSearch::Result::Found);
        QCOMPARE(reg.currentRow(), 3);
        QVERIFY(env.ui().messages().isEmpty());
        // The cursor is on the first row before the end message shows.
        int rowWhenMoved = -1;
        qsizetype messagesWhenMoved = -1;
        QCOMPARE(search.next(reg, *model, QStringLiteral("15.03"),
                             [&] {
                                 rowWhenMoved = reg.currentRow();
                                 messagesWhenMoved = env.ui().messages().size();
                             }),
                 TextSearch::Result::End);
        QCOMPARE(rowWhenMoved, 0);
        QCOMPARE(messagesWhenMoved, 0);
        QCOMPARE(reg.currentRow(), 0);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(env.ui().last().text, kSearchEndText);
        // After the end the search goes on from the second row.
        QCOMPARE(search.next(reg, *model, QStringLiteral(" ")), TextSearch::Result::Found);
        QCOMPARE(reg.currentRow(), 1);
        // An empty text finds nothing and says so.
        env.ui().clear();
        QCOMPARE(search.next(reg, *model, QString()), TextSearch::Result::End);
        QCOMPARE(env.ui().messages().size(), 1);

        // An empty register: nothing happens, nothing is said.
        RegisterController empty(*db, RegisterId::Employees);
        RegisterFilters(*db).setExtraFilter(RegisterId::Employees, QStringLiteral("extra"),
                                            QStringLiteral("AND NREW = 'nikt'"));
        QVERIFY(empty.refresh());
        RegisterFilters(*db).setExtraFilter(RegisterId::Employees, QStringLiteral("extra"), {});
        env.ui().clear();
        search.start(empty);
        QCOMPARE(search.next(empty, *registerModel(empty), QStringLiteral("x")),
                 TextSearch::Result::Nothing);
        QVERIFY(env.ui().messages().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRegisterSheet)
#include "tst_registersheet.moc"
