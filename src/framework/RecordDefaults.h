#pragma once

#include "framework/FormView.h"

#include <QList>
#include <QString>

namespace kv {

class DataModule;

// What a new record of a vehicle's register starts with, shared by the
// registers whose windows offer a vehicle and its driver.

// The vehicle chosen in the vehicle selector when the option cbSetNrRej asks
// a new record to take it; 0 otherwise.
int preselectedVehicle(DataModule& db);

// The driver once a vehicle is chosen: a driver already chosen stays; with
// none, the vehicle's own driver (its list entry's extra), if it has one.
QString driverForVehicle(const QList<KeyedItem>& vehicles, const QString& vehicleKey,
                         const QString& chosenDriver);

// The texts of one dictionary list (IDSLOWNIK = code), each once, in Polish
// order, as an editable list offers them: key and text are the entry's text.
// A list that cannot be read is reported with `errorCode` and comes empty.
QList<KeyedItem> loadDictionaryTexts(DataModule& db, const QString& code, qint64 errorCode);

// A dictionary list's entries (KOD as key, OPIS as text) in Polish order,
// for lists keyed by the entry's code. Reported and empty on failure.
QList<KeyedItem> loadDictionaryEntries(DataModule& db, const QString& code, qint64 errorCode);

// The hand-over box of a window: offered when the setup allows it and the
// window is not itself the second window of a hand-over.
bool offersHandOver(const FormSetup& setup);

} // namespace kv
