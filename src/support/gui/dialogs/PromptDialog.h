#pragma once

#include "support/gui/dialogs/MessageDialog.h"

class QLineEdit;

namespace kv {

// The prompt window: a message and the one-line entry `wynik`. "  &Ok   " or
// Enter confirm; "  &Anuluj   ", Escape and closing the window cancel. The
// password mode masks the entry with "*" for the next prompt only.
class PromptDialog : public MessageDialog {
    Q_OBJECT
public:
    explicit PromptDialog(QWidget* parent = nullptr);

    void setPasswordMode();
    bool passwordMode() const { return m_password; }

    // Shows the prompt modally with the entry holding the initial value, all
    // of it selected; true only when confirmed. The entry is read with
    // enteredText() afterwards.
    bool ask(const QString& caption, const QString& message, const QString& initial = QString());
    bool answer() const { return m_answer; }
    QString enteredText() const;

    QLineEdit* entry() const { return m_entry; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    QLineEdit* m_entry;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_answer = false;
    bool m_password = false;
};

} // namespace kv
