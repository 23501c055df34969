#include "location/CompanyAdministration.h"

#include "location/DatabaseCreation.h"
#include "schema/Schema.h"
#include "storage/ErrorReport.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/PresenceLock.h"
#include "support/OsFileLock.h"
#include "support/TextFunctions.h"
#include "support/UserInterface.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QThread>
#include <algorithm>
#include <memory>
#include <vector>

namespace kv {

namespace {

using engine::Connection;
using engine::EngineSession;
using engine::positionalParams;

const QString kInformation = QStringLiteral("Informacja");

void tell(const QString& text) {
    ui().information(kInformation, text);
}

// A connection on the location's own tables with the one password.
struct LocationConnection {
    EngineSession session;
    Connection connection{&session};

    LocationConnection(const QString& location, const QString& password) {
        session.addPassword(password);
        connection.open(location);
    }
};

// The files of a folder that are company tables, matched without regard to
// case (tables copied from other systems may be named "POJAZDY.DB"), in the
// order of the table list.
QStringList companyTableFilesIn(const QString& directory) {
    const QStringList present = QDir(directory).entryList(QDir::Files);
    QStringList found;
    for (const schema::Table& t : schema::companyTables())
        for (const QString& file : present)
            if (file.compare(t.file, Qt::CaseInsensitive) == 0)
                found.append(QDir(directory).filePath(file));
    return found;
}

// Deletes the company tables of a folder; a file that cannot be deleted is
// passed over.
void removeCompanyTables(const QString& directory) {
    for (const QString& file : companyTableFilesIn(directory))
        QFile::remove(file);
}

const QString kControlCharactersText =
    QStringLiteral("Nazwa nie może zawierać znaków tabulacji ani końca wiersza.");

const QString kControlFolder = QStringLiteral("NetFileDir");

// Windows takes these for devices, also with an extension and blanks before it.
bool isWindowsDeviceName(const QString& folder) {
    QString base = folder.section(u'.', 0, 0);
    while (base.endsWith(u' '))
        base.chop(1);
    base = base.toUpper();
    if (base == u"CON" || base == u"PRN" || base == u"AUX" || base == u"NUL")
        return true;
    return base.size() == 4 && (base.startsWith(u"COM") || base.startsWith(u"LPT")) &&
           base.at(3) >= u'1' && base.at(3) <= u'9';
}

// The lock that makes additions to one location take turns.
QString additionLockPath(const QString& location) {
    return QDir(location).filePath(kControlFolder + QStringLiteral("/firmy.LCK"));
}

// Scratch folders of additions in progress live in the control folder, which
// no company can be named after, so cleaning them up never touches a company.
const QString kScratchPrefix = QStringLiteral("nowa_firma_");

// Waits a while for the other addition to end; false when it does not.
bool takeTurn(OsFileLock& lock) {
    QDeadlineTimer deadline(30000);
    while (!lock.tryLockExclusive()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(100);
    }
    return true;
}

// Removes what an earlier addition left when its program was killed half-way;
// called with the turn held, so no scratch folder is in use.
void removeAbandonedScratch(const QString& location) {
    const QDir control(QDir(location).filePath(kControlFolder));
    for (const QString& name :
         control.entryList({kScratchPrefix + u'*'}, QDir::Dirs | QDir::NoDotAndDotDot))
        QDir(control.filePath(name)).removeRecursively();
}

// Engine lock files that programs leave in a table folder or its control
// folder.
const QStringList kEngineFiles{QStringLiteral("KARVENTO.LCK"), QStringLiteral("PDOXUSRS.LCK"),
                               QStringLiteral("PARADOX.LCK"), QStringLiteral("PDOXUSRS.NET")};

// Removes from a company folder what the program made there besides the
// tables: upgrade markers, lock files and the control folder (only when
// nothing but lock files is in it).
void removeProgramFiles(const QString& directory) {
    const QDir dir(directory);
    for (const QString& marker : upgradeMarkerNames())
        QFile::remove(dir.filePath(marker));
    const QDir control(dir.filePath(kControlFolder));
    for (const QString& file : kEngineFiles) {
        QFile::remove(dir.filePath(file));
        QFile::remove(control.filePath(file));
    }
    dir.rmdir(kControlFolder); // stays while anything else is in it
}

// Moves the entries of a freshly built company into an existing folder that
// holds no tables. An entry the folder already has (a marker, the control
// folder) is kept as it is. The moved paths are listed for a roll-back.
bool moveEntriesInto(const QString& from, const QString& to, QStringList& moved) {
    const QDir source(from);
    for (const QString& name :
         source.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        const QString target = QDir(to).filePath(name);
        if (QFileInfo::exists(target)) {
            if (companyTableFilesIn(to).contains(target, Qt::CaseInsensitive))
                return false; // a table appeared: someone else is at work
            continue;
        }
        if (!QDir().rename(source.filePath(name), target))
            return false;
        moved.append(target);
    }
    return true;
}

} // namespace

bool sameNameOnWindows(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString companyFolderProblem(const QString& folder) {
    if (folder.size() > kCompanyNameMaxLength)
        return QStringLiteral("Nazwa folderu firmy jest zbyt długa (maksymalnie 50 znaków).");
    if (hasControlCharacters(folder))
        return kControlCharactersText;
    // The engine's shared control folder is no company.
    if (folder.trimmed().compare(kControlFolder, Qt::CaseInsensitive) == 0)
        return QStringLiteral("Nazwa NetFileDir jest zarezerwowana dla programu. Podaj inną "
                              "nazwę folderu firmy.");
    const bool plain = !folder.trimmed().isEmpty() && folder != u"." && folder != u".." &&
                       !folder.contains(u'/') && !folder.contains(u'\\') && !folder.contains(u':');
    if (!plain)
        return kBadCompanyFolderText;
    static const QString forbidden = QStringLiteral("<>\"|?*");
    if (std::any_of(folder.begin(), folder.end(), [](QChar c) { return forbidden.contains(c); }))
        return kForbiddenFolderCharactersText;
    if (folder.endsWith(u' ') || folder.endsWith(u'.'))
        return kFolderEndText;
    if (isWindowsDeviceName(folder))
        return QStringLiteral(
                   "Nazwa %1 jest w systemie Windows zarezerwowana dla urządzenia (także "
                   "z rozszerzeniem, np. CON.txt). Podaj inną nazwę folderu firmy.")
            .arg(folder);
    return {};
}

bool confirmCompanyRename() {
    return ui().question(QStringLiteral("Pytanie"),
                         QStringLiteral("Czy na pewno zmienić dotychczasową nazwę firmy. Upewnij "
                                        "się czy w tej chwili żaden użytkownik nie pracuje z "
                                        "danymi wskazanej firmy?"));
}

bool confirmCompanyDeletion() {
    return ui().question(QStringLiteral("Pytanie"),
                         QStringLiteral("Czy na pewno usunąć wskazaną firmę? Zgromadzone dane na "
                                        "temat firmy zostaną utracone bezpowrotnie! Upewnij się "
                                        "czy w tej chwili żaden z użytkowników nie pracuje na tej "
                                        "w firmie."),
                         DefaultAnswer::No);
}

CompanyAdministration::CompanyAdministration(QString location, QString password)
    : m_location(withoutTrailingSeparator(std::move(location))), m_password(std::move(password)) {}

QString CompanyAdministration::companyDirectory(const QString& folder) const {
    return QDir(m_location).filePath(folder);
}

std::optional<QList<CompanyEntry>> CompanyAdministration::companies(qint64 failureCode) const {
    try {
        LocationConnection db(m_location, m_password);
        const ResultSet r = db.connection.query(
            QStringLiteral("SELECT NAZWA, DIR FROM firmy.DB ORDER BY NAZWA COLLATE PL"));
        QList<CompanyEntry> list;
        for (int row = 0; row < r.rowCount(); ++row)
            list.append({r.value(row, 0).toString(), r.value(row, 1).toString()});
        return list;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, failureCode);
    }
    return std::nullopt;
}

bool CompanyAdministration::checkNewCompany(const QString& name, const QString& folder) {
    if (name.trimmed().isEmpty() || folder.trimmed().isEmpty()) {
        tell(QStringLiteral("Nazwa firmy lub katalogu niepoprawna."));
        return false;
    }
    if (!checkNewName(name))
        return false;
    if (const QString problem = companyFolderProblem(folder); !problem.isEmpty()) {
        tell(problem);
        return false;
    }
    return true;
}

SetupResult CompanyAdministration::addCompany(const QString& name, const QString& folder) {
    if (!checkNewCompany(name, folder))
        return SetupResult::Refused;
    const QDir location(m_location);
    location.mkdir(kControlFolder); // older databases may lack it
    OsFileLock turn(additionLockPath(m_location));
    if (!takeTurn(turn)) {
        tell(QStringLiteral("W tej chwili inny użytkownik zakłada firmę w tej bazie danych. "
                            "Spróbuj ponownie za chwilę."));
        return SetupResult::Refused;
    }
    std::unique_ptr<LocationConnection> db;
    try {
        db = std::make_unique<LocationConnection>(m_location, m_password);
        const ResultSet r = db->connection.query(QStringLiteral("SELECT NAZWA, DIR FROM firmy.DB"));
        for (int row = 0; row < r.rowCount(); ++row) {
            const QString otherName = r.value(row, 0).toString();
            const QString otherFolder = r.value(row, 1).toString();
            if (otherName == name || otherFolder == folder) {
                tell(QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej "
                                    "nazwie."));
                return SetupResult::Refused;
            }
            if (sameNameOnWindows(otherName, name) || sameNameOnWindows(otherFolder, folder)) {
                tell(QStringLiteral("Istnieje już firma „%1” w folderze „%2”. Nazwa i folder "
                                    "nowej firmy muszą różnić się od nich czymś więcej niż "
                                    "wielkością liter lub spacjami na początku i końcu.")
                         .arg(otherName, otherFolder));
                return SetupResult::Refused;
            }
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 320);
        return SetupResult::Failed;
    }
    // On a Windows share "Firma" and "firma" are one folder.
    for (const QString& entry :
         location.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (entry != folder && sameNameOnWindows(entry, folder)) {
            tell(QStringLiteral("W lokalizacji bazy danych jest już „%1”, nazwa różniąca się od "
                                "podanej tylko wielkością liter. Podaj inną nazwę folderu.")
                     .arg(entry));
            return SetupResult::Refused;
        }
    }
    const QString directory = companyDirectory(folder);
    const bool existed = QFileInfo::exists(directory);
    if (existed && !QFileInfo(directory).isDir()) {
        tell(QStringLiteral("W lokalizacji bazy danych jest plik o nazwie %1. Podaj inną nazwę "
                            "folderu.")
                 .arg(folder));
        return SetupResult::Refused;
    }
    // A folder left by a company that is no longer listed still holds its
    // data; copying the templates over it would destroy that data.
    if (!companyTableFilesIn(directory).isEmpty()) {
        tell(QStringLiteral("W folderze %1 znajdują się już tabele firmy. Podaj inną nazwę "
                            "folderu.")
                 .arg(QDir::toNativeSeparators(directory)));
        return SetupResult::Refused;
    }

