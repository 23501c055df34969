// Registers in the main window: setting them up, opening them, the record
// commands acting on the one on screen, the grids' pop-up menu, and the
// permissions that enable all of it.
#include "app/MainWindow.h"

#include "app/ModuleFactories.h"
#include "framework/RegisterController.h"
#include "framework/RegisterFilters.h"
#include "framework/gui/RegisterGrid.h"
#include "framework/gui/RegisterModule.h"
#include "options/ProgramOptions.h"
#include "storage/DataModule.h"
#include "support/GridLayoutStore.h"
#include "support/gui/TableViewGridAdapter.h"
#include "users/PermissionControls.h"
#include "users/PermissionLoading.h"
#include "users/Permissions.h"
#include "users/gui/UsersWindow.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTableView>
#include <QToolButton>

namespace kv {

void MainWindow::setUpRegisters() {
    if (m_registersReady)
        return;
    m_registersReady = true;
    DataModule& db = *DataModule::current();
    m_filters = std::make_unique<RegisterFilters>(db);
    for (const ModuleFactory& factory : registerModuleFactories()) {
        RegisterSlot& slot = m_registers[static_cast<int>(factory.id)];
        slot.controller = std::make_unique<RegisterController>(db, factory.id);
        auto* view = findChild<QTableView*>(registerDescriptor(factory.id).grid);
        slot.grid = new RegisterGrid(view, *slot.controller, this);
        connect(slot.grid, &RegisterGrid::editRequested, this, &MainWindow::commandEdit);
        connect(slot.grid, &RegisterGrid::deleteRequested, this, &MainWindow::commandDelete);
        attachCommandMenu(slot.grid->view());
        ModuleContext context{db, *slot.controller, *slot.grid, *this, this};
        slot.module = factory.make(context);
        // Its button is in the permission table too, which enables only
        // buttons known to be available.
        m_availableButtons.insert(QStringLiteral("RB") + registerDescriptor(factory.id).page);
    }
    // The filter lists offer the same commands as the grids.
    for (QComboBox* list :
         {m_cbPojazd, m_cbCurrentMonth, m_cbCurrentYear, m_statusFilter, m_fleetFilter})
        if (list)
            attachCommandMenu(list);
    updateRegisterButtons();
}

QString MainWindow::companyName() const {
    return m_lFirma->toolTip();
}

void MainWindow::refreshVehicleFilterLists() {
    const QVariant chosen = m_fleetFilter->currentData();
    m_fleetFilter->clear();
    if (const auto fleets = DataModule::current()->reopenLookup(QStringLiteral("DBFNrFloty")))
        for (int i = 0; i < fleets->rowCount(); ++i)
            m_fleetFilter->addItem(fleets->text(i, QStringLiteral("OPIS")),
                                   fleets->value(i, QStringLiteral("KOD")).toInt());
    m_fleetFilter->setCurrentIndex(chosen.isValid() ? m_fleetFilter->findData(chosen) : -1);
}

void MainWindow::highlightButton(const QString& buttonName) {
    for (QToolButton* b : std::as_const(m_registerButtons))
        b->setChecked(b->objectName() == buttonName);
}

void MainWindow::addSectionCommand(const QString& buttonName, const QString& menuItem,
                                   std::function<void()> handler) {
    m_availableButtons.insert(buttonName);
    if (QToolButton* b = m_registerButtons.value(buttonName)) {
        b->setEnabled(true);
        connect(b, &QToolButton::clicked, this, [this, buttonName, handler] {
            highlightButton(buttonName);
            handler();
        });
    }
    if (QAction* a = m_actions.value(menuItem)) {
        m_notBuilt.remove(a);
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, [this, buttonName, handler] {
            highlightButton(buttonName);
            handler();
        });
    }
}

bool MainWindow::isRegisterAvailable(RegisterId id) const {
    auto it = m_registers.find(static_cast<int>(id));
    return it != m_registers.end() && it->second.module;
}

void MainWindow::updateRegisterButtons() {
    for (const RegisterDescriptor& d : allRegisters()) {
        const bool available = isRegisterAvailable(d.id);
        if (QToolButton* b = m_registerButtons.value(QStringLiteral("RB") + d.page))
            b->setEnabled(available);
        if (QAction* a = m_actions.value(d.menuItem))
            a->setEnabled(available);
    }
}

std::optional<RegisterId> MainWindow::visibleRegister() const {
    QWidget* page = m_zakladki->currentWidget();
    for (const RegisterDescriptor& d : allRegisters()) {
        QWidget* registerPage = m_registerPages.value(static_cast<int>(d.id));
        if (!registerPage || !isRegisterAvailable(d.id))
            continue;
        if (registerPage == page)
            return d.id;
        auto* inner = m_innerPages.value(static_cast<int>(d.section));
        if (inner && page == m_sectionPages.value(static_cast<int>(d.section)) &&
            inner->currentWidget() == registerPage)
            return d.id;
    }
    return std::nullopt;
}

void MainWindow::openRegister(RegisterId id) {
    if (!isRegisterAvailable(id))
        return;
    const RegisterDescriptor& d = registerDescriptor(id);
    openSection(d.section);
    highlightButton(QStringLiteral("RB") + d.page);
    if (QStackedWidget* inner = m_innerPages.value(static_cast<int>(d.section)))
        inner->setCurrentWidget(m_registerPages.value(static_cast<int>(id)));
    RegisterSlot& slot = m_registers[static_cast<int>(id)];
    slot.module->refreshLookups();
    slot.grid->refresh();
    slot.grid->view()->setFocus();
    setCommandState(true, currentLogin().permissions.has(d.writePermission));
}

