#include "support/TVxUtilities.h"

#include "support/DateNumbers.h"

#include <QDate>
#include <array>

namespace kv {

namespace {

const std::array<QString, 12>& monthNames() {
    static const std::array<QString, 12> names = {
        QStringLiteral("Styczeń"),     QStringLiteral("Luty"),     QStringLiteral("Marzec"),
        QStringLiteral("Kwiecień"),    QStringLiteral("Maj"),      QStringLiteral("Czerwiec"),
        QStringLiteral("Lipiec"),      QStringLiteral("Sierpień"), QStringLiteral("Wrzesień"),
        QStringLiteral("Październik"), QStringLiteral("Listopad"), QStringLiteral("Grudzień")};
    return names;
}

const std::array<QString, 10>& digitWords() {
    static const std::array<QString, 10> words = {
        QStringLiteral("ZER"), QStringLiteral("JED"), QStringLiteral("DWA"), QStringLiteral("TRZ"),
        QStringLiteral("CZT"), QStringLiteral("PIĘ"), QStringLiteral("SZE"), QStringLiteral("SIE"),
        QStringLiteral("OSI"), QStringLiteral("DZI")};
    return words;
}

QDate realDate(qint64 dateNumber) {
    if (dateNumber < 10000000 || dateNumber > 99999999)
        return {};
    const int n = static_cast<int>(dateNumber);
    return QDate(n / 10000, n / 100 % 100, n % 100);
}

} // namespace

const TVxUtilities& TVxUtilities::instance() {
    static const TVxUtilities utilities;
    return utilities;
}

QString TVxUtilities::blankTimeText() const {
    return kv::blankTimeText();
}

QString TVxUtilities::blankDateText() const {
    return kv::blankDateText();
}

QString TVxUtilities::dateFormat() const {
    const QChar separator = dateSeparator();
    return QStringLiteral("dd") + separator + QStringLiteral("MM") + separator +
           QStringLiteral("yyyy");
}

QString TVxUtilities::monthName(int month) const {
    return month >= 1 && month <= 12 ? monthNames()[month - 1] : QString();
}

QString TVxUtilities::digitWord(int digit) const {
    return digit >= 0 && digit <= 9 ? digitWords()[digit] : QString();
}

QStringList TVxUtilities::splitText(const QString& text, QChar separator) const {
    QStringList parts;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0; at = text.indexOf(separator, start)) {
        parts.append(text.mid(start, at - start));
        start = at + 1;
    }
    if (start < text.size())
        parts.append(text.mid(start));
    return parts;
}

bool TVxUtilities::isValidDate(const QString& text) const {
    return isValidDateText(text, 1000);
}

QString TVxUtilities::dateNumberToText(qint64 dateNumber) const {
    return kv::dateNumberToText(dateNumber, true);
}

int TVxUtilities::dayOf(qint64 dateNumber) const {
    const QDate date = realDate(dateNumber);
    return date.isValid() ? date.day() : 1;
}

int TVxUtilities::monthOf(qint64 dateNumber) const {
    const QDate date = realDate(dateNumber);
    return date.isValid() ? date.month() : 1;
}

int TVxUtilities::yearOf(qint64 dateNumber) const {
    const QDate date = realDate(dateNumber);
    return date.isValid() ? date.year() : 1;
}

int TVxUtilities::daysInMonth(int month, int year) const {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace kv
