#include "app/MainMenu.h"

#include "app/CommandRow.h"
#include "app/ThemeIcons.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace kv {

namespace {

QString key(QString text) {
    return text.remove(u'&');
}

void connectTo(QAction* a, const std::function<void()>& handler) {
    if (handler)
        QObject::connect(a, &QAction::triggered, a, [handler] { handler(); });
}

} // namespace

MainMenu::MainMenu(QMenuBar* bar, CommandRow& commands,
                   const QList<SectionCommandInfo>& sectionCommands, Handlers handlers,
                   QObject* parent)
    : QObject(parent), m_handlers(std::move(handlers)) {
    const Handlers& h = m_handlers;
    QMenu* dane = bar->addMenu(QStringLiteral("&Dane"));
    connectTo(add(dane, QStringLiteral("Opcje")), h.options);
    connectTo(add(dane, QStringLiteral("Wyloguj się...")), h.logOut);
    dane->addSeparator();
    connectTo(add(dane, QStringLiteral("Zakończ")), h.quit);

    QMenu* edycja = bar->addMenu(QStringLiteral("&Edycja"));
    const struct {
        const char* text;
        const char* button;
        const char* shortcut;
    } editItems[] = {
        {"Podgląd", "SBPodglad", ""},   {"Dodaj", "SBDodaj", ""},
        {"Edytuj", "SBEdytuj", ""},     {"Kasuj", "SBUsun", ""},
        {"Kopiuj", "SBKopiuj", ""},     {"Drukuj", "SBDrukuj", ""},
        {"Zapisz do CSV", "SBcsv", ""}, {"Szukaj", "SBSzukaj", "Ctrl+F"},
    };
    for (const auto& item : editItems) {
        QAction* a = edycja->addAction(QString::fromUtf8(item.text));
        a->setShortcut(QKeySequence(QLatin1String(item.shortcut)));
        commands.follow(a, QLatin1String(item.button));
        m_actions.insert(a->text(), a);
    }

    QMenu* narzedzia = bar->addMenu(QStringLiteral("&Narzędzia"));
    add(narzedzia, QStringLiteral("Sprawdź terminy"), {}, false);
    add(narzedzia, QStringLiteral("Sprawdź stany magazynowe"), {}, false);
    add(narzedzia, QStringLiteral("Utwórz kopię przejazdów na podstawie wskazanego miesiąca"), {},
        false);
    add(narzedzia, QStringLiteral("Tabela odległości"), {}, false);
    add(narzedzia, QStringLiteral("Notatnik"), {}, false);
    narzedzia->addSeparator();
    connectTo(add(narzedzia, QStringLiteral("Przywróć domyślne szerokości tabel")),
              h.restoreWidths);

    QMenu* import = bar->addMenu(QStringLiteral("Import"));
    import->setObjectName(QStringLiteral("menuImport"));
    for (const char* item :
         {"Import kosztów z arkusza .CSV", "Import przejazdów z arkusza .CSV",
          "Import taknowania (ciągłe) z arkusza .CSV", "Import tankowania Km z arkusza .CSV",
          "Import tankowania Mth z arkusza .CSV", "Import pracowników z arkusza .CSV"})
        add(import, QString::fromUtf8(item), {}, false);

    buildViewMenu(bar, sectionCommands);

    QMenu* admin = bar->addMenu(QStringLiteral("&Administracja"));
    admin->setObjectName(QStringLiteral("menuAdministracja"));
    connectTo(add(admin, QStringLiteral("Zarządzanie użytkownikami")), h.administerUsers);
    add(admin, QStringLiteral("Administracja bazą danych"), {}, false);
    add(admin, QStringLiteral("Archiwizacja bazy danych"), {}, false);

    QMenu* pomoc = bar->addMenu(QStringLiteral("Pomo&c"));
    connectTo(add(pomoc, QStringLiteral("Pomoc"), QStringLiteral("F1")), h.help);
    connectTo(add(pomoc, QStringLiteral("Pomoc techniczna via Internet")), h.support);
    connectTo(add(pomoc, QStringLiteral("Otwórz log błędów error.log"), QStringLiteral("F12")),
              h.errorLog);
    add(pomoc, QStringLiteral("Porada dnia"), {}, false);
    pomoc->addSeparator();
    connectTo(add(pomoc, QStringLiteral("O prog&ramie")), h.about);
    setIcons(bar);
}

void MainMenu::setIcons(QMenuBar* bar) {
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        for (QAction* a : menu->actions()) {
            if (a->icon().isNull())
                a->setIcon(themeIcon(m_iconKeys.value(a, key(a->text()))));
            if (a->menu())
                walk(a->menu());
        }
    };
    for (QAction* top : bar->actions())
        if (top->menu())
            walk(top->menu());
}

