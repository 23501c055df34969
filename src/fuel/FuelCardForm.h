#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The fuel card window's content ("Karta paliwowa").
struct FuelCardFormValues {
    QString idKarty; // the card's identifier, the key; stored without the blanks around it
    QString nazwa;
    QString kierowca; // IDKIEROWCY: the holder's employee number, empty for none
    int vehicle = 0;  // IDPOJAZD, 0 for none
    QString stacja;
    QString termin; // expiry date text, blank for none
    QString pin;
    QString www;
    QString email;
    QString uwagi;

    bool operator==(const FuelCardFormValues&) const = default;
};

// The columns of kpaliwowe.DB in the order they are written: the vehicle and
// the expiry date (0 when blank) in slots, the eight texts bound in order.
const FieldTable<FuelCardFormValues>& fuelCardFields();

// The checks of "Zapisz" in their order: an expiry date that is blank or
// valid, an identifier that is not blank.
FormCheck checkFuelCardForm(const FuelCardFormValues& values);

inline const QString kDuplicateCardMessage =
    QStringLiteral("Istnieje już karta paliwowa o podanym ID.");

} // namespace kv
