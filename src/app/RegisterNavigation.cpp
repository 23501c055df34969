// Registers and modules in the main window: setting them up, opening them,
// the record commands acting on the one on screen, and the permissions that
// enable all of it.
#include "app/MainWindow.h"

#include "app/CommandRow.h"
#include "app/FilterRow.h"
#include "app/MainMenu.h"
#include "app/ModuleFactories.h"
#include "app/PermissionView.h"
#include "framework/HandOver.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/RegisterStates.h"
#include "framework/RegisterSums.h"
#include "framework/gui/ColumnSumsWindow.h"
#include "framework/gui/RegisterGrid.h"
#include "framework/gui/RegisterModule.h"
#include "framework/gui/RegisterSheetCommands.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "support/gui/WidgetFilters.h"
#include "users/PermissionLoading.h"
#include "users/Permissions.h"
#include "users/gui/UsersWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

void MainWindow::setUpModules() {
    if (m_modulesReady)
        return;
    m_modulesReady = true;
    DataModule& db = *DataModule::current();
    m_filters = std::make_unique<RegisterFilters>(db);
    m_filterRow->setFilters(m_filters.get());
    for (QComboBox* list : m_filterRow->lists())
        m_commands->attachCommandMenu(list);
    for (const ModuleFactory& factory : registerModuleFactories()) {
        RegisterSlot& slot = m_registers[static_cast<int>(factory.id)];
        slot.controller = std::make_unique<RegisterController>(db, factory.id);
        auto* view = findChild<QTableView*>(registerDescriptor(factory.id).grid);
        slot.grid = new RegisterGrid(view, *slot.controller, this);
        connect(slot.grid, &RegisterGrid::editRequested, this, &MainWindow::commandEdit);
        connect(slot.grid, &RegisterGrid::deleteRequested, this, &MainWindow::commandDelete);
        connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &MainWindow::updateCommandState);
        m_commands->attachCommandMenu(view);
        ModuleContext context{{db, *this, this}, *slot.controller, *slot.grid};
        slot.module = factory.make(context);
        // A register's own filters stand above its grid, with the same pop-up.
        if (QWidget* panel = slot.module->createFilterPanel()) {
            auto* page = static_cast<QVBoxLayout*>(registerPage(factory.id)->layout());
            page->insertWidget(0, panel);
            for (QComboBox* list : panel->findChildren<QComboBox*>())
                m_commands->attachCommandMenu(list);
        }
    }
    // A record handed over to another register ends on that register's page.
    // It may have switched the vehicle selector (a fuel cost's vehicle).
    handOverShowRegister() = [this, &db](RegisterId id) {
        m_filterRow->showVehicle(sharedFilters(db).selectedVehicleNr);
        openRegister(id);
    };
    for (const ProgramModuleFactory& factory : programModuleFactories()) {
        ProgramContext context{db, *this, this};
        m_programModules.push_back(factory.make(context));
    }
    for (const RegisterDescriptor& d : allRegisters()) {
        const bool available = isRegisterAvailable(d.id);
        if (QToolButton* b = m_sections->registerButton(QStringLiteral("RB") + d.page))
            b->setEnabled(available);
        if (QAction* a = m_menu->registerAction(d.id))
            a->setEnabled(available);
    }
}

QString MainWindow::companyName() const {
    return m_filterRow->companyName();
}

void MainWindow::highlightButton(const QString& buttonName) {
    m_sections->highlightButton(buttonName);
}

void MainWindow::addSectionCommand(const QString& buttonName, const QString& menuItem,
                                   std::function<void()> handler) {
    m_sectionCommands.insert(buttonName, std::move(handler));
    if (QToolButton* b = m_sections->registerButton(buttonName))
        b->setEnabled(true);
    if (QAction* a = m_menu->action(menuItem))
        m_menu->makeAvailable(a);
}

void MainWindow::addMenuCommand(const QString& menuItem, std::function<void()> handler) {
    QAction* a = m_menu->action(menuItem);
    if (!a)
        return;
    m_menu->makeAvailable(a);
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
}

bool MainWindow::showRegisterRecord(RegisterId id, const QVariantList& key) {
    if (!isRegisterAvailable(id))
        return false;
    openRegister(id);
    RegisterSlot& slot = m_registers[static_cast<int>(id)];
    const bool found = slot.controller->locate(key);
    slot.grid->showCurrentRow();
    updateCommandState();
    return found;
}

void MainWindow::addCommandButton(const QString& buttonName, const QString& hint,
                                  std::function<void()> handler) {
    QPushButton* b = m_commands->button(buttonName);
    if (!b)
        return;
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setEnabled(true);
    connect(b, &QPushButton::clicked, this, [handler = std::move(handler)] { handler(); });
}

