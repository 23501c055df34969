#include "fuel/FuelKinds.h"

#include "framework/TwinTables.h"
#include "storage/DataModule.h"

namespace kv {

namespace {

// What the reports' selector shows; the registers' own choices are the
// tables their statements name, so the statements and the choice never
// disagree.
struct FuelKindState {
    FuelKind report = FuelKind::Liquid;
};

} // namespace

QStringList fuelKindTexts() {
    return {QStringLiteral("Paliwo płynne"), QStringLiteral("Gaz LPG")};
}

bool isConsumptionRegister(RegisterId id) {
    for (RegisterId r : kConsumptionRegisters)
        if (r == id)
            return true;
    return false;
}

FuelKind fuelKind(DataModule& db, RegisterId id) {
    return twinTableActive(db, id) ? FuelKind::Lpg : FuelKind::Liquid;
}

void setFuelKind(DataModule& db, RegisterId id, FuelKind kind) {
    Q_ASSERT(isConsumptionRegister(id));
    switchTwinTable(db, id, kind == FuelKind::Lpg);
    db.companyState<FuelKindState>().report = kind;
}

void setAllFuelKinds(DataModule& db, FuelKind kind) {
    for (RegisterId id : kConsumptionRegisters)
        setFuelKind(db, id, kind);
}

FuelKind reportFuelKind(DataModule& db) {
    return db.companyState<FuelKindState>().report;
}

QString consumptionTable(DataModule& db, RegisterId id) {
    return currentRegisterTable(db, id);
}

bool resetFuelKinds(DataModule& db) {
    setAllFuelKinds(db, FuelKind::Liquid);
    return true;
}

} // namespace kv
