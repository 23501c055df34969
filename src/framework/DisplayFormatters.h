#pragma once

#include "framework/Registers.h"

#include <QString>
#include <QVariant>

namespace kv {

// The texts the grids show for stored values. They never fail: a value that
// cannot be read gives an empty or default text.

QString formatDateValue(const QVariant& value); // "" for 0 or not eight digits
QString formatTimeValue(const QVariant& value); // nine blanks for 0
QString formatYesNo(const QVariant& value);     // "Tak" for exactly "T"
QString formatMoney(const QVariant& value);     // "0.00", "" when unreadable
QString formatRate(const QVariant& value);      // "0.0000"
// 0..4 -> "Aktywny" ... "Inne"; another number is shown as it is; an unreadable
// value counts as 0.
QString formatVehicleStatus(const QVariant& value);
QString formatOdometerKind(const QVariant& value);
// NAZWISKO + " " + IMIE
QString formatPerson(const QVariant& surname, const QVariant& firstName);
// Numbers without trailing zeros, texts as stored.
QString formatPlain(const QVariant& value);

// The vehicle status texts in code order.
const QStringList& vehicleStatusTexts();

// Formats one stored value with one of the simple formatters. Formatters that
// need more than the value (person, computed trip and consumption columns) are
// applied by their registers; here they fall back to the plain text.
QString formatValue(Formatter formatter, const QVariant& value);

} // namespace kv
