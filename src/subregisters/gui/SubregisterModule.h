#pragma once

#include "framework/gui/FormRegisterModule.h"
#include "framework/gui/MainWindowServices.h"
#include "users/Permissions.h"

namespace kv {

// The documents, equipment and calendar registers in the main window: the
// common form module, with the window's "[...]" buttons opening the
// dictionary window and reading the window's lists again afterwards.
template <class V, class Dialog> class SubregisterModule : public FormRegisterModule<V, Dialog> {
public:
    using EditingOf = RegisterEditing<V> (*)(DataModule&);

    SubregisterModule(ModuleContext& c, EditingOf editing)
        : FormRegisterModule<V, Dialog>(
              c.controller, c.grid, [db = &c.db, editing] { return editing(*db); },
              c.windowParent) {
        DataModule* db = &c.db;
        MainWindowServices* services = &c.services;
        this->window().editDictionary = [db, services, editing](const QString& code) {
            // The dictionary window comes with its own module, which may be made later.
            if (services->openDictionary)
                services->openDictionary(code);
            const RegisterEditing<V> e = editing(*db);
            return e.setup ? e.setup(true).lists : QHash<QString, QList<KeyedItem>>();
        };
        this->window().canEditDictionary = [services] {
            return static_cast<bool>(services->openDictionary) &&
                   currentLogin().permissions.has(permission::DictionaryRead);
        };
    }
};

} // namespace kv
