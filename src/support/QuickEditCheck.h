#pragma once

#include <QString>

namespace kv {

// The checks of the quick edit window (one odometer reading, one date or a
// date range), run when the user saves. Windowless, so every rule is tested
// without showing anything.

enum class QuickEditField { None, Odometer, Date, DateTo };

struct QuickEditInput {
    bool odometerVisible = false;
    bool dateVisible = false;
    bool dateToVisible = false;
    QString odometer;
    QString date;
    QString dateTo;
};

struct QuickEditOutcome {
    // True when the entries may be saved.
    bool accepted = false;
    // The odometer text to write back into its entry: the number with two
    // decimals, "0" for a text that is not a number. Unchanged when the entry
    // is hidden. Written back whether or not the dates pass.
    QString odometer;
    // The refusal: its caption, message and the entry to put the focus on.
    QString caption;
    QString message;
    QuickEditField focus = QuickEditField::None;
};

QuickEditOutcome checkQuickEdit(const QuickEditInput& input);

} // namespace kv
