#pragma once

#include <QString>

namespace kv {

// What the document, equipment and calendar windows share.

// A reading field as it is left and saved: two decimals, and a text that is
// no number becomes 0 (a reminder at "abc" km is no reminder).
QString readingWithTwoDecimals(const QString& typed);

// An optional expiry date: blank, or a day the calendar has.
bool isBlankOrCalendarDate(const QString& text);

inline const QString kDocumentKindsCode = QStringLiteral("RDDOK");
inline const QString kEquipmentKindsCode = QStringLiteral("RDWYP");
inline const QString kContractorsCode = QStringLiteral("KONTR");
inline const QString kCalendarKindsCode = QStringLiteral("RTERM");

} // namespace kv
