#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The cost window's content ("Koszt"), independent of the window, so its
// rules are tested without one.
struct CostFormValues {
    QString data;    // date text
    int vehicle = 0; // IDPOJAZD, 0 for none
    QString rodzWyd;
    QString nazwaTowar;
    QString nrDokument;
    QString netto; // the three values as typed
    QString vat;
    QString brutto;
    QString czyVat = QStringLiteral("T");
    QString uwagi; // "Ilość towaru / inne"
    QString dataWystaw;
    int rodzajPlat = 0; // payment kind KOD, 0 for none
    QString karta;      // IDKARTY, empty for none
    QString licznik;
    QString driver;                       // IDKIEROWCY, empty for none
    QString isFuel = QStringLiteral("N"); // "T" for a fuel purchase
    QString fuel;                         // litres
    int ck = 0;                           // cost centre KOD, 0 for none
    int roadCard = 0;                     // IDDROGOWA, 0 for none

    // "Dodaj powyższe do": not stored. The target's position in the list
    // (see costHandOverTargets) and, for the fuel registers, the fuel kind
    // (0 liquid fuel, 1 LPG).
    bool handOn = false;
    int handTarget = 0;
    int fuelKind = 0;

    bool operator==(const CostFormValues&) const = default;
};

// The columns of koszty.DB in the order the insert names them. The eight
// texts (kind of expense, goods, document, remarks, "T"/"N" of the VAT,
// card, driver, fuel flag) are bound as :PARAM0 to :PARAM7, the fuel flag as
// "T" or NULL; the rest go into slots: dates as date numbers (an empty date
// of issue 0), amounts as the numbers read from the typed texts, codes as
// numbers (0 for none), the road card as its id or -1 for none.
const FieldTable<CostFormValues>& costFields();

inline const QString kCostDateField = QStringLiteral("fDATA");
inline const QString kCostNetField = QStringLiteral("fWARTNETTO");

// The checks of "&Zapisz" in their order, rewriting what they normalise: the
// reading and the litres shown with two decimals (no number: 0), the date,
// the vehicle, the date of issue (empty or a valid date), empty reading and
// values as "0" and each of them a number, the three values in agreement to
// the grosz, and with the option poleInneJestLiczba "Ilość towaru / inne"
// empty or starting with a number.
FormCheck checkCostForm(CostFormValues& values, bool otherMustBeNumber);

} // namespace kv
