#pragma once

#include <QDate>
#include <QString>

namespace kv {

// Date numbers (yyyymmdd, 0 or anything that is not eight digits: no date) and
// time numbers (hhmm), converted to and from the texts the program shows:
// "dd", the system date separator, "mm", the separator, "yyyy"; "hh:mm".

// The system date separator (from the locale's short date format).
QChar dateSeparator();
// Two blanks, separator, two blanks, separator, four blanks: an empty masked date field.
QString blankDateText();
// "  :  ": an empty time field.
QString blankTimeText();

// Eight digits: "dd", separator, "mm", separator, "yyyy". Otherwise an empty
// text (blankWhenInvalid) or today's date text.
QString dateNumberToText(qint64 dateNumber, bool blankWhenInvalid = true);
// A ten-character text: year, month and day digits joined as a number.
// Otherwise 0 (zeroWhenInvalid) or today's date number.
int textToDateNumber(const QString& text, bool zeroWhenInvalid = true);
// Ten characters, numeric positions, year >= 1900, month 1..12, day 1..31
// (the day is not checked against the month).
bool isValidDateText(const QString& text);
// The same test with another lowest year (the utility object accepts years
// from 1000 on).
bool isValidDateText(const QString& text, int minimumYear);
// A date text that isValidDateText accepts and that names a day the calendar
// has (31.02 is refused, 29.02 only in leap years). A saved date is later
// counted with, so an impossible day must not get through an edit window.
bool isCalendarDateText(const QString& text);
// An empty date field: nothing but blanks and separators.
bool isBlankDateText(const QString& text);
// Today when the text is not valid or names an impossible day.
QDate textToDate(const QString& text);
QString dateToText(const QDate& date);
int dateToDateNumber(const QDate& date);
// Invalid date numbers count as today.
int addDaysToDateNumber(qint64 dateNumber, int days);

// Padded to four digits, "hh:mm"; 0 with blankZero gives nine blanks. A
// negative number is shown as 0 is.
QString timeNumberToText(qint64 timeNumber, bool blankZero = true);
// "hh:mm" (any separator) with hours 0..23, minutes 0..59 -> hh*100+mm;
// otherwise 0 (zeroWhenInvalid) or the current time as hhmm.
int textToTimeNumber(const QString& text, bool zeroWhenInvalid = true);
bool isValidTimeText(const QString& text);

} // namespace kv
