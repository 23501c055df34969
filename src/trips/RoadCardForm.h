#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The road card window's content ("Karta drogowa"), independent of the
// window, so its rules are tested without one.
struct RoadCardFormValues {
    QString nrKarty;
    QString dataWyst; // date texts; a blank mask is no date
    int vehicle = 0;  // IDPOJAZD, 0 for none
    QString driver;   // IDKIEROWCY: an employee number, empty for none
    QString prawoJazdy;
    QString celWyjazdu;
    QString trasa;
    QString liczStart;
    QString liczEnd;
    QString dataStart;
    QString godzStart; // "HH:MM"; "  :  " or empty is no time
    QString dataEnd;
    QString godzEnd;
    QString czas;
    QString godzSuma;
    QString odpoczynek;
    QString uwagi;

    bool operator==(const RoadCardFormValues&) const = default;
};

// The columns of kartydrogowe.DB: six texts bound as parameters (number,
// driver, purpose, route, remarks, licence), the dates, times, vehicle and
// numbers in slots. A time is stored as hours x 100 + minutes, an empty one
// as 0, and a stored 0 opens as the empty time.
const FieldTable<RoadCardFormValues>& roadCardFields();

// The window's text of a stored time, and whether a typed time is empty.
QString roadCardTimeText(qint64 timeNumber);
bool isEmptyTimeText(const QString& text);

// The checks of "&Zapisz" in their order. The five numbers are rewritten
// first with two decimals (text that is no number becomes 0,00), then the
// readings (only when both are above 0), the number, the issue date, start
// date and time, end date and time, and the vehicle.
FormCheck checkRoadCardForm(RoadCardFormValues& values);

} // namespace kv
