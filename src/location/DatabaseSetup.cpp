#include "location/DatabaseSetup.h"

#include "location/CompanyAdministration.h"
#include "location/DatabaseCreation.h"
#include "location/DatabaseLocation.h"
#include "location/InstallationCheck.h"
#include "storage/ErrorLog.h"
#include "storage/TableMaintenance.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>

namespace kv {

namespace {

const QString kInformation = QStringLiteral("Informacja");
const QString kError = QStringLiteral("Błąd");
constexpr qint64 kDiagnosticCode = 9999999999LL;

// Makes the database the program's own and records where it is.
void adoptDatabase(const QString& directory, const QString& password, const char* event) {
    DatabaseLocation& current = currentDatabaseLocation();
    // A relative path would point elsewhere as soon as the program starts
    // from another folder.
    current.location =
        withoutTrailingSeparator(QDir::cleanPath(QFileInfo(directory).absoluteFilePath()));
    current.password = password;
    appendErrorLog(codedLine(kDiagnosticCode, QString::fromLatin1(event) +
                                                  QStringLiteral(" Folder=") + current.location));
    saveLocationAndPassword(current);
}

} // namespace

QString connectionProblemText() {
    return QStringLiteral(
        "Nie udało się otworzyć bazy danych. Najczęstsze przyczyny to błędne hasło dostępu do "
        "bazy danych albo brak uprawnień do odczytu i zapisu w folderze bazy danych, w katalogu "
        "ustawień programu lub do plików silnika bazy danych.");
}

std::optional<QString> askNewDatabasePassword() {
    for (;;) {
        // Masked and typed twice: a forgotten or mistyped database password
        // cannot be recovered, and the data would be locked away for good.
        const std::optional<QString> password = ui().newPassword(
            QStringLiteral("Podaj hasło"),
            QStringLiteral("Proszę podać nowe hasło, które będzie zabezpieczać bazę danych przed "
                           "niepowołanymi osobami. Tylko małe i duże litery lub cyfry. Długość od "
                           "3 do 15 znaków. Zapisz je w bezpiecznym miejscu: hasła bazy danych "
                           "nie da się odzyskać."));
        if (!password)
            return std::nullopt;
        const QString problem = databasePasswordProblem(*password);
        if (problem.isEmpty())
            return password;
        ui().information(kInformation, problem);
    }
}

QString databaseFolderBelow(const QString& chosen) {
    const QString dir = withoutTrailingSeparator(chosen.trimmed());
    const QString name = QStringLiteral("Pojazdy_DB");
    if (QFileInfo(dir).fileName().toUpper() == name.toUpper())
        return dir;
    const QString below = QDir(dir).filePath(name);
    if (QFileInfo(below).isDir() || (QFileInfo(dir).isDir() && QDir(dir).mkdir(name)))
        return below;
    ui().information(kError, QStringLiteral("Wystąpił błąd podczas zakładania folderu. "
                                            "Prawdopodobną przyczyną błędu może być brak "
                                            "uprawnień do tworzenia folderów w katalogu %1")
                                 .arg(QDir::toNativeSeparators(dir)));
    return {};
}

QString createSubfolder(const QString& parent, const QString& name) {
    // One plain name: the same rules as a company folder keep it inside parent.
    const QString path = QDir(withoutTrailingSeparator(parent)).filePath(name);
    const bool plainName = !name.trimmed().isEmpty() && companyFolderProblem(name).isEmpty();
    if (plainName && QFileInfo(parent).isDir() &&
        (QFileInfo(path).isDir() || QDir(parent).mkdir(name)))
        return path;
    ui().information(kError, QStringLiteral("Wystąpił błąd podczas zakładania katalogu. "
                                            "Prawdopodobną przyczyną błędu może być zła nazwa "
                                            "katalogu lub brak odpowiednich uprawnień."));
    return {};
}

SetupResult createDatabase(const QString& target, bool withDemo, const QString& password) {
    if (const QString problem = databasePasswordProblem(password); !problem.isEmpty()) {
        ui().information(kInformation, problem);
        return SetupResult::Refused;
    }
    const QString dir = withoutTrailingSeparator(target.trimmed());
    if (dir.isEmpty()) {
        ui().information(kInformation,
                         QStringLiteral("Nie wskazano folderu, w którym ma powstać baza danych."));
        return SetupResult::Refused;
    }
    // Before the question about replacing: an incomplete installation
    // replaces nothing.
    if (!checkInstallation(CreationMode::NewDatabase, withDemo))
        return SetupResult::Refused;
    if (QFileInfo::exists(QDir(dir).filePath(QStringLiteral("firmy.DB"))) &&
        !ui().question(QStringLiteral("Pytanie"),
                       QStringLiteral("W podanej lokalizacji znajduje się już baza danych. Upewnij "
                                      "się czy nie jest ona używana. Dane w istniejącej bazie "
                                      "zostaną zastąpione. Czy na pewno chcesz zastąpić "
                                      "istniejącą bazę?"),
                       DefaultAnswer::No))
        return SetupResult::Cancelled;
    if (!createFromTemplates(dir, CreationMode::NewDatabase, withDemo, password))
        return SetupResult::Failed;
    adoptDatabase(dir, password, "db created.");
    if (!withDemo)
        ui().information(kInformation, QStringLiteral("Założono nową, PUSTĄ bazę danych. Dodaj "
                                                      "teraz nową firmę do bazy danych."));
    return SetupResult::Done;
}

bool passwordOpensLocation(const QString& location, const QString& password) {
    // A folder that is not there is no wrong password: the trial opening would
    // take it for locked files and say so.
    const QString dir = withoutTrailingSeparator(location.trimmed());
    return !dir.isEmpty() && QFileInfo(dir).isDir() &&
           trialOpenTable(dir, QStringLiteral("firmy.DB"), password);
}

SetupResult selectDatabase(const QString& directory, const QString& password) {
    if (!passwordOpensLocation(directory, password))
        return SetupResult::WrongPassword;
    adoptDatabase(directory.trimmed(), password, "db selected.");
    ui().information(kInformation, QStringLiteral("Wskazano nową lokalizację bazy danych."));
    return SetupResult::Done;
}

std::optional<QString> askDatabasePassword(const QString& location, const QString& message,
                                           const std::function<void()>& onWrongPassword) {
    for (;;) {
        const std::optional<QString> password =
            ui().prompt(QStringLiteral("Podaj hasło"), message, QString(), true);
        if (!password)
            return std::nullopt;
        if (passwordOpensLocation(location, *password))
            return password;
        if (onWrongPassword)
            onWrongPassword();
        else
            ui().information(kInformation, connectionProblemText());
    }
}

} // namespace kv
