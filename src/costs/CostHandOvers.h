#pragma once

#include "costs/CostForm.h"
#include "framework/HandOver.h"

namespace kv {

class DataModule;

// The costs register as the target of hand-overs: a refuelling, a repair, a
// damage or a tyre purchase opens the Add of a cost prefilled from it (target
// "koszty"). The origin names itself and hands its values by its own
// columns:
//   "refuelling": DATA, IDPOJAZD, TANKOWANIE (litres), LICZNIK
//   "repair", "damage": DATA, IDPOJAZD, OPIS, WARTNETTO, WARTVAT, WARTBRUTTO,
//       UWAGI, LICZNIK, IDKIEROWCY
//   "tyre": DATAZAKUPU, IDPOJAZD, MARKA, RODZAJ, ROZMIAR (texts), NRDOKUMENT,
//       NETTO, VAT, BRUTTO, UWAGI
// Dates are date texts, amounts texts as their windows show them.
inline const QString kCostsTarget = QStringLiteral("koszty");
inline const QString kRefuellingOrigin = QStringLiteral("refuelling");
inline const QString kRepairOrigin = QStringLiteral("repair");
inline const QString kDamageOrigin = QStringLiteral("damage");
inline const QString kTyreOrigin = QStringLiteral("tyre");

// The cost window's values for a record handed over, on top of a new cost's
// defaults: the origin's date and vehicle, "Czy księgować VAT?" ticked, no
// payment kind, card, road card or cost centre, and by origin the kind of
// expense, goods, values, remarks, date of issue, reading, driver and fuel.
CostFormValues costFromHandOver(const HandOverRecord& record, CostFormValues defaults);

// Installs the target (once per run).
void installCostHandOverTarget();

} // namespace kv
