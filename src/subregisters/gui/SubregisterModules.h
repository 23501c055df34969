#pragma once

#include "framework/gui/FormRegisterModule.h"
#include "subregisters/RepairRegister.h"
#include "subregisters/TyreRegister.h"
#include "subregisters/gui/RepairDialog.h"
#include "subregisters/gui/TyreDialog.h"

namespace kv {

class MainWindowServices;

// The repairs register in the main window: its window, with the repair
// kinds reached from the window's "[...]" button.
class RepairModule : public FormRegisterModule<RepairFormValues, RepairDialog> {
public:
    explicit RepairModule(ModuleContext& context);

private:
    DataModule& m_db;
    MainWindowServices& m_services;
};

// The tyres register in the main window, with the tyre kinds and sizes
// reached from the window's "[...]" buttons.
class TyreModule : public FormRegisterModule<TyreFormValues, TyreDialog> {
public:
    explicit TyreModule(ModuleContext& context);

private:
    DataModule& m_db;
    MainWindowServices& m_services;
};

} // namespace kv