QAction* MainMenu::add(QMenu* menu, const QString& text, const QString& shortcut, bool available) {
    QAction* a = menu->addAction(text);
    if (!shortcut.isEmpty())
        a->setShortcut(QKeySequence(shortcut));
    a->setEnabled(available);
    if (!available)
        m_notBuilt.insert(a);
    m_actions.insert(key(text), a);
    return a;
}

void MainMenu::buildViewMenu(QMenuBar* bar, const QList<SectionCommandInfo>& sectionCommands) {
    QMenu* widok = bar->addMenu(QStringLiteral("&Widok"));
    connectTo(add(widok, QStringLiteral("Wstęp")), m_handlers.startPage);

    // One entry of a "Widok" group: a register or a section command.
    struct Entry {
        int position;
        std::function<void(QMenu*)> add;
    };
    auto group = [this](QMenu* menu, const QString& name,
                        const QList<SectionCommandInfo>& commands) {
        QList<Entry> entries;
        for (const RegisterDescriptor& d : allRegisters())
            if (d.menuGroup == name)
                entries.append({d.menuPosition, [this, d](QMenu* m) {
                                    // Follows the register's availability, not the list
                                    // of parts this version lacks.
                                    QAction* a = add(m, d.menuItem, d.shortcut, false);
                                    m_notBuilt.remove(a);
                                    m_registerActions.insert(int(d.id), a);
                                    m_iconKeys.insert(a, QStringLiteral("RB") + d.page);
                                    const RegisterId id = d.id;
                                    connect(a, &QAction::triggered, this,
                                            [this, id] { m_handlers.openRegister(id); });
                                }});
        for (const SectionCommandInfo& c : commands)
            entries.append({c.menuPosition, [this, c](QMenu* m) {
                                QAction* a = add(m, c.menuItem, c.shortcut, false);
                                m_iconKeys.insert(a, c.button);
                                const QString button = c.button;
                                connect(a, &QAction::triggered, this,
                                        [this, button] { m_handlers.sectionCommand(button); });
                            }});
        std::stable_sort(entries.begin(), entries.end(),
                         [](const Entry& a, const Entry& b) { return a.position < b.position; });
        for (const Entry& e : entries)
            e.add(menu);
    };
    auto commandsOf = [&sectionCommands](Section section) {
        QList<SectionCommandInfo> own;
        for (const SectionCommandInfo& c : sectionCommands)
            if (c.section == section)
                own.append(c);
        return own;
    };

    group(widok, QString(), {});
    group(widok->addMenu(QStringLiteral("Finansowe")), QStringLiteral("Finansowe"),
          commandsOf(Section::Finance));
    group(widok->addMenu(QStringLiteral("Paliwa")), QStringLiteral("Paliwa"),
          commandsOf(Section::Fuel));
    QMenu* czas = widok->addMenu(QStringLiteral("Czas"));
    group(czas, QStringLiteral("Czas"), commandsOf(Section::Time));
    add(czas, QStringLiteral("Harmonogram"), {}, false);
    group(widok->addMenu(QStringLiteral("Rejestry")), QStringLiteral("Rejestry"),
          commandsOf(Section::Registers));
    widok->addSeparator();
    for (const char* reports : {"Raporty wg pojazdów", "Raporty wg kierowców", "Karty drogowe",
                                "Kilometrówka VAT", "Pozostałe raporty 1", "Pozostałe raporty 2"}) {
        QMenu* sub = widok->addMenu(QString::fromUtf8(reports));
        sub->setEnabled(false);
        m_notBuiltMenus.insert(sub);
        m_viewSubmenus.insert(sub->title(), sub);
    }
    QMenu* wykresy = widok->addMenu(QStringLiteral("Wykresy"));
    wykresy->setEnabled(false);
    m_notBuiltMenus.insert(wykresy);
    m_viewSubmenus.insert(wykresy->title(), wykresy);
    group(widok->addMenu(QStringLiteral("Słowniki")), QStringLiteral("Słowniki"),
          commandsOf(Section::Dictionaries));
}

bool MainMenu::isBuilt(QAction* action) const {
    return !m_notBuilt.contains(action) &&
           !(action->menu() && m_notBuiltMenus.contains(action->menu()));
}

QMenu* MainMenu::viewSubmenu(const QString& title) {
    QMenu* sub = m_viewSubmenus.value(title);
    if (sub) {
        m_notBuiltMenus.remove(sub);
        sub->setEnabled(true);
    }
    return sub;
}

void MainMenu::makeAvailable(QAction* action) {
    m_notBuilt.remove(action);
    action->setEnabled(true);
}

} // namespace kv
