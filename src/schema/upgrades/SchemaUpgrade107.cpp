// Upgrade 1.0.7: fleet number, status and identification number of a vehicle
// (every existing vehicle becomes active), the done flag of a repair, the fuel
// details of a cost, and road cards.
#include "schema/upgrades/SchemaUpgradeSteps.h"

namespace kv {

namespace {
const QString kVersion = QStringLiteral("1.0.7");
} // namespace

void upgradeTo107(UpgradeTarget& target) {
    if (markerExists(target, kVersion))
        return;
    UpgradeStep step(target, kVersion);
    const QString ext = QStringLiteral(".BK3");
    step.backupTable(QStringLiteral("pojazdy"), ext, 1300001, 1300002);
    step.backupTable(QStringLiteral("koszty"), ext, 1300003, 1300004);
    step.backupTable(QStringLiteral("naprawy"), ext, 1300005, 1300006);

    QList<NewColumn> vehicle =
        floatColumns({QStringLiteral("LP"), QStringLiteral("NRFLOTY"), QStringLiteral("STATUS")});
    vehicle.append({QStringLiteral("NREWID"), QStringLiteral("CHAR(50)")});
    step.alter({QStringLiteral("pojazdy"),
                vehicle,
                QStringLiteral("NRFLOTY"),
                {1300007, QStringLiteral("dodano nowe pola w zbiorze pojazdy.DB")},
                QStringLiteral("UPDATE pojazdy SET STATUS=0"),
                {1300009, QStringLiteral("ustawiono domyślny status pojazdu")},
                1300008});
    step.alter({QStringLiteral("naprawy"),
                {{QStringLiteral("DONE"), QStringLiteral("CHAR(1)")}},
                {},
                {1300010, QStringLiteral("dodano nowe pola w zbiorze naprawy.DB")},
                {},
                {},
                1300011});
    QList<NewColumn> cost{{QStringLiteral("ISFUEL"), QStringLiteral("CHAR(1)")}};
    cost.append(
        floatColumns({QStringLiteral("FUEL"), QStringLiteral("CK"), QStringLiteral("IDDROGOWA")}));
    step.alter({QStringLiteral("koszty"),
                cost,
                {},
                {1300012, QStringLiteral("dodano nowe pola w zbiorze koszty.DB")},
                {},
                {},
                1300013});

    step.addTable(QStringLiteral("kartydrogowe.DB"), 1300014, 1300015,
                  QStringLiteral("dodano tabelę %1"));
    step.finish(1300027);
}

} // namespace kv
