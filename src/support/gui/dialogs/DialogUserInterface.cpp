#include "support/gui/dialogs/DialogUserInterface.h"

#include "support/gui/dialogs/InfoDialog.h"
#include "support/gui/dialogs/ProgressDialog.h"
#include "support/gui/dialogs/PromptDialog.h"
#include "support/gui/dialogs/QuestionDialog.h"
#include "support/gui/dialogs/QuickEditDialog.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kv {

namespace {

DialogUserInterface*& installed() {
    static DialogUserInterface* current = nullptr;
    return current;
}

// The shared window, or a window for this one call when the shared one is
// still showing an earlier message.
template <typename Form> class FormForCall {
public:
    explicit FormForCall(Form& shared) {
        if (shared.isVisible())
            m_own = std::make_unique<Form>();
        m_form = m_own ? m_own.get() : &shared;
    }
    Form* operator->() const { return m_form; }

private:
    std::unique_ptr<Form> m_own;
    Form* m_form;
};

} // namespace

DialogUserInterface::DialogUserInterface(QObject* parent)
    : QObject(parent), m_info(std::make_unique<InfoDialog>()),
      m_question(std::make_unique<QuestionDialog>()), m_prompt(std::make_unique<PromptDialog>()),
      m_pleaseWait(std::make_unique<ProgressDialog>()),
      m_quickEdit(std::make_unique<QuickEditDialog>()) {
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { m_terminating = true; });
}

DialogUserInterface::~DialogUserInterface() {
    if (installed() == this) {
        installed() = nullptr;
        setUserInterface(nullptr);
    }
}

void DialogUserInterface::install() {
    installed() = this;
    setUserInterface(this);
}

DialogUserInterface* DialogUserInterface::instance() {
    return installed();
}

bool DialogUserInterface::isTerminating() const {
    return m_terminating || QCoreApplication::closingDown();
}

void DialogUserInterface::information(const QString& caption, const QString& text) {
    if (isTerminating())
        return;
    ProgressDialog::Aside aside(m_pleaseWait.get());
    FormForCall<InfoDialog>(*m_info)->showInformation(caption, text);
}

bool DialogUserInterface::question(const QString& caption, const QString& text,
                                   DefaultAnswer byDefault) {
    ProgressDialog::Aside aside(m_pleaseWait.get());
    return FormForCall<QuestionDialog>(*m_question)->ask(caption, text, byDefault);
}

std::optional<QString> DialogUserInterface::prompt(const QString& caption, const QString& message,
                                                   const QString& initial, bool password) {
    ProgressDialog::Aside aside(m_pleaseWait.get());
    const FormForCall<PromptDialog> form(*m_prompt);
    if (password)
        form->setPasswordMode();
    if (!form->ask(caption, message, initial))
        return std::nullopt;
    return form->enteredText();
}

std::optional<QString> DialogUserInterface::newPassword(const QString& caption,
                                                        const QString& message) {
    ProgressDialog::Aside aside(m_pleaseWait.get());
    // Both entries in one window: it stays open until they agree.
    const FormForCall<PromptDialog> form(*m_prompt);
    form->setNewPasswordMode();
    if (!form->ask(caption, message))
        return std::nullopt;
    return form->enteredText();
}

void DialogUserInterface::systemMessage(const QString& caption, const QString& text) {
    ProgressDialog::Aside aside(m_pleaseWait.get());
    QMessageBox box(QMessageBox::Information, caption, text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DialogUserInterface::progressShow(int position) {
    m_pleaseWait->showProgress(position);
}

void DialogUserInterface::progressJob(const QString& text) {
    m_pleaseWait->setJob(text);
}

void DialogUserInterface::progressHide() {
    m_pleaseWait->hideProgress();
}

} // namespace kv
