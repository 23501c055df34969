// The names each set answers, as data: which field, read which way, adding
// to which running sum, for which reports. The few names worked out from
// several fields follow the table.
#include "reports/ReportVariableSets.h"

#include "reports/FuelPeriodStats.h"
#include "reports/ReportRow.h"
#include "reports/ReportRunState.h"
#include "support/Decimal.h"

#include <QHash>

namespace kv {

namespace {

enum class How {
    Shown,  // as the register's grid shows it
    Raw,    // as stored
    Number, // "0.00"
    Date,   // day-month-year
    Time,   // hh:mm
    Sum,    // a running sum, "0.00"
};

using S = ReportScope;
constexpr unsigned bit(S s) {
    return 1u << static_cast<unsigned>(s);
}
constexpr unsigned kAll = 0;

struct VarDef {
    const char* name;
    const char* field;
    How how;
    int sum = 0; // How::Sum: which sum; otherwise the sum it adds to
    unsigned scopes = kAll;
};

using V = VariableSet;
using H = How;

const QHash<V, QList<VarDef>>& sets() {
    static const QHash<V, QList<VarDef>> all = [] {
        const unsigned drv = bit(S::Driver), card = bit(S::FuelCard), road = bit(S::RoadCard),
                       veh = bit(S::Vehicle), list = bit(S::List), one = bit(S::SingleOrder);
        QHash<V, QList<VarDef>> s;
        const QList<VarDef> tyres{{"NREWID", "NREWID", H::Shown},
                                  {"MARKA", "MARKA", H::Shown},
                                  {"RODZAJO", "RODZAJO", H::Shown},
                                  {"ROZMIARO", "ROZMIARO", H::Shown},
                                  {"DATAZAKUPU", "DATAZAKUPU", H::Shown},
                                  {"NETTO", "NETTO", H::Shown, 1},
                                  {"VAT", "VAT", H::Shown, 2},
                                  {"BRUTTO", "BRUTTO", H::Shown, 3},
                                  {"SNETTO", "", H::Sum, 1},
                                  {"SVAT", "", H::Sum, 2},
                                  {"SBRUTTO", "", H::Sum, 3},
                                  {"NRDOKUMENTU", "NRDOKUMENTU", H::Raw},
                                  {"DATAWYMIANY", "DATAWYMIANY", H::Date},
                                  {"LICZTERM", "LICZTERM", H::Number}};
        s[V::F] = {{"DATA", "DATA", H::Shown},
                   {"BAK", "BAK", H::Shown},
                   {"TANKOWANIE", "TANKOWANIE", H::Shown},
                   {"LICZNIK", "LICZNIK", H::Shown},
                   {"ZUZYCIE", "ZUZYCIE", H::Shown}};
        s[V::F2] = {{"DATA", "DATA", H::Shown},
                    {"PRZEBIEG", "PRZEBIEG", H::Shown},
                    {"TANKOWANIE", "TANKOWANIE", H::Shown},
                    {"LICZNIK", "LICZNIK", H::Shown},
                    {"ZUZYCIE", "ZUZYCIE", H::Shown}};
        s[V::C] = {{"DATA", "DATA", H::Shown},
                   {"RODZAJ", "RODZWYD", H::Shown},
                   {"NAZWA", "NAZWATOWAR", H::Shown},
                   {"NR", "NRDOKUMENT", H::Shown},
                   {"CK", "OPIS", H::Shown},
                   {"NRKARTY", "NRKARTY", H::Shown},
                   {"NRREJKK", "NRREJ", H::Shown, 0, drv | card},
                   {"MARKAKK", "MARKA", H::Shown, 0, drv | card},
                   {"NRREJ", "NRREJ", H::Shown, 0, road},
                   {"MARKA", "MARKA", H::Shown, 0, road},
                   {"NAZWISKO", "NAZWISKO", H::Shown, 0, road},
                   {"NETTO", "WARTNETTO", H::Shown, 1},
                   {"VAT", "WARTVAT", H::Shown, 2},
                   {"BRUTTO", "WARTBRUTTO", H::Shown, 3},
                   {"SNETTO", "", H::Sum, 1},
                   {"SVAT", "", H::Sum, 2},
                   {"SBRUTTO", "", H::Sum, 3},
                   {"SFUEL", "", H::Sum, 4, road}};
        s[V::T] = {{"DATA", "DATA", H::Shown},
                   {"STAWKA", "STAWKA", H::Shown},
                   {"TRASA", "TRASA", H::Shown},
                   {"CEL", "CELWYJAZDU", H::Shown},
                   {"DL", "ODLEGLOSC", H::Shown, 1},
                   {"KWOTA", "KWOTA", H::Shown, 2},
                   {"SDL", "", H::Sum, 1},
                   {"SKWOTA", "", H::Sum, 2},
                   {"NRREJKI", "NRREJ", H::Shown, 0, drv},
                   {"MARKAKI", "MARKA", H::Shown, 0, drv}};
        s[V::R] = {{"DATA", "DATA", H::Shown},
                   {"OPIS", "OPIS", H::Shown},
                   {"INNE", "UWAGI", H::Shown},
                   {"STAN", "LICZNIK", H::Shown},
                   {"LICZTERM", "LICZTERM", H::Number},
                   {"NRREJKP", "NRREJ", H::Shown, 0, drv},
                   {"MARKAKP", "MARKA", H::Shown, 0, drv}};
        s[V::E] = {{"DATA", "DATA", H::Shown},          {"TERMIN", "TERMIN", H::Shown},
                   {"RODZAJ", "RODZAJ", H::Shown},      {"OPIS", "OPIS", H::Shown},
                   {"LICZTERM", "LICZTERM", H::Number}, {"STAN", "LICZNIK", H::Shown}};
        s[V::D] = {{"DATA", "DATA", H::Shown},         {"TERMIN", "TERMIN", H::Shown},
                   {"RODZAJ", "RODZAJ", H::Shown},     {"NR", "NUMER", H::Shown},
                   {"NAZWA", "NAZWA", H::Shown},       {"OPIS", "OPIS", H::Shown},
                   {"LICZTERM", "LICZTERM", H::Number}};
        s[V::K] = {
            {"NREW", "NREW", H::Raw}, {"NAZWISKO", "NAZWISKO", H::Raw}, {"IMIE", "IMIE", H::Raw}};
        s[V::O] = {{"NRDOKUMENTU", "NRDOKUMENTU", H::Shown},
                   {"DATAOD", "DATAOD", H::Shown},
                   {"DATADO", "DATADO", H::Shown},
                   {"RODZAJPRACO", "RODZAJPRACO", H::Shown},
                   {"OSOBA", "OSOBA", H::Shown, 0, veh | list | one},
                   {"POJAZD", "POJAZD", H::Shown, 0, drv | list | one},
                   {"KONTRAHENT", "KONTRAHENT", H::Raw},
                   {"TRASA", "TRASA", H::Raw}};
        s[V::S] = {{"NRDOKUMENTU", "NRDOKUMENTU", H::Shown},
                   {"DATAOD", "DATAOD", H::Shown},
                   {"DATADO", "DATADO", H::Shown},
                   {"RODZAJPRACO", "RODZAJPRACO", H::Shown},
                   {"STAWKA", "STAWKA", H::Shown},
                   {"GODZIN", "GODZINY", H::Shown, 1},
                   {"WARTOSC", "WARTOSC", H::Shown, 2},
                   {"SGODZIN", "", H::Sum, 1},
                   {"SWARTOSC", "", H::Sum, 2},
                   {"OSOBA", "OSOBA", H::Raw, 0, veh | list},
                   {"POJAZD", "POJAZD", H::Raw, 0, drv | list},
                   {"KONTRAHENT", "KONTRAHENT", H::Raw}};
        s[V::Y1] = tyres;
        s[V::Y2] = tyres;
        s[V::Y2] << VarDef{"POJAZD", "POJAZD", H::Raw} << VarDef{"PRZEBMAX", "PRZEBMAX", H::Raw}
                 << VarDef{"ILOSC", "ILOSC", H::Raw};
        s[V::M] = {{"DATAOD", "DATAOD", H::Shown},
                   {"DATADO", "DATADO", H::Shown},
                   {"RODZAJ", "RODZAJ", H::Shown},
                   {"KONTRAHENT", "KONTRAHENT", H::Shown},
                   {"OSOBA", "OSOBA", H::Shown, 0, veh | list},
                   {"POJAZD", "POJAZD", H::Shown, 0, drv | list},
                   {"LICZTERM", "LICZTERM", H::Number},
                   {"OPIS", "OPIS", H::Raw}};
        s[V::P] = {{"DATA", "DATA", H::Shown},
                   {"STAN", "LICZNIK", H::Shown},
                   {"DOTYCZY", "ODOTYCZY", H::Shown},
                   {"UWAGI", "UWAGI", H::Shown}};
        s[V::A] = {{"DATA", "DATA", H::Shown},         {"OPIS", "OPIS", H::Shown},
                   {"KIEROWCA", "NAZWISKO", H::Shown}, {"UWAGI", "UWAGI", H::Shown},
                   {"STAN", "LICZNIK", H::Shown},      {"NETTO", "WARTNETTO", H::Number, 1},
                   {"VAT", "WARTVAT", H::Number, 2},   {"BRUTTO", "WARTBRUTTO", H::Number, 3},
                   {"SNETTO", "", H::Sum, 1},          {"SVAT", "", H::Sum, 2},
                   {"SBRUTTO", "", H::Sum, 3}};
        s[V::N] = {{"NREW", "NREW", H::Raw},
                   {"TELEFON", "TELEFON", H::Raw},
                   {"KONTAKT", "KONTAKT", H::Raw},
                   {"INNE", "UWAGI", H::Raw}};
        s[V::Q] = {{"IDKARTY", "IDKARTY", H::Shown},
                   {"NAZWA", "NAZWA", H::Shown},
                   {"KIEROWCA", "NAZWISKO", H::Shown},
                   {"NRREJK", "NRREJ", H::Shown},
                   {"TERMIN", "TERMIN", H::Shown}};
        s[V::V] = {{"NRREJP", "NRREJ", H::Shown},         {"MARKAP", "MARKA", H::Shown},
                   {"POJEMNOSCP", "POJEMNOSC", H::Shown}, {"RODZAJP", "COPIS", H::Shown},
                   {"ROCZNIKP", "ROCZNIK", H::Shown},     {"WLASCICIELP", "NREW", H::Shown}};
        s[V::U] = {{"NRREJ", "NRREJ", H::Raw},           {"MARKA", "MARKA", H::Raw},
                   {"SNETTO", "SNETTO", H::Number, 1},   {"SVAT", "SVAT", H::Number, 2},
                   {"SBRUTTO", "SBRUTTO", H::Number, 3}, {"SFUEL", "SFUEL", H::Number, 4},
                   {"SSNETTO", "", H::Sum, 1},           {"SSVAT", "", H::Sum, 2},
                   {"SSBRUTTO", "", H::Sum, 3},          {"SSFUEL", "", H::Sum, 4}};
        s[V::W] = {{"NRKARTY", "NRKARTY", H::Raw},      {"WLASCICIEL", "WLASCICIEL", H::Raw},
                   {"NAZWISKO", "NAZWISKO", H::Raw},    {"PRAWOJAZDY", "PRAWOJAZDY", H::Raw},
                   {"NRREJ", "NRREJ", H::Raw},          {"CELWYJAZDU", "CELWYJAZDU", H::Raw},
                   {"TRASA", "TRASA", H::Raw},          {"DATAWYST", "DATAWYST", H::Date},
                   {"DATASTART", "DATASTART", H::Date}, {"DATAEND", "DATAEND", H::Date},
                   {"GODZSTART", "GODZSTART", H::Time}, {"GODZEND", "GODZEND", H::Time},
                   {"GODZSUMA", "GODZSUMA", H::Number}, {"LICZSTART", "LICZSTART", H::Number},
                   {"LICZEND", "LICZEND", H::Number},   {"LICZSUMA", "LICZSUMA", H::Number},
                   {"CZAS", "CZAS", H::Number},         {"ODPOCZYNEK", "ODPOCZYNEK", H::Number}};
        s[V::X] = {{"NRKARTY", "NRKARTY", H::Raw},
                   {"NAZWISKO", "NAZWISKO", H::Raw},
                   {"NRREJ", "NRREJ", H::Raw},
                   {"MARKA", "MARKA", H::Raw},
                   {"CELWYJAZDU", "CELWYJAZDU", H::Raw},
                   {"TRASA", "TRASA", H::Raw},
                   {"DATAWYST", "DATAWYST", H::Date},
                   {"DATASTART", "DATASTART", H::Date},
                   {"DATAEND", "DATAEND", H::Date},
                   {"GODZSTART", "GODZSTART", H::Time},
                   {"GODZEND", "GODZEND", H::Time},
                   {"GODZSUMA", "GODZSUMA", H::Number, 1},
                   {"LICZSTART", "LICZSTART", H::Number},
                   {"LICZEND", "LICZEND", H::Number},
                   {"SGODZSUMA", "", H::Sum, 1},
                   {"SLICZSUMA", "", H::Sum, 2}};
        s[V::Z] = {{"PALIWO", "PALIWO", H::Raw},
                   {"MIEJSCE", "MIEJSCE", H::Raw},
                   {"DATA", "DATA", H::Date}};
        // The VAT mileage record: ODLEGLOSC adds to the distance printed
        // as PRZEJECHANO.
        s[V::L] = {{"DATA", "DATA", H::Date},
                   {"CELWYJAZDU", "CELWYJAZDU", H::Raw},
                   {"TRASA", "TRASA", H::Raw},
                   {"KIEROWCA", "KIEROWCA", H::Raw},
                   {"ODLEGLOSC", "ODLEGLOSC", H::Number, 1},
                   {"PRZEJECHANO", "", H::Sum, 1}};
        s[V::G] = {{"CZESC", "CZESC", H::Raw},
                   {"UWAGI", "UWAGI", H::Raw},
                   {"ILOSC", "ILOSC", H::Number},
                   {"PRZYPOMNIJ", "PRZYPOMNIJ", H::Number}};
        return s;
    }();
    return all;
}

std::optional<QString> fromTable(const QString& name, SetContext& c) {
    const auto it = sets().constFind(c.report.set);
    if (it == sets().constEnd())
        return std::nullopt;
    const unsigned scope = bit(c.report.scope);
    for (const VarDef& v : *it) {
        if (name.compare(QLatin1String(v.name), Qt::CaseInsensitive) != 0)
            continue;
        if (v.scopes != kAll && !(v.scopes & scope))
            continue;
        const QString field = QString::fromLatin1(v.field);
        QString text;
        switch (v.how) {
        case H::Sum:
            return c.state.sumText(v.sum);
        case H::Shown:
            text = c.row.shown(field);
            break;
        case H::Raw:
            text = c.row.rawText(field);
            break;
        case H::Number:
            text = c.row.number(field);
            break;
        case H::Date:
            text = c.row.dateText(field);
            break;
        case H::Time:
            text = c.row.timeText(field);
            break;
        }
        return v.sum > 0 ? c.state.add(v.sum, text) : text;
    }
    return std::nullopt;
}

QString joined(const QStringList& parts) {
    return parts.join(u' ');
}

// The names worked out from more than one field or from the run.
std::optional<QString> special(const QString& n, SetContext& c) {
    const ReportRow& r = c.row;
    switch (c.report.set) {
    case V::F:
    case V::F2:
        if (!c.fuel)
            break;
        if (n == u"DATAOD")
            return c.fuel->firstDateText();
        if (n == u"DATADO")
            return c.fuel->lastDateText();
        if (n == u"RODZPAL")
            return c.choices.fuelKindText();
        if (n == u"SRZUZYCIE")
            return formatDecimal(c.fuel->usage, 2);
        if (n == u"SRKM")
            return formatDecimal(c.fuel->distance, 2);
        if (n == u"SRLITROW")
            return formatDecimal(c.fuel->litres, 2);
        break;
    case V::C:
        if (n == u"ISFUEL") {
            if (r.rawText(QStringLiteral("ISFUEL")) != u"T")
                return QString();
            QString litres = r.number(QStringLiteral("FUEL"));
            if (litres.isEmpty())
                litres = QStringLiteral("0");
            if (c.report.scope == S::RoadCard)
                c.state.add(4, litres);
            return QStringLiteral("Zakup paliwa: ") + litres + QStringLiteral(" l.");
        }
        break;
    case V::R:
        if (n == u"DONE")
            return r.rawText(QStringLiteral("DONE")) == u"T" ? QStringLiteral("Wykonano")
                                                             : QString();
        break;
    case V::O:
        if (n == u"TRESC" && (c.report.scope == S::List || c.report.scope == S::SingleOrder))
            return c.choices.orderText;
        break;
    case V::Y2:
        if (n == u"MAGAZYN")
            return r.rawText(QStringLiteral("MAGAZYN")) == u"T" ? QStringLiteral("w magazynie")
                                                                : QString();
        break;
    case V::A:
        if (n == u"NRREJ" && (c.report.scope == S::Driver || c.report.scope == S::List))
            return r.shown(QStringLiteral("NRREJ")) + QStringLiteral(", ") +
                   r.shown(QStringLiteral("MARKA"));
        break;
    case V::N:
        if (n == u"NAZWISKO")
            return joined(
                {r.rawText(QStringLiteral("NAZWISKO")), r.rawText(QStringLiteral("IMIE"))});
        if (n == u"ADRES")
            return joined({r.rawText(QStringLiteral("ADRES")), r.rawText(QStringLiteral("NUMER")),
                           r.rawText(QStringLiteral("KOD")), r.rawText(QStringLiteral("MIASTO"))});
        break;
    case V::U:
        if (n == u"CK")
            return c.choices.costCentreTicked
                       ? QStringLiteral("Dla CK: ") + c.choices.costCentreText
                       : QString();
        break;
    case V::W:
        if (n == u"FIRMA")
            return c.companyAddress;
        break;
    case V::X:
        if (n == u"LICZSUMA") {
            try {
                const auto end = Decimal::fromStored(r.raw(QStringLiteral("LICZEND")));
                const auto start = Decimal::fromStored(r.raw(QStringLiteral("LICZSTART")));
                if (end && start)
                    return c.state.add(2, formatDecimal(*end - *start, 2));
            } catch (const DecimalError&) {
            }
            return QString();
        }
        break;
    case V::Z:
        if (n == u"BRUTTO") {
            const QString text = r.number(QStringLiteral("BRUTTO"));
            if (c.fuelKindUsed && Decimal::parse(text)) {
                c.state.add(1, text);
                c.state.count();
            }
            return text;
        }
        if (n == u"SBRUTTO") {
            if (!c.fuelKindUsed || c.state.counted() <= 0)
                return QString();
            const Decimal average =
                c.state.sum(1).divided(Decimal::fromInteger(c.state.counted()), 2);
            return QStringLiteral("Średnia cena zakupu paliwa: ") + formatDecimal(average, 2);
        }
        break;
    case V::L: {
        if (n == u"LP")
            return QString::number(c.state.nextRunningNumber()) + u'.';
        const bool lent = r.rawText(QStringLiteral("PRYW")) == u"T";
        if (n == u"PRYWLICZ")
            return lent ? QStringLiteral("Od: ") + r.number(QStringLiteral("PRYWLICZOD")) +
                              QChar(13) + QStringLiteral("Do: ") +
                              r.number(QStringLiteral("PRYWLICZDO"))
                        : QString();
        if (n == u"PRYWKTO")
            return lent ? r.rawText(QStringLiteral("PRYWKTO")) : QString();
        if (c.vatValues) {
            const auto it = c.vatValues->constFind(n);
            if (it != c.vatValues->constEnd())
                return *it;
        }
        break;
    }
    default:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> setVariable(const QString& name, SetContext& c) {
    const QString n = name.toUpper();
    if (auto v = special(n, c))
        return v;
    return fromTable(n, c);
}

} // namespace kv
