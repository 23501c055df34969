#pragma once

#include "framework/Registers.h"

#include <QSet>
#include <functional>

class QWidget;

namespace kv {

class MainMenu;
class PermissionSet;
class SectionPages;

// Enables the main window's section buttons, register buttons and menu items
// from the user's permissions. Each is enabled first and then disabled when
// its permission is missing; what this version does not have stays disabled
// whatever the user holds (registers without a module, section commands no
// module attached, menu items of parts not built).
void applyPermissionsToWindow(QWidget* window, SectionPages& sections, MainMenu& menu,
                              const PermissionSet& permissions,
                              const std::function<bool(RegisterId)>& registerAvailable,
                              const QSet<QString>& attachedCommands);

} // namespace kv
