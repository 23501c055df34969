#pragma once

#include "framework/HandOver.h"
#include "fuel/RefuellingForm.h"

namespace kv {

class DataModule;

// The consumption registers in hand-overs. As targets ("zuzycie",
// "zuzyciekm", "zuzyciemth": a fuel cost added to one of them), a record
// hands over DATA, IDPOJAZD, FUEL (litres), LICZNIK and RODZAJPALIWA ("0"
// liquid fuel, "1" LPG). Before the window, that fuel kind is set on all
// three registers and the vehicle selector switched to the record's
// vehicle; the window shows the record's date, "0,00" as the first
// quantity, its litres and its reading.
RefuellingFormValues refuellingFromHandOver(const HandOverRecord& record,
                                            RefuellingFormValues start);
void installRefuellingHandOverTargets();

// As the origin ("Dodaj dane do kosztów"): what a refuelling hands to the
// costs register (target "koszty", origin "refuelling": DATA, IDPOJAZD,
// TANKOWANIE, LICZNIK), allowed with the costs' write permission.
HandOverRequest refuellingCostRequest(const RefuellingFormValues& values, int vehicleId);
inline const QString kRefuellingCostsTarget = QStringLiteral("koszty");
inline constexpr int kCostsWritePermission = 6;

} // namespace kv
