#include "costs/gui/OrderModule.h"

#include "framework/gui/MainWindowServices.h"
#include "trips/gui/DistanceDialog.h"
#include "users/Permissions.h"

namespace kv {

template <class Dialog>
WorkModule<Dialog>::WorkModule(ModuleContext& c,
                               RegisterEditing<OrderFormValues> (*editing)(DataModule&))
    : FormRegisterModule<OrderFormValues, Dialog>(
          c.controller, c.grid, [this, editing] { return editing(m_db); }, c.windowParent),
      m_db(c.db), m_services(c.services) {
    Dialog& w = this->window();
    w.editDictionary = [this](const QString& code) {
        if (m_services.openDictionary)
            m_services.openDictionary(code);
        return loadOrderDictionaryLists(m_db);
    };
    w.canEditDictionary = [this] {
        return static_cast<bool>(m_services.openDictionary) &&
               currentLogin().permissions.has(permission::DictionaryRead);
    };
    w.pickDistance = [this, parent = c.windowParent] {
        if (!m_distances)
            m_distances = std::make_unique<DistanceDialog>(m_db, parent);
        return m_distances->pick();
    };
    w.canAddSettlements = [] {
        return currentLogin().permissions.has(kSettlementsWritePermission);
    };
}

template <class Dialog> WorkModule<Dialog>::~WorkModule() = default;

template class WorkModule<OrderDialog>;
template class WorkModule<SettlementDialog>;

std::unique_ptr<RegisterModule> makeOrderModule(ModuleContext& c) {
    return std::make_unique<OrderModule>(c, orderEditing);
}

std::unique_ptr<RegisterModule> makeSettlementModule(ModuleContext& c) {
    return std::make_unique<SettlementModule>(c, settlementEditing);
}

} // namespace kv
