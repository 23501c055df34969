#pragma once

#include "costs/CostForm.h"
#include "framework/RegisterEditing.h"

namespace kv {

class DataModule;

// The costs register's statements: the grid query DBFKoszty (the cost with
// its vehicle, driver, cost centre and road card) and the insert and update.
void registerCostQueries(DataModule& db);

// What the cost window's lists offer, by column: vehicles (IDPOJAZD, each
// with its own driver), the expense kinds (RODZWYD, each with its UZUP1
// "Tak"/"Nie" as extra), payment kinds (RODZAJPLAT), fuel cards (IDKARTY,
// shown as the card and its name), drivers (IDKIEROWCY), cost centres (CK),
// road cards (IDDROGOWA, by number) and the VAT rates (kCostRateList,
// highest first). A list that cannot be read stays empty.
using CostLists = QHash<QString, QList<KeyedItem>>;
inline const QString kCostRateList = QStringLiteral("stawkaVAT");
CostLists loadCostLists(DataModule& db);
// The cost centres ("CKKOD": KOD, OPIS) and the road cards (IDDROGOWA,
// NRKARTY), as the window and the cost filters offer them.
QList<KeyedItem> loadCostCentres(DataModule& db);
QList<KeyedItem> loadRoadCards(DataModule& db);
// The VAT rates (STVAT) as the rate lists offer them, highest first; every
// window booking net, VAT and gross values shares them.
QList<KeyedItem> loadVatRates(DataModule& db);
// The expense kinds alone, read again after the dictionary changed.
QList<KeyedItem> loadExpenseKinds(DataModule& db);
// Whether an expense kind's second value ticks "Czy księgować VAT?".
bool expenseKindBooksVat(const QString& secondValue);

// "Dodaj powyższe do": the targets in list order, by the base names of their
// tables, and whether a target is one of the fuel registers (which ask for
// the fuel kind).
const QStringList& costHandOverTargets();
bool costTargetNeedsFuelKind(int position);
// What a cost hands over to the chosen target: its values by column, and for
// the fuel registers the fuel kind as RODZAJPALIWA ("0" liquid, "1" LPG).
HandOverRequest costHandOverRequest(const CostFormValues& values);

// The name the odometer history copy of a cost's reading carries.
inline const QString kCostsHistorySource = QStringLiteral("KOSZTY");

// The costs register's part of the add and edit cycle: a new cost starts with
// zero values, the VAT ticked, the fuel box and the road card and cost
// centre from the cost filters when they are on, and the vehicle of the
// vehicle selector with its driver when the option cbSetNrRej is on; the
// hand-over box starts cleared with the target chosen last time. A stored
// card, driver, payment kind, cost centre or road card the lists no longer
// offer is kept. The reading is checked against the vehicle's others and,
// after the save, goes to the odometer history when the option asks; with
// the hand-over box ticked, the chosen register's Add follows, prefilled.
RegisterEditing<CostFormValues> costEditing(DataModule& db);

} // namespace kv
