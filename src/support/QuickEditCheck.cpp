#include "support/QuickEditCheck.h"

#include "support/DateNumbers.h"
#include "support/Numbers.h"

#include <QDate>

namespace kv {

namespace {

const QString kCaption = QStringLiteral("Uwaga");

QuickEditOutcome refused(QuickEditOutcome outcome, const QString& message, QuickEditField focus) {
    outcome.accepted = false;
    outcome.caption = kCaption;
    outcome.message = message;
    outcome.focus = focus;
    return outcome;
}

} // namespace

QuickEditOutcome checkQuickEdit(const QuickEditInput& input) {
    QuickEditOutcome outcome;
    outcome.odometer = input.odometer;
    if (input.odometerVisible) {
        const std::optional<double> reading = parseNumber(input.odometer);
        outcome.odometer = reading ? formatNumber(*reading, 2) : QStringLiteral("0");
    }

    if (input.dateVisible && !isCalendarDateText(input.date))
        return refused(outcome, QStringLiteral("Niepoprawny format daty. Popraw pole."),
                       QuickEditField::Date);

    if (input.dateToVisible) {
        if (!isCalendarDateText(input.dateTo))
            return refused(outcome, QStringLiteral("Niepoprawny format daty do. Popraw pole"),
                           QuickEditField::DateTo);
        // The range is only compared against a "from" date the user can see;
        // a hidden entry holds nothing the user chose.
        if (input.dateVisible && textToDateNumber(input.dateTo) < textToDateNumber(input.date))
            return refused(outcome, QStringLiteral("Data od większa niż data do. Popraw pola."),
                           QuickEditField::Date);
    }

    outcome.accepted = true;
    return outcome;
}

} // namespace kv
