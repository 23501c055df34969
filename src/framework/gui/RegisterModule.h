#pragma once

#include "framework/RecordCard.h"
#include "framework/Registers.h"
#include "framework/gui/ProgramModule.h"

#include <optional>

namespace kv {

class RegisterController;
class RegisterGrid;

// What a register module is made with: the program's context and the
// register's controller and grid.
struct ModuleContext : ProgramContext {
    RegisterController& controller;
    RegisterGrid& grid;
};

// What a register brings to the main window besides its descriptor: its edit
// window behind Add, Copy and Edit, its read-only preview, and optionally a
// panel of its own filters above the grid.
class RegisterModule : public ProgramModule {
public:
    RegisterModule(RegisterController& controller, RegisterGrid& grid)
        : m_controller(controller), m_grid(grid) {}

    RegisterId id() const;
    RegisterController& controller() const { return m_controller; }
    RegisterGrid& grid() const { return m_grid; }

    // Add; with copyMode the window starts from the current record.
    virtual void add(bool copyMode) = 0;
    virtual void edit() = 0;
    // The edit window in read-only display.
    virtual void preview() = 0;
    // The printed card of the current record ("Drukuj"); nothing for an empty
    // register or one without a card.
    virtual std::optional<RecordCardText> recordCard() { return std::nullopt; }
    // Lists the register's grid or filters need, reloaded when it opens.
    virtual void refreshLookups() {}
    // After a deletion (also when the user declined the question).
    virtual void afterDelete() {}
    // A panel of the register's own filters, shown above its grid (the main
    // window takes ownership); null for none.
    virtual QWidget* createFilterPanel() { return nullptr; }

private:
    RegisterController& m_controller;
    RegisterGrid& m_grid;
};

} // namespace kv
