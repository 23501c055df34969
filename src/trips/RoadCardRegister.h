#pragma once

#include "framework/RegisterEditing.h"
#include "trips/RoadCardForm.h"

namespace kv {

class DataModule;

// The road cards register's statements: the grid query DBFKDrogowe (the card
// with its vehicle, vehicle kind and driver) and the insert and update.
void registerRoadCardQueries(DataModule& db);

// What the road card window's lists offer, by column: vehicles (IDPOJAZD,
// each with its own driver), drivers (IDKIEROWCY), the purposes (CELWYJAZDU,
// each text once) and the routes (TRASA).
QHash<QString, QList<KeyedItem>> loadRoadCardLists(DataModule& db);

// The source name the road cards hand their readings to the history with.
inline const QString kRoadCardsHistorySource = QStringLiteral("KARTY DROGOWE");

// The date a reading of the card is handed on with: the start or end date
// typed, else the card's issue date (a reading is never dated today only
// because a date was left empty).
QString roadCardReadingDate(const QString& ownDate, const RoadCardFormValues& card);

// The road cards' part of the add and edit cycle: a new card has 0 readings
// and hours and, with the option cbSetNrRej, the vehicle of the vehicle
// selector with its driver; the two readings are checked against the
// vehicle's other readings before saving (a question; "Nie" returns to the
// window); after the save the start and then the end reading go to the
// odometer history when the option cbKopiujPrzebiegDoHistorii is on.
RegisterEditing<RoadCardFormValues> roadCardEditing(DataModule& db);

} // namespace kv
