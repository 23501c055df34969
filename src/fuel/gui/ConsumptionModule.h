#pragma once

#include "framework/gui/RegisterModule.h"
#include "fuel/gui/RefuellingDialog.h"

#include <memory>

class QComboBox;
class QLabel;

namespace kv {

// A consumption register in the main window (one module for the three): its
// refuelling window behind the commands, and above its grid the fuel kind
// selector with the vehicle, its norm, the average and the period.
class ConsumptionModule : public RegisterModule {
public:
    explicit ConsumptionModule(ModuleContext& context);
    ~ConsumptionModule() override;

    void add(bool copyMode) override;
    void edit() override;
    void preview() override;
    QWidget* createFilterPanel() override;

    RefuellingDialog& window() const { return *m_window; }

private:
    void fuelChosen(int index);
    void showLabels();

    DataModule& m_db;
    std::unique_ptr<RefuellingDialog> m_window;
    QComboBox* m_fuel = nullptr;
    QLabel* m_vehicle = nullptr;
    QLabel* m_norm = nullptr;
    QLabel* m_average = nullptr;
    QLabel* m_period = nullptr;
};

} // namespace kv
