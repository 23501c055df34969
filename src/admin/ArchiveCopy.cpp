#include "admin/ArchiveCopy.h"

#include "admin/ArchiveFolders.h"
#include "location/BackupCopy.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace kv {

namespace {

const QString kInformation = QStringLiteral("Informacja");
// Hidden from the folder tree; removed before every new archive.
const QString kStagingName = QStringLiteral(".karvento-archiwum.tmp");

bool renameOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return !error;
}

bool moveTablesIn(const QString& staging, const QString& folder) {
    for (const QString& file : schema::companyTableFiles())
        if (!renameOver(QDir(staging).filePath(file), QDir(folder).filePath(file)))
            return false;
    return true;
}

bool refused(const QString& problem) {
    if (problem.isEmpty())
        return false;
    ui().information(kInformation, problem);
    return true;
}

} // namespace

QString archiveDateProblem(const QString& dateText) {
    if (isBlankDateText(dateText) || isCalendarDateText(dateText))
        return {};
    return QStringLiteral("Niepoprawny format daty archiwum. Popraw pole.");
}

bool writeArchive(engine::Connection& company, const QString& folder,
                  const ArchiveDescription& description) {
    const QString staging = QDir(folder).filePath(kStagingName);
    QDir(staging).removeRecursively();
    bool written =
        copyCompanyTables(company, staging, QDir(staging).filePath(QStringLiteral("kopia")),
                          QStringLiteral("Kopiowanie plików:"));
    if (written) {
        // From here the folder holds no archive until the new one is whole: an
        // old description must never stand over a mix of old and new tables.
        const QString old = QDir(folder).filePath(kArchiveDescriptionFile);
        written = (!QFileInfo::exists(old) || QFile::remove(old)) &&
                  moveTablesIn(staging, folder) && writeArchiveDescription(folder, description);
    }
    QDir(staging).removeRecursively();
    return written;
}

AdminResult makeArchive(DataModule& db, const QString& folder,
                        const ArchiveDescription& description) {
    if (refused(archiveDateProblem(description.date)) ||
        refused(archiveTargetProblem(folder, db.location(), companyDirectories(db))))
        return AdminResult::Refused;
    if (holdsArchive(folder) &&
        !ui().question(QStringLiteral("Pytanie"),
                       QStringLiteral("We wskazanym katalogu istnieje już archiwum. Czy zastąpić "
                                      "znalezione archiwum?"),
                       DefaultAnswer::No))
        return AdminResult::Cancelled;
    if (!writeArchive(db.companyConnection(), folder, description)) {
        ui().information(kInformation, QStringLiteral("Nie udało się stworzyć archiwum."));
        return AdminResult::Failed;
    }
    ui().information(kInformation, QStringLiteral("Archiwum zostało stworzone."));
    return AdminResult::Done;
}

AdminResult describeArchive(const QString& folder, const ArchiveDescription& description) {
    if (refused(archiveDateProblem(description.date)))
        return AdminResult::Refused;
    if (!holdsArchive(folder)) {
        ui().information(QStringLiteral("Informacje"),
                         QStringLiteral("We wskazanym katalogu nie znaleziono archiwum."));
        return AdminResult::Refused;
    }
    if (!writeArchiveDescription(folder, description)) {
        ui().information(kInformation, QStringLiteral("Nie udało się zapisać opisu archiwum."));
        return AdminResult::Failed;
    }
    ui().information(kInformation, QStringLiteral("Zmiany w opisie archiwum zapisano."));
    return AdminResult::Done;
}

AdminResult deleteArchive(DataModule& db, const QString& folder) {
    if (!holdsArchive(folder)) {
        ui().information(QStringLiteral("Informacje"),
                         QStringLiteral("We wskazanym katalogu nie znaleziono archiwum."));
        return AdminResult::Refused;
    }
    if (refused(archiveTargetProblem(folder, db.location(), companyDirectories(db))))
        return AdminResult::Refused;
    if (!ui().question(QStringLiteral("Uwaga"),
                       QStringLiteral("Archiwum zostanie trwale usunięte. Odzyskanie archiwum "
                                      "będzie niemożliwe. Czy kontynuować usuwanie?"),
                       DefaultAnswer::No))
        return AdminResult::Cancelled;
    QStringList files = companyTableFilesIn(folder);
    files.append(kArchiveDescriptionFile);
    for (const QString& file : std::as_const(files)) {
        if (!QFile::remove(QDir(folder).filePath(file))) {
            ui().information(kInformation,
                             QStringLiteral("Nie udało się usunąć archiwum: pliku %1 nie można "
                                            "usunąć.")
                                 .arg(file));
            return AdminResult::Failed;
        }
    }
    return AdminResult::Done;
}

} // namespace kv
