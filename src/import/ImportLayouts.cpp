// The six imports as data: every difference between them is here, so the
// reader, the row check, the insert pass, the window and the command-line
// tool have one code path for all of them.
#include "import/ImportLayout.h"

namespace kv {

namespace {

using C = FieldCheck;

ImportField field(int list, const char* label, C check, const char* column,
                  QVariant unmapped = QString()) {
    ImportField f;
    f.list = list;
    f.label = QString::fromUtf8(label);
    f.check = check;
    f.column = QString::fromUtf8(column);
    f.unmapped = std::move(unmapped);
    return f;
}

ImportField required(ImportField f, const char* missing, const char* bad = "") {
    f.required = true;
    f.missing = QString::fromUtf8(missing);
    f.bad = QString::fromUtf8(bad);
    return f;
}

ImportField checked(ImportField f, const char* bad) {
    f.bad = QString::fromUtf8(bad);
    return f;
}

ImportField flag(int list, const char* label, const char* column, const char* option,
                 const char* off) {
    ImportField f = field(list, label, C::Flag, column, QString::fromUtf8(off));
    f.symbolOption = QString::fromUtf8(option);
    f.flagOff = QString::fromUtf8(off);
    return f;
}

ImportField onlyWhen(ImportField f, int flagList) {
    f.onlyWhen = flagList;
    return f;
}

ImportField vehicle() {
    return required(field(2, "Numer rejestracyjny pojazdu", C::Vehicle, "IDPOJAZD"),
                    "Brak numeru rejestracyjnego", "Nie znaleziono podanego pojazdu");
}

QStringList list(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts)
        out << QString::fromUtf8(t);
    return out;
}

ImportLayout costs() {
    ImportLayout l;
    l.kind = ImportKind::Costs;
    l.number = 1;
    l.registerName = QStringLiteral("koszty");
    l.windowName = QStringLiteral("TfImportKoszty");
    l.caption = QStringLiteral("Import kosztów");
    l.heading = QStringLiteral("Import kosztów z arkusza .CSV");
    l.menuItem = QStringLiteral("Import kosztów z arkusza .CSV");
    l.table = QStringLiteral("koszty");
    l.lookupTables = list({"pojazdy", "kpaliwowe", "slowniki", "kartydrogowe"});
    l.fields = {
        required(field(1, "Data powstania kosztu", C::Date, "DATA"), "Brak daty powstania kosztu",
                 "Niepoprawny format daty powstania kosztu"),
        checked(field(9, "Data wystawienia", C::Date, "DATAWYSTAW", 0),
                "Niepoprawny format daty wystawienia dokumentu kosztowego"),
        vehicle(),
        field(3, "Rodzaj wydatku", C::Text, "RODZWYD"),
        field(4, "Nazwa towaru", C::Text, "NAZWATOWAR"),
        checked(field(5, "Karta paliwowa (ID karty)", C::Card, "IDKARTY"),
                "Nie znaleziono karty paliwowej o podanym ID"),
        field(6, "Numer ewidencyjny kierowcy", C::Text, "IDKIEROWCY"),
        checked(field(7, "Stan licznika w trakcie zakupu", C::Amount, "LICZNIK", 0),
                "Niepoprawny format stanu licznika"),
        field(8, "Inne", C::Text, "UWAGI"),
        field(10, "Numer dokumentu", C::Text, "NRDOKUMENT"),
        checked(field(11, "Rodzaj płatności", C::PaymentKind, "RODZAJPLAT", 0),
                "Nie rozpoznano rodzaju płatności"),
        checked(field(12, "Wartość netto", C::Number, "WARTNETTO", 0),
                "Niepoprawny format kwoty netto"),
        checked(field(13, "Kwota VAT", C::Number, "WARTVAT", 0), "Niepoprawny format kwoty VAT"),
        checked(field(14, "Wartość brutto", C::Number, "WARTBRUTTO", 0),
                "Niepoprawny format kwoty brutto"),
        flag(15, "Czy księgować VAT?", "CZYVAT", "symbolVAT", "N"),
        flag(16, "Czy zakup paliwa?", "ISFUEL", "symbolISFUEL", ""),
        onlyWhen(
            checked(field(17, "Ilość paliwa", C::Amount, "FUEL", 0), "Niepoprawna ilość paliwa"),
            16),
        checked(field(18, "CK", C::CostCentre, "CK", -1), "Podane CK nie istnieje w słowniku"),
        checked(field(19, "Karta drogowa", C::RoadCard, "IDDROGOWA", -1),
                "Podany nr karty drogowej nie istnieje"),
    };
    l.insertColumns =
        list({"IDPOJAZD", "DATA", "RODZWYD", "NAZWATOWAR", "NRDOKUMENT", "WARTNETTO", "WARTVAT",
              "WARTBRUTTO", "UWAGI", "CZYVAT", "DATAWYSTAW", "RODZAJPLAT", "IDKARTY", "LICZNIK",
              "IDKIEROWCY", "ISFUEL", "FUEL", "CK", "IDDROGOWA"});
    const QStringList symbols = list({"TAK", "TRUE", "YES", "T", "1"});
    l.options = {{QStringLiteral("symbolVAT"),
                  QStringLiteral("Symbol potwierdzający księgowanie VAT"), symbols},
                 {QStringLiteral("symbolISFUEL"), QStringLiteral("Symbol oznaczający zakup paliwa"),
                  symbols}};
    return l;
}

enum class FuelUnit { Continuous, Km, Mth };

ImportLayout fuel(FuelUnit unit) {
    ImportLayout l;
    const bool continuous = unit == FuelUnit::Continuous;
    switch (unit) {
    case FuelUnit::Continuous:
        l.kind = ImportKind::Fuel;
        l.number = 4;
        l.registerName = QStringLiteral("zuzycie");
        l.windowName = QStringLiteral("TfImportZuzycie");
        l.caption = QStringLiteral("Import tankowania paliwa");
        l.heading = QStringLiteral("Import tankowania (ciągłe) z arkusza .CSV");
        // The menu has always spelt it so; the item is found by this text.
        l.menuItem = QStringLiteral("Import taknowania (ciągłe) z arkusza .CSV");
        break;
    case FuelUnit::Km:
        l.kind = ImportKind::FuelKm;
        l.number = 2;
        l.registerName = QStringLiteral("zuzyciekm");
        l.windowName = QStringLiteral("TfImportZuzycieKm");
        l.caption = QStringLiteral("Import tankowania paliwa - kilometry");
        l.heading = QStringLiteral("Import tankowania Km z arkusza .CSV");
        l.menuItem = l.heading;
        break;
    case FuelUnit::Mth:
        l.kind = ImportKind::FuelMth;
        l.number = 3;
        l.registerName = QStringLiteral("zuzyciemth");
        l.windowName = QStringLiteral("TfImportZuzycieMth");
        l.caption = QStringLiteral("Import tankowania paliwa - motogodziny");
        l.heading = QStringLiteral("Import tankowania Mth z arkusza .CSV");
        l.menuItem = l.heading;
        break;
    }
    l.table = l.registerName;
    l.lpgTable = l.registerName + QStringLiteral("lpg");
    l.lookupTables = list({"pojazdy"});
    const QString first = continuous ? QStringLiteral("BAK") : QStringLiteral("PRZEBIEG");
    ImportField tank =
        continuous
            ? checked(field(5, "Ilość paliwa w baku przed tankowaniem", C::Amount, "BAK", 0),
                      "Niepoprawny format ilości paliwa w baku przed tankowaniem")
            : required(field(5, "Zużyto paliwa", C::Amount, "TANKOWANIE"),
                       "Brak ilości zużytego paliwa", "Niepoprawny format ilości zużytego paliwa");
    ImportField amount;
    switch (unit) {
    case FuelUnit::Continuous:
        amount = required(field(6, "Ilość zatankowanego paliwa", C::Amount, "TANKOWANIE"),
                          "Brak ilości zatankowanego paliwa",
                          "Niepoprawny format ilości zatankowanego paliwa");
        break;
    case FuelUnit::Km:
        amount = required(field(6, "Przejechano kilometrów", C::Amount, "PRZEBIEG"),
                          "Brak ilości przejechanych kilometrów",
                          "Niepoprawny format ilości przejechanych kilometrów");
        break;
    case FuelUnit::Mth:
        amount = required(field(6, "Przepracowano godzin", C::Amount, "PRZEBIEG"),
                          "Brak ilości przepracowanych godzin",
                          "Niepoprawny format ilości przepracowanych godzin");
        break;
    }
    l.fields = {
        required(field(1, "Data tankowania", C::Date, "DATA"), "Brak daty tankowania",
                 "Niepoprawny format daty tankowania"),
        vehicle(),
        field(3, "Rodzaj paliwa", C::FuelKind, ""),
        checked(field(4, "Stan licznika w trakcie tankowania", C::Amount, "LICZNIK", 0),
                "Niepoprawny format stanu licznika"),
        tank,
        amount,
    };
    l.insertColumns = {QStringLiteral("DATA"), QStringLiteral("IDPOJAZD"), first,
                       QStringLiteral("TANKOWANIE"), QStringLiteral("LICZNIK")};
    l.options = {{QStringLiteral("rodzajPaliwa"), QStringLiteral("Oznaczenie gazu LPG"),
                  list({"Gaz LPG", "LPG", "Gaz"})},
                 {QStringLiteral("pominSumuj"),
                  QStringLiteral("Gdy na dany dzień istnieje już tankowanie"),
                  {kSumText, kSkipText},
                  true,
                  true}};
    return l;
}

ImportLayout trips() {
    ImportLayout l;
    l.kind = ImportKind::Trips;
    l.number = 5;
    l.registerName = QStringLiteral("przejazdy");
    l.windowName = QStringLiteral("TfImportPrzejazdy");
    l.caption = QStringLiteral("Import przejazdów");
    l.heading = QStringLiteral("Import przejazdów z arkusza .CSV");
    l.menuItem = l.heading;
    l.table = QStringLiteral("przejazdy");
    l.lookupTables = list({"pojazdy"});
    l.loadCode = 161753;
    l.verifyCode = 161754;
    l.fields = {
        required(field(1, "Data wyjazdu", C::Date, "DATA"), "Brak daty przejazdu",
                 "Niepoprawny format daty przejazdu"),
        vehicle(),
        checked(field(3, "Długość trasy", C::Amount, "ODLEGLOSC", 0),
                "Niepoprawny format długości trasy"),
        field(4, "Cel wyjazdu", C::Text, "CELWYJAZDU"),
        field(5, "Trasa", C::Text, "TRASA"),
        field(6, "Nr ewidencyjny kierowcy", C::Text, "IDKIEROWCY"),
        field(7, "Inne", C::Text, "UWAGI"),
        flag(8, "Pojazd był używany przez osobę nie będącą pracownikiem podatnika VAT", "PRYW",
             "symbolUzyczenia", "N"),
        onlyWhen(checked(field(9, "Stan licznika na dzień udostępnienia pojazdu", C::Amount,
                               "PRYWLICZOD", 0),
                         "Niepoprawny format stanu licznika od jazdy prywatnej"),
                 8),
        onlyWhen(
            checked(field(10, "Stan licznika na dzień zwrotu pojazdu", C::Amount, "PRYWLICZDO", 0),
                    "Niepoprawny format stanu licznika do jazdy prywatnej"),
            8),
        field(11, "Imię i nazwisko osoby, której udostępniono pojazd", C::Text, "PRYWKTO"),
    };
    l.insertColumns = list({"DATA", "IDPOJAZD", "CELWYJAZDU", "TRASA", "ODLEGLOSC", "IDKIEROWCY",
                            "UWAGI", "PRYW", "PRYWKTO", "PRYWLICZOD", "PRYWLICZDO"});
    l.options = {{QStringLiteral("symbolUzyczenia"),
                  QStringLiteral("Symbol określający użyczenie pojazdu"),
                  list({"T", "TAK", "TRUE", "YES", "1"}), false}};
    return l;
}

ImportLayout employees() {
    ImportLayout l;
    l.kind = ImportKind::Employees;
    l.number = 6;
    l.registerName = QStringLiteral("osobowa");
    l.windowName = QStringLiteral("TfImportPracownik");
    l.caption = QStringLiteral("Import pracowników");
    l.heading = QStringLiteral("Import pracowników z arkusza .CSV");
    l.menuItem = l.heading;
    l.table = QStringLiteral("osobowa");
    l.hasDateFormat = false;
    l.fields = {
        required(field(1, "Numer ewidencyjny", C::EmployeeNumber, "NREW"),
                 "Brak numeru ewidencyjnego",
                 "Pracownik o podanym numerze ewidencyjnym już istnieje"),
        field(2, "Imię", C::Text, "IMIE"),
        required(field(3, "Nazwisko", C::Text, "NAZWISKO"), "Brak nazwiska"),
        field(4, "Adres", C::Text, "ADRES"),
        field(5, "Nr domu", C::Text, "NUMER"),
        field(6, "Miasto", C::Text, "MIASTO"),
        field(7, "Kod pocztowy", C::Text, "KOD"),
        field(8, "Kraj", C::Text, "KRAJ"),
        field(9, "Telefon (-y)", C::Text, "TELEFON"),
        field(10, "Adres korespondencyjny", C::Text, "KONTAKT"),
        field(11, "Inne", C::Text, "UWAGI"),
    };
    l.insertColumns = list({"NREW", "NAZWISKO", "IMIE", "ADRES", "NUMER", "KOD", "MIASTO", "KRAJ",
                            "TELEFON", "KONTAKT", "UWAGI"});
    return l;
}

const QList<ImportLayout>& layouts() {
    static const QList<ImportLayout> all{
        costs(),    trips(), fuel(FuelUnit::Continuous), fuel(FuelUnit::Km), fuel(FuelUnit::Mth),
        employees()};
    return all;
}

} // namespace

