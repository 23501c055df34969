#pragma once

#include "framework/Registers.h"

class QWidget;

namespace kv {

class DataModule;
class MainWindowServices;

// What a module is made with.
struct ProgramContext {
    DataModule& db;
    MainWindowServices& services;
    QWidget* windowParent;
};

// What a feature brings to the main window's life besides its commands. The
// main window calls every module in the module list's order.
class ProgramModule {
public:
    virtual ~ProgramModule() = default;
    // After a login, once the company header shows: the start sequence's end.
    virtual void afterLogin() {}
    // After the window's first paint that follows a login: the welcome steps.
    virtual void welcome() {}
    // Before a log-out and before the program closes.
    virtual void beforeLogout() {}
    // A section was opened (its lists may want reading again).
    virtual void sectionOpened(Section /*section*/) {}
    // The vehicle, month, year or date-range filter changed.
    virtual void filtersChanged() {}
};

} // namespace kv
