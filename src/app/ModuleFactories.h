#pragma once

#include "framework/gui/RegisterModule.h"

#include <QList>
#include <functional>
#include <memory>

class QWidget;

namespace kv {

class MainWindowServices;
class RegisterController;
class RegisterGrid;
class DataModule;

// What a register module is made with.
struct ModuleContext {
    DataModule& db;
    RegisterController& controller;
    RegisterGrid& grid;
    MainWindowServices& services;
    QWidget* windowParent;
};

struct ModuleFactory {
    RegisterId id;
    std::function<std::unique_ptr<RegisterModule>(ModuleContext&)> make;
};

// The registers available in this version, each with the function that makes
// its module. The main window makes a grid and a module for each.
QList<ModuleFactory> registerModuleFactories();

} // namespace kv
