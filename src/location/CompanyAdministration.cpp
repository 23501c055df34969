#include "location/CompanyAdministration.h"

#include "location/DatabaseCreation.h"
#include "schema/Schema.h"
#include "storage/ErrorReport.h"
#include "storage/engine/Connection.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/EngineSession.h"
#include "storage/engine/PresenceLock.h"
#include "support/TextFunctions.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

} // namespace

QString companyFolderProblem(const QString& folder) {
    if (folder.size() > kCompanyNameMaxLength)
        return QStringLiteral("Nazwa folderu firmy jest zbyt długa (maksymalnie 50 znaków).");
    if (hasControlCharacters(folder))
        return kControlCharactersText;
    // The engine's shared control folder is no company.
    if (folder.trimmed().compare(u"NetFileDir", Qt::CaseInsensitive) == 0)
        return QStringLiteral("Nazwa NetFileDir jest zarezerwowana dla programu. Podaj inną "
                              "nazwę folderu firmy.");
    const bool plain = !folder.trimmed().isEmpty() && folder != u"." && folder != u".." &&
                       !folder.contains(u'/') && !folder.contains(u'\\') && !folder.contains(u':');
    return plain ? QString() : kBadCompanyFolderText;
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
                                        "w firmie."));
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
    std::unique_ptr<LocationConnection> db;
    try {
        db = std::make_unique<LocationConnection>(m_location, m_password);
        const ResultSet r = db->connection.query(
            QStringLiteral("SELECT COUNT(*) FROM firmy.DB WHERE NAZWA=:PARAM0 OR DIR=:PARAM1"),
            positionalParams({name, folder}));
        if (r.value(0, 0).toLongLong() > 0) {
            tell(QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej nazwie."));
            return SetupResult::Refused;
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 320);
        return SetupResult::Failed;
    }
    // A folder left by a company that is no longer listed still holds its
    // data; copying the templates over it would destroy that data.
    const QString directory = companyDirectory(folder);
    if (!companyTableFilesIn(directory).isEmpty()) {
        tell(QStringLiteral("W folderze %1 znajdują się już tabele firmy. Podaj inną nazwę "
                            "folderu.")
                 .arg(QDir::toNativeSeparators(directory)));
        return SetupResult::Refused;
    }
    if (!createFromTemplates(directory, CreationMode::NewCompany, false, m_password)) {
        removeCompanyTables(directory);
        return SetupResult::Failed;
    }
    try {
        db->connection.execute(QStringLiteral("INSERT INTO firmy.DB (NAZWA,DIR) "
                                              "VALUES(:PARAM0,:PARAM1)"),
                               positionalParams({name, folder}));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 321);
        removeCompanyTables(directory);
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

SetupResult CompanyAdministration::renameCompany(const QString& oldName, const QString& newName) {
    if (!checkNewName(newName))
        return SetupResult::Refused;
    try {
        LocationConnection db(m_location, m_password);
        const ResultSet r =
            db.connection.query(QStringLiteral("SELECT COUNT(*) FROM firmy.DB WHERE NAZWA=:PARAM0"),
                                positionalParams({newName}));
        if (r.value(0, 0).toLongLong() > 0) {
            tell(QStringLiteral("Istnieje już firma o podanej nazwie."));
            return SetupResult::Refused;
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 322);
        return SetupResult::Failed;
    }
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
    }
    holds.clear();
    for (const QString& directory : directories)
        QDir().rmdir(directory); // stays while other files remain in it
    tell(QStringLiteral("Firma została usunięta."));
    return SetupResult::Done;
}

} // namespace kv
