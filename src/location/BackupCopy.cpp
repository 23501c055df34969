#include "location/BackupCopy.h"

#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>
#include <filesystem>

namespace kv {

namespace {

const QString kInformationCaption = QStringLiteral("Informacja");

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

// Moves the complete copies over the older ones, one file at a time; each
// move replaces its target in one go.
bool moveInto(const QString& staging, const QString& folder) {
    for (const schema::Table& t : schema::companyTables()) {
        std::error_code error;
        std::filesystem::rename(nativePath(QDir(staging).filePath(t.file)),
                                nativePath(QDir(folder).filePath(t.file)), error);
        if (error)
            return false;
    }
    return true;
}

} // namespace

int nextBackupFolder(const BackupSettings& settings) {
    const int next = settings.lastFolder + 1;
    return next < 1 || next > settings.folders ? 1 : next;
}

QString backupFolderPath(const QString& companyDirectory, int number) {
    return QDir(companyDirectory).filePath(QStringLiteral("backup_%1").arg(number));
}

bool copyCompanyTables(engine::Connection& company, const QString& folder,
                       const QString& stagingFolder, const QString& jobTitle) {
    const QString staging =
        stagingFolder.isEmpty() ? folder + QStringLiteral(".tmp") : stagingFolder;
    const QString job = jobTitle.isEmpty() ? QStringLiteral("Kopia zapasowa: ") : jobTitle + u' ';
    QDir(staging).removeRecursively(); // left by an interrupted backup
    if (!QDir().mkpath(staging))
        return false;
    const auto& tables = schema::companyTables();
    bool copied = true;
    {
        ProgressWindow progress;
        for (size_t i = 0; i < tables.size() && copied; ++i) {
            progress.step(job + tables[i].file, static_cast<int>(100 * i / tables.size()));
            try {
                company.copyTableFile(tables[i].baseName(), QDir(staging).filePath(tables[i].file));
            } catch (const DatabaseError&) {
                copied = false;
            }
        }
        if (copied)
            progress.step(job + folder, 100);
    }
    copied = copied && moveInto(staging, folder);
    QDir(staging).removeRecursively();
    return copied;
}

QString rotateAndCopy(DataModule& db, int& stage) {
    if (!db.companyConnection().isOpen() || db.companyDirectoryName().isEmpty())
        return {};
    bool loaded = false;
    BackupSettings settings = db.loadBackupSettings(&loaded);
    if (!loaded)
        return {}; // reported; defaults would rotate from the wrong folder
    stage = 2;
    // Saved before copying, so the number advances even when the copy fails.
    settings.lastFolder = nextBackupFolder(settings);
    db.saveBackupSettings(settings);
    stage = 3;

    const QString folder = backupFolderPath(db.companyDirectory(), settings.lastFolder);
    const QString shown = QDir::toNativeSeparators(folder);
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        ui().information(kInformationCaption,
                         QStringLiteral("Nie udało się utworzyć folderu z kopią zapasową bazy "
                                        "danych. Brak uprawnień do zapisu do folderu? ") +
                             shown);
        return {};
    }
    stage = 4;
    if (!copyCompanyTables(db.companyConnection(), folder)) {
        ui().information(kInformationCaption, QStringLiteral("Nie udało się stworzyć archiwum."));
        return {};
    }
    stage = 5;
    settings.lastBackupDate = dateToDateNumber(Clock::today());
    db.saveBackupSettings(settings);
    stage = 6;
    appendErrorLog(codedLine(9999999999, QStringLiteral("db backup=") + shown));
    return shown;
}

void reportBackupError(const QString& message, int stage) {
    reportDatabaseError(message + QStringLiteral(", ") + QString::number(stage), true, 24021111);
}

QString makeBackup(DataModule& db) {
    int stage = 0;
    try {
        return rotateAndCopy(db, stage);
    } catch (const DatabaseError& e) {
        reportBackupError(e.message(), stage);
    } catch (const std::exception& e) {
        reportBackupError(QString::fromUtf8(e.what()), stage);
    }
    return {};
}

} // namespace kv
