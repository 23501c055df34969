#pragma once

#include "framework/gui/RegisterModule.h"

#include <QStringList>
#include <memory>

class QWidget;

namespace kv {

class MainWindowServices;
class RegisterController;
class RegisterGrid;
class DictionaryWindow;
class RateDialog;

// The "Słowniki" section's own part: the allowance rate register behind the
// record commands (its window RateDialog, its column titles named after the
// vehicle kinds), and the dictionary window reached by the "Biblioteka"
// button, its menu item and the "[...]" buttons of the edit windows.
class DictionaryModule : public RegisterModule {
public:
    DictionaryModule(RegisterController& controller, RegisterGrid& grid,
                     MainWindowServices& services, QWidget* windowParent);
    ~DictionaryModule() override;

    RegisterId id() const override { return RegisterId::Rates; }
    void add(bool copyMode) override;
    void edit() override;
    void preview() override;
    // Each time the register opens: the rate columns and the window's labels
    // take the vehicle kinds' names.
    void refreshLookups() override;

    // The dictionary window on one list (by list code; an unknown code opens
    // the first list).
    void openDictionary(const QString& code);

    RateDialog& rateWindow() const { return *m_rates; }
    DictionaryWindow& dictionaryWindow() const { return *m_dictionary; }

private:
    RegisterController& m_controller;
    RegisterGrid& m_grid;
    std::unique_ptr<RateDialog> m_rates;
    std::unique_ptr<DictionaryWindow> m_dictionary;
    QStringList m_labels;
};

} // namespace kv
