#pragma once

#include "framework/Registers.h"

namespace kv {

class RegisterGrid;

// What a register brings to the main window besides its description: its
// edit window behind Add, Copy and Edit, and its read-only preview.
class RegisterModule {
public:
    virtual ~RegisterModule() = default;
    virtual RegisterId id() const = 0;
    // Add; with copyMode the window starts from the current record.
    virtual void add(bool copyMode) = 0;
    virtual void edit() = 0;
    // The edit window in read-only display.
    virtual void preview() = 0;
    // Lists the register's grid or filters need, reloaded when it opens.
    virtual void refreshLookups() {}
    // After a deletion (also when the user declined the question).
    virtual void afterDelete() {}
};

} // namespace kv