void MainWindow::runSectionCommand(const QString& button) {
    if (const auto handler = m_sectionCommands.value(button)) {
        highlightButton(button);
        handler();
    }
}

bool MainWindow::isRegisterAvailable(RegisterId id) const {
    auto it = m_registers.find(static_cast<int>(id));
    return it != m_registers.end() && it->second.module;
}

std::optional<RegisterId> MainWindow::visibleRegister() const {
    return m_sections->visibleRegister([this](RegisterId id) { return isRegisterAvailable(id); });
}

void MainWindow::openRegister(RegisterId id) {
    if (!isRegisterAvailable(id))
        return;
    m_sections->showRegister(id);
    RegisterSlot& slot = m_registers[static_cast<int>(id)];
    slot.module->refreshLookups();
    slot.grid->refresh();
    slot.grid->view()->setFocus();
    setCommandState(true, currentLogin().permissions.has(registerDescriptor(id).writePermission));
}

void MainWindow::refreshVisibleRegister() {
    if (const std::optional<RegisterId> id = visibleRegister())
        m_registers[static_cast<int>(*id)].grid->refresh();
    updateCommandState();
}

void MainWindow::fillVehicleSelector(bool toAll) {
    m_filterRow->fillVehicleSelector(toAll);
}

void MainWindow::commandAdd(bool copyMode) {
    const std::optional<RegisterId> id = visibleRegister();
    if (!id || !m_commands->isEnabled(QStringLiteral("SBDodaj")))
        return;
    m_registers[static_cast<int>(*id)].module->add(copyMode);
    updateCommandState();
}

void MainWindow::commandEdit() {
    const std::optional<RegisterId> id = visibleRegister();
    if (!id)
        return;
    // Without the write permission "Edytuj" shows the record read-only.
    if (!m_commands->isEnabled(QStringLiteral("SBEdytuj"))) {
        commandPreview();
        return;
    }
    m_registers[static_cast<int>(*id)].module->edit();
    updateCommandState();
}

void MainWindow::commandPreview() {
    if (const std::optional<RegisterId> id = visibleRegister())
        m_registers[static_cast<int>(*id)].module->preview();
}

void MainWindow::commandPrint() {
    // Nothing for an empty register, and no message (as the preview).
    const std::optional<RegisterId> id = visibleRegister();
    if (!id || !printRecordCard)
        return;
    if (const auto card = m_registers[static_cast<int>(*id)].module->recordCard())
        printRecordCard(*card);
}

void MainWindow::commandExport() {
    // A page without a register has no sheet: the command is off there and
    // does nothing, not even its dialog.
    if (visibleRegister() && m_commands->isEnabled(QStringLiteral("SBcsv")))
        m_sheetCommands->exportSheet();
}

void MainWindow::commandSearch() {
    if (visibleRegister() && m_commands->isEnabled(QStringLiteral("SBSzukaj")))
        m_sheetCommands->search();
}

void MainWindow::commandSums() {
    DataModule* db = DataModule::current();
    if (!db || !m_commands->isEnabled(QStringLiteral("SBSuma")))
        return;
    const std::optional<RegisterId> id = visibleRegister();
    const ColumnSums sums = id ? computeColumnSums(*db, *id) : noColumnSums();
    if (!m_sumsWindow)
        m_sumsWindow = new ColumnSumsWindow(this);
    m_sumsWindow->present(sums);
}

void MainWindow::commandDelete() {
    const std::optional<RegisterId> id = visibleRegister();
    if (!id || !m_commands->isEnabled(QStringLiteral("SBUsun")))
        return;
    RegisterSlot& slot = m_registers[static_cast<int>(*id)];
    const auto result = slot.controller->deleteCurrent(programOptions().pytajPrzedKasowaniem);
    if (result == RegisterController::DeleteResult::Nothing)
        return;
    slot.grid->showRows();
    slot.module->afterDelete();
    updateCommandState();
}

void MainWindow::applyPermissions() {
    QSet<QString> attached;
    for (auto it = m_sectionCommands.cbegin(); it != m_sectionCommands.cend(); ++it)
        attached.insert(it.key());
    applyPermissionsToWindow(
        this, *m_sections, *m_menu, currentLogin().permissions,
        [this](RegisterId id) { return isRegisterAvailable(id); }, attached);
}

void MainWindow::administerUsers() {
    UsersWindow::administer(this);
    DataModule& db = *DataModule::current();
    reloadLoggedInUser(db);
    const LoginState& login = currentLogin();
    m_filterRow->setUser(login.userName + QStringLiteral(", ") + login.userDescription);
    openSection(Section::Start);
    applyPermissions();
}

} // namespace kv
