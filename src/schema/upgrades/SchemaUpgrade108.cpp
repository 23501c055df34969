// Upgrades 1.0.8 (fuel prices and warehouse stock) and 1.0.9 (nothing but its
// marker).
#include "schema/upgrades/SchemaUpgradeSteps.h"

namespace kv {

void upgradeTo108(UpgradeTarget& target) {
    const QString version = QStringLiteral("1.0.8");
    if (markerExists(target, version))
        return;
    UpgradeStep step(target, version);
    const QString added = QStringLiteral("dodano tabelę %1");
    step.addTable(QStringLiteral("cenypaliw.DB"), 1400001, 1400002, added);
    step.addTable(QStringLiteral("magazyn.DB"), 1400003, 1400004, added);
    step.finish(1400005);
}

void upgradeTo109(UpgradeTarget& target) {
    const QString version = QStringLiteral("1.0.9");
    if (markerExists(target, version))
        return;
    // Only writing the marker can fail here; the step has no failure code of
    // its own, so such a failure is logged with code 0.
    UpgradeStep(target, version).finish(0);
}

} // namespace kv
