#pragma once

#include "support/FormCheck.h"

#include <QString>
#include <QStringList>

namespace kv {

class ResultSet;
struct DictionaryList;

// The entry window's content, independent of the window.
struct DictionaryEntryValues {
    QString text;        // OPIS
    QString second;      // UZUP1 as the length field shows it (kept for other lists)
    bool bookVat = true; // "Czy księgować VAT?" (expense kinds)

    bool operator==(const DictionaryEntryValues&) const = default;
};

// What the entry window shows for a list.
struct DictionaryEntryLayout {
    QString title;
    QString label;
    bool vatBox = false;      // expense kinds
    bool lengthField = false; // routes: "Długość trasy" ... "w kilometrach"
    bool percentUnit = false; // VAT rates: "w procentach %"
};

DictionaryEntryLayout dictionaryEntryLayout(const DictionaryList& list);

// A new entry: empty, the VAT box ticked.
DictionaryEntryValues newDictionaryEntry();
// An entry of the list statement's rows; a route length shows with the system
// decimal separator, any other second value as stored.
DictionaryEntryValues dictionaryEntryFromRow(const DictionaryList& list, const ResultSet& rows,
                                             int row);

// Object names of the entry window's fields, where the checks put the focus.
inline const QString kEntryTextField = QStringLiteral("fOPIS");
inline const QString kEntryLengthField = QStringLiteral("fUZUP1");

// The checks of "&Zapisz" in their order. A VAT rate is rewritten in plain
// digits, a route length as a number.
FormCheck checkDictionaryEntry(const DictionaryList& list, DictionaryEntryValues& values);

// The insert and update parameters: list code, text, second value ("Tak" or
// "Nie" from the box for expense kinds; a route length as a number text with
// "." whatever the computer's locale, "12.5"), and the unused UZUP2, empty.
QStringList dictionaryEntryParams(const DictionaryList& list, const DictionaryEntryValues& values);

// A stored route length as the grid and the length field show it: a number
// with the system decimal separator; other text as stored.
QString routeLengthForDisplay(const QString& stored);

} // namespace kv
