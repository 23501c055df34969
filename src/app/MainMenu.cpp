// The main menu. Items of parts of the program that are not available yet are
// present but disabled, so the menu shows the whole program from the start.
#include "app/MainWindow.h"

#include "location/gui/FirstStartGuide.h"
#include "options/gui/OptionsDialog.h"
#include "storage/SettingsPaths.h"
#include "support/GridLayoutStore.h"
#include "support/UserInterface.h"
#include "support/gui/OpenExternally.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace kv {

namespace {
QString key(const QString& text) {
    QString k = text;
    k.remove(u'&');
    return k;
}
} // namespace

QAction* MainWindow::addMenuAction(QMenu* menu, const QString& text, const QString& shortcut,
                                   bool available) {
    QAction* a = menu->addAction(text);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut));
    a->setEnabled(available);
    if (!available)
        m_notBuilt.insert(a);
    m_actions.insert(key(text), a);
    return a;
}

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();

    QMenu* dane = bar->addMenu(QStringLiteral("&Dane"));
    connect(addMenuAction(dane, QStringLiteral("Opcje")), &QAction::triggered, this, [this] {
        OptionsDialog::edit(this);
        openSection(Section::Start);
    });
    connect(addMenuAction(dane, QStringLiteral("Wyloguj się...")), &QAction::triggered, this,
            &MainWindow::logOut);
    dane->addSeparator();
    connect(addMenuAction(dane, QStringLiteral("Zakończ")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* edycja = bar->addMenu(QStringLiteral("&Edycja"));
    struct EditItem {
        const char* key;
        QString text;
        QString shortcut;
    };
    const EditItem editItems[] = {
        {"Podglad", QStringLiteral("Podgląd"), {}},
        {"Dodaj", QStringLiteral("Dodaj"), {}},
        {"Edytuj", QStringLiteral("Edytuj"), {}},
        {"Kasuj", QStringLiteral("Kasuj"), {}},
        {"Kopiuj", QStringLiteral("Kopiuj"), {}},
        {"Drukuj", QStringLiteral("Drukuj"), {}},
        {"ZapiszCSV", QStringLiteral("Zapisz do CSV"), {}},
        {"Szukaj", QStringLiteral("Szukaj"), QStringLiteral("Ctrl+F")},
    };
    const QHash<QString, QString> buttons{{QStringLiteral("Podglad"), QStringLiteral("SBPodglad")},
                                          {QStringLiteral("Dodaj"), QStringLiteral("SBDodaj")},
                                          {QStringLiteral("Edytuj"), QStringLiteral("SBEdytuj")},
                                          {QStringLiteral("Kasuj"), QStringLiteral("SBUsun")},
                                          {QStringLiteral("Kopiuj"), QStringLiteral("SBKopiuj")},
                                          {QStringLiteral("Drukuj"), QStringLiteral("SBDrukuj")},
                                          {QStringLiteral("ZapiszCSV"), QStringLiteral("SBcsv")},
                                          {QStringLiteral("Szukaj"), QStringLiteral("SBSzukaj")}};
    for (const EditItem& item : editItems) {
        QAction* a = edycja->addAction(item.text);
        if (QPushButton* b = m_commandButtons.value(buttons.value(QLatin1String(item.key))))
            connect(a, &QAction::triggered, b, &QPushButton::click);
        if (!item.shortcut.isEmpty())
            a->setShortcut(QKeySequence(item.shortcut));
        a->setEnabled(false);
        m_actions.insert(QLatin1String(item.key), a);
    }

    QMenu* narzedzia = bar->addMenu(QStringLiteral("&Narzędzia"));
    addMenuAction(narzedzia, QStringLiteral("Sprawdź terminy"), {}, false);
    addMenuAction(narzedzia, QStringLiteral("Sprawdź stany magazynowe"), {}, false);
    addMenuAction(narzedzia,
                  QStringLiteral("Utwórz kopię przejazdów na podstawie wskazanego miesiąca"), {},
                  false);
    addMenuAction(narzedzia, QStringLiteral("Tabela odległości"), {}, false);
    addMenuAction(narzedzia, QStringLiteral("Notatnik"), {}, false);
    narzedzia->addSeparator();
    connect(addMenuAction(narzedzia, QStringLiteral("Przywróć domyślne szerokości tabel")),
            &QAction::triggered, this, [this] {
                if (m_gridStorage)
                    m_gridStorage->restoreDefaults();
            });

    QMenu* import = bar->addMenu(QStringLiteral("Import"));
    import->setObjectName(QStringLiteral("menuImport"));
    for (const char* item :
         {"Import kosztów z arkusza .CSV", "Import przejazdów z arkusza .CSV",
          "Import taknowania (ciągłe) z arkusza .CSV", "Import tankowania Km z arkusza .CSV",
          "Import tankowania Mth z arkusza .CSV", "Import pracowników z arkusza .CSV"})
        addMenuAction(import, QString::fromUtf8(item), {}, false);

    QMenu* widok = bar->addMenu(QStringLiteral("&Widok"));
    connect(addMenuAction(widok, QStringLiteral("Wstęp")), &QAction::triggered, this,
            [this] { openSection(Section::Start); });
    auto registerItem = [this](QMenu* menu, RegisterId id) {
        const RegisterDescriptor& d = registerDescriptor(id);
        QAction* a = addMenuAction(menu, d.menuItem, d.shortcut, false);
        m_notBuilt.remove(a); // follows the register's availability instead
        connect(a, &QAction::triggered, this, [this, id] { openRegister(id); });
    };
    registerItem(widok, RegisterId::Vehicles);
    QMenu* finansowe = widok->addMenu(QStringLiteral("Finansowe"));
    for (RegisterId id :
         {RegisterId::Trips, RegisterId::Odometer, RegisterId::Costs, RegisterId::RoadCards,
          RegisterId::FuelCards, RegisterId::Orders, RegisterId::Settlements})
        registerItem(finansowe, id);
    QMenu* paliwa = widok->addMenu(QStringLiteral("Paliwa"));
    for (RegisterId id : {RegisterId::FuelPrices, RegisterId::Consumption,
                          RegisterId::ConsumptionKm, RegisterId::ConsumptionMth})
        registerItem(paliwa, id);
    QMenu* czas = widok->addMenu(QStringLiteral("Czas"));
    registerItem(czas, RegisterId::Calendar);
    addMenuAction(czas, QStringLiteral("Harmonogram"), {}, false);
    QMenu* rejestry = widok->addMenu(QStringLiteral("Rejestry"));
    for (RegisterId id : {RegisterId::Warehouse, RegisterId::Equipment, RegisterId::Documents,
                          RegisterId::Tyres, RegisterId::Damages, RegisterId::Repairs})
        registerItem(rejestry, id);
    widok->addSeparator();
    for (const char* reports : {"Raporty wg pojazdów", "Raporty wg kierowców", "Karty drogowe",
                                "Kilometrówka VAT", "Pozostałe raporty 1", "Pozostałe raporty 2"}) {
        QMenu* sub = widok->addMenu(QString::fromUtf8(reports));
        sub->setEnabled(false);
        m_notBuiltMenus.insert(sub);
    }
    QMenu* wykresy = widok->addMenu(QStringLiteral("Wykresy"));
    wykresy->setEnabled(false);
    m_notBuiltMenus.insert(wykresy);
    QMenu* slowniki = widok->addMenu(QStringLiteral("Słowniki"));
    addMenuAction(slowniki, QStringLiteral("Biblioteka"), QStringLiteral("Ctrl+F1"), false);
    registerItem(slowniki, RegisterId::Rates);
    addMenuAction(slowniki, QStringLiteral("Dane Firmy"), {}, false);
    registerItem(slowniki, RegisterId::Employees);

    QMenu* admin = bar->addMenu(QStringLiteral("&Administracja"));
    admin->setObjectName(QStringLiteral("menuAdministracja"));
    connect(addMenuAction(admin, QStringLiteral("Zarządzanie użytkownikami")), &QAction::triggered,
            this, &MainWindow::administerUsers);
    addMenuAction(admin, QStringLiteral("Administracja bazą danych"), {}, false);
    addMenuAction(admin, QStringLiteral("Archiwizacja bazy danych"), {}, false);

    QMenu* pomoc = bar->addMenu(QStringLiteral("Pomo&c"));
    connect(addMenuAction(pomoc, QStringLiteral("Pomoc"), QStringLiteral("F1")),
            &QAction::triggered, this, [] { openDocumentation(FirstStartGuide::kManualFile); });
    connect(addMenuAction(pomoc, QStringLiteral("Pomoc techniczna via Internet")),
            &QAction::triggered, this, [] {
                openExternally(QUrl(QStringLiteral(
                    "mailto:pomoc@karvento.pl?subject=Karvento%203.0%20-%20pomoc%20techniczna"
                    "&body=Opisz%20problem,%20podaj%20system%20operacyjny,%20tresc%20komunikatow"
                    "%20o%20bledzie,%20zrzuty%20ekranu.")));
            });
    connect(
        addMenuAction(pomoc, QStringLiteral("Otwórz log błędów error.log"), QStringLiteral("F12")),
        &QAction::triggered, this, &MainWindow::openErrorLog);
    addMenuAction(pomoc, QStringLiteral("Porada dnia"), {}, false);
    pomoc->addSeparator();
    connect(addMenuAction(pomoc, QStringLiteral("O prog&ramie")), &QAction::triggered, this,
            [this] {
                QMessageBox::about(
                    this, QStringLiteral("O programie"),
                    QStringLiteral("<h3>Karvento</h3><p>Wersja 3.0</p>"
                                   "<p>Ewidencja pojazdów firmy: przejazdy, kilometrówka, "
                                   "paliwo, koszty, terminy i raporty.</p>"));
            });
}

} // namespace kv
