#include "charts/ChartAxis.h"

namespace kv {

int daysInMonth(int year, int month) {
    static const int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

int ChartPeriod::firstDate() const {
    return year * 10000 + (isMonth() ? month : 1) * 100 + 1;
}

int ChartPeriod::lastDate() const {
    if (isMonth())
        return year * 10000 + month * 100 + daysInMonth(year, month);
    return year * 10000 + 1231;
}

ChartXAxis chartXAxis(const ChartPeriod& period) {
    if (!period.isMonth())
        return {};
    const int length = daysInMonth(period.year, period.month);
    return {1, double(length), length};
}

double chartX(const ChartPeriod& period, int dateNumber) {
    const int day = dateNumber % 100;
    if (period.isMonth())
        return day;
    const int month = dateNumber / 100 % 100;
    const int divisor = month == 12 ? kDecemberDivisor : daysInMonth(dateNumber / 10000, month);
    return month + double(day - 1) / divisor;
}

} // namespace kv
