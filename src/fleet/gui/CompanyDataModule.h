#pragma once

#include "framework/gui/ProgramModule.h"

#include <memory>

class QWidget;

namespace kv {

class MainWindowServices;
class CompanyDataDialog;
class DataModule;

// The "Dane Firmy" button and menu item of the "Słowniki" section: the
// company data window over the company row, editable with permission 23.
class CompanyDataModule : public ProgramModule {
public:
    CompanyDataModule(DataModule& db, MainWindowServices& services, QWidget* windowParent);
    ~CompanyDataModule() override;

    void run();

    CompanyDataDialog& window() const { return *m_window; }

private:
    DataModule& m_db;
    MainWindowServices& m_services;
    std::unique_ptr<CompanyDataDialog> m_window;
};

} // namespace kv
