#include "ScriptedUserInterface.h"

namespace kv {

QStringList ScriptedUserInterface::texts() const {
    QStringList out;
    for (const Message& m : m_messages)
        out.append(m.text);
    return out;
}

bool ScriptedUserInterface::contains(const QString& text) const {
    for (const Message& m : m_messages)
        if (m.text.contains(text))
            return true;
    return false;
}

void ScriptedUserInterface::information(const QString& caption, const QString& text) {
    if (m_terminating)
        return;
    m_messages.append({Kind::Information, caption, text});
}

bool ScriptedUserInterface::question(const QString& caption, const QString& text,
                                     DefaultAnswer byDefault) {
    m_messages.append({Kind::Question, caption, text, false, byDefault == DefaultAnswer::No});
    return m_answers.isEmpty() ? m_defaultAnswer : m_answers.dequeue();
}

std::optional<QString> ScriptedUserInterface::prompt(const QString& caption, const QString& message,
                                                     const QString& initial, bool password) {
    m_messages.append({Kind::Prompt, caption, message, password});
    if (m_prompts.isEmpty())
        return std::nullopt;
    return m_prompts.dequeue();
}

std::optional<QString> ScriptedUserInterface::newPassword(const QString& caption,
                                                          const QString& message) {
    if (m_twice)
        return UserInterface::newPassword(caption, message);
    m_messages.append({Kind::Prompt, caption, message, true, false, true});
    if (m_prompts.isEmpty())
        return std::nullopt;
    return m_prompts.dequeue();
}

void ScriptedUserInterface::systemMessage(const QString& caption, const QString& text) {
    m_messages.append({Kind::SystemMessage, caption, text});
}

void ScriptedUserInterface::progressShow(int) {
    m_progressVisible = true;
    ++m_progressUpdates;
}

void ScriptedUserInterface::progressJob(const QString&) {}

void ScriptedUserInterface::progressHide() {
    m_progressVisible = false;
}

} // namespace kv
