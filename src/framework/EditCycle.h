#pragma once

#include <QString>
#include <QVariantList>
#include <functional>

namespace kv {

class RegisterController;

// What one register brings to the common add and edit cycle; the cycle itself
// (window shown again after a refused uniqueness check, a declined
// confirmation or a failed write; write, refresh, cursor on the saved row,
// error codes) is the same for every register.
struct EditSteps {
    // Fills the edit window: from the current record, or with the defaults.
    std::function<void(bool fromCurrentRecord)> fill;
    // Shows the window modally; true when it was confirmed.
    std::function<bool()> show;

    // Uniqueness: the key as typed, and whether a record with it exists. Left
    // empty for registers without a uniqueness check.
    std::function<QString()> typedKey;
    std::function<QString()> currentKey; // the current record's key (edit)
    std::function<bool(const QString&)> keyExists;
    // Whether two keys are the same (empty: equal texts).
    std::function<bool(const QString&, const QString&)> sameKey;
    QString duplicateMessage;

    // After the uniqueness check, before the write: whether to save what was
    // typed after all (a question about values that pass the window's checks
    // but look wrong). False shows the window again as typed. Empty: save.
    std::function<bool(bool insert)> confirmSave;

    // Writes the record (throws DatabaseError); insert or update.
    std::function<void(bool insert)> write;
    // Right after a successful write, before the refresh (hand what was saved
    // on to another table, such as a reading to the odometer history).
    std::function<void(bool insert)> afterWrite;
    // The key of the saved record, to put the cursor on it (empty: stay).
    std::function<QVariantList(bool insert)> savedKey;
    // After a successful save and refresh (rebuild lists that show the
    // register's records elsewhere).
    std::function<void(bool insert)> afterSave;
};

// Add: the window starts from the defaults, or from the current record in
// copy mode. True when a record was saved. A write that fails is reported
// with the register's code and the window comes back with what was typed, so
// nothing typed is lost; cancelling it then leaves the register as it was.
bool runAdd(RegisterController& reg, const EditSteps& steps, bool copyMode);
// Edit: nothing on an empty register; otherwise the window starts from the
// current record. True when the record was saved.
bool runEdit(RegisterController& reg, const EditSteps& steps);

} // namespace kv
