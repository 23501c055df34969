#pragma once

namespace kv {

// The company's backup settings, rows of system.DB group 1 (by ID 1..7).
struct BackupSettings {
    int lastBackupDate = 20000101; // 1: date number of the last backup
    int lastFolder = 0;            // 2: number of the backup folder used last
    int intervalDays = 30;         // 3
    int folders = 3;               // 4: number of backup folders kept
    bool onlyAdministrator = true; // 5: only an administrator is asked
    bool askFirst = true;          // 6
    bool enabled = true;           // 7

    bool operator==(const BackupSettings&) const = default;
};

} // namespace kv
