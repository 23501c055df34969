#include "location/gui/FirstStartGuide.h"

namespace kv {

namespace {

QString tutorialText() {
    return QStringLiteral(
        "<p><b>Witaj w programie Karvento!</b></p>"
        "<p>Zanim zaczniesz pracę, program musi wiedzieć, gdzie znajduje się baza danych. "
        "Baza danych to folder, w którym zapisana jest lista firm i tabela odległości, a dane "
        "każdej firmy leżą w osobnym podfolderze.</p>"
        "<p>Za chwilę zobaczysz okno <b>„Baza danych”</b>. Wybierz w nim jedną z dwóch "
        "możliwości:</p>"
        "<ul>"
        "<li><b>Stwórz nową bazę danych</b> – gdy pracujesz z programem po raz pierwszy. Wskaż "
        "folder, w którym ma powstać baza (program założy w nim podfolder „Pojazdy_DB”), i podaj "
        "hasło od 3 do 15 liter lub cyfr, które zabezpieczy dane przed niepowołanymi osobami. "
        "Zapamiętaj je – bez niego nie otworzysz bazy. Zaznacz „Dołącz do bazy dane "
        "demonstracyjne”, aby poznać program na przykładowej firmie; bez nich od razu dodasz "
        "własną firmę.</li>"
        "<li><b>Wskaż lokalizację istniejącej bazy danych</b> – gdy baza już istnieje, na tym "
        "komputerze albo na serwerze. Wskaż folder, w którym leży plik <i>firmy.DB</i>, czyli "
        "folder z listą firm (np. <i>/srv/Pojazdy_DB</i>), a nie podfolder jednej firmy, i podaj "
        "hasło bazy.</li>"
        "</ul>"
        "<p><b>Praca na kilku komputerach</b></p>"
        "<p>Kilka komputerów może pracować na jednej bazie danych w tym samym czasie:</p>"
        "<ol>"
        "<li>Umieść bazę w folderze udostępnionym w sieci, np. w udziale SMB na serwerze lub "
        "w urządzeniu NAS albo w katalogu udostępnionym przez NFS.</li>"
        "<li>Na każdym komputerze podłącz (zamontuj) ten udział z prawem odczytu i zapisu, "
        "w systemie Linux np. w katalogu <i>/mnt/karvento</i>, tak aby był dostępny po każdym "
        "uruchomieniu komputera.</li>"
        "<li>Na pierwszym komputerze stwórz bazę w tym folderze, a na pozostałych wybierz "
        "„Wskaż lokalizację istniejącej bazy danych”, wskaż ten sam folder i podaj to samo "
        "hasło.</li>"
        "</ol>"
        "<p>Każdy komputer pamięta lokalizację i hasło bazy we własnych ustawieniach, więc "
        "wskazanie wykonuje się na nim tylko raz. Więcej informacji zawiera instrukcja "
        "obsługi.</p>");
}

} // namespace

const QString FirstStartGuide::kManualFile = QStringLiteral("Instrukcja obsługi.pdf");

FirstStartGuide::FirstStartGuide(QWidget* parent)
    : GuideWindow(QStringLiteral("Przeczytaj uważnie ..."),
                  QStringLiteral("Pierwsze uruchomienie programu"), false, tutorialText(),
                  QStringLiteral(" Kontynuuj  >>"), QStringLiteral("&Instrukcja obsługi (PDF)"),
                  kManualFile, parent) {
    setObjectName(QStringLiteral("TfTutorial1"));
    resize(640, 600);
}

} // namespace kv
