#pragma once

#include "framework/FormView.h"
#include "framework/Registers.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <typeindex>

namespace kv {

class DataModule;
class RegisterController;

// A hand-over: a record typed in one register (the origin) opens the Add of
// another register (the target) prefilled from it, and the two are written
// together. The origin says which target it asks for by name and what it
// hands over as named texts; each target register installs, under its name,
// how it fills its window from them. No feature folder includes another.

// What the origin hands over: its kind ("refuelling", "repair", "cost" ...)
// and its values by column, as its window shows them.
struct HandOverRecord {
    QString origin;
    QHash<QString, QString> values;

    QString value(const QString& column) const { return values.value(column); }
};

struct HandOverRequest {
    QString target; // the name the target register installed
    HandOverRecord record;
    // Whether the logged-in user may add to the target (empty: yes); without
    // it the refusal is shown under "Informacja" and the origin is written
    // alone.
    std::function<bool()> allowed;
    QString refusal;
};

// How the second record came out of its window (or, without a window, its
// checks).
enum class SecondOutcome {
    Confirmed,
    Cancelled, // the origin is written alone
    Refused,   // its checks refused it: nothing is written
};

// The target's record of one hand-over, type-erased for the edit cycle.
class HandOverSide {
public:
    virtual ~HandOverSide() = default;
    virtual RegisterId registerId() const = 0;
    // Shows the prefilled window (once; a refused uniqueness check or a
    // declined question shows it again, as in every Add).
    virtual SecondOutcome show() = 0;
    // The tables its write changes (base names).
    virtual QStringList tables() const = 0;
    // Writes the record; the edit cycle runs it inside the transaction that
    // writes the origin. Throws DatabaseError.
    virtual void write() = 0;
    // After the transaction: the work after its write (odometer copy), its
    // register refreshed and the cursor on the record.
    virtual void finish() = 0;
};

struct HandOverTarget {
    RegisterId registerId;
    // Opens the target's side: what the window is prefilled with and how it
    // is written (see installFormHandOverTarget).
    std::function<std::unique_ptr<HandOverSide>(DataModule&, const HandOverRecord&)> open;
};

// Targets by name (the base name of the target's table: "koszty",
// "zuzyciekm"), installed once per run.
void installHandOverTarget(const QString& name, HandOverTarget target);
void removeHandOverTarget(const QString& name);
const HandOverTarget* handOverTarget(const QString& name);

// What the program around the registers does after a hand-over: show the
// target register (the main window opens its tab). Empty without a window.
std::function<void(RegisterId)>& handOverShowRegister();

// The edit windows the second record is typed in, by register: the program
// registers each register's window; without one (the command-line tool,
// tests) the prefilled record is checked instead of shown.
namespace detail {
void setHandOverWindow(RegisterId id, std::type_index type, void* window);
void* handOverWindow(RegisterId id, std::type_index type);
} // namespace detail
template <class V> void setHandOverWindow(RegisterId id, FormView<V>* window) {
    detail::setHandOverWindow(id, std::type_index(typeid(V)), window);
}
template <class V> FormView<V>* handOverWindow(RegisterId id) {
    return static_cast<FormView<V>*>(detail::handOverWindow(id, std::type_index(typeid(V))));
}

// Runs a hand-over the origin asked for, up to the second record's window:
// an unknown target gives nothing (the origin alone), so does a user without
// the permission (after the message) and a cancelled window. A refused
// record gives Refused.
struct OpenedHandOver {
    SecondOutcome outcome = SecondOutcome::Cancelled;
    std::unique_ptr<HandOverSide> side; // set when confirmed
};
OpenedHandOver openHandOver(DataModule& db, const HandOverRequest& request);

} // namespace kv
