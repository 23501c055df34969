#pragma once

#include "users/Permissions.h"

#include <QList>
#include <QString>

namespace kv {

// How the main window finds a control that a permission governs.
enum class PermissionControlKind {
    SectionButton,  // objectName of a section button ("SBPojazdy")
    RegisterButton, // objectName of a register button ("RB" + page: "RBIPrzejazdy")
    MenuItem,       // text of a menu item or submenu without "&" ("Pojazdy", "Opcje")
    Menu,           // objectName of a whole menu ("menuAdministracja")
};

// One control with every permission it needs.
struct PermissionControl {
    PermissionControlKind kind;
    QString name;
    QList<int> permissions;
};

// What applyPermissions enables and disables. The registers' own buttons and
// "Widok" items come from the register table (their read permission); the
// others are listed here. A control governed by several permissions
// ("Sprawdź stany magazynowe": the warehouse and the deadline check) appears
// once with all of them.
const QList<PermissionControl>& permissionControls();

// Enabled exactly when every permission of the control is held.
bool controlAllowed(const PermissionControl& control, const PermissionSet& permissions);

} // namespace kv
