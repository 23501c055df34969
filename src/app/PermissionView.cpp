#include "app/PermissionView.h"

#include "app/MainMenu.h"
#include "app/SectionPages.h"
#include "users/PermissionControls.h"
#include "users/Permissions.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

namespace kv {

void applyPermissionsToWindow(QWidget* window, SectionPages& sections, MainMenu& menu,
                              const PermissionSet& p,
                              const std::function<bool(RegisterId)>& registerAvailable,
                              const QSet<QString>& attachedCommands) {
    // Registers: their buttons and "Widok" items need the read permission.
    QSet<QAction*> unavailableRegisters;
    QSet<QString> availableButtons;
    for (const RegisterDescriptor& d : allRegisters()) {
        const bool allowed = registerAvailable(d.id) && p.has(d.readPermission);
        if (registerAvailable(d.id))
            availableButtons.insert(QStringLiteral("RB") + d.page);
        if (QToolButton* b = sections.registerButton(QStringLiteral("RB") + d.page))
            b->setEnabled(allowed);
        if (QAction* a = menu.registerAction(d.id)) {
            a->setEnabled(allowed);
            if (!registerAvailable(d.id))
                unavailableRegisters.insert(a);
        }
    }
    // Everything else the permissions govern; parts not available in this
    // version stay disabled whatever the user holds.
    for (const PermissionControl& c : permissionControls()) {
        const bool allowed = controlAllowed(c, p);
        switch (c.kind) {
        case PermissionControlKind::SectionButton:
            if (QWidget* w = window->findChild<QWidget*>(c.name))
                w->setEnabled(allowed);
            break;
        case PermissionControlKind::RegisterButton:
            if (QToolButton* b = sections.registerButton(c.name))
                b->setEnabled(allowed && (availableButtons.contains(c.name) ||
                                          attachedCommands.contains(c.name)));
            break;
        case PermissionControlKind::Menu:
            if (auto* menu = window->findChild<QMenu*>(c.name))
                menu->menuAction()->setEnabled(allowed);
            break;
        case PermissionControlKind::MenuItem:
            for (QAction* a : window->findChildren<QAction*>()) {
                if (QString(a->text()).remove(u'&') != c.name)
                    continue;
                a->setEnabled(allowed && menu.isBuilt(a) && !unavailableRegisters.contains(a));
            }
            break;
        }
    }
    // Registers a section button opens directly.
    if (QToolButton* b = sections.sectionButton(Section::Vehicles))
        b->setEnabled(p.has(registerDescriptor(RegisterId::Vehicles).readPermission));
}

} // namespace kv
