#pragma once

#include "framework/HandOver.h"
#include "framework/RegisterEditing.h"
#include "subregisters/DamageForm.h"
#include "subregisters/RepairForm.h"

namespace kv {

class DataModule;

// The repairs and damages registers' statements: the grid queries
// DBFNaprawy and DBFSzkody (each record with its vehicle's number and make
// and its driver) and their inserts and updates.
void registerRepairQueries(DataModule& db);
void registerDamageQueries(DataModule& db);

// The names the odometer history copy carries.
inline const QString kRepairsHistorySource = QStringLiteral("NAPRAWY");
inline const QString kDamagesHistorySource = QStringLiteral("SZKODY");

// The repairs' part of the add and edit cycle: a new repair pending and
// undated, with the vehicle of the vehicle selector (and its driver) when the
// option cbSetNrRej asks; the reading copied to the odometer history after
// the save when the option asks; the box "Dodaj powyższe dane do rejestru
// kosztów" (cleared at every opening, offered with the costs' write
// permission) hands the repair to a new cost.
RegisterEditing<RepairFormValues> repairEditing(DataModule& db);
// The same for damages.
RegisterEditing<DamageFormValues> damageEditing(DataModule& db);

// What a repair and a damage hand to the costs.
HandOverRequest repairCostRequest(const RepairFormValues& values);
HandOverRequest damageCostRequest(const DamageFormValues& values);

// A repair made from a cost: done, with the cost's date, vehicle, goods as
// description, amounts, remarks, driver and reading; no reminder.
RepairFormValues repairFromCost(const HandOverRecord& cost, RepairFormValues defaults);

} // namespace kv