    // The company is built aside and moved into place whole: a program
    // killed half-way leaves only a scratch folder, which the next addition
    // removes, never a folder that looks like a company.
    removeAbandonedScratch(m_location);
    const QString scratch =
        QDir(location.filePath(kControlFolder))
            .filePath(kScratchPrefix + QString::number(QRandomGenerator::global()->generate()));
    const auto dropScratch = [&scratch] { QDir(scratch).removeRecursively(); };
    if (!QDir().mkpath(scratch) ||
        !createFromTemplates(scratch, CreationMode::NewCompany, false, m_password)) {
        dropScratch();
        return SetupResult::Failed;
    }
    QStringList moved;
    const bool placed =
        existed ? moveEntriesInto(scratch, directory, moved) : QDir().rename(scratch, directory);
    const auto undo = [&] {
        if (!existed && placed) {
            QDir(directory).removeRecursively();
            return;
        }
        for (const QString& path : std::as_const(moved))
            QFileInfo(path).isDir() ? QDir(path).removeRecursively() : QFile::remove(path);
    };
    if (!placed) {
        undo();
        dropScratch();
        tell(QStringLiteral("Nie udało się stworzyć nowej firmy: nie można utworzyć folderu %1.")
                 .arg(QDir::toNativeSeparators(directory)));
        return SetupResult::Failed;
    }
    dropScratch();
    try {
        db->connection.execute(QStringLiteral("INSERT INTO firmy.DB (NAZWA,DIR) "
                                              "VALUES(:PARAM0,:PARAM1)"),
                               positionalParams({name, folder}));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 321);
        undo();
        return SetupResult::Failed;
    }
    tell(QStringLiteral("Zakładanie nowej firmy zakończyło się sukcesem. Do nowej firmy można "
                        "zalogować się podając użytkownika \"ADMIN\" i hasło \"zebux\" (małe "
                        "litery hasła). Hasło to będzie można zmienić w programie."));
    return SetupResult::Done;
}

