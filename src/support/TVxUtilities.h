#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// The shared utility object: the program's month names and digit words, the
// empty date and time texts, text splitting and date-number arithmetic. The
// texts that depend on the date separator follow the current locale.
// (Mouse-wheel handling of grids lives with the windows: gui/GridWheelHandler.)
class TVxUtilities {
public:
    static const TVxUtilities& instance();

    QString blankTimeText() const;
    QString blankDateText() const;
    // "dd", separator, "MM", separator, "yyyy" as a QDate format.
    QString dateFormat() const;

    // "Styczeń" ... "Grudzień" for 1 to 12; an empty text otherwise.
    QString monthName(int month) const;
    // "ZER" ... "DZI" for 0 to 9; an empty text otherwise.
    QString digitWord(int digit) const;

    // Splits at every separator: the part before each one is kept (also when
    // empty), and a non-empty rest is added at the end, so "a,,b" gives
    // a, "", b; "a,b," gives a, b; ",a" gives "", a.
    QStringList splitText(const QString& text, QChar separator) const;

    // As isValidDateText, with years from 1000 on.
    bool isValidDate(const QString& text) const;
    QString dateNumberToText(qint64 dateNumber) const;
    // Parts of a date number; 1 when the number is not a real date.
    int dayOf(qint64 dateNumber) const;
    int monthOf(qint64 dateNumber) const;
    int yearOf(qint64 dateNumber) const;
    // Gregorian calendar; 0 for a month outside 1 to 12.
    int daysInMonth(int month, int year) const;

private:
    TVxUtilities() = default;
};

} // namespace kv
