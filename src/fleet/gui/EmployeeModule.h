#pragma once

#include "framework/gui/RegisterModule.h"

#include <memory>

namespace kv {

class CompanyDataModule;
struct ModuleContext;
class RegisterController;
class RegisterGrid;
class EmployeeDialog;

// The employee register in the main window, with its edit window behind the
// commands. It also keeps the company data command, the other master data of
// the company in the "Słowniki" section, which has no register of its own.
class EmployeeModule : public RegisterModule {
public:
    explicit EmployeeModule(ModuleContext& context);
    ~EmployeeModule() override;

    RegisterId id() const override { return RegisterId::Employees; }
    void add(bool copyMode) override;
    void edit() override;
    void preview() override;

    EmployeeDialog& window() const { return *m_window; }
    CompanyDataModule& companyData() const { return *m_companyData; }

private:
    RegisterController& m_controller;
    RegisterGrid& m_grid;
    std::unique_ptr<EmployeeDialog> m_window;
    std::unique_ptr<CompanyDataModule> m_companyData;
};

} // namespace kv
