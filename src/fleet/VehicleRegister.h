#pragma once

#include "fleet/VehicleForm.h"
#include "framework/EditCycle.h"

#include <QList>
#include <QString>
#include <functional>

namespace kv {

class RegisterController;
class DataModule;

// An entry of a list keyed by a dictionary code or an employee number.
struct KeyedItem {
    QString key;
    QString text;
};

// What the vehicle window's lists offer.
struct VehicleLists {
    QList<KeyedItem> fleets;
    QList<KeyedItem> drivers;
    QList<KeyedItem> kinds;
    QStringList owners; // the company name first, then the drivers
};

// Reloads the lists (fleet numbers, drivers, vehicle kinds) and the owner list.
VehicleLists loadVehicleLists(DataModule& db, const QString& companyName);

// The vehicle edit window as the add and edit cycle sees it.
class VehicleFormView {
public:
    virtual ~VehicleFormView() = default;
    virtual void load(const VehicleFormValues& values, const VehicleLists& lists) = 0;
    virtual VehicleFormValues values() const = 0;
    // Shows the window; true when "&Zapisz" passed the checks.
    virtual bool confirm() = 0;
};

// The vehicle register's part of the add and edit cycle: uniqueness of the
// registration number, insert and update, the new id, and afterSave (the
// vehicle selector is rebuilt: set back to all vehicles after an insert,
// keeping its choice after an update).
EditSteps vehicleEditSteps(RegisterController& reg, VehicleFormView& form,
                           std::function<VehicleLists()> lists,
                           std::function<void(bool insert)> afterSave);

} // namespace kv
