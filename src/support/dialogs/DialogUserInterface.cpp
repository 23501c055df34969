#include "support/dialogs/DialogUserInterface.h"

#include "support/dialogs/TfPleaseWait.h"
#include "support/dialogs/TfSzybkaEdycja.h"
#include "support/dialogs/TinfoForm.h"
#include "support/dialogs/TpromptForm.h"
#include "support/dialogs/TquestionForm.h"

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
    : QObject(parent), m_info(std::make_unique<TinfoForm>()),
      m_question(std::make_unique<TquestionForm>()), m_prompt(std::make_unique<TpromptForm>()),
      m_pleaseWait(std::make_unique<TfPleaseWait>()),
      m_quickEdit(std::make_unique<TfSzybkaEdycja>()) {
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
    TfPleaseWait::Aside aside(m_pleaseWait.get());
    FormForCall<TinfoForm>(*m_info)->showInformation(caption, text);
}

bool DialogUserInterface::question(const QString& caption, const QString& text) {
    TfPleaseWait::Aside aside(m_pleaseWait.get());
    return FormForCall<TquestionForm>(*m_question)->ask(caption, text);
}

std::optional<QString> DialogUserInterface::prompt(const QString& caption, const QString& message,
                                                   const QString& initial, bool password) {
    TfPleaseWait::Aside aside(m_pleaseWait.get());
    const FormForCall<TpromptForm> form(*m_prompt);
    if (password)
        form->setPasswordMode();
    if (!form->ask(caption, message, initial))
        return std::nullopt;
    return form->enteredText();
}

void DialogUserInterface::systemMessage(const QString& caption, const QString& text) {
    TfPleaseWait::Aside aside(m_pleaseWait.get());
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
