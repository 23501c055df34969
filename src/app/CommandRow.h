#pragma once

#include <QFrame>
#include <QHash>
#include <QMultiHash>
#include <QSet>

#include "framework/CommandState.h"

class QAction;
class QPushButton;

namespace kv {

// The command row under the pages: "Szukaj" .. "Drukuj" acting on the register
// on screen, "Przelicz sumy" and "Fiszka" at its right end. Menu items and the
// grids' pop-up menu items follow the button of their command, so one call
// enables or disables a command everywhere.
class CommandRow : public QFrame {
    Q_OBJECT
public:
    explicit CommandRow(QWidget* parent = nullptr);

    QPushButton* button(const QString& name) const { return m_buttons.value(name); }
    bool isEnabled(const QString& name) const;

    // Enables the record commands the state allows; commands made
    // unavailable stay off whatever the state says.
    void setCommandState(const CommandState& state);
    void setUnavailable(const QSet<QString>& names) { m_unavailable = names; }
    // The pop-up menu of the record commands on a grid or a filter list.
    void attachCommandMenu(QWidget* view);
    // A menu item that runs a command and follows its button.
    void follow(QAction* action, const QString& button);

private:
    void setEnabled(const QString& name, bool enabled);

    QHash<QString, QPushButton*> m_buttons;
    QMultiHash<QString, QAction*> m_followers;
    QSet<QString> m_unavailable;
};

} // namespace kv
