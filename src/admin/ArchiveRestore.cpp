#include "admin/ArchiveRestore.h"

#include "admin/ArchiveCheck.h"
#include "admin/ArchiveDescription.h"
#include "admin/CompanyHold.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/Connection.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>

namespace kv {

namespace {

const QString kStagingName = QStringLiteral(".karvento-odtwarzanie.tmp");
const QString kAsideName = QStringLiteral("poprzednie");
const QString kUnchanged = QStringLiteral(" Dane firmy pozostały bez zmian.");

void tell(const QString& caption, const QString& text) {
    ui().information(caption, text);
}

bool renameOver(const QString& from, const QString& to) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    return !error;
}

QString canonical(const QString& path) {
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QDir::cleanPath(QFileInfo(path).absoluteFilePath()) : c;
}

// Plain copies of the archive's files: nobody writes an archive, and the
// archive itself is only read.
bool stageFiles(const QString& folder, const QString& staging, const QStringList& files) {
    ProgressWindow progress;
    for (qsizetype i = 0; i < files.size(); ++i) {
        progress.step(QStringLiteral("Kopiowanie plików: ") + files.at(i),
                      static_cast<int>(100 * i / files.size()));
        if (!QFile::copy(QDir(folder).filePath(files.at(i)), QDir(staging).filePath(files.at(i))))
            return false;
    }
    return true;
}

bool rekeyStaged(const QString& staging, const QStringList& files, const QString& newPassword,
                 const QString& archivePassword) {
    for (const QString& file : files)
        if (!setTablePassword(staging, file, newPassword, archivePassword) ||
            !trialOpenTable(staging, file, newPassword))
            return false;
    return true;
}

// The files and, when present, their journals: a journal belongs to the file
// it was written for and moves with it.
bool moveWithJournal(const QString& from, const QString& to) {
    const QString journal = from + QStringLiteral("-journal");
    if (QFileInfo::exists(journal) && !renameOver(journal, to + QStringLiteral("-journal")))
        return false;
    return renameOver(from, to);
}

enum class Swap { Done, PutBack, Stuck };

// Renames each staged file over the company's, the replaced one kept aside.
// On a failure everything swapped so far is put back.
Swap swapIn(const QString& company, const QString& staging, const QStringList& files,
            const RestoreOptions& options) {
    const QDir aside(QDir(staging).filePath(kAsideName));
    if (!aside.mkpath(QStringLiteral(".")))
        return Swap::PutBack;
    QStringList movedAside;
    QStringList swapped;
    bool ok = true;
    for (const QString& file : files) {
        const QString target = QDir(company).filePath(file);
        if (options.beforeSwap && !options.beforeSwap(file)) {
            ok = false;
            break;
        }
        if (QFileInfo::exists(target)) {
            if (!moveWithJournal(target, aside.filePath(file))) {
                ok = false;
                break;
            }
            movedAside.append(file);
        }
        if (!renameOver(QDir(staging).filePath(file), target)) {
            ok = false;
            break;
        }
        swapped.append(file);
    }
    if (ok)
        return Swap::Done;
    bool putBack = true;
    for (const QString& file : std::as_const(movedAside))
        putBack = moveWithJournal(aside.filePath(file), QDir(company).filePath(file)) && putBack;
    for (const QString& file : std::as_const(swapped))
        if (!movedAside.contains(file))
            putBack = QFile::remove(QDir(company).filePath(file)) && putBack;
    if (!putBack)
        appendErrorLog(codedLine(
            9999999999, QStringLiteral("restore: files not put back, kept in ") + aside.path()));
    return putBack ? Swap::PutBack : Swap::Stuck;
}

} // namespace

bool confirmRestore() {
    return ui().question(QStringLiteral("Pytanie"),
                         QStringLiteral("Czy odtworzyć dane ze wskazanego archiwum?"),
                         DefaultAnswer::No) &&
           ui().question(QStringLiteral("Uwaga"),
                         QStringLiteral("Dotychczasowe dane zostaną bezpowrotnie utracone. Czy "
                                        "mimo to chcesz kontynuować operację odtwarzania danych z "
                                        "archiwum?"),
                         DefaultAnswer::No);
}

