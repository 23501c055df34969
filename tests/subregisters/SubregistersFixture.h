#pragma once

#include "ScriptedForm.h"
#include "costs/CostsFixture.h"

#include "framework/EditCycle.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "subregisters/DamageForm.h"
#include "subregisters/RepairForm.h"
#include "subregisters/TyreForm.h"
#include "subregisters/WarehouseForm.h"

namespace kv::test {

// Windows of the vehicle sub-registers answering from a script, their
// values as the checks rewrote them.
struct ScriptedRepairForm : ScriptedForm<RepairFormValues> {
    ScriptedRepairForm()
        : ScriptedForm([](RepairFormValues& v, const FormSetup&) { return checkRepairForm(v); }) {}
};
struct ScriptedDamageForm : ScriptedForm<DamageFormValues> {
    ScriptedDamageForm()
        : ScriptedForm([](DamageFormValues& v, const FormSetup&) { return checkDamageForm(v); }) {}
};
struct ScriptedTyreForm : ScriptedForm<TyreFormValues> {
    ScriptedTyreForm()
        : ScriptedForm([](TyreFormValues& v, const FormSetup&) { return checkTyreForm(v); }) {}
};
struct ScriptedWarehouseForm : ScriptedForm<WarehouseFormValues> {
    ScriptedWarehouseForm()
        : ScriptedForm(
              [](WarehouseFormValues& v, const FormSetup&) { return checkWarehouseForm(v); }) {}
};

inline DamageFormValues damage(int vehicle, const QString& date, const QString& net,
                               const QString& vat, const QString& gross) {
    DamageFormValues v = newDamageDefaults();
    v.vehicle = vehicle;
    v.data = date;
    v.opis = QStringLiteral("Stłuczka na parkingu");
    v.netto = net;
    v.vat = vat;
    v.brutto = gross;
    v.uwagi = QStringLiteral("1 zderzak");
    v.licznik = QStringLiteral("12000");
    return v;
}

inline RepairFormValues repair(int vehicle, const QString& date, const QString& description) {
    RepairFormValues v = newRepairDefaults();
    v.vehicle = vehicle;
    v.data = date;
    v.opis = description;
    return v;
}

inline TyreFormValues tyre(const QString& number, int vehicle = 0) {
    TyreFormValues v = newTyreDefaults();
    v.nrewid = number;
    v.marka = QStringLiteral("Dębica");
    v.vehicle = vehicle;
    return v;
}

} // namespace kv::test
