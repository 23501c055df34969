// The register table: one descriptor per register of the program, in the
// order of RegisterId.
#include "framework/Registers.h"

#include "fleet/VehicleStatus.h"
#include "trips/OdometerKinds.h"

namespace kv {

namespace {

using F = Formatter;

GridColumn col(const char* field, const QString& title, F format = F::Plain) {
    return {QString::fromLatin1(field), title, format};
}

QList<GridColumn> rateGridColumns() {
    QList<GridColumn> cols{col("DATAOD", QStringLiteral("Obow. od dnia"), F::Date),
                           col("LW900", QStringLiteral("Poniżej 900 cm3"), F::Rate),
                           col("GT900", QStringLiteral("Powyżej 900 cm3"), F::Rate),
                           col("MOTOCYKL", QStringLiteral("Motocykl"), F::Rate),
                           col("MOTOROWER", QStringLiteral("Motorower"), F::Rate)};
    for (int n = 5; n <= 20; ++n)
        cols.append({QStringLiteral("RDPOJ%1").arg(n), QStringLiteral("Inne"), F::Rate});
    return cols;
}

// Fills the parts every register has; the caller sets the rest.
RegisterDescriptor reg(RegisterId id, const QString& name, Section section, const QString& button,
                       const QString& menuItem, const char* page, const char* grid,
                       const char* table, const char* query, const char* editWindow, int read,
                       int write) {
    RegisterDescriptor d{};
    d.id = id;
    d.name = name;
    d.section = section;
    d.registerButton = button;
    d.menuItem = menuItem;
    d.page = QString::fromLatin1(page);
    d.grid = QString::fromLatin1(grid);
    d.table = QString::fromLatin1(table);
    d.query = QString::fromLatin1(query);
    d.editWindow = QString::fromLatin1(editWindow);
    d.readPermission = read;
    d.writePermission = write;
    d.period = PeriodForm::None;
    d.vehicleFilter = VehicleFilter::RegistrationNumber;
    return d;
}

void filterSlots(RegisterDescriptor& d, bool vehicle, bool period,
                 std::initializer_list<const char*> extra) {
    d.vehicleSlot = vehicle;
    d.periodSlot = period;
    for (const char* name : extra)
        d.extraFilters.append(QString::fromLatin1(name));
}

void menu(RegisterDescriptor& d, const char* group, int position) {
    d.menuGroup = QString::fromUtf8(group);
    d.menuPosition = position;
}

GridColumn computed(const char* field, const QString& title) {
    GridColumn c = col(field, title, F::Computed);
    c.numeric = true;
    return c;
}

GridColumn choice(const char* field, const QString& title, QStringList texts, int other) {
    GridColumn c = col(field, title, F::Choice);
    c.choices = std::move(texts);
    c.otherChoice = other;
    return c;
}

void codes(RegisterDescriptor& d, int refresh, int del, int locate) {
    d.refreshCode = refresh;
    d.deleteCode = del;
    d.locateCode = locate;
}

// Registers keyed by one integer id deleted with "... WHERE KEY = " + digits.
void idKey(RegisterDescriptor& d, const char* key, const QString& deleteStatement) {
    d.deleteKey = QStringList{QString::fromLatin1(key)};
    d.locateKey = d.deleteKey;
    d.deleteStatement = deleteStatement;
}

// What "do CSV" and "Szukaj" need: the proposed file name (the caption of
// the register's page, as sheets made by earlier versions were named) and
// the searched columns in the order they are tested. A column in brackets is
// compared as the grid shows it, the others as stored.
void sheet(RegisterDescriptor& d, const char* exportName, const char* searchedColumns) {
    d.exportName = QString::fromUtf8(exportName);
    const QStringList names = QString::fromLatin1(searchedColumns).split(u' ', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        const bool shown = name.startsWith(u'[') && name.endsWith(u']');
        d.searchColumns.append({shown ? name.mid(1, name.size() - 2) : name, shown});
    }
}

QList<RegisterDescriptor> build() {
    using R = RegisterId;
    using S = Section;
    QList<RegisterDescriptor> all;

    auto v = reg(R::Vehicles, QStringLiteral("Pojazdy"), S::Vehicles, QString(),
                 QStringLiteral("Pojazdy"), "pojazdy", "PojazdyGrid", "pojazdy.DB", "DBFpojazdy",
                 "TfPojazdy", 1, 2);
    v.shortcut = QStringLiteral("Ctrl+F2");
    idKey(v, "IDPOJAZD", QStringLiteral("DELETE FROM pojazdy.DB WHERE IDPOJAZD= "));
    v.locateKeyIsText = true; // the vehicle is found by its id written as text
    codes(v, 41, 16, 28);
    v.insertCode = 4;
    v.updateCode = 10;
    filterSlots(v, true, false, {"status", "fleet"});
    v.defaultSort = QStringLiteral("NRREJ");
    menu(v, "", 0);
    v.columns = {col("LP", QStringLiteral("Lp")),
                 col("NRREJ", QStringLiteral("Nr Rej.")),
                 col("MARKA", QStringLiteral("Marka")),
                 col("POJEMNOSC", QStringLiteral("Poj. (w cm3)")),
                 col("COPIS", QStringLiteral("Rodzaj pojazdu")),
                 col("NAZWISKO", QStringLiteral("Kierowca")),
                 col("DATAPRZE", QStringLiteral("Nast. przegląd"), F::Date),
                 col("DATAAC", QStringLiteral("Data AC"), F::Date),
                 col("DATAOC", QStringLiteral("Data OC"), F::Date),
                 col("ROCZNIK", QStringLiteral("Rocznik")),
                 col("NREW", QStringLiteral("Właściciel")),
                 col("NREWID", QStringLiteral("ID")),
                 col("FLOTA", QStringLiteral("Nr Floty")),
                 choice("OSTATUS", QStringLiteral("Status"), vehicleStatusTexts(), -1)};
    sheet(v, "pojazdy",
          "NRREJ MARKA POJEMNOSC COPIS NAZWISKO [DATAPRZE] [DATAAC] [DATAOC] ROCZNIK NREW LP "
          "FLOTA NREWID OSTATUS");
    all.append(v);

    auto t = reg(R::Trips, QStringLiteral("Przejazdy"), S::Finance, QStringLiteral("Przejazdy"),
                 QStringLiteral("Przejazdy"), "IPrzejazdy", "PrzejazdyGrid", "przejazdy.DB",
                 "DBFPrzejazdy", "TfPrzejazdy", 3, 4);
    t.shortcut = QStringLiteral("Ctrl+F3");
    idKey(t, "IDPRZEJAZD", QStringLiteral("DELETE FROM przejazdy.DB WHERE IDPRZEJAZD = "));
    codes(t, 42, 18, 25);
    t.insertCode = 4201;
    t.updateCode = 4202;
    filterSlots(t, true, true, {"extra"});
    // Trips of one day follow the private-use odometer start.
    t.sortTieBreaks.insert(QStringLiteral("DATA"), QStringLiteral("PRYWLICZOD"));
    t.defaultSort = QStringLiteral("DATA");
    t.period = PeriodForm::Date;
    menu(t, "Finansowe", 0);
    t.columns = {col("DATA", QStringLiteral("Data"), F::Date),
                 col("NRREJ", QStringLiteral("Nr Rej.")),
                 col("MARKA", QStringLiteral("Marka")),
                 col("OPIS", QStringLiteral("Rodzaj pojazdu")),
                 col("POJEMNOSC", QStringLiteral("Poj. (w cm3)")),
                 computed("STAWKA", QStringLiteral("Stawka")),
                 col("ODLEGLOSC", QStringLiteral("Dł. (w km)"), F::Money),
                 computed("KWOTA", QStringLiteral("Kwota")),
                 col("TRASA", QStringLiteral("Trasa")),
                 col("CELWYJAZDU", QStringLiteral("Cel wyjazdu")),
                 col("NAZWISKO", QStringLiteral("Kierowca")),
                 col("PRYW", QStringLiteral("Pryw.?")),
                 col("PRYWLICZOD", QStringLiteral("Licznik od"), F::Money),
                 col("PRYWLICZDO", QStringLiteral("Licznik do"), F::Money),
                 col("PRYWKTO", QStringLiteral("Komu użyczono?"))};
    sheet(t, "IPrzejazdy",
          "[DATA] NRREJ MARKA OPIS POJEMNOSC [STAWKA] [ODLEGLOSC] [KWOTA] TRASA CELWYJAZDU "
          "NAZWISKO [PRYWLICZOD] [PRYWLICZDO] PRYWKTO");
    all.append(t);

    auto k = reg(R::Costs, QStringLiteral("Koszty"), S::Finance, QStringLiteral("Koszty"),
                 QStringLiteral("Koszty"), "IKoszty", "KosztyGrid", "koszty.DB", "DBFKoszty",
                 "TfKoszty", 5, 6);
    k.shortcut = QStringLiteral("Ctrl+F4");
    idKey(k, "IDKOSZT", QStringLiteral("DELETE FROM koszty.DB WHERE IDKOSZT = "));
    codes(k, 43, 19, 26);
    filterSlots(k, true, true, {"extra", "fuel", "costCentre", "roadCard"});
    k.defaultSort = QStringLiteral("DATA");
    k.period = PeriodForm::Date;
    menu(k, "Finansowe", 2);
    k.columns = {col("DATA", QStringLiteral("Data"), F::Date),
                 col("NRREJ", QStringLiteral("Nr Rej.")),
                 col("MARKA", QStringLiteral("Marka")),
                 col("RODZWYD", QStringLiteral("Rodzaj wydatku")),
                 col("NAZWATOWAR", QStringLiteral("Nazwa Towaru")),
                 col("NRDOKUMENT", QStringLiteral("Nr dokumentu")),
                 col("WARTNETTO", QStringLiteral("Netto"), F::Money),
                 col("WARTVAT", QStringLiteral("VAT"), F::Money),
                 col("WARTBRUTTO", QStringLiteral("Brutto"), F::Money),
                 col("CZYVAT", QStringLiteral("Czy VAT?"), F::YesNo),
                 col("NAZWISKO", QStringLiteral("Kierowca")),
                 col("IDKARTY", QStringLiteral("ID karty paliwowej")),
                 col("UWAGI", QStringLiteral("Ilość towaru / inne")),
                 col("ISFUEL", QStringLiteral("Paliwo?")),
                 col("FUEL", QStringLiteral("Ilość paliwa"), F::Money),
                 col("OPIS", QStringLiteral("CK")),
                 col("NRKARTY", QStringLiteral("Karta drogowa"))};
    sheet(k, "IKoszty",
          "[DATA] NRREJ MARKA RODZWYD NAZWATOWAR NRDOKUMENT [WARTNETTO] [WARTVAT] [WARTBRUTTO] "
          "[CZYVAT] NAZWISKO IDKARTY UWAGI ISFUEL [FUEL] OPIS NRKARTY");
    all.append(k);

    auto rc = reg(R::RoadCards, QStringLiteral("Karty drogowe"), S::Finance,
                  QStringLiteral("Karty Drogowe"), QStringLiteral("Karty Drogowe"), "IKartyDrogowe",
                  "KDrogoweGrid", "kartydrogowe.DB", "DBFKDrogowe", "TfKDrogowe", 45, 46);
    idKey(rc, "IDDROGOWA", QStringLiteral("DELETE FROM kartydrogowe.DB WHERE IDDROGOWA = "));
    codes(rc, 161136, 161303, 182021);
    filterSlots(rc, true, true, {"extra"});
    rc.defaultSort = QStringLiteral("DATAWYST");
    rc.period = PeriodForm::IssueDate;
    menu(rc, "Finansowe", 3);
    rc.columns = {col("NRKARTY", QStringLiteral("Nr karty")),
                  col("DATAWYST", QStringLiteral("Data wyst."), F::Date),
                  col("NRREJ", QStringLiteral("Nr Rej.")),
                  col("MARKA", QStringLiteral("Marka")),
                  col("NAZWISKO", QStringLiteral("Kierowca")),
                  col("CELWYJAZDU", QStringLiteral("Cel wyjazdu")),
                  col("TRASA", QStringLiteral("Trasa")),
                  col("LICZSTART", QStringLiteral("Licznik przed"), F::Money),
                  col("LICZEND", QStringLiteral("Licznik po"), F::Money),
                  col("GODZSUMA", QStringLiteral("Czas pracy"), F::Money),
                  col("UWAGI", QStringLiteral("Inne"))};
    sheet(rc, "IKartyDrogowe",
          "NRKARTY [DATAWYST] NRREJ MARKA NAZWISKO CELWYJAZDU TRASA [LICZSTART] [LICZEND] "
          "[GODZSUMA] UWAGI");
    all.append(rc);

    auto fc =
        reg(R::FuelCards, QStringLiteral("Karty paliwowe"), S::Finance,
            QStringLiteral("Karty paliwowe"), QStringLiteral("Karty paliwowe"), "IKartyPaliwowe",
            "KartyPaliwoweGrid", "kpaliwowe.DB", "DBFKpaliwowe", "TfKPaliwowe", 15, 16);
    fc.deleteKey = fc.locateKey = QStringList{QStringLiteral("IDKARTY")};
    fc.deleteStatement = QStringLiteral("DELETE FROM kpaliwowe.DB WHERE IDKARTY=:PARAM0");
    fc.deleteKeyIsText = fc.locateKeyIsText = true;
    codes(fc, 92, 95, 91);
    filterSlots(fc, true, false, {"extra1", "extra2"});
    fc.defaultSort = QStringLiteral("IDKARTY");
    menu(fc, "Finansowe", 4);
    fc.columns = {col("IDKARTY", QStringLiteral("ID karty")),
                  col("NAZWA", QStringLiteral("Nazwa")),
                  col("NAZWISKO", QStringLiteral("Kierowca")),
                  col("NRREJ", QStringLiteral("Nr rej.")),
                  col("MARKA", QStringLiteral("Marka")),
                  col("TERMIN", QStringLiteral("Termin"), F::Date),
                  col("STACJA", QStringLiteral("Stacja")),
                  col("WWW", QStringLiteral("Adres WWW")),
                  col("EMAIL", QStringLiteral("Email")),
                  col("UWAGI", QStringLiteral("Inne"))};
    sheet(fc, "IKartyPaliwowe",
          "IDKARTY NAZWA NAZWISKO NRREJ MARKA STACJA [TERMIN] WWW EMAIL UWAGI");
    all.append(fc);

    auto orders = reg(R::Orders, QStringLiteral("Zlecenia"), S::Finance, QStringLiteral("Zlecenia"),
                      QStringLiteral("Zlecenia"), "IZlecenia", "ZleceniaGrid", "zlecenia.DB",
                      "DBFZlecenia", "TfZlecenia", 39, 40);
    idKey(orders, "IDZLECENIA", QStringLiteral("DELETE FROM zlecenia.DB WHERE IDZLECENIA = "));
    codes(orders, 44034, 57004, 44024);
    filterSlots(orders, true, true, {"extra"});
    orders.defaultSort = QStringLiteral("IDZLECENIA");
    orders.period = PeriodForm::FromTo;
    menu(orders, "Finansowe", 5);
    orders.columns = {col("NRDOKUMENTU", QStringLiteral("Nr zlec.")),
                      col("DATAOD", QStringLiteral("Data od"), F::Date),
                      col("DATADO", QStringLiteral("Data do"), F::Date),
                      col("RODZAJPRACO", QStringLiteral("Rodzaj")),
                      col("POJAZD", QStringLiteral("Pojazd")),
                      col("OSOBA", QStringLiteral("Pracownik"))};
    sheet(orders, "IZlecenia", "NRDOKUMENTU [DATAOD] [DATADO] RODZAJPRACO POJAZD OSOBA");
    all.append(orders);

    auto st = reg(R::Settlements, QStringLiteral("Rozliczenia"), S::Finance,
                  QStringLiteral("Rozliczenia"), QStringLiteral("Rozliczenia"), "IRozliczenia",
                  "RozliczeniaGrid", "rozliczenia.DB", "DBFRozliczenia", "TfRozliczenia", 37, 38);
    idKey(st, "IDROZLICZENIA", QStringLiteral("DELETE FROM rozliczenia.DB WHERE IDROZLICZENIA = "));
    codes(st, 44033, 56003, 44023);
    filterSlots(st, true, true, {"extra"});
    st.defaultSort = QStringLiteral("IDROZLICZENIA");
    st.period = PeriodForm::FromTo;
    menu(st, "Finansowe", 6);
    st.columns = {col("NRDOKUMENTU", QStringLiteral("Nr dokumentu")),
                  col("DATAOD", QStringLiteral("Data od"), F::Date),
                  col("DATADO", QStringLiteral("Data do"), F::Date),
                  col("RODZAJPRACO", QStringLiteral("Rodzaj")),
                  col("POJAZD", QStringLiteral("Pojazd")),
                  col("GODZINY", QStringLiteral("Il. godzin"), F::Money),
                  col("STAWKA", QStringLiteral("Stawka"), F::Money),
                  computed("WARTOSC", QStringLiteral("Wartość"))};
    sheet(st, "IRozliczenia",
          "NRDOKUMENTU [DATAOD] [DATADO] RODZAJPRACO POJAZD [GODZINY] [STAWKA] [WARTOSC]");
    all.append(st);

    auto od =
        reg(R::Odometer, QStringLiteral("Historia przebiegów"), S::Finance,
            QStringLiteral("Historia przebiegów"), QStringLiteral("Historia przebiegów"),
            "IPrzebiegi", "przebiegiGrid", "przebiegi.DB", "DBFPrzebiegi", "TfPrzebiegi", 43, 44);
    idKey(od, "IDPRZEBIEGI", QStringLiteral("DELETE FROM przebiegi.DB WHERE IDPRZEBIEGI = "));
    codes(od, 572055, 211923, 562053);
    od.insertCode = 562051;
    od.updateCode = 562052;
    filterSlots(od, true, true, {"extra"});
    od.defaultSort = QStringLiteral("DATA");
    od.period = PeriodForm::Date;
    menu(od, "Finansowe", 1);
    od.columns = {col("DATA", QStringLiteral("Data"), F::Date),
                  col("NRREJ", QStringLiteral("Nr rej.")),
                  col("MARKA", QStringLiteral("Marka")),
                  col("LICZNIK", QStringLiteral("Stan licznika"), F::Money),
                  choice("ODOTYCZY", QStringLiteral("Dotyczy"), odometerKindTexts(), 0),
                  col("UWAGI", QStringLiteral("Uwagi"))};
    sheet(od, "IPrzebiegi", "[DATA] NRREJ MARKA UWAGI [LICZNIK] [ODOTYCZY]");
    all.append(od);

    auto fp =
        reg(R::FuelPrices, QStringLiteral("Rejestr cen paliw"), S::Fuel,
            QStringLiteral("Rejestr cen paliw"), QStringLiteral("Rejestr cen paliw"), "ICenyPaliw",
            "CenyPaliwGrid", "cenypaliw.DB", "DBFCenyPaliw", "TfCenyPaliw", 47, 48);
    fp.shortcut = QStringLiteral("Ctrl+F5");
    idKey(fp, "ID", QStringLiteral("DELETE FROM cenypaliw.DB WHERE ID = "));
    codes(fp, 111834, 121827, 121802);
    filterSlots(fp, true, true, {"extra"});
    fp.defaultSort = QStringLiteral("RODZAJPALIWA");
    fp.period = PeriodForm::Date;
    fp.vehicleFilter = VehicleFilter::None; // prices belong to no vehicle
    menu(fp, "Paliwa", 0);
    fp.columns = {col("PALIWO", QStringLiteral("Rodzaj paliwa")),
                  col("DATA", QStringLiteral("Data"), F::Date),
                  col("MIEJSCE", QStringLiteral("Miejsce")),
                  col("BRUTTO", QStringLiteral("Cena brutto"), F::Money)};
    sheet(fp, "ICenyPaliw", "PALIWO [DATA] MIEJSCE [BRUTTO]");
    all.append(fp);

    struct FuelReg {
        RegisterId id;
        const char* button;
        const char* menu;
        const char* page;
        const char* grid;
        const char* table;
        const char* query;
        const char* window;
        int refresh, del, locate;
    };
    const FuelReg fuel[] = {
        {R::Consumption, "Zużycie paliwa ciągłe", "Zużycie paliwa - analiza ciągła", "IZuzycie",
         "ZuzycieGrid", "zuzycie.DB", "DBFZuzycie", "TfZuzycie", 157, 160, 156},
        {R::ConsumptionKm, "Zużycie paliwa - km", "Zużycie paliwa - przebieg", "IZuzycieKm",
         "zuzycieKmGrid", "zuzyciekm.DB", "DBFZuzycieKm", "TfZuzycieKm", 922023, 992055, 912021},
        {R::ConsumptionMth, "Zużycie paliwa - mth", "Zużycie paliwa - motogodziny", "IZuzycieMth",
         "zuzycieMthGrid", "zuzyciemth.DB", "DBFZuzycieMth", "TfZuzycieMth", 942025, 912055,
         912022},
    };
    for (const FuelReg& f : fuel) {
        auto r = reg(f.id, QString::fromUtf8(f.button), S::Fuel, QString::fromUtf8(f.button),
                     QString::fromUtf8(f.menu), f.page, f.grid, f.table, f.query, f.window, 9, 10);
        r.deleteKey = QStringList{QStringLiteral("IDPOJAZD"), QStringLiteral("DATA")};
        r.locateKey = QStringList{QStringLiteral("DATA"), QStringLiteral("IDPOJAZD")};
        r.deleteStatement =
            QStringLiteral("DELETE FROM %1 WHERE IDPOJAZD = ").arg(QString::fromLatin1(f.table));
        codes(r, f.refresh, f.del, f.locate);
        filterSlots(r, true, true, {"extra"});
        r.fixedOrder = true; // always ordered by date
        r.alternateTable = QString::fromLatin1(f.table).chopped(3) + QStringLiteral("lpg.DB");
        r.period = PeriodForm::Date;
        r.vehicleFilter = VehicleFilter::VehicleId;
        menu(r, "Paliwa", static_cast<int>(f.id) - static_cast<int>(R::Consumption) + 1);
        if (f.id == R::Consumption) {
            r.columns = {col("DATA", QStringLiteral("Data"), F::Date),
                         col("BAK", QStringLiteral("Litrów w baku"), F::Money),
                         col("TANKOWANIE", QStringLiteral("Zatankowano"), F::Money),
                         col("LICZNIK", QStringLiteral("Stan licznika"), F::Money),
                         computed("ZUZYCIE", QStringLiteral("Zużycie l / 100 km"))};
        } else {
            const bool km = f.id == R::ConsumptionKm;
            r.columns = {
                col("DATA", QStringLiteral("Data"), F::Date),
                col("LICZNIK", QStringLiteral("Stan licznika"), F::Money),
                col("PRZEBIEG",
                    km ? QStringLiteral("Przejechano km") : QStringLiteral("Przepracowano h"),
                    F::Money),
                col("TANKOWANIE", QStringLiteral("Spalono paliwa l"), F::Money),
                computed("ZUZYCIE", km ? QStringLiteral("Zużycie l / 100 km")
                                       : QStringLiteral("Zużycie l / 1 Mth"))};
        }
        if (f.id == R::Consumption)
            sheet(r, "ZużyciePaliwa", "[DATA] [BAK] [TANKOWANIE] [LICZNIK] [ZUZYCIE]");
        else
            sheet(r, f.id == R::ConsumptionKm ? "ZuzyciePaliwaKm" : "ZuzycieMth",
                  "[DATA] [LICZNIK] [PRZEBIEG] [TANKOWANIE] [ZUZYCIE]");
        all.append(r);
    }

    auto cal = reg(R::Calendar, QStringLiteral("Terminarz"), S::Time, QStringLiteral("Terminarz"),
                   QStringLiteral("Terminarz"), "ITerminarz", "TerminarzGrid", "terminy.DB",
                   "DBFTerminarz", "TfTerminarz", 33, 34);
    cal.shortcut = QStringLiteral("Ctrl+F6");
    idKey(cal, "IDTERMINU", QStringLiteral("DELETE FROM terminy.DB WHERE IDTERMINU = "));
    codes(cal, 44031, 44001, 44021);
    cal.insertCode = 55002;
    cal.updateCode = 55003;
    filterSlots(cal, true, true, {"extra"});
    cal.defaultSort = QStringLiteral("IDTERMINU");
    cal.period = PeriodForm::FromTo;
    menu(cal, "Czas", 0);
    cal.columns = {col("DATAOD", QStringLiteral("Data od"), F::Date),
                   col("DATADO", QStringLiteral("Data do"), F::Date),
                   col("RODZAJ", QStringLiteral("Rodzaj terminu")),
                   col("POJAZD", QStringLiteral("Pojazd")),
                   col("OSOBA", QStringLiteral("Osoba")),
                   col("KONTRAHENT", QStringLiteral("Kontrahent"))};
    sheet(cal, "ITerminarz", "[DATAOD] [DATADO] RODZAJ POJAZD OSOBA KONTRAHENT");
    all.append(cal);

    auto eq = reg(R::Equipment, QStringLiteral("Wyposażenie"), S::Registers,
                  QStringLiteral("Wyposażenie"), QStringLiteral("Wyposażenie"), "IWyposazenie",
                  "WyposazenieGrid", "wyposazenie.DB", "DBFwyposazenie", "TfWyposazenie", 11, 12);
    idKey(eq, "IDWYPOS", QStringLiteral("DELETE FROM wyposazenie.DB WHERE IDWYPOS = "));
    codes(eq, 151, 152, 150);
    eq.insertCode = 154;
    eq.updateCode = 155;
    filterSlots(eq, true, true, {"extra"});
    eq.defaultSort = QStringLiteral("DATA");
    eq.period = PeriodForm::Date;
    menu(eq, "Rejestry", 1);
    eq.columns = {col("DATA", QStringLiteral("Data"), F::Date),
                  col("NRREJ", QStringLiteral("Nr rej.")),
                  col("MARKA", QStringLiteral("Marka")),
                  col("RODZAJ", QStringLiteral("Rodzaj wyposażenia")),
                  col("TERMIN", QStringLiteral("Termin"), F::Date),
                  col("OPIS", QStringLiteral("Opis")),
                  col("UWAGI", QStringLiteral("Inne"))};
    sheet(eq, "Wyposażenie", "[DATA] NRREJ RODZAJ MARKA [TERMIN] OPIS UWAGI");
    all.append(eq);

    auto doc = reg(R::Documents, QStringLiteral("Dokumenty"), S::Registers,
                   QStringLiteral("Dokumenty"), QStringLiteral("Dokumenty"), "IDokumenty",
                   "DokumentyGrid", "dokumenty.DB", "DBFDokumenty", "TfDokumenty", 13, 14);
    idKey(doc, "IDDOKUMENT", QStringLiteral("DELETE FROM dokumenty.DB WHERE IDDOKUMENT = "));
    codes(doc, 85, 90, 83);
    doc.insertCode = 89;
    doc.updateCode = 87;
    filterSlots(doc, true, true, {"extra"});
    doc.defaultSort = QStringLiteral("DATA");
    doc.period = PeriodForm::Date;
    menu(doc, "Rejestry", 2);
    doc.columns = {col("DATA", QStringLiteral("Data"), F::Date),
                   col("RODZAJ", QStringLiteral("Rodzaj dokumentu")),
                   col("NUMER", QStringLiteral("Nr dokumentu")),
                   col("NAZWA", QStringLiteral("Nazwa dokumentu")),
                   col("NRREJ", QStringLiteral("Nr rej.")),
                   col("MARKA", QStringLiteral("Marka")),
                   col("TERMIN", QStringLiteral("Termin"), F::Date),
                   col("OPIS", QStringLiteral("Opis")),
                   col("UWAGI", QStringLiteral("Inne"))};
    sheet(doc, "Dokumenty", "[DATA] NRREJ RODZAJ NUMER NAZWA [TERMIN] OPIS UWAGI");
    all.append(doc);

    auto ty = reg(R::Tyres, QStringLiteral("Opony"), S::Registers, QStringLiteral("Opony"),
                  QStringLiteral("Opony"), "IOpony", "OponyGrid", "opony.DB", "DBFOpony", "TfOpony",
                  35, 36);
    idKey(ty, "IDOPONY", QStringLiteral("DELETE FROM opony.DB WHERE IDOPONY = "));
    codes(ty, 44032, 44002, 44022);
    ty.insertCode = 55107;
    ty.updateCode = 55113;
    filterSlots(ty, true, true, {"extra"});
    ty.defaultSort = QStringLiteral("IDOPONY");
    ty.period = PeriodForm::PurchaseOrUndated;
    menu(ty, "Rejestry", 3);
    ty.columns = {col("MAGAZYN", QStringLiteral("Mag.?")),
                  col("NREWID", QStringLiteral("Nr ewid.")),
                  col("MARKA", QStringLiteral("Marka")),
                  col("RODZAJO", QStringLiteral("Rodzaj")),
                  col("ROZMIARO", QStringLiteral("Rozmiar")),
                  col("POJAZD", QStringLiteral("Pojazd")),
                  col("DATAZAKUPU", QStringLiteral("Data zak."), F::Date),
                  col("NETTO", QStringLiteral("Netto"), F::Money),
                  col("VAT", QStringLiteral("VAT"), F::Money),
                  col("BRUTTO", QStringLiteral("Brutto"), F::Money)};
    sheet(ty, "Opony",
          "MAGAZYN NREWID MARKA RODZAJO ROZMIARO POJAZD [DATAZAKUPU] [NETTO] [VAT] [BRUTTO]");
    all.append(ty);

    auto dm = reg(R::Damages, QStringLiteral("Szkody, stłuczki"), S::Registers,
                  QStringLiteral("Szkody, stłuczki"), QStringLiteral("Szkody, stłuczki"), "ISzkody",
                  "szkodyGrid", "szkody.DB", "DBFSzkody", "TfSzkody", 41, 42);
    idKey(dm, "IDSZKODY", QStringLiteral("DELETE FROM szkody.DB WHERE IDSZKODY = "));
    codes(dm, 572055, 911800, 562054);
    dm.insertCode = 911808;
    dm.updateCode = 14;
    filterSlots(dm, true, true, {"extra"});
    dm.defaultSort = QStringLiteral("DATA");
    dm.period = PeriodForm::Date;
    menu(dm, "Rejestry", 4);
    dm.columns = {col("DATA", QStringLiteral("Data"), F::Date),
                  col("NRREJ", QStringLiteral("Nr Rej.")),
                  col("MARKA", QStringLiteral("Marka")),
                  col("OPIS", QStringLiteral("Opis szkody")),
                  col("NAZWISKO", QStringLiteral("Kierowca")),
                  col("UWAGI", QStringLiteral("Inne")),
                  col("LICZNIK", QStringLiteral("Stan licznika"), F::Money)};
    sheet(dm, "ISzkody", "[DATA] NRREJ MARKA OPIS NAZWISKO UWAGI [LICZNIK]");
    all.append(dm);

    auto rp = reg(R::Repairs, QStringLiteral("Naprawy"), S::Registers, QStringLiteral("Naprawy"),
                  QStringLiteral("Naprawy"), "INaprawy", "NaprawyGrid", "naprawy.DB", "DBFNaprawy",
                  "TfNaprawy", 7, 8);
    idKey(rp, "IDNAPRAWY", QStringLiteral("DELETE FROM naprawy.DB WHERE IDNAPRAWY = "));
    codes(rp, 44, 20, 27);
    rp.insertCode = 8;
    rp.updateCode = 14;
    filterSlots(rp, true, true, {"extra"});
    rp.defaultSort = QStringLiteral("DATA");
    rp.period = PeriodForm::DateOrUndated;
    menu(rp, "Rejestry", 5);
    rp.columns = {col("DONE", QStringLiteral("Wyk.?")),
                  col("DATA", QStringLiteral("Data"), F::Date),
                  col("NRREJ", QStringLiteral("Nr Rej.")),
                  col("MARKA", QStringLiteral("Marka")),
                  col("OPIS", QStringLiteral("Opis naprawy")),
                  col("NAZWISKO", QStringLiteral("Kierowca")),
                  col("UWAGI", QStringLiteral("Inne")),
                  col("LICZNIK", QStringLiteral("Stan licznika"), F::Money)};
    sheet(rp, "INaprawy", "[DATA] NRREJ MARKA OPIS NAZWISKO UWAGI [LICZNIK]");
    all.append(rp);

    auto wh = reg(R::Warehouse, QStringLiteral("Magazyn zasobów"), S::Registers,
                  QStringLiteral("Magazyn zasob."), QStringLiteral("Magazyn zasobów"), "IMagazyn",
                  "magazynGrid", "magazyn.DB", "DBFMagazyn", "TfMagazyn", 49, 50);
    wh.shortcut = QStringLiteral("Ctrl+F8");
    idKey(wh, "ID", QStringLiteral("DELETE FROM magazyn.DB WHERE ID = "));
    codes(wh, 151731, 151814, 151730);
    wh.insertCode = 151806;
    wh.updateCode = 55113;
    filterSlots(wh, false, false, {"extra1", "extra2", "extra3"});
    wh.defaultSort = QStringLiteral("CZESC");
    wh.vehicleFilter = VehicleFilter::None;
    menu(wh, "Rejestry", 0);
    wh.columns = {col("CZESC", QStringLiteral("Nazwa części")),
                  col("ILOSC", QStringLiteral("Ilość"), F::Money),
                  col("PRZYPOMNIJ", QStringLiteral("Przypomnij"), F::Money),
                  col("UWAGI", QStringLiteral("Inne"))};
    sheet(wh, "IMagazyn", "CZESC UWAGI [ILOSC] [PRZYPOMNIJ]");
    all.append(wh);

    auto rates = reg(R::Rates, QStringLiteral("Stawki za km"), S::Dictionaries,
                     QStringLiteral("Stawki za km."), QStringLiteral("Stawki"), "SlStawki",
                     "stawkiGrid", "stawki.DB", "DBFStawki", "TfStawki", 20, 21);
    idKey(rates, "DATAOD", QStringLiteral("DELETE FROM stawki.DB WHERE DATAOD = "));
    codes(rates, 39, 17, 29);
    rates.insertCode = 5;
    rates.updateCode = 11;
    filterSlots(rates, false, false, {});
    rates.defaultSort = QStringLiteral("DATAOD");
    rates.vehicleFilter = VehicleFilter::None;
    menu(rates, "Słowniki", 1);
    rates.columns = rateGridColumns();
    sheet(rates, "Stawki", "[DATAOD] [LW900] [GT900] [MOTOCYKL] [MOTOROWER]");
    all.append(rates);

    auto emp = reg(R::Employees, QStringLiteral("Kartoteka osobowa"), S::Dictionaries,
                   QStringLiteral("Kartoteka"), QStringLiteral("Kartoteka"), "slOsobowa",
                   "osobowaGrid", "osobowa.DB", "DBFosobowa", "TfOsobowa", 24, 25);
    emp.deleteKey = emp.locateKey = QStringList{QStringLiteral("NREW")};
    emp.deleteStatement = QStringLiteral("DELETE FROM osobowa.DB WHERE NREW = :PARAM0");
    emp.deleteKeyIsText = emp.locateKeyIsText = true;
    codes(emp, 40, 21, 30);
    emp.insertCode = 9;
    emp.updateCode = 15;
    filterSlots(emp, false, false, {"extra"});
    emp.defaultSort = QStringLiteral("NAZWISKO");
    emp.vehicleFilter = VehicleFilter::None;
    menu(emp, "Słowniki", 3);
    emp.columns = {col("NREW", QStringLiteral("Nr ewid.")),
                   col("NAZWISKO", QStringLiteral("Nazwisko"), F::Person),
                   col("ADRES", QStringLiteral("Adres")),
                   col("KOD", QStringLiteral("Kod poczt.")),
                   col("MIASTO", QStringLiteral("Miasto")),
                   col("TELEFON", QStringLiteral("Telefon"))};
    // The person's name is compared as shown: surname, a blank, first name.
    sheet(emp, "Osobowa", "NREW [NAZWISKO] ADRES NUMER KOD MIASTO TELEFON");
    all.append(emp);

    return all;
}

} // namespace

const QList<RegisterDescriptor>& allRegisters() {
    static const QList<RegisterDescriptor> registers = build();
    return registers;
}

} // namespace kv
