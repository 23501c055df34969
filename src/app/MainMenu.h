#pragma once

#include "app/SectionPages.h"
#include "framework/Registers.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace kv {

class CommandRow;

// The main menu. "Widok" is made from the register descriptors and the
// section commands; the "Edycja" items follow the command buttons. Items of
// parts not available in this version are present but disabled, so the menu
// shows the whole program from the start.
class MainMenu : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void()> options, logOut, quit, startPage, restoreWidths, administerUsers,
            help, support, errorLog, about;
        std::function<void(RegisterId)> openRegister;
        std::function<void(const QString& button)> sectionCommand;
    };

    MainMenu(QMenuBar* bar, CommandRow& commands, const QList<SectionCommandInfo>& sectionCommands,
             Handlers handlers, QObject* parent = nullptr);

    // By its text without "&" ("Opcje", "Pojazdy" ...); null when none.
    QAction* action(const QString& text) const { return m_actions.value(text); }
    QAction* registerAction(RegisterId id) const { return m_registerActions.value(int(id)); }
    // Whether an item belongs to a part this version has.
    bool isBuilt(QAction* action) const;
    // A section command's item becomes available once its module attaches it.
    void makeAvailable(QAction* action);
    // A "Widok" submenu a feature fills (the report submenus), made
    // available; null for a title there is no such submenu of.
    QMenu* viewSubmenu(const QString& title);

private:
    QAction* add(QMenu* menu, const QString& text, const QString& shortcut = {},
                 bool available = true);
    void buildViewMenu(QMenuBar* bar, const QList<SectionCommandInfo>& sectionCommands);
    // Icons from the theme for the items inside the menus (the bar keeps its
    // texts): by the item's button where it has one, else by its text.
    void setIcons(QMenuBar* bar);

    Handlers m_handlers;
    QHash<QString, QAction*> m_actions;
    QHash<int, QAction*> m_registerActions;
    QHash<QString, QMenu*> m_viewSubmenus;
    QHash<QAction*, QString> m_iconKeys; // items that open a register or a section command
    QSet<QAction*> m_notBuilt;
    QSet<QMenu*> m_notBuiltMenus;
};

} // namespace kv
