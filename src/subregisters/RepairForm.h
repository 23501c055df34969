#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The repair window's content ("Naprawa"), independent of the window.
struct RepairFormValues {
    int vehicle = 0; // IDPOJAZD, 0 for none
    QString data;    // date text, blank for an undated repair
    QString opis;    // description: a repair kind or typed text
    QString netto;   // the amounts: hidden in the window, filled from a
    QString vat;     // cost and written back unchanged on edit
    QString brutto;
    QString uwagi;
    QString driver;      // IDKIEROWCY, empty for none
    QString licznik;     // reading before the repair
    QString liczterm;    // remind at this reading, 0 for none
    QString done;        // "T" done, "" pending (never "N" or NULL)
    bool handOn = false; // "Dodaj powyższe dane do rejestru kosztów", not stored

    bool operator==(const RepairFormValues&) const = default;
};

// naprawy.DB's columns in the insert's order: the vehicle, date, amounts and
// readings into slots, description, remarks, driver and the done mark bound.
const FieldTable<RepairFormValues>& repairFields();

// A new repair: pending, undated, amounts and readings 0 with two decimals.
RepairFormValues newRepairDefaults();

// The checks of "&Zapisz": readings rewritten with two decimals (no number:
// 0), a date that is blank or a real calendar day, a vehicle.
FormCheck checkRepairForm(RepairFormValues& values);

// The date message the repair and damage windows share.
inline const QString kRepairDateMessage =
    QStringLiteral("Niepoprawny format daty naprawy. Popraw pole.");
inline const QString kEventNoVehicleMessage = QStringLiteral("Nie wskazano pojazdu. Popraw pole.");

} // namespace kv
