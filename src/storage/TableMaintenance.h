#pragma once

#include <QString>

namespace kv {

// Table-level work on one table file, each in a throw-away engine session that
// holds only the password it is given and is destroyed afterwards.

// Opens and closes the table; true when that worked. Failures are logged
// (codes 3104 and 3105); an inaccessible directory is also shown in a plain
// message box. Nothing goes to the information window.
bool trialOpenTable(const QString& directory, const QString& tableFile, const QString& password);

// Rewrites the table file compactly (VACUUM), keeping its password. Needs the
// directory to itself: fails while another program has it open. Failures are
// reported with code 370.
bool packTable(const QString& directory, const QString& tableFile, const QString& password);

// Protects the table with a new password (rekey). Needs the directory to
// itself. Failures are reported with code 220.
bool setTablePassword(const QString& directory, const QString& tableFile,
                      const QString& newPassword, const QString& currentPassword);

// Deletes the lock files "PDOXUSRS.LCK" and "PARADOX.LCK" that other engines
// leave behind in a directory; errors are ignored. The program's own presence
// lock file is never deleted: OS locks vanish with their process, so it is
// never stale.
void deleteLockFiles(const QString& directory);

// The engine's version number as decimal text (SQLite's version number, for
// example 3015002), "-1" when it cannot be read.
QString engineVersionText();
// "SQLCipher 3.4.1 (SQLite 3.15.2)": what the start-up messages name.
QString engineDescription();

// The engine layer's own small settings store ("engine.cfg" in the settings
// directory). The argument is a configuration path and an entry name joined by
// ";", for example "\SYSTEM\INIT\;LOCAL SHARE". Empty text when not found or on
// any error; writing ignores errors.
QString readEngineSetting(const QString& pathAndEntry);
void writeEngineSetting(const QString& pathAndEntry, const QString& value);

} // namespace kv
