#pragma once

#include "users/UserEditCheck.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace kv {

// The window "Użytkownik": name, description and the password typed twice.
// "&Zapisz" (or Enter in any field) runs checkUserEdit and sets the confirmed
// flag only when every check passes; "&Anuluj" and Escape close without it.
class UserEditDialog : public QDialog {
    Q_OBJECT
public:
    explicit UserEditDialog(QWidget* parent = nullptr);

    // A new user: the name can be typed; the fields hold the values given
    // (empty, or what was typed before a refused save).
    void prepareForAdd(const UserEditValues& values = {});
    // An existing user: the name shown but fixed, the description filled,
    // both passwords empty.
    void prepareForEdit(const QString& name, const QString& description);

    // Shows the window modally; true when it was confirmed.
    bool showModal();
    bool confirmed() const { return m_confirmed; }
    UserEditValues values() const;

    QLineEdit* nameField() const { return m_name; }
    QLineEdit* descriptionField() const { return m_description; }
    QLineEdit* passwordField() const { return m_password; }
    QLineEdit* repeatField() const { return m_repeat; }
    QPushButton* saveButton() const { return m_save; }

public slots:
    // What "&Zapisz" does.
    void save();

private:
    void fill(const UserEditValues& values, bool nameEditable);

    QLineEdit* m_name;
    QLineEdit* m_description;
    QLineEdit* m_password;
    QLineEdit* m_repeat;
    QPushButton* m_save;
    QPushButton* m_cancel;
    bool m_confirmed = false;
};

} // namespace kv
