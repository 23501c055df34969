#pragma once

#include "fleet/VehicleRegister.h"
#include "framework/gui/RegisterModule.h"

#include <QObject>
#include <functional>
#include <memory>

class QWidget;

namespace kv {

class RegisterController;
class RegisterGrid;
class VehicleDialog;

// The vehicle register in the main window: its edit window behind the
// commands, and the vehicle selector rebuilt after every change.
class VehicleModule : public RegisterModule {
public:
    struct Host {
        // Rebuilds the vehicle selector; true: back to all vehicles.
        std::function<void(bool toAllVehicles)> rebuildVehicleSelector;
        // The company's name, first in the owner list.
        std::function<QString()> companyName;
        // Reloads the fleet numbers of the register's filter panel.
        std::function<void()> refreshFilterLists;
        // Opens the dictionary window on the fleet numbers, and whether the
        // user may (the "[...]" button shows only then).
        std::function<void()> editFleetDictionary;
        std::function<bool()> canEditDictionary;
    };

    VehicleModule(RegisterController& controller, RegisterGrid& grid, Host host,
                  QWidget* windowParent);
    ~VehicleModule() override;

    RegisterId id() const override { return RegisterId::Vehicles; }
    void add(bool copyMode) override;
    void edit() override;
    void preview() override;
    void afterDelete() override;
    void refreshLookups() override;

    VehicleDialog& window() const { return *m_window; }

private:
    EditSteps steps();
    VehicleLists lists() const;

    RegisterController& m_controller;
    RegisterGrid& m_grid;
    Host m_host;
    std::unique_ptr<VehicleDialog> m_window;
};

} // namespace kv
