#pragma once

#include "framework/HandOver.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <functional>
#include <optional>

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
    // The tables the write changes (base names), for a write shared with a
    // hand-over's second record; empty: the register's table.
    std::function<QStringList()> tables;
    // After the checks, before the write: the Add of another register the
    // typed values ask for, to be written with this record (none: empty or
    // nothing). The origin is held unwritten until that window is confirmed.
    std::function<std::optional<HandOverRequest>(bool insert)> handOver;
    // Right after a successful write, before the refresh (hand what was saved
    // on to another table, such as a reading to the odometer history).
    std::function<void(bool insert)> afterWrite;
    // The key of the saved record, to put the cursor on it (empty: stay).
    std::function<QVariantList(bool insert)> savedKey;
    // After a successful save and refresh (rebuild lists that show the
    // register's records elsewhere).
    std::function<void(bool insert)> afterSave;
};

// The checks between a confirmed window and the write: one record per key
// (the message shown) and the confirmation question. False: show the window
// again as typed.
bool acceptTyped(const EditSteps& steps, bool insert);

// Add: the window starts from the defaults, or from the current record in
// copy mode. True when a record was saved. A write that fails is reported
// with the register's code and the window comes back with what was typed, so
// nothing typed is lost; cancelling it then leaves the register as it was.
// With a hand-over asked for, the second register's Add is shown prefilled
// before anything is written; confirmed, both records are written in one
// transaction, and a failure writes neither and shows this window again as
// typed. A cancelled second window, a missing permission or a target this
// version lacks write this record alone; a second record refused by its
// checks (without a window) writes nothing and shows this window again.
bool runAdd(RegisterController& reg, const EditSteps& steps, bool copyMode);
// Edit: nothing on an empty register; otherwise the window starts from the
// current record. True when the record was saved.
bool runEdit(RegisterController& reg, const EditSteps& steps);

} // namespace kv