RestoreOutcome restoreArchive(DataModule& db, const QString& folder, const QString& currentPassword,
                              const RestoreOptions& options) {
    RestoreOutcome outcome;
    outcome.result = AdminResult::Refused;
    if (folder.trimmed().isEmpty() || !holdsArchive(folder)) {
        tell(QStringLiteral("Informacje"),
             QStringLiteral("We wskazanym katalogu nie znaleziono archiwum."));
        return outcome;
    }
    const QString company = db.companyDirectory();
    if (canonical(folder) == canonical(company)) {
        tell(QStringLiteral("Informacje"),
             QStringLiteral("Wskazany katalog jest katalogiem danych firmy. Wskaż katalog "
                            "archiwum."));
        return outcome;
    }
    if (const QStringList missing = missingArchiveTables(folder); !missing.isEmpty()) {
        tell(QStringLiteral("Błąd"),
             QStringLiteral("Archiwum jest niekompletne: brak plików %1. Danych nie odtworzono.")
                 .arg(missing.join(QStringLiteral(", "))));
        return outcome;
    }
    const CompanyHold hold = holdCompanyAlone(db, QStringLiteral("Danych nie odtworzono."));
    if (!hold)
        return outcome;

    const ArchivePassword password =
        findArchivePassword(folder, currentPassword, options.archivePassword);
    if (password.outcome == ArchivePassword::Outcome::Cancelled) {
        outcome.result = AdminResult::Cancelled;
        return outcome;
    }
    if (password.outcome != ArchivePassword::Outcome::Found)
        return outcome;

    QStringList files;
    for (const QString& file : schema::companyTableFiles())
        if (QFileInfo(QDir(folder).filePath(file)).isFile())
            files.append(file);
    // A newer version's table would be lost without a word.
    for (const QString& entry : QDir(folder).entryList(QDir::Files))
        if (entry.endsWith(QLatin1String(".db"), Qt::CaseInsensitive) &&
            !schema::companyTableFiles().contains(entry)) {
            tell(QStringLiteral("Błąd"), kArchiveNewerText);
            return outcome;
        }

    const QString staging = QDir(company).filePath(kStagingName);
    QDir(staging).removeRecursively(); // left by an interrupted restore
    struct Cleanup {
        QString path;
        ~Cleanup() { QDir(path).removeRecursively(); }
    } cleanup{staging};
    if (!QDir().mkpath(staging) || !stageFiles(folder, staging, files)) {
        tell(QStringLiteral("Informacja"),
             QStringLiteral("Nie udało się skopiować plików archiwum do katalogu firmy (brak "
                            "miejsca na dysku lub uprawnień?).") +
                 kUnchanged);
        outcome.result = AdminResult::Failed;
        return outcome;
    }
    if (const QString problem = checkArchiveTables(staging, password.password, files);
        !problem.isEmpty()) {
        tell(QStringLiteral("Błąd"), problem);
        return outcome;
    }
    outcome.rekeyed = password.password != currentPassword;
    if (outcome.rekeyed && !rekeyStaged(staging, files, currentPassword, password.password)) {
        tell(QStringLiteral("Błąd"),
             QStringLiteral("Wystąpił błąd krytyczny podczas nadawania plikom bazy nowego "
                            "hasła.") +
                 kUnchanged);
        outcome.result = AdminResult::Failed;
        return outcome;
    }

    const SafetyCopy safety =
        makeSafetyCopy(db, QStringLiteral("odtworzenie z archiwum"), options.safety);
    if (!safety.goOn) {
        // Refused when nobody was asked (the copy was required and failed).
        outcome.result =
            options.safety == SafetyCopyPolicy::Ask ? AdminResult::Cancelled : AdminResult::Refused;
        return outcome;
    }
    outcome.safetyCopy = safety.folder;
    for (const QString& file : std::as_const(files))
        if (!engine::Connection::releaseFileEverywhere(QDir(company).filePath(file))) {
            tell(QStringLiteral("Informacja"),
                 QStringLiteral("Tabela %1 jest w użyciu.").arg(file) + kUnchanged);
            outcome.result = AdminResult::Failed;
            return outcome;
        }
    if (const Swap swap = swapIn(company, staging, files, options); swap != Swap::Done) {
        if (swap == Swap::PutBack) {
            tell(QStringLiteral("Informacja"),
                 QStringLiteral("Nie udało się odtworzyć danych z archiwum.") + kUnchanged);
        } else {
            // The replaced files stay where they were put aside, for whoever
            // repairs the folder by hand.
            cleanup.path.clear();
            tell(QStringLiteral("Błąd"),
                 QStringLiteral("Nie udało się odtworzyć danych z archiwum ani przywrócić "
                                "poprzednich plików. Poprzednie pliki firmy są w katalogu %1, "
                                "kopia bezpieczeństwa w katalogu %2.")
                     .arg(QDir::toNativeSeparators(QDir(staging).filePath(kAsideName)),
                          QDir::toNativeSeparators(safety.folder)));
        }
        outcome.result = AdminResult::Failed;
        return outcome;
    }
    outcome.result = AdminResult::Done;
    db.reloadCompanyData();
    pruneSafetyCopies(company);
    tell(QStringLiteral("Informacje"), outcome.rekeyed ? kRestoredRekeyedText : kRestoredText);
    return outcome;
}

} // namespace kv
