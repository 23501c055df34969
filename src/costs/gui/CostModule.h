#pragma once

#include "costs/CostRegister.h"
#include "costs/gui/CostDialog.h"
#include "framework/gui/FormRegisterModule.h"

#include <QPointer>

namespace kv {

class CostFilterPanel;
class MainWindowServices;

// The costs register in the main window: its window behind the commands,
// the expense kinds reached from the window's "[...]" button, and the cost
// filters above the grid.
class CostModule : public FormRegisterModule<CostFormValues, CostDialog> {
public:
    explicit CostModule(ModuleContext& context);

    void refreshLookups() override;
    QWidget* createFilterPanel() override;

private:
    DataModule& m_db;
    MainWindowServices& m_services;
    QPointer<CostFilterPanel> m_panel;
};

} // namespace kv
