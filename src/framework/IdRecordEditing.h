#pragma once

#include "framework/RecordDefaults.h"
#include "framework/RegisterEditing.h"

#include <functional>

namespace kv {

class DataModule;

// The add and edit cycle of a register whose records the table numbers
// itself (repairs, damages, tyres, the warehouse ...): the common steps of
// registerEditSteps (the write, the id the insert answers, the cursor on it),
// plus what these registers repeat: a reading copied into the odometer
// history after each write, and a window box that hands the record on to
// another register's Add.
template <class V> struct IdRecordRules {
    // Fields, card, defaults, lists, uniqueness, confirmation: as any register.
    RegisterEditing<V> base;

    // Right after every write: hand the saved reading on (the odometer
    // history's copy, which logs its own failures; the save stands).
    std::function<void(DataModule&, const V& saved)> copyReading;

    // The hand-over box: its member in V (cleared whenever the window is
    // filled, so an edit or a copy never books the target's record again
    // unless ticked anew), the request it makes, and whether the user may
    // tick it (the target's write permission; without it the box is never
    // offered and a ticked value is ignored).
    bool V::*handOn = nullptr;
    std::function<HandOverRequest(const V&)> request;
    std::function<bool()> permitted;
};

template <class V> RegisterEditing<V> idRecordEditing(DataModule& db, IdRecordRules<V> rules) {
    RegisterEditing<V> e = std::move(rules.base);
    bool V::*handOn = rules.handOn;
    if (handOn) {
        e.defaults = [defaults = e.defaults, handOn] {
            V v = defaults ? defaults() : V{};
            v.*handOn = false;
            return v;
        };
        e.setup = [setup = e.setup, permitted = rules.permitted](bool adding) {
            FormSetup s = setup ? setup(adding) : FormSetup{};
            s.handOverOffered = !permitted || permitted();
            return s;
        };
        if (rules.request)
            e.handOver = [handOn, request = rules.request, permitted = rules.permitted](
                             const V& typed, bool) -> std::optional<HandOverRequest> {
                if (!(typed.*handOn) || (permitted && !permitted()))
                    return std::nullopt;
                HandOverRequest r = request(typed);
                if (!r.allowed)
                    r.allowed = permitted;
                return r;
            };
    }
    if (rules.copyReading) {
        DataModule* data = &db;
        e.afterWrite = [after = e.afterWrite, copy = rules.copyReading,
                        data](RegisterController& reg, const V& saved, bool insert) {
            if (after)
                after(reg, saved, insert);
            copy(*data, saved);
        };
    }
    return e;
}

} // namespace kv
