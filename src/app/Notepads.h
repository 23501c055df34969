#pragma once

#include <QObject>
#include <QTimer>

class QPlainTextEdit;
class QWidget;

namespace kv {

// The handy notepad of the start page and the order text of the reports, kept
// in the settings folder between runs. The notepad belongs to a logged-in
// user who holds its permission: before a login and after a log-out it is
// empty and read-only, without the permission it is hidden. Its file is
// readable by its owner only, and a change is written a moment after typing
// stops, so a program that is killed loses at most the last seconds.
class Notepads : public QObject {
    Q_OBJECT
public:
    Notepads(QPlainTextEdit* notepad, QPlainTextEdit* orderText, QWidget* notepadLabel,
             QObject* parent = nullptr);

    // After a login: the files' texts, the notepad shown when allowed.
    void loggedIn(bool notepadAllowed);
    // At log-out and at the end: what is typed is written, then cleared.
    void loggedOut();
    // Writes both files now (when a user is logged in).
    void save();

    static constexpr int kSaveDelayMs = 2000;

private:
    void setOpen(bool open);

    QPlainTextEdit* m_notepad;
    QPlainTextEdit* m_orderText;
    QWidget* m_label;
    QTimer m_saveTimer;
    bool m_open = false;
};

} // namespace kv
