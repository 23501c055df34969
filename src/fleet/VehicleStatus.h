#pragma once

#include <QStringList>
#include <QVariant>

namespace kv {

// The vehicle status texts in code order: 0 "Aktywny" ... 4 "Inne".
const QStringList& vehicleStatusTexts();
// A stored status as the grid shows it: another number as it is, an
// unreadable value as "Aktywny".
QString formatVehicleStatus(const QVariant& value);

} // namespace kv
