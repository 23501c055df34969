#include "support/DateNumbers.h"

#include "support/Clock.h"
#include "support/TextFunctions.h"

#include <QLocale>
#include <QTime>
#include <optional>

namespace kv {

namespace {

constexpr int kMinimumDateNumber = 10000000;
constexpr int kMaximumDateNumber = 99999999;

struct DateParts {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Day, month and year digits of a ten-character date text; the characters
// between them are not looked at, so any separator is accepted.
std::optional<DateParts> datePartsOf(const QString& text) {
    if (text.size() != 10)
        return std::nullopt;
    const QString day = text.mid(0, 2);
    const QString month = text.mid(3, 2);
    const QString year = text.mid(6, 4);
    if (!isNumericText(day) || !isNumericText(month) || !isNumericText(year))
        return std::nullopt;
    return DateParts{year.toInt(), month.toInt(), day.toInt()};
}

bool isEightDigitNumber(qint64 dateNumber) {
    return dateNumber >= kMinimumDateNumber && dateNumber <= kMaximumDateNumber;
}

QDate dateOfNumber(qint64 dateNumber) {
    if (!isEightDigitNumber(dateNumber))
        return {};
    const int n = static_cast<int>(dateNumber);
    return QDate(n / 10000, n / 100 % 100, n % 100);
}

int timeNumberOf(const QTime& time) {
    return time.hour() * 100 + time.minute();
}

} // namespace

QChar dateSeparator() {
    // The first character of the short date format that is not a field letter,
    // a blank or a quote: "." for "dd.MM.yyyy", "-" for "yyyy-MM-dd".
    const QString format = QLocale().dateFormat(QLocale::ShortFormat);
    for (const QChar c : format)
        if (!c.isLetter() && !c.isSpace() && c != u'\'')
            return c;
    return u'-';
}

QString blankDateText() {
    const QChar separator = dateSeparator();
    return QStringLiteral("  ") + separator + QStringLiteral("  ") + separator +
           QStringLiteral("    ");
}

QString blankTimeText() {
    return QStringLiteral("  :  ");
}

QString dateNumberToText(qint64 dateNumber, bool blankWhenInvalid) {
    if (!isEightDigitNumber(dateNumber))
        return blankWhenInvalid ? QString() : dateToText(Clock::today());
    const QString digits = QString::number(dateNumber);
    const QChar separator = dateSeparator();
    return digits.mid(6, 2) + separator + digits.mid(4, 2) + separator + digits.left(4);
}

int textToDateNumber(const QString& text, bool zeroWhenInvalid) {
    const std::optional<DateParts> parts = datePartsOf(text);
    if (!parts)
        return zeroWhenInvalid ? 0 : dateToDateNumber(Clock::today());
    return parts->year * 10000 + parts->month * 100 + parts->day;
}

bool isValidDateText(const QString& text) {
    return isValidDateText(text, 1900);
}

bool isValidDateText(const QString& text, int minimumYear) {
    const std::optional<DateParts> parts = datePartsOf(text);
    return parts && parts->year >= minimumYear && parts->month >= 1 && parts->month <= 12 &&
           parts->day >= 1 && parts->day <= 31;
}

QDate textToDate(const QString& text) {
    if (!isValidDateText(text))
        return Clock::today();
    const DateParts parts = *datePartsOf(text);
    const QDate date(parts.year, parts.month, parts.day);
    return date.isValid() ? date : Clock::today();
}

QString dateToText(const QDate& date) {
    return dateNumberToText(dateToDateNumber(date));
}

int dateToDateNumber(const QDate& date) {
    if (!date.isValid())
        return 0;
    return date.year() * 10000 + date.month() * 100 + date.day();
}

int addDaysToDateNumber(qint64 dateNumber, int days) {
    QDate date = dateOfNumber(dateNumber);
    if (!date.isValid())
        date = Clock::today();
    return dateToDateNumber(date.addDays(days));
}

QString timeNumberToText(qint64 timeNumber, bool blankZero) {
    // A negative number is no time of day; it is shown like the empty time.
    if (timeNumber < 0)
        timeNumber = 0;
    if (timeNumber == 0 && blankZero)
        return QString(9, u' ');
    const QString digits = QString::number(timeNumber).rightJustified(4, u'0');
    return digits.left(2) + u':' + digits.mid(2, 2);
}

int textToTimeNumber(const QString& text, bool zeroWhenInvalid) {
    if (!isValidTimeText(text))
        return zeroWhenInvalid ? 0 : timeNumberOf(Clock::now().time());
    return text.left(2).toInt() * 100 + text.mid(3, 2).toInt();
}

bool isValidTimeText(const QString& text) {
    if (text.size() != 5)
        return false;
    const QString hours = text.left(2);
    const QString minutes = text.mid(3, 2);
    return isNumericText(hours) && isNumericText(minutes) && hours.toInt() <= 23 &&
           minutes.toInt() <= 59;
}

bool isCalendarDateText(const QString& text) {
    if (!isValidDateText(text))
        return false;
    const int number = textToDateNumber(text);
    return QDate(number / 10000, number / 100 % 100, number % 100).isValid();
}

bool isBlankDateText(const QString& text) {
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            return false;
    return true;
}

} // namespace kv
