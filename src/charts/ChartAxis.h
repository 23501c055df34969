#pragma once

namespace kv {

// The period a chart shows: one month of a year, or the whole year (month 0).
struct ChartPeriod {
    int year = 0;
    int month = 0;

    bool isMonth() const { return month >= 1 && month <= 12; }
    // Date numbers of the first and the last day.
    int firstDate() const;
    int lastDate() const;
};

// The number of days of a month, leap years by the Gregorian rule.
int daysInMonth(int year, int month);

// The horizontal axis: a month runs from 1 to its length with a tick per
// day; a year from 1 to 12.9 with a tick per month, so that December's days
// have room right of the 12.
struct ChartXAxis {
    double minimum = 1;
    double maximum = 12.9;
    int ticks = 12;
};
ChartXAxis chartXAxis(const ChartPeriod& period);

// Where a date lies on the axis: in a month its day; in a year the month plus
// (day - 1) / the month's length. December takes 1/34 a day for all its days
// (31 December at 12 + 30/34, inside the axis): taking it only from the 28th
// would put the 28th left of the 27th and draw the line backwards.
double chartX(const ChartPeriod& period, int dateNumber);
inline constexpr int kDecemberDivisor = 34;

} // namespace kv
