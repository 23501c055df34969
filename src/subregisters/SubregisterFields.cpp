#include "subregisters/SubregisterFields.h"

#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

QString readingWithTwoDecimals(const QString& typed) {
    const std::optional<Decimal> d = Decimal::parse(typed);
    return formatDecimal(d ? *d : Decimal(), 2);
}

bool isBlankOrCalendarDate(const QString& text) {
    return isBlankDateText(text) || isCalendarDateText(text);
}

} // namespace kv
