#pragma once

#include "framework/FieldTable.h"
#include "fuel/Consumption.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The refuelling window's content, the same for the three consumption
// registers: `first` is the tank level before refuelling (continuous
// register, BAK) or the km driven or hours worked (PRZEBIEG).
struct RefuellingFormValues {
    QString data; // date text
    QString first;
    QString tankowanie;
    QString licznik;
    // "Dodaj dane do kosztów": cleared whenever the window opens.
    bool addToCosts = false;

    bool operator==(const RefuellingFormValues&) const = default;
};

// A new refuelling: an empty date, the three quantities "0,00".
RefuellingFormValues newRefuellingDefaults();
// The columns of a register's table as the window holds them (the liquid
// fuel's table; the LPG twin has the same columns). The date's control is
// FDATA, the first quantity's fBAK in all three windows.
const FieldTable<RefuellingFormValues>& refuellingFields(ConsumptionKind kind);

// What leaving a quantity field does to its text: two decimals, and "0,00"
// for what is no number.
QString rewriteQuantity(const QString& text);

// The checks of "Zapisz" in their order: the date, then the three quantities
// (an empty one is 0) as numbers; negative numbers are accepted.
FormCheck checkRefuellingForm(RefuellingFormValues& values);

// The labels that tell the three windows apart.
struct RefuellingLabels {
    QString objectName; // TfZuzycie, TfZuzycieKm, TfZuzycieMth
    QString title;
    QString first;
    QString litres;
    QString reading;
    bool distanceButton = false; // the per-km window's alone
};
RefuellingLabels refuellingLabels(ConsumptionKind kind);

} // namespace kv
