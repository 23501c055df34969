#include "users/gui/UsersWindow.h"

#include "storage/DataModule.h"
#include "users/PermissionBoxes.h"
#include "users/Permissions.h"
#include "users/gui/UserEditDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kv {

namespace {
constexpr int kSupervisorRole = Qt::UserRole + 1;

QLabel* columnTitle(const QString& text, QWidget* parent) {
    auto* title = new QLabel(text, parent);
    title->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return title;
}

bool isEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}
} // namespace

UsersWindow::UsersWindow(DataModule& db, QWidget* parent)
    : QDialog(parent), m_db(db), m_admin(db), m_pages(new QTabWidget(this)),
      m_grid(new QTableView(this)), m_model(new QStandardItemModel(0, 2, this)),
      m_userList(new QComboBox(this)), m_add(new QPushButton(QStringLiteral("Dodaj"), this)),
      m_edit(new QPushButton(QStringLiteral("Edytuj"), this)),
      m_delete(new QPushButton(QStringLiteral("Usuń"), this)),
      m_close(new QPushButton(QStringLiteral("Zamknij"), this)),
      m_userEdit(new UserEditDialog(this)) {
    setObjectName(QStringLiteral("TfUserzy"));
    setWindowTitle(QStringLiteral("Zarządzanie użytkownikami"));
    setModal(true);

    m_pages->addTab(buildUsersPage(), QStringLiteral("Użytkownicy"));
    m_pages->addTab(buildPermissionsPage(), QStringLiteral("Uprawnienia"));
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int page) {
        if (page == 1) {
            const std::optional<UserRecord> user = currentUser();
            choosePermissionsUser(user ? user->name : QString());
        }
    });

    m_close->setDefault(true);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(m_pages, 1);
    layout->addLayout(bottom);
}

QWidget* UsersWindow::buildUsersPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsUzytkownicy"));
    m_model->setHorizontalHeaderLabels({QStringLiteral("ID Użytkownika"), QStringLiteral("Opis")});
    m_grid->setObjectName(QStringLiteral("UserzyGRID"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    // Wide enough for the longest name a user may have (20 letters).
    m_grid->setColumnWidth(0, 220);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::doubleClicked, this, &UsersWindow::editUser);

    for (QPushButton* b : {m_add, m_edit, m_delete})
        b->setAutoDefault(false);
    connect(m_add, &QPushButton::clicked, this, &UsersWindow::addUser);
    connect(m_edit, &QPushButton::clicked, this, &UsersWindow::editUser);
    connect(m_delete, &QPushButton::clicked, this, &UsersWindow::deleteUser);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);

    auto* layout = new QHBoxLayout(page);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    return page;
}

QCheckBox* UsersWindow::makeBox(int number, const QString& caption, bool hidden, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QStringLiteral("cb%1").arg(number));
    box->setVisible(!hidden);
    box->installEventFilter(this);
    m_boxes.insert(number, box);
    // 28 is reserved and never acts.
    if (number != 28)
        connect(box, &QCheckBox::clicked, this,
                [this, number](bool checked) { boxClicked(number, checked); });
    return box;
}

