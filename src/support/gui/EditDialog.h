#pragma once

#include "support/FormCheck.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace kv {

// The frame of an edit window: a heading, the window's own fields below it,
// and "&Zapisz" (the default button, so Enter in a field saves) with
// "&Anuluj" (Escape) at the bottom right. Saving runs the window's checks; the
// first one that fails is shown under "Uwaga", its field gets the focus and the
// window stays open. setWindowEditable finds the two buttons by their captions.
class EditDialog : public QDialog {
    Q_OBJECT
public:
    explicit EditDialog(QWidget* parent = nullptr);

    void setHeading(const QString& text);
    QString heading() const;

    QPushButton* saveButton() const { return m_save; }
    QPushButton* cancelButton() const { return m_cancel; }

    // Shows the window modally; true when it was closed by saving.
    bool confirm();

protected:
    // Where the window lays out its fields, under the heading.
    QVBoxLayout* body() const { return m_body; }

    // Puts "&Zapisz" and "&Anuluj" under the fields. Called once the fields
    // are in place: widgets take the focus in the order they join the window,
    // so a window just shown starts in its first field, not on a button.
    void addButtons();

    // The window's checks, run when the user saves. They may rewrite what the
    // fields show (a number in its saved form), also when a check fails.
    virtual FormCheck runChecks() = 0;

    // The field a window just shown starts in, its text selected; none when
    // the window leaves the focus where Qt puts it.
    virtual QLineEdit* startField() const { return nullptr; }
    // Every text shows from its beginning, then the start field takes the
    // focus once the window is on screen.
    void showEvent(QShowEvent* event) override;

    // Saving: the checks, then accept() when they pass.
    virtual void trySave();

    // Shows a failed check's message and puts the focus on its field: into
    // the entry of a date field, with the text selected where the check asks.
    void showFailedCheck(const FormCheck& check);

private:
    QVBoxLayout* m_body;
    QLabel* m_heading;
    QPushButton* m_save = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace kv
