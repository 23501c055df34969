#pragma once

#include "support/UserInterface.h"
#include "support/gui/dialogs/MessageDialog.h"

namespace kv {

// The question window: "  &Tak   " answers yes; "  &Nie   ", Escape and
// closing the window answer no. The default answer's button has the focus, so
// Enter gives it: "Tak" unless the question says "Nie".
class QuestionDialog : public MessageDialog {
    Q_OBJECT
public:
    explicit QuestionDialog(QWidget* parent = nullptr);

    // Shows the question modally; true only when "Tak" was pressed.
    bool ask(const QString& caption, const QString& question,
             DefaultAnswer byDefault = DefaultAnswer::Yes);
    bool answer() const { return m_answer; }

    QPushButton* yesButton() const { return m_yes; }
    QPushButton* noButton() const { return m_no; }

private:
    QPushButton* m_yes;
    QPushButton* m_no;
    bool m_answer = false;
};

} // namespace kv
