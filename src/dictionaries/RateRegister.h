#pragma once

#include "dictionaries/RateForm.h"
#include "framework/EditCycle.h"

#include <QStringList>

namespace kv {

class RegisterController;

// The rates window as the add and edit cycle sees it.
class RateFormView {
public:
    virtual ~RateFormView() = default;
    // labels: the twenty rate fields' labels (named after the vehicle kinds).
    virtual void load(const RateFormValues& values, const QStringList& labels) = 0;
    virtual RateFormValues values() const = 0;
    // Shows the window; true when "&Zapisz" passed the checks.
    virtual bool confirm() = 0;
};

inline const QString kDuplicateRateDateText =
    QStringLiteral("Istnieje już definicja stawek na podaną datę.");

// The rate register's part of the add and edit cycle: one row per starting
// date (a date another row has is refused; an edit that keeps its date is
// not), insert and update, and the cursor on the saved date.
EditSteps rateEditSteps(RegisterController& reg, RateFormView& form,
                        std::function<QStringList()> labels);

} // namespace kv