bool CompanyAdministration::checkNewName(const QString& name) {
    if (name.trimmed().isEmpty()) {
        tell(QStringLiteral("Nazwa firmy niepoprawna."));
        return false;
    }
    if (name.size() > kCompanyNameMaxLength) {
        tell(QStringLiteral("Nazwa firmy jest zbyt długa (maksymalnie 50 znaków)."));
        return false;
    }
    if (hasControlCharacters(name)) {
        tell(kControlCharactersText);
        return false;
    }
    return true;
}

SetupResult CompanyAdministration::checkRename(const QString& oldName,
                                               const QString& newName) const {
    if (!checkNewName(newName))
        return SetupResult::Refused;
    try {
        LocationConnection db(m_location, m_password);
        const ResultSet r = db.connection.query(QStringLiteral("SELECT NAZWA FROM firmy.DB"));
        bool found = false;
        for (int row = 0; row < r.rowCount(); ++row) {
            const QString other = r.value(row, 0).toString();
            found = found || other == oldName;
            if (other == newName) {
                tell(QStringLiteral("Istnieje już firma o podanej nazwie."));
                return SetupResult::Refused;
            }
            // The company itself may change only the case of its name.
            if (other != oldName && sameNameOnWindows(other, newName)) {
                tell(QStringLiteral("Istnieje już firma o nazwie „%1”. Nowa nazwa musi różnić się "
                                    "od niej czymś więcej niż wielkością liter lub spacjami na "
                                    "początku i końcu.")
                         .arg(other));
                return SetupResult::Refused;
            }
        }
        if (!found) {
            tell(QStringLiteral("Nie znaleziono firmy o nazwie \"%1\".").arg(oldName));
            return SetupResult::Refused;
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 322);
        return SetupResult::Failed;
    }
    return SetupResult::Done;
}

