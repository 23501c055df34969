#pragma once

#include "support/UserInterface.h"

#include <QList>
#include <QQueue>
#include <QString>

namespace kv {

// A user interface that answers from a script and records everything it was
// shown, with its caption. Tests install it; the command-line tool uses it for
// runs that must not ask anything.
class ScriptedUserInterface : public UserInterface {
public:
    enum class Kind { Information, Question, Prompt, SystemMessage };
    struct Message {
        Kind kind;
        QString caption;
        QString text;
        bool password = false;
        // A question whose default answer is "Nie".
        bool defaultNo = false;
        // A prompt for a new password (typed twice in the real windows).
        bool newPassword = false;
    };

    ScriptedUserInterface() = default;

    void queueAnswer(bool yes) { m_answers.enqueue(yes); }
    void queuePrompt(std::optional<QString> value) { m_prompts.enqueue(std::move(value)); }
    void setDefaultAnswer(bool yes) { m_defaultAnswer = yes; }
    void setTerminating(bool terminating) { m_terminating = terminating; }

    const QList<Message>& messages() const { return m_messages; }
    QStringList texts() const;
    // The last message shown, or an empty one.
    Message last() const { return m_messages.isEmpty() ? Message{} : m_messages.last(); }
    bool contains(const QString& text) const;
    void clear() { m_messages.clear(); }
    int progressUpdates() const { return m_progressUpdates; }
    bool progressVisible() const { return m_progressVisible; }

    void information(const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text,
                  DefaultAnswer byDefault = DefaultAnswer::Yes) override;
    std::optional<QString> prompt(const QString& caption, const QString& message,
                                  const QString& initial, bool password) override;
    // One queued prompt answers a new password; with setTypeNewPasswordsTwice
    // two do, as the interface's own double entry asks them.
    std::optional<QString> newPassword(const QString& caption, const QString& message) override;
    void setTypeNewPasswordsTwice(bool twice) { m_twice = twice; }
    void systemMessage(const QString& caption, const QString& text) override;
    void progressShow(int position) override;
    void progressJob(const QString& text) override;
    void progressHide() override;
    bool isTerminating() const override { return m_terminating; }

private:
    QList<Message> m_messages;
    QQueue<bool> m_answers;
    QQueue<std::optional<QString>> m_prompts;
    bool m_defaultAnswer = false;
    bool m_terminating = false;
    bool m_twice = false;
    bool m_progressVisible = false;
    int m_progressUpdates = 0;
};

// Installs a scripted interface for the lifetime of the guard.
class ScopedScriptedUi {
public:
    ScopedScriptedUi() { setUserInterface(&m_ui); }
    ~ScopedScriptedUi() { setUserInterface(nullptr); }
    ScriptedUserInterface* operator->() { return &m_ui; }
    ScriptedUserInterface& operator*() { return m_ui; }

private:
    ScriptedUserInterface m_ui;
};

} // namespace kv
