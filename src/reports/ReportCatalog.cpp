// The report commands as data: which rows each one walks, what it checks
// first, which condition it adds, which template lays it out and which
// names it answers.
#include "reports/ReportCatalog.h"

namespace kv {

namespace {

using R = RegisterId;
using K = SelectionKind;
using V = VariableSet;
using S = ReportScope;
using X = ExtraCondition;

const QString kByVehicle = QStringLiteral("Raporty wg pojazdów");
const QString kByDriver = QStringLiteral("Raporty wg kierowców");
const QString kRoadCards = QStringLiteral("Karty drogowe");
const QString kVat = QStringLiteral("Kilometrówka VAT");
const QString kOther1 = QStringLiteral("Pozostałe raporty 1");
const QString kOther2 = QStringLiteral("Pozostałe raporty 2");
const QString kAdditional = QStringLiteral("Raporty dodatkowe");

ReportDefinition def(const QString& tab, const char* caption, K check, R reg, const char* file,
                     V set, S scope, X extra = X::None, const char* key = "") {
    ReportDefinition d;
    d.tab = tab;
    d.caption = QString::fromUtf8(caption);
    d.check = check;
    d.reg = reg;
    d.templateFile = QString::fromLatin1(file);
    d.set = set;
    d.scope = scope;
    d.extra = extra;
    d.keyColumn = QString::fromLatin1(key);
    return d;
}

QList<ReportDefinition> build() {
    QList<ReportDefinition> all;
    const QString& v = kByVehicle;
    all << def(v, "Zużycie paliwa - ciągłe", K::Vehicle, R::Consumption, "zuzycie_p.frf", V::F,
               S::Vehicle)
        << def(v, "Koszty związane ze wskazanym pojazdem", K::Vehicle, R::Costs, "koszty_p.frf",
               V::C, S::Vehicle)
        << def(v, "Przejazdy wskazanego pojazdu", K::Vehicle, R::Trips, "przejazdy_p.frf", V::T,
               S::Vehicle)
        << def(v, "Naprawy wskazanego pojazdu", K::Vehicle, R::Repairs, "naprawy_p.frf", V::R,
               S::Vehicle)
        << def(v, "Wyposażenie wskazanego pojazdu", K::Vehicle, R::Equipment, "wyposazenie_p.frf",
               V::E, S::Vehicle)
        << def(v, "Dokumenty związane ze wskazanym pojazdem", K::Vehicle, R::Documents,
               "dokumenty_p.frf", V::D, S::Vehicle);
    ReportDefinition drivers = def(v, "Kierowcy prowadzący wskazany pojazd", K::Vehicle, R::Trips,
                                   "kierujacy_p.frf", V::K, S::Vehicle);
    drivers.source = RowSourceKind::DriversOfVehicle;
    all << drivers
        << def(v, "Zlecenia związane z pojazdem", K::Vehicle, R::Orders, "zlecenia_p.frf", V::O,
               S::Vehicle)
        << def(v, "Rozliczenia związane z pojazdem", K::Vehicle, R::Settlements,
               "rozliczenia_p.frf", V::S, S::Vehicle)
        << def(v, "Opony przypisane do pojazdu", K::Vehicle, R::Tyres, "opony_p.frf", V::Y1,
               S::Vehicle)
        << def(v, "Terminy związane z pojazdem", K::Vehicle, R::Calendar, "terminarz_p.frf", V::M,
               S::Vehicle)
        << def(v, "Zużycie paliwa na podstawie przebiegu", K::Vehicle, R::ConsumptionKm,
               "zuzyciekm_p.frf", V::F2, S::Vehicle)
        << def(v, "Zużycie paliwa na podstawie motogodzin", K::Vehicle, R::ConsumptionMth,
               "zuzyciemth_p.frf", V::F2, S::Vehicle)
        << def(v, "Przebieg dla wskazanego pojazdu", K::Vehicle, R::Odometer, "przebiegi_p.frf",
               V::P, S::Vehicle)
        << def(v, "Szkody, stłuczki wskazanego pojazdu", K::Vehicle, R::Damages, "szkody_p.frf",
               V::A, S::Vehicle);

    const QString& d = kByDriver;
    all << def(d, "Koszty związane ze wskazanym kierowcą", K::Driver, R::Costs, "kier_koszty.frf",
               V::C, S::Driver, X::DriverKey, "IDKIEROWCY")
        << def(d, "Przejazdy wskazanego kierowcy", K::Driver, R::Trips, "kier_przejazdy.frf", V::T,
               S::Driver, X::DriverKey, "P.IDKIEROWCY")
        << def(d, "Naprawy wskazanego kierowcy", K::Driver, R::Repairs, "kier_naprawy.frf", V::R,
               S::Driver, X::DriverKey, "IDKIEROWCY")
        << def(d, "Terminy związane z kierowcą", K::Driver, R::Calendar, "kier_terminarz.frf", V::M,
               S::Driver, X::DriverKey, "NREW")
        << def(d, "Rozliczenia związane z kierowcą", K::Driver, R::Settlements,
               "kier_rozliczenia.frf", V::S, S::Driver, X::DriverKey, "NREW")
        << def(d, "Zlecenia związane z kierowcą", K::Driver, R::Orders, "kier_zlecenia.frf", V::O,
               S::Driver, X::DriverKey, "NREW")
        << def(d, "Szkody związane z kierowcą", K::Driver, R::Damages, "kier_szkody.frf", V::A,
               S::Driver, X::DriverKey, "IDKIEROWCY");

    const QString& o = kOther1;
    ReportDefinition vehicles =
        def(o, "Zestawienie pojazdów", K::None, R::Vehicles, "pojazdy.frf", V::V, S::List);
    vehicles.withoutVehicleFilter = true;
    all << def(o, "Koszty przypisane do wskazanej karty paliwowej", K::FuelCard, R::Costs,
               "koszty_k.frf", V::C, S::FuelCard, X::FuelCardKey, "IDKARTY")
        << def(o, "Kartoteka osobowa", K::None, R::Employees, "osobowa.frf", V::N, S::List)
        << def(o, "Zestawienie kart paliwowych", K::None, R::FuelCards, "kpaliwowe.frf", V::Q,
               S::List)
        << vehicles
        << def(o, "Zestawienie rozliczeń", K::None, R::Settlements, "rozliczenia.frf", V::S,
               S::List)
        << def(o, "Zestawienie opon", K::None, R::Tyres, "opony.frf", V::Y2, S::List)
        << def(o, "Zdarzenia zapisane w terminarzu", K::None, R::Calendar, "terminarz.frf", V::M,
               S::List)
        << def(o, "Zestawienie zleceń", K::None, R::Orders, "zlecenia.frf", V::O, S::List)
        << def(o, "Drukuj wskazane zlecenie", K::None, R::Orders, "zlecenie.frf", V::O,
               S::SingleOrder, X::OrderNumber, "NRDOKUMENTU")
        << def(o, "Zestawienie szkód, stłuczek", K::None, R::Damages, "szkody.frf", V::A, S::List);

    const QString& r = kRoadCards;
    ReportDefinition purchases =
        def(r, "Koszty zakupu paliwa", K::None, R::Costs, "koszty_paliwa.frf", V::U, S::List);
    purchases.source = RowSourceKind::FuelPurchaseSums;
    ReportDefinition card = def(r, "Wydruk karty drogowej", K::RoadCard, R::RoadCards,
                                "kartadrogowa.frf", V::W, S::RoadCard);
    card.source = RowSourceKind::ChosenRoadCard;
    all << purchases << card
        << def(r, "Koszty związane z kartą drogową", K::RoadCard, R::Costs, "koszty_karta.frf",
               V::C, S::RoadCard, X::RoadCard, "IDDROGOWA")
        << def(r, "Zestawienie kart drogowych", K::None, R::RoadCards, "kdrogowe.frf", V::X,
               S::List);

    all << def(kOther2, "Rejestr cen paliw", K::None, R::FuelPrices, "cenypaliw.frf", V::Z, S::List,
               X::FuelKind, "RODZAJPALIWA")
        << def(kOther2, "Stany magazynowe", K::None, R::Warehouse, "magazyn.frf", V::G, S::List);

    ReportDefinition vat = def(kVat, "Ewidencja przebiegu pojazdu (VAT)", K::VehicleYearMonth,
                               R::Trips, "kilometrowka_vat.frf", V::L, S::Vehicle);
    vat.source = RowSourceKind::VatMileage;
    all << vat;
    return all;
}

} // namespace

const QList<ReportDefinition>& reportDefinitions() {
    static const QList<ReportDefinition> all = build();
    return all;
}

const ReportDefinition* reportByBaseName(const QString& baseName) {
    for (const ReportDefinition& d : reportDefinitions())
        if (d.baseName().compare(baseName.trimmed(), Qt::CaseInsensitive) == 0)
            return &d;
    return nullptr;
}

const ReportDefinition* reportByCaption(const QString& caption) {
    for (const ReportDefinition& d : reportDefinitions())
        if (d.caption == caption)
            return &d;
    return nullptr;
}

const QStringList& reportTabs() {
    static const QStringList tabs{kByVehicle, kByDriver, kRoadCards, kVat,
                                  kOther1,    kOther2,   kAdditional};
    return tabs;
}

} // namespace kv
