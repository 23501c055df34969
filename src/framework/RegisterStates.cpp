#include "framework/RegisterStates.h"

#include "storage/DataModule.h"
#include "support/Clock.h"

namespace kv {

RegisterStates::RegisterStates(DataModule&) {
    reset(Clock::today().year());
}

void RegisterStates::reset(int year) {
    filters = SharedFilters{};
    filters.periodStart = static_cast<qint64>(year) * 10000;
    filters.periodEnd = filters.periodStart + 1300;
    for (const RegisterDescriptor& d : allRegisters()) {
        RegisterViewState& v = views[static_cast<size_t>(d.id)];
        v = RegisterViewState{};
        v.sortColumn = d.defaultSort;
        v.ascending = true;
        for (const QString& name : d.extraFilters)
            v.extraFragments.insert(name, QString());
        if (d.vehicleFilter == VehicleFilter::VehicleId)
            v.vehicleFragment = QStringLiteral("AND IDPOJAZD=-1");
        v.periodFragment = yearFragment(d.period, year);
    }
}

RegisterViewState& registerState(DataModule& db, RegisterId id) {
    return db.companyState<RegisterStates>().views[static_cast<size_t>(id)];
}

SharedFilters& sharedFilters(DataModule& db) {
    return db.companyState<RegisterStates>().filters;
}

} // namespace kv