SetupResult CompanyAdministration::renameCompany(const QString& oldName, const QString& newName) {
    if (const SetupResult checked = checkRename(oldName, newName); checked != SetupResult::Done)
        return checked;
    try {
        LocationConnection db(m_location, m_password);
        const int changed = db.connection.execute(
            QStringLiteral("UPDATE firmy.DB SET NAZWA=:PARAM0 WHERE NAZWA=:PARAM1"),
            positionalParams({newName, oldName}));
        if (changed == 0) {
            tell(QStringLiteral("Nie znaleziono firmy o nazwie \"%1\".").arg(oldName));
            return SetupResult::Refused;
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 323);
        return SetupResult::Failed;
    }
    tell(QStringLiteral("Zmiana nazwy firmy zakończyło się sukcesem."));
    return SetupResult::Done;
}

SetupResult CompanyAdministration::deleteCompany(const QString& name) {
    std::vector<std::unique_ptr<engine::PresenceLock::Exclusive>> holds;
    QStringList directories;
    try {
        LocationConnection db(m_location, m_password);
        const ResultSet r =
            db.connection.query(QStringLiteral("SELECT DIR FROM firmy.DB WHERE NAZWA=:PARAM0"),
                                positionalParams({name}));
        if (r.rowCount() == 0) {
            tell(QStringLiteral("Nie znaleziono firmy o nazwie \"%1\".").arg(name));
            return SetupResult::Refused;
        }
        for (int row = 0; row < r.rowCount(); ++row) {
            const QString folder = r.value(row, 0).toString();
            // The folder comes from the file, not from the user, but it is
            // joined to the location just the same.
            if (const QString problem = companyFolderProblem(folder); !problem.isEmpty()) {
                tell(problem + QStringLiteral(" Folder firmy \"%1\": \"%2\". Firmy nie usunięto.")
                                   .arg(name, folder));
                return SetupResult::Refused;
            }
            const ResultSet shared = db.connection.query(
                QStringLiteral(
                    "SELECT COUNT(*) FROM firmy.DB WHERE DIR=:PARAM0 AND NAZWA<>:PARAM1"),
                positionalParams({folder, name}));
            if (shared.value(0, 0).toLongLong() > 0) {
                tell(QStringLiteral("Folder %1 należy także do innej firmy. Firmy nie usunięto.")
                         .arg(folder));
                return SetupResult::Refused;
            }
            const QString directory = companyDirectory(folder);
            if (QFileInfo(directory).isDir()) {
                auto hold = engine::PresenceLock::tryExclusive(directory);
                if (!hold) {
                    tell(QStringLiteral("Z danymi firmy \"%1\" pracuje w tej chwili inny "
                                        "użytkownik. Firmy nie usunięto.")
                             .arg(name));
                    return SetupResult::Refused;
                }
                holds.push_back(std::move(hold));
            }
            directories.append(directory);
        }
        db.connection.execute(QStringLiteral("DELETE FROM firmy.DB WHERE NAZWA=:PARAM0"),
                              positionalParams({name}));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 323);
        return SetupResult::Failed;
    }
    for (const QString& directory : directories) {
        removeCompanyTables(directory);
        // Nobody can announce himself in a company that is gone.
        QFile::remove(engine::PresenceLock::lockFilePath(directory));
        removeProgramFiles(directory);
    }
    holds.clear();
    for (const QString& directory : directories)
        QDir().rmdir(directory); // stays while other files remain in it
    tell(QStringLiteral("Firma została usunięta."));
    return SetupResult::Done;
}

} // namespace kv
