#pragma once

#include "dictionaries/RateRegister.h"
#include "dictionaries/gui/RateDialog.h"
#include "framework/gui/FormRegisterModule.h"

#include <QStringList>
#include <memory>

class QWidget;

namespace kv {

class MainWindowServices;
class DictionaryWindow;

// The "Słowniki" section's own part: the allowance rate register behind the
// record commands (its window RateDialog, its column titles named after the
// vehicle kinds), and the dictionary window reached by the "Biblioteka"
// button, its menu item and the "[...]" buttons of the edit windows.
class DictionaryModule : public FormRegisterModule<RateFormValues, RateDialog> {
public:
    DictionaryModule(RegisterController& controller, RegisterGrid& grid,
                     MainWindowServices& services, QWidget* windowParent);
    ~DictionaryModule() override;

    // Each time the register opens: the rate columns and the window's labels
    // take the vehicle kinds' names.
    void refreshLookups() override;

    // The dictionary window on one list (by list code; an unknown code opens
    // the first list).
    void openDictionary(const QString& code);

    DictionaryWindow& dictionaryWindow() const { return *m_dictionary; }

private:
    std::unique_ptr<DictionaryWindow> m_dictionary;
    QStringList m_labels;
};

} // namespace kv
