#pragma once

#include "storage/BackupSettings.h"

#include <QDate>

namespace kv {

class DataModule;

// Whether this user may be offered a backup: backups enabled, and either not
// limited to administrators or the user holds the administrator right.
bool backupMayBeOffered(const BackupSettings& settings, bool administrator);

// Whether the last backup is too old: the last backup date plus the interval
// is earlier than today. A last date that is no date counts as no backup.
bool backupIsDue(const BackupSettings& settings, const QDate& today);

// The welcome step after login: when the company's last backup is too old,
// asks (when the settings say so) and makes the next rotating backup of the
// company's tables. administrator: the logged-in user holds that right.
void offerBackup(DataModule& db, bool administrator);

} // namespace kv
