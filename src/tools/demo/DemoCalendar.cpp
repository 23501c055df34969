#include "tools/demo/DemoCalendar.h"

namespace kv::demo {

int dateNumber(const QDate& date) {
    return date.isValid() ? date.year() * 10000 + date.month() * 100 + date.day() : 0;
}

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QDate easterSunday(int year) {
    // Anonymous Gregorian algorithm (Meeus/Jones/Butcher).
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

bool isPublicHoliday(const QDate& date) {
    struct Fixed {
        int month, day;
    };
    static constexpr Fixed fixed[] = {{1, 1},  {1, 6},   {5, 1},   {5, 3},  {8, 15},
                                      {11, 1}, {11, 11}, {12, 25}, {12, 26}};
    for (const Fixed& f : fixed)
        if (date.month() == f.month && date.day() == f.day)
            return true;
    // Christmas Eve is a day off from 2025 on.
    if (date.year() >= 2025 && date.month() == 12 && date.day() == 24)
        return true;
    const QDate easter = easterSunday(date.year());
    return date == easter.addDays(1) || date == easter.addDays(60); // Easter Monday, Corpus Christi
}

bool isWorkingDay(const QDate& date) {
    return date.dayOfWeek() <= 5 && !isPublicHoliday(date);
}

} // namespace kv::demo
