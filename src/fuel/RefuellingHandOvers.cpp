#include "fuel/RefuellingHandOvers.h"

#include "framework/FormHandOver.h"
#include "framework/RegisterFilters.h"
#include "fuel/ConsumptionRegister.h"
#include "fuel/FuelKinds.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"
#include "users/Permissions.h"

namespace kv {

namespace {

QString vehicleNumber(DataModule& db, int vehicleId) {
    try {
        return db
            .select(QStringLiteral("SELECT NRREJ FROM pojazdy.DB WHERE IDPOJAZD = :ID"),
                    {{QStringLiteral("ID"), vehicleId}})
            .value(0, 0)
            .toString();
    } catch (const DatabaseError&) {
        return {};
    }
}

void prepare(DataModule& db, const HandOverRecord& r) {
    setAllFuelKinds(db, r.value(QStringLiteral("RODZAJPALIWA")) == u"1" ? FuelKind::Lpg
                                                                        : FuelKind::Liquid);
    RegisterFilters(db).selectVehicle(
        vehicleNumber(db, r.value(QStringLiteral("IDPOJAZD")).toInt()));
}

} // namespace

RefuellingFormValues refuellingFromHandOver(const HandOverRecord& r, RefuellingFormValues v) {
    v.data = r.value(QStringLiteral("DATA"));
    v.first = rewriteQuantity(QString());
    v.tankowanie = rewriteQuantity(r.value(QStringLiteral("FUEL")));
    v.licznik = rewriteQuantity(r.value(QStringLiteral("LICZNIK")));
    v.addToCosts = false;
    return v;
}

void installRefuellingHandOverTargets() {
    for (const RegisterId id : kConsumptionRegisters) {
        FormHandOverTarget<RefuellingFormValues> t;
        t.registerId = id;
        t.editing = [id](DataModule& db) { return consumptionEditing(db, id); };
        t.steps = [](RegisterController& reg, FormView<RefuellingFormValues>& form) {
            return consumptionEditSteps(reg, form, true);
        };
        t.prepare = prepare;
        t.prefill = [](DataModule&, const HandOverRecord& r, RefuellingFormValues start) {
            return refuellingFromHandOver(r, std::move(start));
        };
        t.check = [](RefuellingFormValues& v) { return checkRefuellingForm(v); };
        installFormHandOverTarget(registerDescriptor(id).table.chopped(3), std::move(t));
    }
}

HandOverRequest refuellingCostRequest(const RefuellingFormValues& v, int vehicleId) {
    HandOverRequest r;
    r.target = kRefuellingCostsTarget;
    r.record.origin = QStringLiteral("refuelling");
    r.record.values = {{QStringLiteral("DATA"), v.data},
                       {QStringLiteral("IDPOJAZD"), QString::number(vehicleId)},
                       {QStringLiteral("TANKOWANIE"), v.tankowanie},
                       {QStringLiteral("LICZNIK"), v.licznik}};
    r.allowed = [] { return currentLogin().permissions.has(kCostsWritePermission); };
    r.refusal = QStringLiteral("Brak uprawnień do tabeli Koszty.");
    return r;
}

} // namespace kv
