// The record cards of the registers of this version, for work without the
// main window: the same editing parts the windows are filled through.
#include "framework/RecordCards.h"

#include "dictionaries/RateRegister.h"
#include "dictionaries/VehicleKindNames.h"
#include "fleet/CompanyData.h"
#include "fleet/EmployeeRegister.h"
#include "fleet/VehicleRegister.h"
#include "framework/CurrentRecord.h"
#include "storage/engine/DatabaseError.h"
#include "trips/OdometerRegister.h"
#include "trips/TripRegister.h"

namespace kv {

std::optional<RecordCardText> currentRecordCardOf(DataModule& db, RegisterController& reg) {
    DataModule* data = &db;
    switch (reg.descriptor().id) {
    case RegisterId::Vehicles:
        return currentRecordCard(
            reg, vehicleEditing(
                     [data] { return loadVehicleLists(*data, readCompanyHeaderName(*data)); }, {}));
    case RegisterId::Employees:
        return currentRecordCard(reg, employeeEditing(nullptr));
    case RegisterId::Trips:
        return currentRecordCard(reg, tripEditing(db));
    case RegisterId::Odometer:
        return currentRecordCard(reg, odometerEditing(db));
    case RegisterId::Rates: {
        VehicleKindNames names;
        try {
            names = readVehicleKindNames(db);
        } catch (const DatabaseError&) {
            // The labels keep the columns' own titles, as the window's do.
        }
        const QStringList labels = rateFieldLabels(names);
        return currentRecordCard(reg, rateEditing([labels] { return labels; }));
    }
    default:
        return std::nullopt;
    }
}

} // namespace kv
