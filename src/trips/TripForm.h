#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The trip window's content ("Przejazd"), independent of the window, so its
// rules are tested without one.
struct TripFormValues {
    QString data;    // date text
    int vehicle = 0; // IDPOJAZD, 0 for none
    QString celWyjazdu;
    QString trasa;
    QString odleglosc; // the length as typed
    QString driver;    // IDKIEROWCY: an employee number, empty for none
    QString uwagi;
    // The VAT mileage record's fields for a vehicle lent to someone outside
    // the firm: "T" when lent, then who and the readings at hand-over and
    // return.
    QString pryw = QStringLiteral("N");
    QString prywKto;
    QString prywLiczOd;
    QString prywLiczDo;

    bool lent() const { return pryw == u"T"; }
    bool operator==(const TripFormValues&) const = default;
};

// The columns of przejazdy.DB in the order they are written: six texts bound
// as parameters (purpose, route, driver, remarks, "T"/"N", the person), the
// date, vehicle and numbers in slots, numbers as read from the typed text. A
// trip that is not lent stores "N", no person and 0 readings whatever its
// disabled fields still hold, and a stored trip that is not lent opens with
// them empty.
const FieldTable<TripFormValues>& tripFields();

// The return reading as stored: the typed one of a lent vehicle, otherwise
// none (empty), so an unticked box hands nothing to the odometer history.
QString tripReturnReading(const TripFormValues& values);

// The checks of "&Zapisz" in their order: the date, the vehicle, a length
// that is typed and is a number above 0, and for a lent vehicle all three of
// its fields (that message always points at the hand-over reading), then its
// readings as numbers not below 0.
FormCheck checkTripForm(const TripFormValues& values);

inline const QString kTripVatMessage =
    QStringLiteral("Jeśli pojazd używany był przez osobę z poza firmy należy wypełnić wszystkie "
                   "pola w sekcji Dodatkowe pola - kilometrówka VAT.");

} // namespace kv
