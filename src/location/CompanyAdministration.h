#pragma once

#include "location/DatabaseSetup.h"

#include <QList>
#include <QString>
#include <optional>

namespace kv {

// One row of the company list "firmy.DB".
struct CompanyEntry {
    QString name;   // NAZWA, the short name shown at login
    QString folder; // DIR, the company's folder inside the location
};

constexpr int kCompanyNameMaxLength = 50;

// The Polish message when a company folder is not one plain folder name (empty,
// ".", "..", a "/" or "\" separator, a drive letter or any ":", a control
// character, an absolute path) or is longer than 50 characters; empty when
// the name is fine. Company folders are joined to the location, so anything
// else could reach outside it.
QString companyFolderProblem(const QString& folder);

inline const QString kBadCompanyFolderText =
    QStringLiteral("Niepoprawna nazwa folderu firmy. Podaj samą nazwę folderu, bez ścieżki i "
                   "znaków / \\ :.");

// The questions asked before a rename or a deletion ("Tak" is true).
bool confirmCompanyRename();
bool confirmCompanyDeletion();

// Adding, renaming and deleting the companies of one database location, with
// a password already known to open it (the callers ask for it or take the
// stored one). Every refusal and failure is shown through kv::ui(); engine
// failures are reported with the codes of their place.
class CompanyAdministration {
public:
    CompanyAdministration(QString location, QString password);

    const QString& location() const { return m_location; }
    QString companyDirectory(const QString& folder) const;

    // The companies ordered by name; nothing after a failure, reported with
    // the caller's code.
    std::optional<QList<CompanyEntry>> companies(qint64 failureCode) const;

    // The checks made before anything else (and before asking a password):
    // both texts given, the folder one plain name, neither too long.
    static bool checkNewCompany(const QString& name, const QString& folder);
    // Refuses a name or folder already in the list, and a folder that already
    // holds company tables; then copies the empty company, fills its initial
    // data and adds it to the list. A failure after copying removes the copied
    // tables again, so that nothing half-made is left behind.
    SetupResult addCompany(const QString& name, const QString& folder);

    static bool checkNewName(const QString& name);
    // Changes the short name; the folder never changes.
    SetupResult renameCompany(const QString& oldName, const QString& newName);

    // Removes the company from the list and deletes its 30 table files; other
    // files in its folder (markers, backups) and so the folder itself stay.
    // Refused while another program works with the company.
    SetupResult deleteCompany(const QString& name);

private:
    QString m_location;
    QString m_password;
};

} // namespace kv
