#pragma once

#include <QString>
#include <optional>

namespace kv {

// The system decimal separator (from the locale).
QChar decimalSeparator();

// Fixed-point text with the system decimal separator and no thousands
// separators: formatNumber(12.5, 2) -> "12,50" under a comma locale. Rounds
// the value's first 15 significant digits half away from zero (2.675 -> 2,68);
// a value that rounds to zero has no sign.
QString formatNumber(double value, int decimals);

// Reads a number typed with "." or "," as decimal separator (surrounding
// blanks allowed); nothing when the text is not a number.
std::optional<double> parseNumber(const QString& text);
// An integer (optional sign, digits, surrounding blanks allowed).
std::optional<qint64> parseInteger(const QString& text);

// The typed text (trimmed) with every "," replaced by ".", the form numbers
// take in statement text. A text that is not a number (parseNumber) gives "0",
// so nothing but a number ever reaches a statement this way.
QString numberForSql(const QString& typed);

} // namespace kv
