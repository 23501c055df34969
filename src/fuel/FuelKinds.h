#pragma once

#include "framework/Registers.h"

#include <QString>
#include <QStringList>

namespace kv {

class DataModule;

// The fuel a consumption register works on. Each of the three registers has
// its own choice; liquid fuel and LPG live in twin tables of one layout.
enum class FuelKind { Liquid = 0, Lpg = 1 };

// The selectors' items in position order: "Paliwo płynne", "Gaz LPG".
QStringList fuelKindTexts();

// The three consumption registers, in tab order.
inline constexpr RegisterId kConsumptionRegisters[] = {
    RegisterId::Consumption, RegisterId::ConsumptionKm, RegisterId::ConsumptionMth};
bool isConsumptionRegister(RegisterId id);

// The kind a register works on now (liquid fuel after a company opens, so at
// start and after every log-out), told by the table its statements name.
// Setting it switches every statement of that register, and only of that
// register, to the kind's table; it also becomes the reports' choice, which
// mirrors the last register chosen.
FuelKind fuelKind(DataModule& db, RegisterId id);
void setFuelKind(DataModule& db, RegisterId id, FuelKind kind);
// The reports' selector: sets all three registers.
void setAllFuelKinds(DataModule& db, FuelKind kind);
FuelKind reportFuelKind(DataModule& db);

// The table the register's statements name now ("zuzyciekmlpg.DB").
QString consumptionTable(DataModule& db, RegisterId id);

// Back to liquid fuel everywhere (run when a company opens).
bool resetFuelKinds(DataModule& db);

} // namespace kv
