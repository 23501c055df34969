#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The odometer window's content ("Bieżący przebieg"), independent of the
// window, so its rules are tested without one.
struct OdometerFormValues {
    QString data;    // date text
    int vehicle = 0; // IDPOJAZD, 0 for none
    QString licznik; // the reading as typed
    int dotyczy = 0; // what the reading is for: 0..3 (odometerKindTexts)
    QString uwagi;

    bool operator==(const OdometerFormValues&) const = default;
};

// A new reading: "0,00", "Pozostałe", nothing else.
OdometerFormValues newOdometerDefaults();
// The columns of przebiegi.DB as the window holds them; the vehicle list is
// fNRREJ. A stored DOTYCZY outside 0..3 shows as "Pozostałe".
const FieldTable<OdometerFormValues>& odometerFields();

// What leaving the reading field and "&Zapisz" do to its text: a number with
// two decimals, an empty field "0,00"; other text stays for the check to show.
QString rewriteReading(const QString& text);

// The checks of "&Zapisz" in their order, after the reading is rewritten: a
// valid date, a vehicle, and a reading that is a number not below 0 (a
// reading of 0 is accepted).
FormCheck checkOdometerForm(OdometerFormValues& values);

} // namespace kv