QWidget* UsersWindow::buildPermissionsPage() {
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsUprawnienia"));

    m_userList->setObjectName(QStringLiteral("UserID"));
    m_userList->setMinimumWidth(180);
    m_userList->installEventFilter(this);
    connect(m_userList, &QComboBox::activated, this, [this] { loadBoxes(); });
    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Uprawnienia dla:"), page));
    top->addWidget(m_userList);
    top->addStretch(1);

    auto* registers = new QGroupBox(page);
    auto* grid = new QGridLayout(registers);
    grid->setVerticalSpacing(2);
    grid->setHorizontalSpacing(18);
    grid->addWidget(columnTitle(QStringLiteral("Odczyt"), registers), 0, 1, Qt::AlignHCenter);
    grid->addWidget(columnTitle(QStringLiteral("Zapis"), registers), 0, 2, Qt::AlignHCenter);
    int row = 1;
    for (const RegisterPermissionRow& r : registerPermissionRows()) {
        auto* label = new QLabel(r.label, registers);
        label->setVisible(!r.hidden);
        grid->addWidget(label, row, 0);
        if (r.read >= 0)
            grid->addWidget(makeBox(r.read, {}, r.hidden, registers), row, 1, Qt::AlignHCenter);
        if (r.write >= 0)
            grid->addWidget(makeBox(r.write, {}, r.hidden, registers), row, 2, Qt::AlignHCenter);
        ++row;
    }

    auto* access = new QGroupBox(page);
    auto* accessLayout = new QVBoxLayout(access);
    accessLayout->addWidget(columnTitle(QStringLiteral("Dostęp"), access));
    for (const AccessPermissionBox& b : accessPermissionBoxes())
        accessLayout->addWidget(makeBox(b.number, b.caption, b.hidden, access));
    accessLayout->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->addWidget(registers);
    columns->addWidget(access, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addLayout(columns, 1);
    return page;
}

UsersWindow* UsersWindow::instanceFor(QWidget* parent) {
    if (parent)
        if (auto* existing = parent->findChild<UsersWindow*>(QString(), Qt::FindDirectChildrenOnly))
            return existing;
    return new UsersWindow(*DataModule::current(), parent);
}

void UsersWindow::administer(QWidget* parent) {
    UsersWindow* window = instanceFor(parent);
    window->showModal();
    if (!parent)
        delete window;
}

void UsersWindow::showModal() {
    m_userList->setCurrentIndex(-1);
    clearBoxes();
    m_pages->setCurrentIndex(0);
    reloadUsers();
    m_grid->setFocus();
    exec();
}

bool UsersWindow::reloadUsers(const QString& select) {
    const QString keep =
        select.isEmpty() ? (currentUser() ? currentUser()->name : QString()) : select;
    const QString chosen = m_userList->currentText();
    m_model->removeRows(0, m_model->rowCount());
    m_userList->clear();
    const std::optional<QList<UserRecord>> users = m_admin.users();
    if (!users)
        return false;
    int current = 0;
    for (const UserRecord& u : *users) {
        auto* name = new QStandardItem(u.name);
        name->setData(u.supervisor, kSupervisorRole);
        m_model->appendRow({name, new QStandardItem(u.description)});
        m_userList->addItem(u.name);
        if (u.name == keep)
            current = m_model->rowCount() - 1;
    }
    m_userList->setCurrentIndex(m_userList->findText(chosen));
    if (m_model->rowCount() > 0)
        m_grid->selectRow(current);
    return true;
}

std::optional<UserRecord> UsersWindow::currentUser() const {
    const QModelIndex index = m_grid->currentIndex();
    if (!index.isValid())
        return std::nullopt;
    const QStandardItem* name = m_model->item(index.row(), 0);
    return UserRecord{name->text(), m_model->item(index.row(), 1)->text(),
                      name->data(kSupervisorRole).toBool()};
}

void UsersWindow::choosePermissionsUser(const QString& name) {
    m_userList->setCurrentIndex(m_userList->findText(name));
    loadBoxes();
}

void UsersWindow::clearBoxes() {
    m_loading = true;
    for (QCheckBox* box : std::as_const(m_boxes)) {
        box->setChecked(false);
        box->setEnabled(false);
    }
    m_loading = false;
}

void UsersWindow::loadBoxes() {
    const QString user = m_userList->currentText();
    if (m_userList->currentIndex() < 0 || user.isEmpty())
        return;
    // The administrator holds everything whatever the table says; the boxes
    // show it and cannot change it. Others start cleared, so a failed read
    // never leaves the previous user's ticks on show.
    const bool administrator = user == kAdministratorName;
    m_loading = true;
    for (QCheckBox* box : std::as_const(m_boxes)) {
        box->setChecked(administrator);
        box->setEnabled(!administrator);
    }
    if (!administrator) {
        if (const std::optional<PermissionSet> held = m_admin.permissionsOf(user)) {
            for (auto it = m_boxes.cbegin(); it != m_boxes.cend(); ++it)
                it.value()->setChecked(held->has(it.key()));
        }
    }
    m_loading = false;
}

void UsersWindow::boxClicked(int number, bool checked) {
    if (m_loading || m_userList->currentIndex() < 0)
        return;
    // A failed grant or revoke is not reported; the boxes then show again
    // what the table holds. The write box of a register follows its read box.
    for (const auto& [permission, granted] : permissionChangesFor(number, checked)) {
        if (!m_admin.setPermission(m_userList->currentText(), permission, granted)) {
            loadBoxes();
            return;
        }
        if (QCheckBox* box = m_boxes.value(permission)) {
            m_loading = true;
            box->setChecked(granted);
            m_loading = false;
        }
    }
}

void UsersWindow::addUser() {
    UserEditValues values;
    for (;;) {
        m_userEdit->prepareForAdd(values);
        if (!m_userEdit->showModal())
            return;
        values = m_userEdit->values();
        const UserAdministration::Result result = m_admin.addUser(values);
        if (result == UserAdministration::Result::Duplicate)
            continue;
        reloadUsers(values.name.trimmed().toUpper());
        return;
    }
}

void UsersWindow::editUser() {
    const std::optional<UserRecord> user = currentUser();
    if (!user)
        return;
    m_userEdit->prepareForEdit(user->name, user->description);
    if (!m_userEdit->showModal())
        return;
    m_admin.changeUser(m_userEdit->values());
    reloadUsers(user->name);
}

void UsersWindow::deleteUser() {
    const std::optional<UserRecord> user = currentUser();
    if (!user)
        return;
    const UserAdministration::Result result = m_admin.deleteUser(*user, currentLogin().userName);
    if (result != UserAdministration::Result::Done && result != UserAdministration::Result::Failed)
        return;
    m_userList->setCurrentIndex(-1);
    clearBoxes();
    reloadUsers();
}

bool UsersWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isEnter(event)) {
        if (watched == m_grid) {
            editUser();
            return true;
        }
        // Enter in the user list or on a permission box closes the window.
        if (watched == m_userList || qobject_cast<QCheckBox*>(watched)) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kv
