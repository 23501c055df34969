#include "schema/upgrades/SchemaUpgradeTemplate.h"

#include "schema/Schema.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"
#include "support/OsFileLock.h"
#include "support/TFileOperations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace kv {

QString emptyTemplatesDirectory() {
    return QDir(installDirectory()).filePath(QStringLiteral("data/empty"));
}

bool addTableFromTemplate(const QString& directory, const QString& tableFile,
                          const QString& password) {
    const QString source =
        QDir(emptyTemplatesDirectory()).filePath(schema::templateNameOf(tableFile));
    if (!QFileInfo(source).isFile())
        return false;
    QTemporaryDir scratch(settingsFile(QStringLiteral("tmpFile/upgrade-XXXXXX")));
    if (!scratch.isValid())
        return false;
    const std::unique_ptr<OsFileLock> hold = OsFileLock::holdDirectory(scratch.path());
    const QString staged = scratch.filePath(tableFile);
    if (!QFile::copy(source, staged))
        return false;
    // Installed templates may be read-only; re-keying rewrites the file.
    QFile::setPermissions(staged,
                          QFile::permissions(staged) | QFile::ReadOwner | QFile::WriteOwner);
    if (!setTablePassword(scratch.path(), tableFile, password, schema::kTemplatePassword))
        return false;
    TFileOperations move;
    move.setOperation(TFileOperations::Operation::Copy);
    move.addSource(staged);
    move.addDestination(QDir(directory).filePath(tableFile));
    return move.execute() == TFileOperations::NoError;
}

} // namespace kv
