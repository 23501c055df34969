#pragma once

#include "framework/RegisterEditing.h"
#include "fuel/RefuellingForm.h"

namespace kv {

class DataModule;

// The source names the consumption registers hand their readings to the
// odometer history with.
QString consumptionHistorySource(RegisterId id);

// The merge question of a second refuelling on one day.
inline const QString kMergeQuestion =
    QStringLiteral("Istnieje już informacja o tankowaniu na wskazaną datę. Czy zsumować ilość "
                   "zatankowanego paliwa?");
inline const QString kNoVehicleMessage =
    QStringLiteral("Należy wskazać pojazd, dla którego analizowane będzie zużycie paliwa.");

// A refuelling added into the row already stored for its day: the litres and
// the km or hours are added, the greater reading is kept. A tank level is the
// level before that day's first refuelling, so the stored one stays: adding
// two levels would count fuel that never was in the tank.
RefuellingRow mergedRefuelling(ConsumptionKind kind, const RefuellingRow& stored,
                               const RefuellingRow& added);

// The part of a consumption register in the add and edit cycle, the same
// for the three: a refuelling on a day the vehicle already has asks whether
// to add the two together ("Nie" shows the window again as typed); the
// reading is checked against the vehicle's other readings (km, or the
// register's engine hours).
RegisterEditing<RefuellingFormValues> consumptionEditing(DataModule& db, RegisterId id);
// The cycle's steps from the builder, writing the refuelling the register's
// way: the vehicle is the vehicle selector's for a new refuelling and the
// row's own when editing; an agreed merge, and Edit onto a day the vehicle
// already has (the edited row deleted, the other merged), is one
// transaction; after the write the reading is offered to the odometer
// history; the cursor goes to the saved day.
EditSteps consumptionEditSteps(RegisterController& reg, FormView<RefuellingFormValues>& form,
                               bool adding);

// Add (Copy with copyMode) needs one vehicle chosen in the vehicle selector;
// without it the user is told so and no window opens. True when saved.
bool addRefuelling(RegisterController& reg, FormView<RefuellingFormValues>& form, bool copyMode);
bool editRefuelling(RegisterController& reg, FormView<RefuellingFormValues>& form);

// The per-km window's distance button: the typed reading less the reading of
// the vehicle's latest earlier refuelling in the register (whatever period
// it shows; with none the whole reading), with two decimals. Refusals are
// told to the user and name the field to focus.
struct DistanceOutcome {
    QString distance; // empty when refused
    QString focus;    // object name of the field at fault
};
DistanceOutcome distanceFromReading(DataModule& db, RegisterId id, int vehicleId,
                                    const QString& dateText, const QString& readingText);

} // namespace kv
