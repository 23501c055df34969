#pragma once

#include <QString>

namespace kv {

// The per-computer settings directory (karvento.ini, config.dat, the error log,
// the notepad files, the temporary engine directories): KARVENTO_SETTINGS_DIR
// when set, else "Dravelon/Karvento" below the writable data folder. Its
// "debug" and "tmpFile" subfolders are created when missing. Computed once.
QString settingsDirectory();
// A file name below the settings directory.
QString settingsFile(const QString& name);
// Forgets the cached directory (tests change KARVENTO_SETTINGS_DIR).
void resetSettingsDirectory();

// The folder of the installed program, holding data/, raporty/, dokumentacja/
// and icons/: KARVENTO_INSTALL_DIR when set, else the executable's folder when
// it holds data/ (the build tree, a copy unpacked into one folder), else the
// installed layout's share/karvento beside the executable's bin/. The one
// place that says where the installation is.
QString installDirectory();

} // namespace kv
