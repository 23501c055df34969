#include "app/ThemeIcons.h"

#include "storage/SettingsPaths.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>

namespace kv {

namespace {

struct Entry {
    const char* key;
    const char* icon;
};

// One entry a line, `{"key", "icon-name"},`: the build reads the names from
// here to bundle them (packaging/BundleIcons.cmake).
constexpr Entry kIcons[] = {
    // The section bar.
    {"SBStart", "go-home"},
    {"SBPojazdy", "car"},
    {"SBFinansowe", "view-bank"},
    {"SBPaliwa", "speedometer"},
    {"SBCzas", "chronometer"},
    {"SBRejestry", "view-list-details"},
    {"SBRaporty", "office-report"},
    {"SBWykresy", "office-chart-line"},
    {"SBSlowniki", "view-list-text"},
    // The register columns: "RB" and the register's page.
    {"RBIPrzejazdy", "routeplanning"},
    {"RBIKoszty", "wallet-open"},
    {"RBIKartyDrogowe", "view-pim-journal"},
    {"RBIKartyPaliwowe", "view-financial-account-credit-card"},
    {"RBIZlecenia", "view-task"},
    {"RBIRozliczenia", "view-financial-list"},
    {"RBIPrzebiegi", "measure"},
    {"RBICenyPaliw", "view-financial-category-expense"},
    {"RBIZuzycie", "office-chart-area"},
    {"RBIZuzycieKm", "office-chart-bar"},
    {"RBIZuzycieMth", "office-chart-line-stacked"},
    {"RBITerminarz", "view-calendar"},
    {"RBIWyposazenie", "box"},
    {"RBIDokumenty", "folder-documents"},
    {"RBIOpony", "car"},
    {"RBISzkody", "dialog-warning"},
    {"RBINaprawy", "tools"},
    {"RBIMagazyn", "package-x-generic"},
    {"RBSlStawki", "accessories-calculator"},
    {"RBslOsobowa", "view-pim-contacts"},
    {"RBSlBiblioteka", "view-list-tree"},
    {"RBSlDaneFirmy", "x-office-address-book"},
    {"RBpojazdy", "car"}, // no button: the vehicles are a section; its menu item
    // The command row; the menu items and pop-up items that follow a command
    // take its button's icon.
    {"SBSzukaj", "edit-find"},
    {"SBKopiuj", "edit-copy"},
    {"SBDodaj", "list-add"},
    {"SBEdytuj", "document-edit"},
    {"SBUsun", "edit-delete"},
    {"SBPodglad", "document-preview"},
    {"SBcsv", "document-export"},
    {"SBDrukuj", "document-print"},
    {"SBSuma", "gnumeric-autosum"},
    {"SBFiszka", "note"},
    // Menu items by their text.
    {"Opcje", "configure"},
    {"Wyloguj się...", "system-log-out"},
    {"Zakończ", "application-exit"},
    {"Sprawdź terminy", "view-calendar-tasks"},
    {"Sprawdź stany magazynowe", "package-x-generic"},
    {"Utwórz kopię przejazdów na podstawie wskazanego miesiąca", "edit-copy"},
    {"Tabela odległości", "tool-measure"},
    {"Notatnik", "note"},
    {"Przywróć domyślne szerokości tabel", "view-restore"},
    {"Import kosztów z arkusza .CSV", "document-import"},
    {"Import przejazdów z arkusza .CSV", "document-import"},
    {"Import taknowania (ciągłe) z arkusza .CSV", "document-import"},
    {"Import tankowania Km z arkusza .CSV", "document-import"},
    {"Import tankowania Mth z arkusza .CSV", "document-import"},
    {"Import pracowników z arkusza .CSV", "document-import"},
    {"Wstęp", "go-home"},
    {"Finansowe", "view-bank"},
    {"Paliwa", "speedometer"},
    {"Czas", "chronometer"},
    {"Harmonogram", "view-calendar-timeline"},
    {"Rejestry", "view-list-details"},
    {"Raporty wg pojazdów", "office-report"},
    {"Raporty wg kierowców", "office-report"},
    {"Karty drogowe", "office-report"},
    {"Kilometrówka VAT", "office-report"},
    {"Pozostałe raporty 1", "office-report"},
    {"Pozostałe raporty 2", "office-report"},
    {"Wykresy", "office-chart-line"},
    {"Słowniki", "view-list-text"},
    {"Zarządzanie użytkownikami", "system-users"},
    {"Administracja bazą danych", "server-database"},
    {"Archiwizacja bazy danych", "archive-insert"},
    {"Pomoc", "help-contents"},
    {"Pomoc techniczna via Internet", "mail-send"},
    {"Otwórz log błędów error.log", "text-x-log"},
    {"Porada dnia", "help-hint"},
    {"O programie", "help-about"},
};

const QHash<QString, QString>& mapping() {
    static const QHash<QString, QString> map = [] {
        QHash<QString, QString> m;
        for (const Entry& e : kIcons)
            m.insert(QString::fromUtf8(e.key), QString::fromLatin1(e.icon));
        return m;
    }();
    return map;
}

} // namespace

QString themeIconName(const QString& key) {
    return mapping().value(key);
}

QIcon themeIcon(const QString& key) {
    const QString name = themeIconName(key);
    return name.isEmpty() ? QIcon() : QIcon::fromTheme(name);
}

QStringList themeIconNames() {
    QStringList names;
    for (const Entry& e : kIcons)
        names.append(QString::fromLatin1(e.icon));
    names.removeDuplicates();
    return names;
}

QString bundledThemeFor(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128 ? QStringLiteral("breeze-dark")
                                                             : QStringLiteral("breeze");
}

void useBundledIcons() {
    const QString bundled = QDir(installDirectory()).filePath(QStringLiteral("icons"));
    QStringList paths = QIcon::themeSearchPaths();
    if (!paths.contains(bundled)) {
        // Last, so that a complete copy of the theme installed on the computer
        // is found first.
        paths.append(bundled);
        QIcon::setThemeSearchPaths(paths);
    }
    const QString theme = bundledThemeFor(QGuiApplication::palette());
    QIcon::setFallbackThemeName(theme);
    // A desktop without an icon theme of its own (a bare X server, a minimal
    // window manager) has only "hicolor", which has no action icons.
    const QString desktopTheme = QIcon::themeName();
    if (desktopTheme.isEmpty() || desktopTheme == u"hicolor")
        QIcon::setThemeName(theme);
    // The installed icon from the desktop's hicolor theme; the build tree's
    // copy where there is none (a platform without the desktop's folders).
    QIcon own;
    for (const char* size : {"16x16", "32x32", "48x48", "256x256"})
        own.addFile(QDir(bundled).filePath(
            QStringLiteral("hicolor/%1/apps/karvento.png").arg(QLatin1String(size))));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("karvento"), own));
}

} // namespace kv
