#pragma once

#include <QString>

namespace kv {

class DataModule;

// Brings the company open in the data module up to the current schema, after
// every accepted login and before any register is opened: the nine upgrade
// steps in their fixed order, each done once per company (a marker file or
// the table it adds records it). Steps that change tables first copy them to
// backup files next to them. A failing step is shown and logged, keeps its
// marker unwritten so the next login repeats what is missing, and does not
// stop the steps after it. Added tables are protected with the password of
// the current database location. Nothing happens without an open company.
// True when afterwards every step is done (all markers and tables present).
bool runSchemaUpgrades(DataModule& db);
// The same with the database password given (the command-line tool).
bool runSchemaUpgrades(DataModule& db, const QString& databasePassword);

} // namespace kv
