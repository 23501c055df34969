#include "support/Clock.h"

namespace kv {

namespace {
QDateTime& fixedTime() {
    static QDateTime fixed;
    return fixed;
}
} // namespace

QDateTime Clock::now() {
    return fixedTime().isValid() ? fixedTime() : QDateTime::currentDateTime();
}

void Clock::setFixed(const QDateTime& fixed) {
    fixedTime() = fixed;
}

} // namespace kv
