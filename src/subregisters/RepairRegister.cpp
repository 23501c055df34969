#include "subregisters/RepairRegister.h"

#include "costs/CostAmounts.h"
#include "costs/CostHandOvers.h"
#include "fleet/VehicleRegister.h"
#include "framework/IdRecordEditing.h"
#include "storage/DataModule.h"
#include "storage/SqlSnippets.h"
#include "subregisters/SubregisterLists.h"
#include "support/Decimal.h"
#include "trips/OdometerHistory.h"

namespace kv {

namespace {

// The grid of a vehicle's event register: its own columns qualified (the
// vehicle has remarks and a driver of its own), the vehicle's number and
// make, the driver as the lists show people; the id after the sort column.
StatementTemplate eventGrid(const QString& table, const QString& id, const QString& ownColumns) {
    StatementTemplate grid;
    grid << QStringLiteral("SELECT A.%1 AS %1, A.IDPOJAZD AS IDPOJAZD, B.NRREJ AS NRREJ, B.MARKA "
                           "AS MARKA, A.DATA AS DATA, A.OPIS AS OPIS,")
                .arg(id)
         << QStringLiteral("A.WARTNETTO AS WARTNETTO, A.WARTVAT AS WARTVAT, A.WARTBRUTTO AS "
                           "WARTBRUTTO, A.UWAGI AS UWAGI, A.IDKIEROWCY AS IDKIEROWCY,")
         << QStringLiteral("%1 AS NAZWISKO, A.LICZNIK AS LICZNIK%2")
                .arg(personDisplaySql(QStringLiteral("C")), ownColumns)
         << QStringLiteral("FROM %1 AS A").arg(table)
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS B ON A.IDPOJAZD = B.IDPOJAZD")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS C ON A.IDKIEROWCY = C.NREW")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",%1").arg(id);
    return grid;
}

template <class V> V withVehicle(DataModule& db, V v) {
    v.vehicle = preselectedVehicle(db);
    if (v.vehicle > 0 && v.driver.isEmpty())
        v.driver = vehicleDriver(db, v.vehicle);
    return v;
}

// A reading of 0 is none: a record typed without one adds nothing to the
// history (a vehicle without readings would otherwise start at 0 km).
void copyTypedReading(DataModule& db, int vehicle, const QString& date, const QString& source,
                      const QString& reading) {
    if (Decimal::parse(reading).value_or(Decimal()).signum() > 0)
        offerReadingToHistory(db, vehicle, date, source, reading);
}

HandOverRequest costRequest(const QString& origin, QHash<QString, QString> values) {
    HandOverRequest r;
    r.target = kCostsTarget;
    r.record.origin = origin;
    r.record.values = std::move(values);
    r.allowed = mayAddCosts;
    r.refusal = QStringLiteral("Brak uprawnień do tabeli Koszty.");
    return r;
}

} // namespace

void registerRepairQueries(DataModule& db) {
    db.addQuery(registerDescriptor(RegisterId::Repairs).query, ConnectionKind::Company,
                eventGrid(QStringLiteral("naprawy.DB"), QStringLiteral("IDNAPRAWY"),
                          QStringLiteral(", A.LICZTERM AS LICZTERM, A.DONE AS DONE")));
    addEditQueries(db, RegisterId::Repairs, repairFields());
}

void registerDamageQueries(DataModule& db) {
    db.addQuery(registerDescriptor(RegisterId::Damages).query, ConnectionKind::Company,
                eventGrid(QStringLiteral("szkody.DB"), QStringLiteral("IDSZKODY"), QString()));
    addEditQueries(db, RegisterId::Damages, damageFields());
}

HandOverRequest repairCostRequest(const RepairFormValues& v) {
    return costRequest(kRepairOrigin, repairFields().texts(v));
}

HandOverRequest damageCostRequest(const DamageFormValues& v) {
    return costRequest(kDamageOrigin, damageFields().texts(v));
}

RepairFormValues repairFromCost(const HandOverRecord& cost, RepairFormValues v) {
    v.done = QStringLiteral("T");
    v.data = cost.value(QStringLiteral("DATA"));
    v.vehicle = cost.value(QStringLiteral("IDPOJAZD")).toInt();
    v.opis = cost.value(QStringLiteral("NAZWATOWAR"));
    v.netto = amountText(cost.value(QStringLiteral("WARTNETTO")));
    v.vat = amountText(cost.value(QStringLiteral("WARTVAT")));
    v.brutto = amountText(cost.value(QStringLiteral("WARTBRUTTO")));
    v.uwagi = cost.value(QStringLiteral("UWAGI"));
    v.driver = cost.value(QStringLiteral("IDKIEROWCY"));
    v.licznik = amountText(cost.value(QStringLiteral("LICZNIK")));
    v.liczterm = amountText(QString());
    v.handOn = false;
    return v;
}

RegisterEditing<RepairFormValues> repairEditing(DataModule& db) {
    DataModule* data = &db;
    IdRecordRules<RepairFormValues> r;
    r.base.fields = &repairFields();
    r.base.defaults = [data] { return withVehicle(*data, newRepairDefaults()); };
    r.base.setup = [data](bool) {
        FormSetup s;
        s.lists = repairLists(*data);
        return s;
    };
    r.base.keepStoredKeys = {QStringLiteral("IDKIEROWCY")};
    r.copyReading = [](DataModule& db, const RepairFormValues& v) {
        copyTypedReading(db, v.vehicle, v.data, kRepairsHistorySource, v.licznik);
    };
    r.handOn = &RepairFormValues::handOn;
    r.request = repairCostRequest;
    r.permitted = mayAddCosts;
    return idRecordEditing(db, std::move(r));
}

RegisterEditing<DamageFormValues> damageEditing(DataModule& db) {
    DataModule* data = &db;
    IdRecordRules<DamageFormValues> r;
    r.base.fields = &damageFields();
    r.base.defaults = [data] { return withVehicle(*data, newDamageDefaults()); };
    r.base.setup = [data](bool) {
        FormSetup s;
        s.lists = damageLists(*data);
        return s;
    };
    r.base.keepStoredKeys = {QStringLiteral("IDKIEROWCY")};
    r.copyReading = [](DataModule& db, const DamageFormValues& v) {
        copyTypedReading(db, v.vehicle, v.data, kDamagesHistorySource, v.licznik);
    };
    r.handOn = &DamageFormValues::handOn;
    r.request = damageCostRequest;
    r.permitted = mayAddCosts;
    return idRecordEditing(db, std::move(r));
}

} // namespace kv
