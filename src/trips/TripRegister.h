#pragma once

#include "framework/RegisterEditing.h"
#include "trips/TripForm.h"

namespace kv {

class DataModule;

// The trips register's statements: the grid query DBFPrzejazdy (the trip
// with its driver, vehicle and vehicle kind; the allowance columns are worked
// out per row, see TripAllowance) and the insert and update.
void registerTripQueries(DataModule& db);

// What the trip window's lists offer, by column: vehicles (IDPOJAZD, each
// with its own driver), drivers (IDKIEROWCY), the trip purposes (CELWYJAZDU:
// each text once) and the routes (TRASA, each with its length).
using TripLists = QHash<QString, QList<KeyedItem>>;
TripLists loadTripLists(DataModule& db);
// The purposes and routes alone, read again after the dictionary changed.
TripLists loadTripDictionaryLists(DataModule& db);

// The trips register's part of the add and edit cycle: a new trip takes the
// vehicle of the vehicle selector with its driver when the option cbSetNrRej
// is on; a lent vehicle's readings are checked against the vehicle's other
// readings before saving (a question; "Nie" returns to the window); after the
// save the return reading goes to the odometer history when the option
// cbKopiujPrzebiegDoHistorii is on; the cursor goes to the saved trip.
RegisterEditing<TripFormValues> tripEditing(DataModule& db);

} // namespace kv
