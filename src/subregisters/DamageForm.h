#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The damage window's content ("Opis szkody - stłuczki").
struct DamageFormValues {
    int vehicle = 0; // IDPOJAZD
    QString data;    // date text, required
    QString opis;
    QString netto; // as typed
    QString vat;
    QString brutto;
    QString uwagi;
    QString driver;      // IDKIEROWCY, empty for none
    QString licznik;     // reading at the event
    bool handOn = false; // "Dodaj powyższe dane do rejestru kosztów", not stored

    bool operator==(const DamageFormValues&) const = default;
};

// szkody.DB's columns in the insert's order.
const FieldTable<DamageFormValues>& damageFields();

// A new damage: undated, amounts and reading 0 with two decimals.
DamageFormValues newDamageDefaults();

// The checks of "&Zapisz" in their order: the reading rewritten with two
// decimals, a real calendar date, a vehicle, blank amounts as "0" and each a
// number, net + VAT = gross to the grosz.
FormCheck checkDamageForm(DamageFormValues& values);

} // namespace kv
