#include "subregisters/SubregisterHandOvers.h"

#include "framework/FormHandOver.h"
#include "subregisters/RepairRegister.h"
#include "subregisters/TyreRegister.h"

namespace kv {

void installSubregisterHandOverTargets() {
    FormHandOverTarget<RepairFormValues> repair;
    repair.registerId = RegisterId::Repairs;
    repair.editing = repairEditing;
    repair.prefill = [](DataModule&, const HandOverRecord& cost, RepairFormValues defaults) {
        return repairFromCost(cost, std::move(defaults));
    };
    repair.check = checkRepairForm;
    installFormHandOverTarget(QStringLiteral("naprawy"), std::move(repair));

    FormHandOverTarget<TyreFormValues> tyre;
    tyre.registerId = RegisterId::Tyres;
    tyre.editing = tyreEditing;
    tyre.prefill = [](DataModule&, const HandOverRecord& cost, TyreFormValues defaults) {
        return tyreFromCost(cost, std::move(defaults));
    };
    tyre.check = checkTyreForm;
    installFormHandOverTarget(QStringLiteral("opony"), std::move(tyre));
}

} // namespace kv
