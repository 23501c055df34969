#pragma once

#include "storage/BackupSettings.h"

#include <QString>

namespace kv {

class DataModule;

namespace engine {
class Connection;
}

// The folder number after the last one used: one more, back to 1 past the
// number of folders kept.
int nextBackupFolder(const BackupSettings& settings);
// company directory/backup_N
QString backupFolderPath(const QString& companyDirectory, int number);

// Copies the 30 company tables in their fixed order into the folder, each
// held against writers while it is copied, so that every copy is whole even
// while another program writes. The copies are made in a scratch folder (by
// default beside the folder, folder + ".tmp") and replace the older copies only
// once all 30 are complete: a failed copy leaves the previous one in the
// folder untouched. Progress is shown through kv::ui() under the job title.
// False on any failure.
bool copyCompanyTables(engine::Connection& company, const QString& folder,
                       const QString& staging = {}, const QString& jobTitle = {});

// From choosing the folder on: advances and saves the folder number, copies
// the tables, records today as the last backup date and logs the folder.
// Refusals and failures are shown; the answer is the folder, empty when no
// backup was made. stage counts the completed stages (2 after reading the
// settings again, 3 after saving the folder number, 4 with the folder ready,
// 5 after the copy, 6 after saving the date); anything unexpected is thrown.
QString rotateAndCopy(DataModule& db, int& stage);

// Reports an unexpected failure of a backup (code 24021111) with the number of
// the last completed stage.
void reportBackupError(const QString& message, int stage);

// Makes the same rotating backup without asking anything (the command-line
// tool): the folder, or empty after a failure that has been shown.
QString makeBackup(DataModule& db);

} // namespace kv