void MainWindow::refreshVisibleRegister() {
    if (const std::optional<RegisterId> id = visibleRegister())
        m_registers[static_cast<int>(*id)].grid->refresh();
}

void MainWindow::commandAdd(bool copyMode) {
    const std::optional<RegisterId> id = visibleRegister();
    if (!id || !m_commandButtons.value(QStringLiteral("SBDodaj"))->isEnabled())
        return;
    m_registers[static_cast<int>(*id)].module->add(copyMode);
}

void MainWindow::commandEdit() {
    const std::optional<RegisterId> id = visibleRegister();
    if (!id)
        return;
    // Without the write permission "Edytuj" shows the record read-only.
    if (!m_commandButtons.value(QStringLiteral("SBEdytuj"))->isEnabled()) {
        commandPreview();
        return;
    }
    m_registers[static_cast<int>(*id)].module->edit();
}

void MainWindow::commandPreview() {
    if (const std::optional<RegisterId> id = visibleRegister())
        m_registers[static_cast<int>(*id)].module->preview();
}

void MainWindow::commandDelete() {
    const std::optional<RegisterId> id = visibleRegister();
    if (!id || !m_commandButtons.value(QStringLiteral("SBUsun"))->isEnabled())
        return;
    RegisterSlot& slot = m_registers[static_cast<int>(*id)];
    const auto result = slot.controller->deleteCurrent(programOptions().pytajPrzedKasowaniem);
    if (result == RegisterController::DeleteResult::Nothing)
        return;
    slot.grid->showRows();
    slot.module->afterDelete();
}

void MainWindow::attachCommandMenu(QWidget* view) {
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    struct Item {
        const char* command;
        QString text;
        QString shortcut;
    };
    const Item items[] = {
        {"SBPodglad", QStringLiteral("Podgląd"), QStringLiteral("Ctrl+O")},
        {"SBDodaj", QStringLiteral("Dodaj"), QStringLiteral("Ins")},
        {"SBEdytuj", QStringLiteral("Edytuj"), QStringLiteral("F2")},
        {"SBUsun", QStringLiteral("Usuń"), QStringLiteral("Del")},
        {"SBKopiuj", QStringLiteral("Kopiuj"), QStringLiteral("Ctrl+C")},
        {"SBDrukuj", QStringLiteral("Drukuj"), QStringLiteral("Ctrl+P")},
        {"SBcsv", QStringLiteral("Zapisz do CSV"), QString()},
    };
    for (const Item& item : items) {
        auto* a = new QAction(item.text, view);
        // Delete is the grid's own key (the register asks before deleting);
        // the menu only names it.
        if (QLatin1String(item.command) == u"SBUsun")
            a->setText(item.text + u'\t' + item.shortcut);
        else if (!item.shortcut.isEmpty())
            a->setShortcut(QKeySequence(item.shortcut));
        a->setShortcutContext(Qt::WidgetShortcut);
        QPushButton* button = m_commandButtons.value(QLatin1String(item.command));
        // The item follows its command button (see setCommandState).
        a->setEnabled(button->isEnabled());
        connect(a, &QAction::triggered, button, &QPushButton::click);
        view->addAction(a);
        m_gridMenuActions.insert(QLatin1String(item.command), a);
    }
}

void MainWindow::applyPermissions() {
    const PermissionSet& p = currentLogin().permissions;
    // Registers: their buttons and "Widok" items need the read permission.
    QSet<QAction*> unavailableRegisters;
    for (const RegisterDescriptor& d : allRegisters()) {
        const bool allowed = isRegisterAvailable(d.id) && p.has(d.readPermission);
        if (QToolButton* b = m_registerButtons.value(QStringLiteral("RB") + d.page))
            b->setEnabled(allowed);
        if (QAction* a = m_actions.value(d.menuItem)) {
            a->setEnabled(allowed);
            if (!isRegisterAvailable(d.id))
                unavailableRegisters.insert(a);
        }
    }
    // Everything else the permissions govern; parts not available in this
    // version stay disabled whatever the user holds.
    for (const PermissionControl& c : permissionControls()) {
        const bool allowed = controlAllowed(c, p);
        switch (c.kind) {
        case PermissionControlKind::SectionButton:
            if (QWidget* w = findChild<QWidget*>(c.name))
                w->setEnabled(allowed);
            break;
        case PermissionControlKind::RegisterButton:
            if (QToolButton* b = m_registerButtons.value(c.name))
                b->setEnabled(allowed && m_availableButtons.contains(c.name));
            break;
        case PermissionControlKind::Menu:
            if (auto* menu = findChild<QMenu*>(c.name))
                menu->menuAction()->setEnabled(allowed);
            break;
        case PermissionControlKind::MenuItem:
            for (QAction* a : findChildren<QAction*>()) {
                if (QString(a->text()).remove(u'&') != c.name)
                    continue;
                a->setEnabled(allowed && !m_notBuilt.contains(a) &&
                              !unavailableRegisters.contains(a) &&
                              !(a->menu() && m_notBuiltMenus.contains(a->menu())));
            }
            break;
        }
    }
    // Registers a section button opens directly.
    if (QToolButton* b = m_sectionButtons.value(static_cast<int>(Section::Vehicles)))
        b->setEnabled(p.has(registerDescriptor(RegisterId::Vehicles).readPermission));
}

void MainWindow::administerUsers() {
    UsersWindow::administer(this);
    DataModule& db = *DataModule::current();
    reloadLoggedInUser(db);
    const LoginState& login = currentLogin();
    m_lUzytkownik->setText(login.userName + QStringLiteral(", ") + login.userDescription);
    openSection(Section::Start);
    applyPermissions();
}

} // namespace kv
