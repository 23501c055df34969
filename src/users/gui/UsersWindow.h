#pragma once

#include "users/UserAdministration.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QPushButton;
class QStandardItemModel;
class QTabWidget;
class QTableView;

namespace kv {

class DataModule;
class UserEditDialog;

// The window "Zarządzanie użytkownikami": the users on the page "Użytkownicy"
// (add, edit, delete) and their permissions on the page "Uprawnienia", one
// check box per permission, each click granted or revoked at once. The work
// is UserAdministration's; the window keeps the list and the boxes in step.
class UsersWindow : public QDialog {
    Q_OBJECT
public:
    explicit UsersWindow(DataModule& db, QWidget* parent = nullptr);

    // Shows the administration window of the parent (made on first use and
    // kept, so its grid layout is remembered) on the program's data module.
    // Afterwards the caller runs reloadLoggedInUser, shows the user label,
    // the start page and applies the permissions.
    static void administer(QWidget* parent);
    // The window administer() uses for the parent, made when missing.
    static UsersWindow* instanceFor(QWidget* parent);

    // What happens when shown, then the modal window.
    void showModal();

    QTabWidget* pages() const { return m_pages; }
    QTableView* grid() const { return m_grid; }        // UserzyGRID
    QComboBox* userList() const { return m_userList; } // UserID
    QCheckBox* box(int number) const { return m_boxes.value(number); }
    QPushButton* addButton() const { return m_add; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* closeButton() const { return m_close; }
    UserEditDialog* editWindow() const { return m_userEdit; }

public slots:
    void addUser();
    void editUser();
    void deleteUser();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildUsersPage();
    QWidget* buildPermissionsPage();
    QCheckBox* makeBox(int number, const QString& caption, bool hidden, QWidget* parent);

    bool reloadUsers(const QString& select = {});
    std::optional<UserRecord> currentUser() const;
    void choosePermissionsUser(const QString& name);
    void loadBoxes();
    void clearBoxes();
    void boxClicked(int number, bool checked);

    DataModule& m_db;
    UserAdministration m_admin;
    bool m_loading = false;

    QTabWidget* m_pages;
    QTableView* m_grid;
    QStandardItemModel* m_model;
    QComboBox* m_userList;
    QHash<int, QCheckBox*> m_boxes;
    QPushButton* m_add;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QPushButton* m_close;
    UserEditDialog* m_userEdit;
};

} // namespace kv
