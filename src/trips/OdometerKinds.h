#pragma once

#include <QStringList>
#include <QVariant>

namespace kv {

// What an odometer reading is for (DOTYCZY), in code order: 0 "Pozostałe",
// then the readings that open, cut and close the VAT mileage record.
const QStringList& odometerKindTexts();
// A stored DOTYCZY as the grid shows it: any other value as "Pozostałe".
QString formatOdometerKind(const QVariant& value);

} // namespace kv
