#include "fleet/gui/EmployeeModule.h"

#include "app/ModuleFactories.h"
#include "fleet/gui/CompanyDataModule.h"
#include "fleet/gui/EmployeeDialog.h"
#include "framework/RegisterController.h"
#include "framework/gui/RegisterGrid.h"
#include "options/ProgramOptions.h"
#include "storage/Query.h"
#include "support/gui/WindowEditable.h"

namespace kv {

EmployeeModule::EmployeeModule(ModuleContext& c)
    : m_controller(c.controller), m_grid(c.grid),
      m_window(std::make_unique<EmployeeDialog>(c.windowParent)),
      m_companyData(std::make_unique<CompanyDataModule>(c.db, c.services, c.windowParent)) {}

EmployeeModule::~EmployeeModule() = default;

void EmployeeModule::add(bool copyMode) {
    runAdd(m_controller, employeeAddSteps(m_controller, *m_window), copyMode);
    m_grid.showRows();
}

void EmployeeModule::edit() {
    // The option is read each time: the options window may have changed it.
    runEdit(m_controller,
            employeeEditSteps(m_controller, *m_window, programOptions().cbAllowChangeOsobowaNREW));
    m_grid.showRows();
}

void EmployeeModule::preview() {
    if (m_controller.isEmpty() || m_controller.currentRow() < 0)
        return;
    // Every field read-only alike, the number too.
    m_window->load(employeeFromRecord(*m_controller.query().result(), m_controller.currentRow()),
                   true);
    setWindowEditable(m_window.get(), false);
    m_window->confirm();
    setWindowEditable(m_window.get(), true);
}

} // namespace kv
