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
// else could reach outside it. Databases are often kept on Windows shares,
// so what those cannot hold is refused too: the characters < > " | ? *, a
// trailing blank or dot, and the device names CON, PRN, AUX, NUL, COM1 to
// COM9 and LPT1 to LPT9, with or without an extension ("CON.txt").
QString companyFolderProblem(const QString& folder);

inline const QString kBadCompanyFolderText =
    QStringLiteral("Niepoprawna nazwa folderu firmy. Podaj samą nazwę folderu, bez ścieżki i "
                   "znaków / \\ :.");
inline const QString kForbiddenFolderCharactersText = QStringLiteral(
    "Nazwa folderu firmy nie może zawierać znaków < > : \" / \\ | ? * (nie obsługują ich "
    "udziały sieciowe Windows).");
inline const QString kFolderEndText =
    QStringLiteral("Nazwa folderu firmy nie może kończyć się spacją ani kropką (takiego folderu "
                   "nie obsługują udziały sieciowe Windows).");
// Two texts that Windows would take for one: the same up to letter case and
// the blanks around them.
bool sameNameOnWindows(const QString& a, const QString& b);

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
    // Refuses a name or folder already in the list (also one that differs
    // only by letter case or surrounding blanks), a folder whose name differs
    // from one in the location only by letter case, and a folder that already
    // holds company tables; then builds the empty company in a scratch folder,
    // fills its initial data, moves it into place and adds it to the list.
    // Additions to one location take turns (a lock in its NetFileDir), so two
    // programs adding the same folder at once cannot both succeed. A failure
    // at any step removes what was made, so nothing half-made is left behind.
    SetupResult addCompany(const QString& name, const QString& folder);

    static bool checkNewName(const QString& name);
    // The checks of a rename, told when one refuses: the new name keeps the
    // rules and no other company has it (up to letter case and surrounding
    // blanks), and the company exists. Done when the rename may go ahead.
    SetupResult checkRename(const QString& oldName, const QString& newName) const;
    // Changes the short name; the folder never changes.
    SetupResult renameCompany(const QString& oldName, const QString& newName);

    // Removes the company from the list and deletes its 30 table files with
    // what the program made beside them (upgrade markers, lock files, the
    // NetFileDir control folder); other files (backups) stay, and the folder
    // goes only when nothing else is left in it. Refused while another program
    // works with the company.
    SetupResult deleteCompany(const QString& name);

private:
    QString m_location;
    QString m_password;
};

} // namespace kv
