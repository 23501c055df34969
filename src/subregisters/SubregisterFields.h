#pragma once

#include "framework/FormView.h"

#include <QString>

namespace kv {

class DataModule;

// What the document, equipment and calendar windows share.

// A reading field as it is left and saved: two decimals, and a text that is
// no number becomes 0 (a reminder at "abc" km is no reminder).
QString readingWithTwoDecimals(const QString& typed);

// An optional expiry date: blank, or a day the calendar has.
bool isBlankOrCalendarDate(const QString& text);

// The entries of a dictionary list whose field keeps typed text (document and
// equipment kinds, contractors): each OPIS as key and text, in the Polish
// alphabetical order. A failure leaves the list as far as it was read and
// says nothing: the field still takes typing.
QList<KeyedItem> loadDictionaryTexts(DataModule& db, const QString& code);
// The entries of a dictionary list keyed by KOD; a failure is reported with
// the given code and leaves the list as far as it was read.
QList<KeyedItem> loadDictionaryCodes(DataModule& db, const QString& code, qint64 errorCode);

inline const QString kDocumentKindsCode = QStringLiteral("RDDOK");
inline const QString kEquipmentKindsCode = QStringLiteral("RDWYP");
inline const QString kContractorsCode = QStringLiteral("KONTR");
inline const QString kCalendarKindsCode = QStringLiteral("RTERM");

} // namespace kv
