#pragma once

#include "framework/HandOver.h"
#include "framework/RegisterEditing.h"
#include "subregisters/TyreForm.h"

namespace kv {

class DataModule;

// The tyres register's statements: the grid query DBFOpony (each tyre with
// its kind and size names, RODZAJO and ROZMIARO, and its vehicle as the
// number, a blank and the make, POJAZD) and the insert and update.
void registerTyreQueries(DataModule& db);

// The tyres' part of the add and edit cycle: one tyre per evidence number
// ("Istnieje już taki numer ewidencyjny."; a tyre keeping its own number is
// accepted), a new tyre with the vehicle of the vehicle selector when the
// option cbSetNrRej asks, the box "Dodaj powyższe dane do rejestru kosztów"
// (cleared at every opening, offered with the costs' write permission). An
// edit moving a tyre with a reminder reading to another vehicle asks whether
// to clear that reading, which was the old vehicle's.
RegisterEditing<TyreFormValues> tyreEditing(DataModule& db);

// What a tyre purchase hands to the costs: its date, vehicle, make, kind and
// size names, document, amounts and remarks.
HandOverRequest tyreCostRequest(DataModule& db, const TyreFormValues& values);

// A tyre bought through a cost: the new tyre's defaults with the cost's date
// as purchase date, its amounts, vehicle and remarks; no document number.
TyreFormValues tyreFromCost(const HandOverRecord& cost, TyreFormValues defaults);

inline const QString kTyreReadingQuestion =
    QStringLiteral("Opony przypisano do innego pojazdu. Stan licznika w polu \"Wymiana przy "
                   "stanie licznika\" dotyczy poprzedniego pojazdu. Czy wyzerować to pole?");

} // namespace kv