const ImportField* ImportLayout::field(int list) const {
    for (const ImportField& f : fields)
        if (f.list == list)
            return &f;
    return nullptr;
}

const ImportField* ImportLayout::fieldOfColumn(const QString& column) const {
    for (const ImportField& f : fields)
        if (f.column == column)
            return &f;
    return nullptr;
}

int ImportLayout::fixedEntries(int list) const {
    const ImportField* f = field(list);
    return f && f->check == FieldCheck::FuelKind ? 2 : 1;
}

const QList<ImportKind>& importKinds() {
    static const QList<ImportKind> kinds{ImportKind::Costs,   ImportKind::Trips,
                                         ImportKind::Fuel,    ImportKind::FuelKm,
                                         ImportKind::FuelMth, ImportKind::Employees};
    return kinds;
}

const ImportLayout& importLayout(ImportKind kind) {
    return layouts()[static_cast<int>(kind)];
}

const ImportLayout* importLayoutByRegister(const QString& name) {
    for (const ImportLayout& l : layouts())
        if (l.registerName.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &l;
    return nullptr;
}

QStringList importRegisterNames() {
    QStringList names;
    for (const ImportLayout& l : layouts())
        names << l.registerName;
    return names;
}

QStringList importDateFormatTexts() {
    return {QStringLiteral("DD-MM-RRRR"), QStringLiteral("RRRR-MM-DD"), QStringLiteral("RRRRMMDD")};
}

QStringList mappingEntries(const ImportLayout& layout, int list, int sheetColumns) {
    QStringList entries;
    if (layout.fixedEntries(list) == 2)
        entries << kLiquidFuelText << kLpgText;
    else
        entries << kNoColumnText;
    for (int k = 1; k <= sheetColumns; ++k)
        entries << QStringLiteral("Kolumna #") + QString::number(k);
    return entries;
}

} // namespace kv
