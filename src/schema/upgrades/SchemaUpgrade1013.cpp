// Upgrade 1.0.13: private use of a vehicle on a trip (every existing trip
// becomes "N"), and what an odometer reading is for (every existing reading
// becomes 0, "other").
#include "schema/upgrades/SchemaUpgradeSteps.h"

namespace kv {

namespace {
const QString kVersion = QStringLiteral("1.0.13");
} // namespace

void upgradeTo1013(UpgradeTarget& target) {
    if (markerExists(target, kVersion))
        return;
    UpgradeStep step(target, kVersion);
    const QString ext = QStringLiteral(".BK4");
    step.backupTable(QStringLiteral("przejazdy"), ext, 1400001, 1400002);
    step.backupTable(QStringLiteral("przebiegi"), ext, 1400003, 1400004);

    QList<NewColumn> trip{{QStringLiteral("PRYW"), QStringLiteral("CHAR(1)")}};
    trip.append(floatColumns({QStringLiteral("PRYWLICZOD"), QStringLiteral("PRYWLICZDO")}));
    trip.append({QStringLiteral("PRYWKTO"), QStringLiteral("CHAR(80)")});
    step.alter({QStringLiteral("przejazdy"),
                trip,
                {},
                {1400007, QStringLiteral("dodano nowe pola w zbiorze przejazdy.DB")},
                QStringLiteral("UPDATE przejazdy SET PRYW='N'"),
                {1400009, QStringLiteral("ustawiono domyślną wartość pola PRYW")},
                1400008});
    step.alter({QStringLiteral("przebiegi"),
                floatColumns({QStringLiteral("DOTYCZY")}),
                {},
                {1400010, QStringLiteral("dodano nowe pola w zbiorze przebiegi.DB")},
                QStringLiteral("UPDATE przebiegi SET DOTYCZY=0"),
                {1400011, QStringLiteral("ustawiono domyślną wartość pola DOTYCZY")},
                1400012});
    step.finish(1400027);
}

} // namespace kv
