#pragma once

#include <QStringList>

namespace kv {

class DataModule;

// The open company's vehicle kinds: "" followed by their names, sorted by
// name. Read whenever a company opens and after an upgrade (failure: code 48).
const QStringList& vehicleKinds(DataModule& db);
bool refillVehicleKinds(DataModule& db);

} // namespace kv
