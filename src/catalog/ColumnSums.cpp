// "Przelicz sumy": the column sums of each register that has them, one entry
// per register beside the register table.
#include "framework/RegisterSums.h"

#include <QHash>

namespace kv {

namespace {

SumColumn sumCount(const char* label) {
    return {QString::fromUtf8(label), SumKind::Count, QString()};
}
SumColumn sumRows(const char* label) {
    return {QString::fromUtf8(label), SumKind::Rows, QString()};
}
SumColumn sumAmount(const char* label, const char* field) {
    return {QString::fromUtf8(label), SumKind::Amount, QString::fromLatin1(field)};
}
SumColumn sumComputed(const char* label, const char* name) {
    return {QString::fromUtf8(label), SumKind::Computed, QString::fromLatin1(name)};
}

// One entry per register that has column sums. Amounts are
// read row by row and added as the grid shows them, never summed as floating
// point by the statement; the FROM part follows the register's own statement,
// so its filter fragments name the same tables.
QHash<RegisterId, RegisterSums> build() {
    using R = RegisterId;
    QHash<RegisterId, RegisterSums> all;
    auto set = [&all](R id, const char* caption, const char* statement, QList<SumColumn> columns,
                      const char* tail = "", bool filtered = true) {
        RegisterSums& s = all[id];
        s.caption = QString::fromUtf8(caption);
        s.statement = QString::fromLatin1(statement);
        s.columns = std::move(columns);
        s.tail = QString::fromLatin1(tail);
        s.filtered = filtered;
    };
    set(R::Vehicles, "Sumy dla tabeli POJAZDY", "SELECT COUNT(*) FROM pojazdy.DB WHERE 1 = 1",
        {sumCount("Ilość pojazdów")});
    set(R::Trips, "Sumy dla tabeli PRZEJAZDY",
        "SELECT P.DATA AS DATA, P.ODLEGLOSC AS ODLEGLOSC, A.RODZAJ AS RODZAJ, A.POJEMNOSC AS "
        "POJEMNOSC FROM przejazdy.DB AS P LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = "
        "P.IDKIEROWCY LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = P.IDPOJAZD LEFT OUTER JOIN "
        "slowniki.DB AS C ON C.KOD = A.RODZAJ WHERE 1 = 1",
        {sumRows("Ilość przejazdów"), sumAmount("Przejechanych km", "ODLEGLOSC"),
         sumComputed("Kwota przejazdów", "KWOTA")});
    set(R::Costs, "Sumy dla tabeli KOSZTY",
        "SELECT A.WARTNETTO AS WARTNETTO, A.WARTVAT AS WARTVAT, A.WARTBRUTTO AS WARTBRUTTO, "
        "A.FUEL AS FUEL FROM koszty.DB AS A LEFT OUTER JOIN pojazdy.DB AS B ON A.IDPOJAZD = "
        "B.IDPOJAZD LEFT OUTER JOIN osobowa.DB AS C ON A.IDKIEROWCY = C.NREW LEFT OUTER JOIN "
        "slowniki.DB AS D ON A.CK = D.KOD LEFT OUTER JOIN kartydrogowe.DB AS E ON A.IDDROGOWA = "
        "E.IDDROGOWA WHERE 1 = 1",
        {sumRows("Ilość kosztów"), sumAmount("Netto", "WARTNETTO"), sumAmount("VAT", "WARTVAT"),
         sumAmount("Brutto", "WARTBRUTTO"), sumAmount("Ilość paliwa", "FUEL")});
    set(R::FuelCards, "Sumy dla tabeli KARTY PALIWOWE",
        "SELECT COUNT(*) FROM kpaliwowe.DB AS K LEFT OUTER JOIN pojazdy.DB AS P ON P.IDPOJAZD = "
        "K.IDPOJAZD LEFT OUTER JOIN osobowa.DB AS O ON O.NREW = K.IDKIEROWCY WHERE 1 = 1",
        {sumCount("Ilość kart")});
    set(R::Odometer, "Sumy dla tabeli PRZEBIEGI",
        "SELECT COUNT(*) FROM przebiegi.DB AS A LEFT OUTER JOIN pojazdy.DB AS B ON B.IDPOJAZD = "
        "A.IDPOJAZD WHERE 1 = 1",
        {sumCount("Ilość zapisów")});
    set(R::FuelPrices, "Sumy dla tabeli Ceny Paliw",
        "SELECT COUNT(*) FROM cenypaliw.DB AS C WHERE 1 = 1", {sumCount("Ilość zapisów")});
    set(R::Consumption, "Sumy dla tabeli ZUŻYCIE PALIWA",
        "SELECT DATA, TANKOWANIE, LICZNIK FROM zuzycie.DB WHERE 1 = 1",
        {sumRows("Ilość wpisów"), sumAmount("Zatankowano l.", "TANKOWANIE"),
         sumComputed("Przejechano km.", "KM")},
        "ORDER BY DATA");
    set(R::ConsumptionKm, "Sumy dla tabeli ZUŻYCIE PALIWA - przebieg",
        "SELECT TANKOWANIE, PRZEBIEG FROM zuzyciekm.DB WHERE 1 = 1",
        {sumRows("Ilość wpisów"), sumAmount("Zużyto l.", "TANKOWANIE"),
         sumAmount("Przejechano km.", "PRZEBIEG")});
    set(R::ConsumptionMth, "Sumy dla tabeli ZUŻYCIE PALIWA - motogodziny",
        "SELECT TANKOWANIE, PRZEBIEG FROM zuzyciemth.DB WHERE 1 = 1",
        {sumRows("Ilość wpisów"), sumAmount("Zużyto l.", "TANKOWANIE"),
         sumAmount("przepracowano h", "PRZEBIEG")});
    // The rates belong to no vehicle and no period.
    set(R::Rates, "Sumy dla tabeli STAWKI", "SELECT COUNT(*) FROM stawki.DB WHERE 1 = 1",
        {sumCount("Ilość zapisów")}, "", false);
    set(R::Employees, "Sumy dla tabeli KARTOTEKA OSOBOWA",
        "SELECT COUNT(*) FROM osobowa.DB WHERE 1 = 1", {sumCount("Ilość osób")});
    set(R::RoadCards, "Sumy dla tabeli KARTY DROGOWE",
        "SELECT (K.LICZEND - K.LICZSTART) AS KM, K.GODZSUMA AS GODZSUMA FROM kartydrogowe.DB AS "
        "K LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = K.IDKIEROWCY LEFT OUTER JOIN pojazdy.DB AS "
        "A ON A.IDPOJAZD = K.IDPOJAZD LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ WHERE "
        "1 = 1",
        {sumRows("Ilość kart"), sumAmount("Kilometrów", "KM"),
         sumAmount("Czas pracy", "GODZSUMA")});
    set(R::Orders, "Sumy dla tabeli ZLECENIA",
        "SELECT COUNT(*) FROM zlecenia.DB AS Z LEFT OUTER JOIN pojazdy.DB AS P ON P.IDPOJAZD = "
        "Z.IDPOJAZDU LEFT OUTER JOIN osobowa.DB AS O ON O.NREW = Z.NREW LEFT OUTER JOIN "
        "slowniki.DB AS S ON S.KOD = Z.RODZAJPRAC WHERE 1 = 1",
        {sumCount("Ilość zleceń")});
    // "Koszt pracy" adds each row's value as the grid shows it, rounded to the
    // grosz, as the settlement report sums it.
    set(R::Settlements, "Sumy dla tabeli ROZLICZENIA",
        "SELECT Z.GODZINY AS GODZINY, Z.STAWKA AS STAWKA FROM rozliczenia.DB AS Z LEFT OUTER JOIN "
        "pojazdy.DB AS P ON P.IDPOJAZD = Z.IDPOJAZDU LEFT OUTER JOIN osobowa.DB AS O ON O.NREW = "
        "Z.NREW LEFT OUTER JOIN slowniki.DB AS S ON S.KOD = Z.RODZAJPRAC WHERE 1 = 1",
        {sumRows("Ilość rekordów"), sumAmount("Przepracow. godzin", "GODZINY"),
         sumComputed("Koszt pracy", "WARTOSC")});
    set(R::Repairs, "Sumy dla tabeli NAPRAW",
        "SELECT COUNT(*) FROM naprawy.DB AS A LEFT OUTER JOIN pojazdy.DB AS B ON A.IDPOJAZD = "
        "B.IDPOJAZD LEFT OUTER JOIN osobowa.DB AS C ON A.IDKIEROWCY = C.NREW WHERE 1 = 1",
        {sumCount("Ilość napraw")});
    set(R::Damages, "Sumy dla tabeli SZKODY",
        "SELECT A.WARTNETTO AS WARTNETTO, A.WARTVAT AS WARTVAT, A.WARTBRUTTO AS WARTBRUTTO FROM "
        "szkody.DB AS A LEFT OUTER JOIN pojazdy.DB AS B ON A.IDPOJAZD = B.IDPOJAZD LEFT OUTER "
        "JOIN osobowa.DB AS C ON A.IDKIEROWCY = C.NREW WHERE 1 = 1",
        {sumRows("Ilość szkód"), sumAmount("Netto", "WARTNETTO"), sumAmount("VAT", "WARTVAT"),
         sumAmount("Brutto", "WARTBRUTTO")});
    set(R::Tyres, "Sumy dla tabeli OPONY",
        "SELECT O.NETTO AS NETTO, O.VAT AS VAT, O.BRUTTO AS BRUTTO FROM opony.DB AS O LEFT OUTER "
        "JOIN pojazdy.DB AS P ON O.IDPOJAZDU = P.IDPOJAZD LEFT OUTER JOIN slowniki.DB AS K ON "
        "O.RODZAJ = K.KOD AND K.IDSLOWNIK = 'RODOP' LEFT OUTER JOIN slowniki.DB AS R ON "
        "O.ROZMIAR = R.KOD AND R.IDSLOWNIK = 'ROZOP' WHERE 1 = 1",
        {sumRows("Ilość opon"), sumAmount("Netto", "NETTO"), sumAmount("VAT", "VAT"),
         sumAmount("Brutto", "BRUTTO")});
    set(R::Warehouse, "Sumy dla tabeli MAGAZYN", "SELECT COUNT(*) FROM magazyn.DB WHERE 1 = 1",
        {sumCount("Ilość danych")});
    set(R::Documents, "Sumy dla tabeli DOKUMENTY",
        "SELECT COUNT(*) FROM dokumenty.DB AS A LEFT OUTER JOIN pojazdy.DB AS B ON B.IDPOJAZD = "
        "A.IDPOJAZD WHERE 1 = 1",
        {sumCount("Ilość dokumentów")});
    set(R::Equipment, "Sumy dla tabeli WYPOSAŻENIE",
        "SELECT COUNT(*) FROM wyposazenie.DB AS A LEFT OUTER JOIN pojazdy.DB AS B ON B.IDPOJAZD = "
        "A.IDPOJAZD WHERE 1 = 1",
        {sumCount("Ilość wyposażenia")});
    set(R::Calendar, "Sumy dla tabeli TERMINARZ",
        "SELECT COUNT(*) FROM terminy.DB AS T LEFT OUTER JOIN pojazdy.DB AS P ON P.IDPOJAZD = "
        "T.IDPOJAZDU LEFT OUTER JOIN osobowa.DB AS O ON O.NREW = T.NREW LEFT OUTER JOIN "
        "slowniki.DB AS S ON S.KOD = T.RODZAJTERMINU AND S.IDSLOWNIK = 'RTERM' WHERE 1 = 1",
        {sumCount("Ilość terminów")});
    return all;
}

} // namespace

const RegisterSums* registerSums(RegisterId id) {
    static const QHash<RegisterId, RegisterSums> all = build();
    const auto it = all.constFind(id);
    return it == all.constEnd() ? nullptr : &*it;
}

} // namespace kv
