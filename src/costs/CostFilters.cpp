#include "costs/CostFilters.h"

#include "framework/RegisterFilters.h"
#include "storage/DataModule.h"

namespace kv {

CostFilterState& costFilterState(DataModule& db) {
    return db.companyState<CostFilterState>();
}

QString costFuelFragment(bool fuelOnly) {
    return fuelOnly ? QStringLiteral("AND A.ISFUEL = 'T'") : QString();
}

QString costCentreFragment(int key) {
    return key > 0 ? QStringLiteral("AND A.CK = %1").arg(key) : QString();
}

QString costRoadCardFragment(int key) {
    return key > 0 ? QStringLiteral("AND A.IDDROGOWA = %1").arg(key) : QString();
}

void applyCostFilters(DataModule& db, const CostFilterState& state) {
    costFilterState(db) = state;
    RegisterFilters filters(db);
    filters.setExtraFilter(RegisterId::Costs, kCostFuelFilter, costFuelFragment(state.fuelOnly));
    filters.setExtraFilter(RegisterId::Costs, kCostCentreFilter,
                           costCentreFragment(state.activeCostCentre()));
    filters.setExtraFilter(RegisterId::Costs, kCostRoadCardFilter,
                           costRoadCardFragment(state.activeRoadCard()));
}

} // namespace kv
