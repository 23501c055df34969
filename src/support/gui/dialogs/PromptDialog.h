#pragma once

#include "support/gui/dialogs/MessageDialog.h"

class QLabel;
class QLineEdit;

namespace kv {

// The prompt window: a message and the one-line entry `wynik`. "  &Ok   " or
// Enter confirm; "  &Anuluj   ", Escape and closing the window cancel. The
// password mode masks the entry with "*" for the next prompt only. The
// new-password mode (also for the next prompt only) masks it too and adds the
// entry `wynik2` to type the password again: "Ok" then closes the window only
// when both entries agree, and otherwise says so under them.
class PromptDialog : public MessageDialog {
    Q_OBJECT
public:
    explicit PromptDialog(QWidget* parent = nullptr);

    void setPasswordMode();
    void setNewPasswordMode();
    bool passwordMode() const { return m_password; }
    bool newPasswordMode() const { return m_newPassword; }

    // Shows the prompt modally with the entry holding the initial value, all
    // of it selected; true only when confirmed. The entry is read with
    // enteredText() afterwards.
    bool ask(const QString& caption, const QString& message, const QString& initial = QString());
    bool answer() const { return m_answer; }
    QString enteredText() const;

    QLineEdit* entry() const { return m_entry; }
    QLineEdit* repeatEntry() const { return m_repeat; }
    QLabel* mismatchLabel() const { return m_mismatch; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

private:
    void confirm();
    void showRepeat(bool shown);

    QLineEdit* m_entry;
    QLabel* m_repeatLabel;
    QLineEdit* m_repeat;
    QLabel* m_mismatch;
    QPushButton* m_ok;
    QPushButton* m_cancel;
    bool m_answer = false;
    bool m_password = false;
    bool m_newPassword = false;
};

} // namespace kv
