#pragma once

#include "support/UserInterface.h"

#include <cstdio>

namespace kv::cli {

// The user interface of the command-line tool: messages on the error stream,
// questions and prompts answered on the terminal (with --yes every question is
// answered "Tak"), progress as a percentage line.
class TerminalUserInterface : public UserInterface {
public:
    explicit TerminalUserInterface(bool assumeYes = false) : m_assumeYes(assumeYes) {}

    void information(const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text,
                  DefaultAnswer byDefault = DefaultAnswer::Yes) override;
    std::optional<QString> prompt(const QString& caption, const QString& message,
                                  const QString& initial, bool password) override;
    void systemMessage(const QString& caption, const QString& text) override;
    void progressShow(int position) override;
    void progressJob(const QString& text) override;
    void progressHide() override;

private:
    bool m_assumeYes;
    QString m_job;
    bool m_progressShown = false;
};

} // namespace kv::cli
