#pragma once

#include "support/UserInterface.h"

#include <QObject>
#include <memory>

namespace kv {

class ProgressDialog;
class QuickEditDialog;
class InfoDialog;
class PromptDialog;
class QuestionDialog;

// The program's user interface on the common dialogs. It creates each dialog
// once and reuses it; a message that arrives while the same dialog is already
// showing (from events run during it) gets a window of its own, so neither
// message is lost. Create it after the application object and install it as
// kv::ui().
class DialogUserInterface : public QObject, public UserInterface {
    Q_OBJECT
public:
    explicit DialogUserInterface(QObject* parent = nullptr);
    ~DialogUserInterface() override;

    // Makes this the interface of kv::ui() and of instance() until destroyed.
    void install();
    // The installed interface, or null.
    static DialogUserInterface* instance();

    void information(const QString& caption, const QString& text) override;
    bool question(const QString& caption, const QString& text,
                  DefaultAnswer byDefault = DefaultAnswer::Yes) override;
    std::optional<QString> prompt(const QString& caption, const QString& message,
                                  const QString& initial, bool password) override;
    std::optional<QString> newPassword(const QString& caption, const QString& message) override;
    void systemMessage(const QString& caption, const QString& text) override;
    void progressShow(int position) override;
    void progressJob(const QString& text) override;
    void progressHide() override;

    // True once the application is quitting, or once the main window said so
    // when it began to close. Information is then not shown at all.
    bool isTerminating() const override;
    void setTerminating(bool terminating) { m_terminating = terminating; }

    InfoDialog& infoForm() const { return *m_info; }
    QuestionDialog& questionForm() const { return *m_question; }
    PromptDialog& promptForm() const { return *m_prompt; }
    ProgressDialog& pleaseWait() const { return *m_pleaseWait; }
    QuickEditDialog& quickEdit() const { return *m_quickEdit; }

private:
    std::unique_ptr<InfoDialog> m_info;
    std::unique_ptr<QuestionDialog> m_question;
    std::unique_ptr<PromptDialog> m_prompt;
    std::unique_ptr<ProgressDialog> m_pleaseWait;
    std::unique_ptr<QuickEditDialog> m_quickEdit;
    bool m_terminating = false;
};

} // namespace kv
