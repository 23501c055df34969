#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The fuel price window's content ("Rejestr cen paliw").
struct FuelPriceFormValues {
    QString data;    // date text
    int rodzaj = 0;  // RODZAJPALIWA: KOD of dictionary "RDPAL", 0 for none
    QString miejsce; // the place as typed (suggestions from "PMIEJ")
    QString brutto;  // the gross price of one litre as typed

    bool operator==(const FuelPriceFormValues&) const = default;
};

// A new price: no date, no fuel kind, no place, price "0".
FuelPriceFormValues newFuelPriceDefaults();
// The columns of cenypaliw.DB in the order they are written: the date, the
// fuel kind and the price in slots, the place bound as :PARAM0.
const FieldTable<FuelPriceFormValues>& fuelPriceFields();

// What leaving the price field and "Zapisz" do to it: two decimals; "0" for
// what is no number.
QString rewritePrice(const QString& text);

// The checks of "Zapisz" in their order, after the price is rewritten: a fuel
// kind, then a valid date.
FormCheck checkFuelPriceForm(FuelPriceFormValues& values);

// The dictionaries the window lists: fuel kinds and places.
inline const QString kFuelKindsCode = QStringLiteral("RDPAL");
inline const QString kFuelPlacesCode = QStringLiteral("PMIEJ");

} // namespace kv
