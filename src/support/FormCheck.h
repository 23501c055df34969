#pragma once

#include <QString>

namespace kv {

// The outcome of an edit window's checks: the first failing check's message
// (shown under "Uwaga") and the field to put the focus on, or success.
struct FormCheck {
    bool ok = true;
    QString field; // objectName of the field at fault
    QString message;
    bool selectAll = false; // select the field's text as well

    static FormCheck pass() { return {}; }
    static FormCheck fail(const QString& field, const QString& message, bool selectAll = false) {
        return {false, field, message, selectAll};
    }
};

} // namespace kv
