#include "admin/SafetyCopy.h"

#include "admin/ArchiveCopy.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace kv {

namespace {

// Room for the copy and its scratch folder's bookkeeping.
constexpr qint64 kSpareBytes = 4 * 1024 * 1024;

qint64 companyTablesSize(const QString& directory) {
    qint64 total = 0;
    for (const QString& file : schema::companyTableFiles())
        total += QFileInfo(QDir(directory).filePath(file)).size();
    return total;
}

QString newSafetyFolder(const QString& directory) {
    const QString stamp = Clock::now().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString folder = QDir(directory).filePath(kSafetyCopyPrefix + stamp);
    for (int n = 2; QFileInfo::exists(folder); ++n)
        folder = QDir(directory).filePath(kSafetyCopyPrefix + stamp + QStringLiteral("-%1").arg(n));
    return folder;
}

// Why no copy could be made, said; whether to go on all the same.
bool goOnWithout(const QString& why, SafetyCopyPolicy policy) {
    const QString text = QStringLiteral("Nie udało się wykonać kopii bezpieczeństwa danych firmy "
                                        "przed zmianą. ") +
                         why;
    if (policy == SafetyCopyPolicy::Refuse) {
        ui().information(QStringLiteral("Informacja"),
                         text + QStringLiteral(" Niczego nie zmieniono."));
        return false;
    }
    return ui().question(QStringLiteral("Uwaga"),
                         text + QStringLiteral(" Czy mimo to kontynuować bez kopii "
                                               "bezpieczeństwa?"),
                         DefaultAnswer::No);
}

} // namespace

SafetyCopy makeSafetyCopy(DataModule& db, const QString& command, SafetyCopyPolicy policy) {
    if (policy == SafetyCopyPolicy::Skip)
        return {true, {}};
    const QString directory = db.companyDirectory();
    const qint64 needed = companyTablesSize(directory) + kSpareBytes;
    const QStorageInfo storage(directory);
    if (storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < needed)
        return {goOnWithout(QStringLiteral("Za mało wolnego miejsca na dysku (potrzeba %1 MB, "
                                           "wolne %2 MB).")
                                .arg((needed + 1048575) / 1048576)
                                .arg(storage.bytesAvailable() / 1048576),
                            policy),
                {}};
    const QString folder = newSafetyFolder(directory);
    const ArchiveDescription description{QStringLiteral("Kopia przed: ") + command,
                                         dateToText(Clock::today())};
    if (!QDir().mkpath(folder) || !writeArchive(db.companyConnection(), folder, description)) {
        QDir(folder).removeRecursively();
        return {goOnWithout(QStringLiteral("Kopia w folderze %1 nie powstała.")
                                .arg(QDir::toNativeSeparators(folder)),
                            policy),
                {}};
    }
    return {true, folder};
}

QStringList safetyCopies(const QString& companyDirectory) {
    QStringList folders;
    const QDir dir(companyDirectory);
    for (const QString& name :
         dir.entryList({kSafetyCopyPrefix + u'*'}, QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        if (holdsArchive(dir.filePath(name)))
            folders.append(dir.filePath(name));
    return folders;
}

void pruneSafetyCopies(const QString& companyDirectory, int kept) {
    const QStringList folders = safetyCopies(companyDirectory);
    for (qsizetype i = 0; i + kept < folders.size(); ++i)
        QDir(folders.at(i)).removeRecursively();
}

} // namespace kv
