#pragma once

#include "framework/Registers.h"

#include <QString>

namespace kv {

class DataModule;

// Registers kept in twin tables of one layout (the fuel registers' liquid
// fuel and LPG) switch each on its own: every statement of the register
// names the table it works on now, and switching rewrites the table's name in
// all of them, the grid statement first. The register's grid statement tells
// which table is in use, so the choice and the statements never disagree.

// Names a component whose lines name the register's table (its insert,
// update, lookups); the grid statement (the descriptor's query) is always
// one. Done once per run, as the register's statements are added.
void addTwinTableQuery(RegisterId id, const QString& queryName);

// Whether the register works on its twin table now.
bool twinTableActive(DataModule& db, RegisterId id);
// Switches every statement of the register to its twin table or back.
void switchTwinTable(DataModule& db, RegisterId id, bool toTwin);
// The table the register's statements name now ("zuzyciekmlpg.DB").
QString currentRegisterTable(DataModule& db, RegisterId id);

} // namespace kv
