#include "users/gui/LoginDialog.h"

#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/EngineSession.h"
#include "support/ProgramVersion.h"
#include "support/UserInterface.h"
#include "support/gui/dialogs/TitleBand.h"
#include "users/Permissions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {

LoginDialog::DatabaseWindowHook& databaseWindowHook() {
    static LoginDialog::DatabaseWindowHook hook;
    return hook;
}

QLabel* hintLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #5b6b7f;"));
    return label;
}

} // namespace

void LoginDialog::setDatabaseWindowHook(DatabaseWindowHook hook) {
    databaseWindowHook() = std::move(hook);
}

LoginDialog::LoginDialog(DataModule& db, QWidget* parent)
    : QDialog(parent), m_db(db), m_session(db), m_user(new QLineEdit(this)),
      m_pwd(new QLineEdit(this)), m_cbFirmy1(new QComboBox(this)),
      m_info(new QLabel(kLoginRefusedText, this)),
      m_userHint(hintLabel(QStringLiteral("domyślnie: ADMIN"), this)),
      m_passwordHint(hintLabel(QStringLiteral("domyślnie: zebux"), this)),
      m_ok(new QPushButton(QStringLiteral("    &OK       "), this)),
      m_configure(new QPushButton(QStringLiteral("Konfiguruj bazę"), this)) {
    setObjectName(QStringLiteral("TfLogin"));
    setWindowTitle(QStringLiteral("Karvento   ") + programVersion());
    setModal(true);

    auto* band = new TitleBand(this);
    band->setTitle(QStringLiteral("Zaloguj się ..."));
    band->iconLabel()->hide();

    m_user->setObjectName(QStringLiteral("user"));
    m_pwd->setObjectName(QStringLiteral("pwd"));
    m_pwd->setEchoMode(QLineEdit::Password);
    m_cbFirmy1->setObjectName(QStringLiteral("cbFirmy1"));
    m_user->setFixedWidth(220);
    m_pwd->setFixedWidth(220);
    // Company names run to 50 characters: the list takes the hints' column
    // too, and its drop-down is as wide as the longest name.
    m_cbFirmy1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cbFirmy1->setMinimumContentsLength(20);
    m_info->setObjectName(QStringLiteral("info"));
    m_info->setStyleSheet(QStringLiteral("color: #c0392b; font-weight: bold;"));
    // The label keeps its place while hidden, so the window does not jump.
    QSizePolicy keep = m_info->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_info->setSizePolicy(keep);
    m_info->hide();

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    grid->addWidget(new QLabel(QStringLiteral("Użytkownik"), this), 0, 0);
    grid->addWidget(m_user, 0, 1);
    grid->addWidget(m_userHint, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Hasło"), this), 1, 0);
    grid->addWidget(m_pwd, 1, 1);
    grid->addWidget(m_passwordHint, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Firma"), this), 2, 0);
    grid->addWidget(m_cbFirmy1, 2, 1, 1, 2);
    grid->setColumnMinimumWidth(2, m_userHint->sizeHint().width());
    grid->addWidget(m_info, 3, 1, 1, 2);

    m_ok->setDefault(true);
    m_configure->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_configure);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(18, 14, 18, 14);
    body->setSpacing(12);
    body->addLayout(grid);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(band);
    layout->addLayout(body);
    setFixedSize(sizeHint());

    connect(m_ok, &QPushButton::clicked, this, &LoginDialog::ok);
    connect(m_configure, &QPushButton::clicked, this, &LoginDialog::configureDatabase);
    for (QLineEdit* e : {m_user, m_pwd})
        connect(e, &QLineEdit::textEdited, m_info, &QWidget::hide);
}

LoginDialog::Result LoginDialog::run(QWidget* parent) {
    LoginDialog window(*DataModule::current(), parent);
    return window.showModal();
}

LoginDialog::Result LoginDialog::showModal() {
    currentLogin().forget();
    m_user->clear();
    m_pwd->clear();
    m_userHint->setVisible(programOptions().cbFirstLog);
    m_passwordHint->setVisible(programOptions().cbFirstLog);
    m_result = Result::Refused;
    if (!prepare())
        return Result::Terminate;
    exec();
    return m_result;
}

bool LoginDialog::prepare() {
    setWindowTitle(QStringLiteral("Karvento   ") + programVersion());
    m_cbFirmy1->clear();
    const std::optional<QList<LoginCompany>> companies =
        m_session.prepare(currentDatabaseLocation());
    if (!companies)
        return false;
    for (const LoginCompany& c : *companies) {
        m_cbFirmy1->addItem(c.name, c.dir);
        m_cbFirmy1->setItemData(m_cbFirmy1->count() - 1, c.name, Qt::ToolTipRole);
    }
    m_cbFirmy1->view()->setMinimumWidth(m_cbFirmy1->view()->sizeHintForColumn(0) + 24);
    m_cbFirmy1->setCurrentIndex(
        LoginSession::preselectedIndex(*companies, programOptions().firmaDir));
    m_info->hide();
    m_user->setFocus();
    return true;
}

void LoginDialog::finish(Result result) {
    m_result = result;
    if (result == Result::Accepted)
        accept();
    else
        reject();
}

void LoginDialog::ok() {
    LoginCompany company;
    if (m_cbFirmy1->currentIndex() >= 0)
        company = {m_cbFirmy1->currentText(), m_cbFirmy1->currentData().toString()};
    switch (m_session.attempt(company, m_user->text(), m_pwd->text())) {
    case LoginSession::Outcome::Accepted:
        finish(Result::Accepted);
        return;
    case LoginSession::Outcome::Closed:
        finish(Result::Refused);
        return;
    case LoginSession::Outcome::Refused:
        m_info->show();
        m_pwd->clear();
        m_user->selectAll();
        m_user->setFocus();
        return;
    case LoginSession::Outcome::NoCompany:
    case LoginSession::Outcome::DatabaseFailure:
        return;
    }
}

void LoginDialog::configureDatabase() {
    m_cbFirmy1->clear();
    engine::EngineSession::defaultSession().removeAllPasswords();
    if (const DatabaseWindowHook& hook = databaseWindowHook())
        hook(this);
    else
        ui().information(
            QStringLiteral("Informacja"),
            QStringLiteral("Okno konfiguracji bazy danych nie jest jeszcze dostępne."));
    if (!LoginSession::checkLocationAfterConfiguration(m_db) || !prepare())
        finish(Result::Terminate);
}

void LoginDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Only the user name field ends the program; elsewhere a stray Escape
        // must not throw away what was typed.
        if (m_user->hasFocus())
            finish(Result::Terminate);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace kv
