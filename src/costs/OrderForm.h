#pragma once

#include "framework/FieldTable.h"
#include "support/Decimal.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The order window ("Zlecenie") and the settlement window ("Rozliczenia")
// hold the same work; a settlement adds the hours and the hourly rate.
struct OrderFormValues {
    QString nrDokumentu;
    QString dataOd; // date texts
    QString dataDo;
    int vehicle = 0;    // IDPOJAZDU, 0 for none
    int rodzajPrac = 0; // KOD of the "RPRAC" dictionary, 0 for none
    QString trasa;
    QString nrew; // the employee, empty for none
    QString kontrahent;
    QString opis;
    QString godziny; // settlement only
    QString stawka;  // settlement only
    // "Dodaj powyższe dane do rozliczeń" (an order's window; not stored).
    bool addToSettlements = false;

    bool operator==(const OrderFormValues&) const = default;
};

// zlecenia.DB: the number (trimmed) and four texts bound as :PARAM0-:PARAM4,
// the dates, vehicle and kind of work in slots.
const FieldTable<OrderFormValues>& orderFields();
// rozliczenia.DB: the same with the hours and the rate.
const FieldTable<OrderFormValues>& settlementFields();

// The checks of "&Zapisz" in their order: the number, the vehicle, both dates
// and their order.
FormCheck checkOrderForm(const OrderFormValues& values);
// The settlement's: the hours and the rate rewritten with two decimals first
// (text that is no number becomes 0,00), then the order's checks with the
// settlement's wording.
FormCheck checkSettlementForm(OrderFormValues& values);

// A settlement's value: hours x rate, rounded to the grosz half away from
// zero. Text that is no number counts as 0. Throws DecimalError for a product
// too large to hold.
Decimal settlementValue(const QString& hours, const QString& rate);

inline const QString kOrderNumberTaken = QStringLiteral("Istnieje już taki numer zlecenia.");
inline const QString kSettlementNumberTaken = QStringLiteral("Istnieje już taki numer dokumentu.");

} // namespace kv
