#pragma once

#include "framework/gui/FormRegisterModule.h"
#include "fuel/FuelPriceRegister.h"
#include "fuel/gui/FuelPriceDialog.h"

namespace kv {

class MainWindowServices;

// The fuel price register in the main window: its window behind the
// commands, with the fuel kinds and places reached from its "[...]" buttons.
class FuelPriceModule : public FormRegisterModule<FuelPriceFormValues, FuelPriceDialog> {
public:
    explicit FuelPriceModule(ModuleContext& context);

private:
    DataModule& m_db;
    MainWindowServices& m_services;
};

} // namespace kv
