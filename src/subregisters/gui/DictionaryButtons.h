#pragma once

#include "framework/gui/FormFields.h"

#include <QToolButton>
#include <functional>
#include <initializer_list>

namespace kv {

// The "[...]" buttons of the sub-register windows, which open a dictionary
// from the window and read the window's lists again afterwards.

using DictionaryEditor = std::function<QHash<QString, QList<KeyedItem>>(const QString& code)>;

// Opens the dictionary `code` and reads the window's lists again; what is
// chosen and typed so far stays.
template <typename Dialog, typename Fields>
void editDictionaryKeepingTyped(Dialog* dialog, const Fields& fields, const DictionaryEditor& edit,
                                const QString& code) {
    if (!edit)
        return;
    const auto typed = dialog->values();
    FormSetup setup;
    setup.lists = edit(code);
    loadFields(dialog, fields, typed, setup);
}

// A button shows only where the module can open the dictionary, enabled
// with the right to edit it.
inline void showDictionaryButtons(std::initializer_list<QToolButton*> buttons, bool available,
                                  bool allowed) {
    for (QToolButton* b : buttons) {
        if (!available)
            b->hide();
        b->setEnabled(allowed);
    }
}

} // namespace kv
