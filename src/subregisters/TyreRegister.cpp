#include "subregisters/TyreRegister.h"

#include "costs/CostAmounts.h"
#include "costs/CostHandOvers.h"
#include "framework/IdRecordEditing.h"
#include "framework/RegisterController.h"
#include "storage/DataModule.h"
#include "subregisters/SubregisterLists.h"
#include "support/Decimal.h"
#include "support/UserInterface.h"

namespace kv {

namespace {

QString entryText(const QList<KeyedItem>& items, int code) {
    for (const KeyedItem& i : items)
        if (i.key == QString::number(code))
            return i.text;
    return QString();
}

} // namespace

void registerTyreQueries(DataModule& db) {
    // The tyre's columns qualified: the vehicle has a make and an evidence
    // number of its own. Dictionary codes are single-quoted texts (SQLite
    // would read a double-quoted one as a column name first).
    StatementTemplate grid;
    grid << QStringLiteral("SELECT O.IDOPONY AS IDOPONY, O.NREWID AS NREWID, O.ILOSC AS ILOSC, "
                           "O.MARKA AS MARKA, O.RODZAJ AS RODZAJ, O.ROZMIAR AS ROZMIAR,")
         << QStringLiteral("O.BIEZNIK AS BIEZNIK, O.CECHY AS CECHY, O.PRZEBMAX AS PRZEBMAX, "
                           "O.IDPOJAZDU AS IDPOJAZDU, O.DATAZAKUPU AS DATAZAKUPU,")
         << QStringLiteral("O.NETTO AS NETTO, O.VAT AS VAT, O.BRUTTO AS BRUTTO, O.NRDOKUMENTU AS "
                           "NRDOKUMENTU, O.DATAWYMIANY AS DATAWYMIANY,")
         << QStringLiteral("O.MAGAZYN AS MAGAZYN, O.INNE AS INNE, O.LICZTERM AS LICZTERM, "
                           "K.OPIS AS RODZAJO, R.OPIS AS ROZMIARO,")
         << QStringLiteral("P.NRREJ || ' ' || P.MARKA AS POJAZD")
         << QStringLiteral("FROM opony.DB AS O")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS P ON O.IDPOJAZDU = P.IDPOJAZD")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS K ON O.RODZAJ = K.KOD AND "
                           "K.IDSLOWNIK = 'RODOP'")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS R ON O.ROZMIAR = R.KOD AND "
                           "R.IDSLOWNIK = 'ROZOP'")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDOPONY");
    db.addQuery(registerDescriptor(RegisterId::Tyres).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Tyres, tyreFields());
}

HandOverRequest tyreCostRequest(DataModule& db, const TyreFormValues& v) {
    HandOverRequest r;
    r.target = kCostsTarget;
    r.record.origin = kTyreOrigin;
    const QHash<QString, QList<KeyedItem>> lists = tyreLists(db);
    r.record.values = {
        {QStringLiteral("DATAZAKUPU"), v.dataZakupu},
        {QStringLiteral("IDPOJAZD"), QString::number(v.vehicle)},
        {QStringLiteral("MARKA"), v.marka},
        {QStringLiteral("RODZAJ"), entryText(lists.value(QStringLiteral("RODZAJ")), v.rodzaj)},
        {QStringLiteral("ROZMIAR"), entryText(lists.value(QStringLiteral("ROZMIAR")), v.rozmiar)},
        {QStringLiteral("NRDOKUMENT"), v.nrDokumentu},
        {QStringLiteral("NETTO"), v.netto},
        {QStringLiteral("VAT"), v.vat},
        {QStringLiteral("BRUTTO"), v.brutto},
        {QStringLiteral("UWAGI"), v.inne},
    };
    r.allowed = mayAddCosts;
    r.refusal = QStringLiteral("Brak uprawnień do tabeli Koszty.");
    return r;
}

TyreFormValues tyreFromCost(const HandOverRecord& cost, TyreFormValues v) {
    v.dataZakupu = cost.value(QStringLiteral("DATA"));
    v.netto = amountText(cost.value(QStringLiteral("WARTNETTO")));
    v.vat = amountText(cost.value(QStringLiteral("WARTVAT")));
    v.brutto = amountText(cost.value(QStringLiteral("WARTBRUTTO")));
    v.vehicle = cost.value(QStringLiteral("IDPOJAZD")).toInt();
    v.inne = cost.value(QStringLiteral("UWAGI"));
    v.nrDokumentu.clear();
    v.handOn = false;
    return v;
}

RegisterEditing<TyreFormValues> tyreEditing(DataModule& db) {
    DataModule* data = &db;
    IdRecordRules<TyreFormValues> r;
    r.base.fields = &tyreFields();
    r.base.defaults = [data] {
        TyreFormValues v = newTyreDefaults();
        v.vehicle = preselectedVehicle(*data);
        return v;
    };
    r.base.setup = [data](bool) {
        FormSetup s;
        s.lists = tyreLists(*data);
        return s;
    };
    r.base.keepStoredKeys = {QStringLiteral("RODZAJ"), QStringLiteral("ROZMIAR")};
    r.base.uniqueColumn = QStringLiteral("NREWID");
    r.base.uniqueMatch = KeyMatch::Text;
    r.base.duplicateMessage = kTyreDuplicateMessage;
    // The reading to remind at belongs to the vehicle the tyres were on.
    auto clearReading = std::make_shared<bool>(false);
    r.base.confirmSave = [clearReading](RegisterController& reg, const TyreFormValues& v,
                                        bool insert) {
        *clearReading = false;
        if (insert)
            return true;
        const int stored = reg.currentValue(QStringLiteral("IDPOJAZDU")).toInt();
        const Decimal reading = Decimal::parse(v.liczterm).value_or(Decimal());
        if (stored == v.vehicle || reading.signum() <= 0)
            return true;
        *clearReading =
            ui().question(QStringLiteral("Pytanie"), kTyreReadingQuestion, DefaultAnswer::No);
        return true;
    };
    r.base.amend = [clearReading](RegisterController&, TyreFormValues& v, bool) {
        if (*clearReading)
            v.liczterm = amountText(QString());
    };
    r.handOn = &TyreFormValues::handOn;
    r.request = [data](const TyreFormValues& v) { return tyreCostRequest(*data, v); };
    r.permitted = mayAddCosts;
    return idRecordEditing(db, std::move(r));
}

} // namespace kv
