#include "fleet/VehicleStatus.h"

#include "framework/DisplayFormatters.h"

namespace kv {

const QStringList& vehicleStatusTexts() {
    static const QStringList texts{QStringLiteral("Aktywny"), QStringLiteral("Nieaktywny"),
                                   QStringLiteral("Sprzedany"), QStringLiteral("Zniszczony"),
                                   QStringLiteral("Inne")};
    return texts;
}

QString formatVehicleStatus(const QVariant& value) {
    return formatChoice(value, vehicleStatusTexts(), -1);
}

} // namespace kv
