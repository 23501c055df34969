#include "app/CommandRow.h"

#include "app/ThemeIcons.h"

#include <QAction>
#include <QHBoxLayout>
#include <QPushButton>

namespace kv {

namespace {

struct Command {
    const char* name;
    QString caption;
    QString hint;
};

const QList<Command>& leftCommands() {
    static const QList<Command> list{
        {"SBSzukaj", QStringLiteral("Szukaj"),
         QStringLiteral("Szukaj informacji w powyższej tabeli")},
        {"SBKopiuj", QStringLiteral("Kopiuj"), QStringLiteral("Stwórz kopię zaznaczonej pozycji")},
        {"SBDodaj", QStringLiteral("Dodaj"), QStringLiteral("Dodaj nową pozycję")},
        {"SBEdytuj", QStringLiteral("Edytuj"), QStringLiteral("Edytuj wskazaną pozycję")},
        {"SBUsun", QStringLiteral("Usuń"), QStringLiteral("Usuń wskazaną pozycję")},
        {"SBPodglad", QStringLiteral("Podgląd"), QStringLiteral("Podgląd danych")},
        {"SBcsv", QStringLiteral("do CSV"), QStringLiteral("Zapisz tabelę do arkusza CSV")},
        {"SBDrukuj", QStringLiteral("Drukuj"), QStringLiteral("Drukuj wskazaną pozycję")},
    };
    return list;
}

const QList<Command>& rightCommands() {
    static const QList<Command> list{
        {"SBSuma", QStringLiteral("Przelicz sumy"), QStringLiteral("Przelicz sumy kolumn tabeli")},
        {"SBFiszka", QStringLiteral("Fiszka"), QStringLiteral("Notatnik tymczasowy")},
    };
    return list;
}

} // namespace

CommandRow::CommandRow(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("commandRow"));
    setStyleSheet(QStringLiteral("QFrame#commandRow { background: palette(window); "
                                 "border-top: 1px solid palette(mid); }"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    auto add = [&](const Command& c) {
        auto* b = new QPushButton(themeIcon(QLatin1String(c.name)), c.caption);
        b->setObjectName(QLatin1String(c.name));
        b->setToolTip(c.hint);
        b->setStatusTip(c.hint);
        b->setMinimumWidth(84);
        b->setEnabled(false);
        layout->addWidget(b);
        m_buttons.insert(QLatin1String(c.name), b);
    };
    for (const Command& c : leftCommands())
        add(c);
    layout->addStretch(1);
    for (const Command& c : rightCommands())
        add(c);
}

bool CommandRow::isEnabled(const QString& name) const {
    const QPushButton* b = m_buttons.value(name);
    return b && b->isEnabled();
}

void CommandRow::setEnabled(const QString& name, bool enabled) {
    enabled = enabled && !m_unavailable.contains(name);
    if (QPushButton* b = m_buttons.value(name))
        b->setEnabled(enabled);
    for (QAction* a : m_followers.values(name))
        a->setEnabled(enabled);
}

void CommandRow::setCommandState(const CommandState& state) {
    for (const char* name : {"SBPodglad", "SBcsv", "SBDrukuj", "SBSzukaj", "SBDodaj", "SBEdytuj",
                             "SBUsun", "SBKopiuj", "SBSuma"})
        setEnabled(QLatin1String(name), state.allows(QLatin1String(name)));
}

void CommandRow::follow(QAction* action, const QString& button) {
    QPushButton* b = m_buttons.value(button);
    if (!b)
        return;
    action->setEnabled(b->isEnabled());
    if (action->icon().isNull())
        action->setIcon(b->icon());
    connect(action, &QAction::triggered, b, &QPushButton::click);
    m_followers.insert(button, action);
}

void CommandRow::attachCommandMenu(QWidget* view) {
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    struct Item {
        const char* command;
        QString text;
        QString shortcut;
    };
    const Item items[] = {
        {"SBPodglad", QStringLiteral("Podgląd"), QStringLiteral("Ctrl+O")},
        {"SBDodaj", QStringLiteral("Dodaj"), QStringLiteral("Ins")},
        {"SBEdytuj", QStringLiteral("Edytuj"), QStringLiteral("F2")},
        {"SBUsun", QStringLiteral("Usuń"), QStringLiteral("Del")},
        {"SBKopiuj", QStringLiteral("Kopiuj"), QStringLiteral("Ctrl+C")},
        {"SBDrukuj", QStringLiteral("Drukuj"), QStringLiteral("Ctrl+P")},
        {"SBcsv", QStringLiteral("Zapisz do CSV"), QString()},
    };
    for (const Item& item : items) {
        auto* a = new QAction(item.text, view);
        // Delete is the grid's own key (the register asks before deleting);
        // the menu only names it.
        if (QLatin1String(item.command) == u"SBUsun")
            a->setText(item.text + u'\t' + item.shortcut);
        else if (!item.shortcut.isEmpty())
            a->setShortcut(QKeySequence(item.shortcut));
        a->setShortcutContext(Qt::WidgetShortcut);
        follow(a, QLatin1String(item.command));
        view->addAction(a);
    }
}

} // namespace kv
