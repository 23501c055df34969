#pragma once

#include "costs/OrderRegister.h"
#include "costs/gui/OrderDialog.h"
#include "framework/gui/FormRegisterModule.h"

namespace kv {

class DistanceDialog;
class MainWindowServices;

// The orders or the settlements register in the main window: the window
// behind the commands, its "[...]" buttons reaching the dictionary window,
// the distance table as the route's picker.
template <class Dialog> class WorkModule : public FormRegisterModule<OrderFormValues, Dialog> {
public:
    WorkModule(ModuleContext& context, RegisterEditing<OrderFormValues> (*editing)(DataModule&));
    ~WorkModule() override;

private:
    DataModule& m_db;
    MainWindowServices& m_services;
    std::unique_ptr<DistanceDialog> m_distances;
};

using OrderModule = WorkModule<OrderDialog>;
using SettlementModule = WorkModule<SettlementDialog>;

std::unique_ptr<RegisterModule> makeOrderModule(ModuleContext& context);
std::unique_ptr<RegisterModule> makeSettlementModule(ModuleContext& context);

} // namespace kv
