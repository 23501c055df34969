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
// A code shown as its text: whole numbers 0 .. n-1 pick their text; another
// value shows the text of otherChoice, or itself when that is -1. An
// unreadable value counts as 0.
QString formatChoice(const QVariant& value, const QStringList& choices, int otherChoice);
// NAZWISKO + " " + IMIE
QString formatPerson(const QVariant& surname, const QVariant& firstName);
// Numbers without trailing zeros, texts as stored.
QString formatPlain(const QVariant& value);

// Formats one stored value with one of the simple formatters. Formatters that
// need more than the value (person, computed columns) are applied by the grid
// model; here they fall back to the plain text.
QString formatValue(Formatter formatter, const QVariant& value);
// The same for a grid column, choices included.
QString formatCell(const GridColumn& column, const QVariant& value);

} // namespace kv
