#pragma once

#include "admin/ArchiveDescription.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

class DataModule;

// The company folders of the open location (firmy.DB), each as an absolute
// path, with the open company's own folder always among them.
QStringList companyDirectories(DataModule& db);

// Why a folder may not take a new archive or lose the one it holds; empty
// when it may. A folder that is missing, the location itself, one of its
// company folders, or any folder that holds company tables but no
// "archiwum.bak" (a backup folder, a company copied by hand) is refused:
// writing or deleting the tables there would destroy data nobody meant to
// touch.
QString archiveTargetProblem(const QString& folder, const QString& location,
                             const QStringList& companyDirs);

// Why a name typed for a new folder is not one plain folder name (empty, "."
// or "..", a separator, a drive letter, control characters); empty when fine.
QString newFolderNameProblem(const QString& name);

// The company table files present in a folder (file names of the fixed list).
QStringList companyTableFilesIn(const QString& folder);

struct FoundArchive {
    QString folder;
    ArchiveDescription description;
};
// The archives in a folder and every folder below it, ordered by folder.
QList<FoundArchive> findArchives(const QString& root);

} // namespace kv
