#include "support/gui/OpenExternally.h"

#include "support/UserInterface.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrlQuery>

namespace kv {

namespace {

void tell(const QString& text) {
    ui().information(QStringLiteral("Informacja"), text);
}

} // namespace

bool openExternally(const QUrl& url) {
    if (url.isLocalFile()) {
        const QString path = QDir::toNativeSeparators(url.toLocalFile());
        if (!QFileInfo(url.toLocalFile()).isFile()) {
            tell(QStringLiteral("Nie znaleziono pliku „%1”. Sprawdź, czy program został "
                                "zainstalowany w całości.")
                     .arg(path));
            return false;
        }
        if (QDesktopServices::openUrl(url))
            return true;
        tell(QStringLiteral("Nie udało się otworzyć pliku „%1”: w systemie nie ma programu, który "
                            "otwiera pliki tego rodzaju (dla plików PDF – przeglądarki PDF). "
                            "Otwórz ten plik samodzielnie albo zainstaluj taki program.")
                 .arg(path));
        return false;
    }
    if (QDesktopServices::openUrl(url))
        return true;
    if (url.scheme() == u"mailto") {
        const QString subject =
            QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded);
        tell(QStringLiteral("Nie udało się uruchomić programu pocztowego: w systemie nie ma "
                            "programu obsługującego wiadomości e-mail. Napisz na adres %1%2.")
                 .arg(url.path(), subject.isEmpty()
                                      ? QString()
                                      : QStringLiteral(" (temat: „%1”)").arg(subject)));
        return false;
    }
    tell(QStringLiteral("Nie udało się otworzyć adresu %1: w systemie nie ma programu, który go "
                        "obsługuje. Otwórz go samodzielnie w przeglądarce.")
             .arg(url.toString()));
    return false;
}

bool openFileExternally(const QString& path) {
    return openExternally(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

} // namespace kv
