#include "schema/upgrades/SchemaUpgrade.h"

#include "schema/upgrades/SchemaUpgradeSteps.h"
#include "storage/CurrentLocation.h"
#include "storage/DataModule.h"

namespace kv {

namespace {

bool everyStepDone(const UpgradeTarget& target) {
    for (const char* version : {"1.0.5", "1.0.6", "1.0.7", "1.0.8", "1.0.9", "1.0.13", "2.6"})
        if (!markerExists(target, QString::fromLatin1(version)))
            return false;
    return target.hasTable(QStringLiteral("zuzycielpg.DB")) &&
           target.hasTable(QStringLiteral("system.DB"));
}

} // namespace

bool runSchemaUpgrades(DataModule& db) {
    return runSchemaUpgrades(db, currentDatabaseLocation().password);
}

bool runSchemaUpgrades(DataModule& db, const QString& databasePassword) {
    if (db.companyDirectoryName().isEmpty() || !db.companyConnection().isOpen())
        return false;
    UpgradeTarget target{db, db.companyDirectory(), databasePassword};
    // The vehicle kinds were read when the company was opened; 1.0.5 replaces
    // some of them.
    const bool kindsChange = !markerExists(target, QStringLiteral("1.0.5"));

    upgradeLpgTable(target);
    upgradeTo105(target);
    upgradeTo106(target);
    upgradeTo107(target);
    upgradeTo108(target);
    upgradeTo109(target);
    upgradeTo1013(target);
    upgradeTo26(target);
    upgradeSystemTable(target);

    if (kindsChange)
        db.reloadCompanyData();
    return everyStepDone(target);
}

} // namespace kv
