#pragma once

#include "framework/gui/FormRegisterModule.h"
#include "trips/TripRegister.h"
#include "trips/gui/TripDialog.h"

namespace kv {

class MainWindowServices;

// The trips register in the main window: its window behind the commands, with
// the trip purposes and routes reached from the window's "[...]" buttons.
class TripModule : public FormRegisterModule<TripFormValues, TripDialog> {
public:
    explicit TripModule(ModuleContext& context);

private:
    DataModule& m_db;
    MainWindowServices& m_services;
};

} // namespace kv
