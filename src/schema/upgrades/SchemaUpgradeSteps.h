#pragma once

#include "schema/upgrades/SchemaUpgradeStep.h"

namespace kv {

// The upgrade steps in the order they run. Each recognises by itself whether
// the company still needs it (its marker file, or the table it adds) and does
// nothing otherwise; a failing step leaves the following ones to run.

void upgradeLpgTable(UpgradeTarget& target);    // zuzycielpg.DB
void upgradeTo105(UpgradeTarget& target);       // update1.0.5
void upgradeTo106(UpgradeTarget& target);       // update1.0.6
void upgradeTo107(UpgradeTarget& target);       // update1.0.7
void upgradeTo108(UpgradeTarget& target);       // update1.0.8
void upgradeTo109(UpgradeTarget& target);       // update1.0.9
void upgradeTo1013(UpgradeTarget& target);      // update1.0.13
void upgradeTo26(UpgradeTarget& target);        // update2.6
void upgradeSystemTable(UpgradeTarget& target); // system.DB

// The columns of an ALTER, all of one type: FLOAT for names given plain.
QList<NewColumn> floatColumns(const QStringList& names);

} // namespace kv
