#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The equipment window's content ("Wyposażenie"), independent of the window.
struct EquipmentFormValues {
    QString data;    // fitting date text
    QString termin;  // valid until, blank for none
    int vehicle = 0; // IDPOJAZD, 0 for none
    QString licznik; // reading when fitted
    QString rodzaj;  // kind: a dictionary text or anything typed
    QString opis;
    QString uwagi;
    QString liczterm; // reading at which to exchange, 0 for none

    bool operator==(const EquipmentFormValues&) const = default;
};

// A new item: blank dates, no vehicle, empty texts, both readings "0,00".
EquipmentFormValues newEquipmentDefaults();
// The columns of wyposazenie.DB as the window holds them; the vehicle list
// is fNRREJ. The three texts are bound as :PARAM0..:PARAM2.
const FieldTable<EquipmentFormValues>& equipmentFields();

// The checks of "&Zapisz" in their order, after both readings are rewritten
// with two decimals: a fitting date the calendar has, an expiry date that is
// blank or such a day, a vehicle.
FormCheck checkEquipmentForm(EquipmentFormValues& values);

// The source name the fitting reading is copied to the odometer history with.
inline const QString kEquipmentHistorySource = QStringLiteral("WYPOSAŻENIE");

} // namespace kv
