#pragma once

#include <QDate>
#include <QDateTime>

namespace kv {

// The one source of "now" and "today" in the program. Tests pin it so that
// deadlines, backups and reminders can be checked on fixed dates.
class Clock {
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    // Pins the clock; an invalid date-time returns it to the system clock.
    static void setFixed(const QDateTime& fixed);
};

} // namespace kv
