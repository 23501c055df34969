#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The vehicle edit window's content as texts and list choices, independent of
// the window, so every rule about it is tested without one.
struct VehicleFormValues {
    QString lp;
    QString nrewid;
    int status = 0;   // index in the status list
    int fleetKey = 0; // dictionary key of the fleet number; 0 for none
    QString nrrej;
    QString poprzNrrej;
    QString marka;
    int kindKey = 1; // dictionary key of the vehicle kind
    QString capacity;
    QString year; // empty, or the year as typed or chosen
    QString seriaDrej;
    QString nrSilnika;
    QString nrNadwozia;
    QString owner;
    QString driver; // the driver's employee number, empty for none
    QString dataOc, nrPolOc, dataAc, nrPolAc, dataPrze, dataPrzeGw;
    QString uwagi;
    QString stawka;
    QString dataTacho;
    QString normaOd, normaDo;
    QString liczPrzeg, liczGwar;

    bool operator==(const VehicleFormValues&) const = default;
};

// The defaults of a new vehicle.
VehicleFormValues newVehicleDefaults();
// The columns of pojazdy.DB as the window holds them. "Lp" left blank and no
// fleet number store no value; a year the year list does not offer reads as
// an empty field; a status outside the list reads as "Aktywny".
const FieldTable<VehicleFormValues>& vehicleFields();

// The checks of "&Zapisz" in their order. The rate, norms and odometer limits
// are rewritten with two decimals first, the capacity in plain digits. On the
// first failure the field and message come back.
FormCheck checkVehicleForm(VehicleFormValues& values);

// What leaving a field does: a valid number with two decimals (other text as
// typed); "Lp" a valid number rounded to an integer, other text "0".
QString rewriteTwoDecimals(const QString& text);
QString rewriteOrdinal(const QString& text);

// The years the year list offers.
constexpr int kFirstListedYear = 1970;
constexpr int kLastListedYear = 2030;

} // namespace kv
