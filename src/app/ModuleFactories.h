#pragma once

#include "app/SectionPages.h"
#include "framework/gui/RegisterModule.h"

#include <QList>
#include <functional>
#include <memory>

namespace kv {

struct ModuleFactory {
    RegisterId id;
    std::function<std::unique_ptr<RegisterModule>(ModuleContext&)> make;
};

struct ProgramModuleFactory {
    std::function<std::unique_ptr<ProgramModule>(ProgramContext&)> make;
};

// The registers available in this version, each with the function that makes
// its module. The main window makes a grid and a module for each.
QList<ModuleFactory> registerModuleFactories();
// The other modules: section commands and the features without a register.
QList<ProgramModuleFactory> programModuleFactories();
// The register-column buttons that are not registers. Their modules attach
// the commands (MainWindowServices::addSectionCommand); until then they stay off.
QList<SectionCommandInfo> sectionCommands();

} // namespace kv
