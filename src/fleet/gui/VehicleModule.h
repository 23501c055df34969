#pragma once

#include "fleet/VehicleRegister.h"
#include "fleet/gui/VehicleDialog.h"
#include "framework/gui/FormRegisterModule.h"

#include <QPointer>

namespace kv {

class MainWindowServices;
class VehicleFilterPanel;

// The vehicle register in the main window: its window behind the commands,
// the vehicle selector rebuilt after every change, the fleet dictionary
// reached from the window, and the status and fleet filters above the grid.
class VehicleModule : public FormRegisterModule<VehicleFormValues, VehicleDialog> {
public:
    explicit VehicleModule(ModuleContext& context);

    void afterDelete() override;
    void refreshLookups() override;
    QWidget* createFilterPanel() override;

private:
    VehicleLists lists() const;

    DataModule& m_db;
    MainWindowServices& m_services;
    QPointer<VehicleFilterPanel> m_panel;
};

} // namespace kv
