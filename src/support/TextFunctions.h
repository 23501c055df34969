#pragma once

#include <QString>

namespace kv {

// Small text helpers shared by the registers, the import and the reports.

// True for a non-empty text of the digits 0-9 only (no sign, no blanks).
bool isNumericText(const QString& text);

// The amount with two decimals, each digit of the whole part as its digit
// word joined with "*", a blank, the two decimals and "/100":
// 123.45 -> "JED*DWA*TRZ 45/100". A negative amount is written with a
// leading "-"; a value that is not a number gives an empty text.
QString amountInWords(double amount);

// Every a replaced by b.
QString replaceChar(const QString& text, QChar a, QChar b);
// The first occurrence of the pattern replaced; unchanged when it is absent
// or empty.
QString replaceFirst(const QString& text, const QString& pattern, const QString& replacement);
// True when every character is 0-9, A-Z or a-z (also for an empty text).
bool isAlphanumeric(const QString& text);

// Turns a date cell of an import sheet, read by the format name "DD-MM-RRRR",
// "RRRR-MM-DD" or "RRRRMMDD", into the eight digits yyyymmdd, which replace
// the text. True when those are digits forming a date that isValidDateText
// accepts. A text too short for its format stays as it is and gives false;
// another format name leaves the text unchanged and tests it the same way.
bool convertImportDate(QString& text, const QString& formatName);

// Reads the number a text starts with ("12,5 l" -> 12.5, "7" -> 7), with "."
// or "," before the fraction; blanks around the text are ignored. An empty
// text gives true and leaves number unchanged; a text that does not start
// with a digit gives false.
bool parseLeadingNumber(const QString& text, double& number);

// Removes one trailing path separator ("\" or "/"); the root "/" stays.
QString stripTrailingBackslash(const QString& path);

// True when the text holds a tab, a line break or another control character,
// which no one-line field can take.
bool hasControlCharacters(const QString& text);

} // namespace kv
