#include "location/gui/DatabaseProblemGuide.h"

#include "location/DatabaseLocation.h"
#include "storage/SettingsPaths.h"

#include <QDir>

namespace kv {

namespace {

QString problemText(const QString& databaseFolder) {
    const QString location =
        databaseFolder.isEmpty() ? currentDatabaseLocation().location : databaseFolder;
    const QString folder = location.isEmpty()
                               ? QStringLiteral("folderu bazy danych")
                               : QStringLiteral("folderu bazy danych (<i>%1</i>)")
                                     .arg(QDir::toNativeSeparators(location).toHtmlEscaped());
    return QStringLiteral(
               "<p>Nie udało się połączyć z bazą danych. Najczęstsze przyczyny to:</p>"
               "<ul>"
               "<li><b>Błędne hasło bazy danych.</b> Hasło rozróżnia małe i duże litery. Jest "
               "to hasło podane przy zakładaniu bazy, a nie hasło użytkownika programu.</li>"
               "<li><b>Brak uprawnień do %1.</b> Użytkownik systemu musi mieć prawo odczytu "
               "i zapisu w tym folderze, w podfolderach firm i do wszystkich plików *.DB. Jeśli "
               "baza leży w udziale sieciowym, udział musi być podłączony i zamontowany z prawem "
               "zapisu.</li>"
               "<li><b>Brak uprawnień do katalogu ustawień programu</b> (<i>%2</i>). Program "
               "zapisuje w nim ustawienia, zaszyfrowane hasło bazy (config.dat), dziennik błędów "
               "oraz pliki tymczasowe silnika bazy danych (podfolder tmpFile).</li>"
               "<li><b>Niedostępne pliki silnika bazy danych.</b> Sprawdź, czy program został "
               "zainstalowany w całości i czy jego pliki można odczytać.</li>"
               "</ul>"
               "<p>Sprawdź hasło i uprawnienia, a następnie spróbuj ponownie. Jak nadać "
               "uprawnienia, opisuje poradnik „Uprawnienia dostępu”.</p>")
        .arg(folder, QDir::toNativeSeparators(settingsDirectory()).toHtmlEscaped());
}

} // namespace

const QString DatabaseProblemGuide::kAccessRightsFile = QStringLiteral("Uprawnienia dostępu.pdf");

DatabaseProblemGuide::DatabaseProblemGuide(QWidget* parent, const QString& databaseFolder)
    : GuideWindow(QStringLiteral("Informacja"), QStringLiteral("Problem z połączeniem z bazą ..."),
                  true, problemText(databaseFolder), QStringLiteral("Dalej >>"),
                  QStringLiteral("&Uprawnienia dostępu (PDF)"), kAccessRightsFile, parent) {
    setObjectName(QStringLiteral("TinfoDBProblem"));
    resize(600, 470);
}

} // namespace kv
