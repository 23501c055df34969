#pragma once

#include <QDate>
#include <QString>

namespace kv::demo {

// yyyymmdd, the form every date column stores.
int dateNumber(const QDate& date);
// "dd.mm.yyyy", the date text of the reminder notes.
QString dateText(const QDate& date);

QDate easterSunday(int year);
// Statutory days off in Poland (the Sundays among them aside).
bool isPublicHoliday(const QDate& date);
// Monday to Friday and not a public holiday: the days the company's vehicles work.
bool isWorkingDay(const QDate& date);

} // namespace kv::demo
