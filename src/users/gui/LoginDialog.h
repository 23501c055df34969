#pragma once

#include "users/LoginSession.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kv {

class DataModule;

// The login window: the company, the user and the password. The rules
// (attempts, the check against the company's user table, what an accepted
// login sets) are LoginSession's; the window shows the companies, passes on
// what was typed and shows the outcome.
class LoginDialog : public QDialog {
    Q_OBJECT
public:
    enum class Result {
        Accepted,  // the login state is set and the company database open
        Refused,   // three failed attempts, or the window was closed
        Terminate, // Escape in the user name, or the window could not be prepared, or
                   // no usable database location after "Konfiguruj bazę"
    };

    // What "Konfiguruj bazę" shows: the database window in its normal mode.
    using DatabaseWindowHook = std::function<void(QWidget* parent)>;
    // Until one is set the button tells the user the window is not available.
    static void setDatabaseWindowHook(DatabaseWindowHook hook);

    explicit LoginDialog(DataModule& db, QWidget* parent = nullptr);

    // Prepares and shows a login window on the program's data module. The
    // login state is forgotten first; on Accepted it holds the new login
    // (permissions still to be loaded).
    static Result run(QWidget* parent = nullptr);
    // The same on this window: empties both fields, shows the two hints
    // while programOptions().cbFirstLog is set, prepares (Terminate without
    // showing when that fails) and shows the window modally.
    Result showModal();

    QLineEdit* userField() const { return m_user; }
    QLineEdit* passwordField() const { return m_pwd; }
    QComboBox* companyList() const { return m_cbFirmy1; }
    QLabel* errorLabel() const { return m_info; }
    QLabel* userHint() const { return m_userHint; }
    QLabel* passwordHint() const { return m_passwordHint; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* configureButton() const { return m_configure; }
    const LoginSession& session() const { return m_session; }

public slots:
    // What "    &OK       " and Enter do.
    void ok();
    // What "Konfiguruj bazę" does.
    void configureDatabase();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool prepare();
    void finish(Result result);

    DataModule& m_db;
    LoginSession m_session;
    Result m_result = Result::Refused;

    QLineEdit* m_user;
    QLineEdit* m_pwd;
    QComboBox* m_cbFirmy1;
    QLabel* m_info;
    QLabel* m_userHint;
    QLabel* m_passwordHint;
    QPushButton* m_ok;
    QPushButton* m_configure;
};

} // namespace kv
