#pragma once

#include <QIcon>
#include <QPalette>
#include <QStringList>

namespace kv {

// The pictures of the main window's buttons and menu items come from the
// desktop's icon theme by their freedesktop names. One mapping gives the name
// for a control's object name ("SBDodaj", "RBIPrzejazdy") or a menu item's text
// without "&" ("Opcje").

// The mapped name; empty for keys the mapping does not know.
QString themeIconName(const QString& key);
// The icon of the mapped name; a null icon for keys the mapping does not know.
QIcon themeIcon(const QString& key);
// Every name the mapping uses, each once (the bundled theme holds them all).
QStringList themeIconNames();

// The variant of the bundled theme that reads on the palette's window colour:
// "breeze-dark" on a dark palette, else "breeze".
QString bundledThemeFor(const QPalette& palette);

// Makes the free theme bundled with the program (a part of Debian's Breeze in
// installDirectory()/icons) the fallback for names the desktop's theme lacks,
// and the theme itself where the desktop has none; its light or dark variant
// follows the application palette. Sets the program's window icon. Called
// once the application and its style exist, before the windows are made.
void useBundledIcons();

} // namespace kv
