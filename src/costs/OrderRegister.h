#pragma once

#include "costs/OrderForm.h"
#include "framework/RegisterEditing.h"

namespace kv {

class DataModule;

// The orders and settlements registers' statements: the grid queries
// DBFZlecenia and DBFRozliczenia (the work with its vehicle as POJAZD, its
// employee as OSOBA and its kind of work as RODZAJPRACO; a settlement's value
// WARTOSC is worked out per row) and their inserts and updates.
void registerOrderQueries(DataModule& db);

// What both windows' lists offer, by column: vehicles (IDPOJAZDU, each with
// its hourly rate as two-decimal text), kinds of work (RODZAJPRAC), routes
// (TRASA), employees (NREW) and contractors (KONTRAHENT).
QHash<QString, QList<KeyedItem>> loadOrderLists(DataModule& db);
// The kinds of work, routes and contractors alone, read again after the
// dictionary changed.
QHash<QString, QList<KeyedItem>> loadOrderDictionaryLists(DataModule& db);

// The hourly rate of a vehicle (pojazdy.STAWKA) with two decimals; "0,00"
// for none, an unknown vehicle or a failure.
QString vehicleHourlyRate(DataModule& db, int vehicleId);

// The orders' part of the cycle: numbers unique among orders (checked again
// inside the write), the vehicle of the selector with cbSetNrRej, and, with
// "Dodaj powyższe dane do rozliczeń" ticked and the settlements' write
// permission, a settlement prefilled from the order written with it.
RegisterEditing<OrderFormValues> orderEditing(DataModule& db);
// The settlements': numbers unique among settlements, hours and rate 0 for a
// new one, the selector's vehicle with its hourly rate with cbSetNrRej.
RegisterEditing<OrderFormValues> settlementEditing(DataModule& db);

// A settlement prefilled from an order (the number, both dates, vehicle, kind
// of work, route, description, employee and contractor; hours and rate 0).
OrderFormValues settlementFromOrder(const HandOverRecord& order, OrderFormValues defaults);

// The WARTOSC cell of a settlements row. The hooks: that cell, and both
// registers' numbers checked again inside the write transaction.
QString settlementValueCell(const ResultSet& rows, int row);
void installOrderHooks();
// The settlements as a hand-over target ("rozliczenia"), installed once.
void installSettlementHandOverTarget();

inline const QString kSettlementsTarget = QStringLiteral("rozliczenia");
inline const QString kOrderOrigin = QStringLiteral("order");
constexpr int kSettlementsWritePermission = 38;

} // namespace kv
