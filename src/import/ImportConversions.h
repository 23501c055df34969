#pragma once

#include "import/ImportLayout.h"
#include "support/Decimal.h"

#include <QString>
#include <optional>

namespace kv {

// A sheet cell as a date number (yyyymmdd), taken apart by position:
// "DD-MM-RRRR" and "RRRR-MM-DD" need 10 characters, "RRRRMMDD" 8; what stands
// between the parts and after the date is not looked at. The eight digits
// must name a day the calendar has from the year 1900 on (31.02 is refused:
// later date arithmetic would turn it into today).
std::optional<int> importDate(const QString& cell, ImportDateFormat format);

// A sheet cell as a number: trimmed, "." or "," as decimal separator, empty
// is 0. Amounts are kept with two decimals (half away from zero), the rest as
// typed.
std::optional<Decimal> importNumber(const QString& cell);
std::optional<Decimal> importAmount(const QString& cell);

// A flag cell against its symbol: equal in capitals, blanks included.
bool importFlagSet(const QString& cell, const QString& symbol);

// A key as looked up: trimmed and in capitals (Qt's, so Polish letters too).
// Quotes stay: a registration number may hold them.
QString importKey(const QString& cell);

} // namespace kv
