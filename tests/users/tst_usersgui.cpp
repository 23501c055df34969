#include "TestSupport.h"
#include "support/ModalWindows.h"
#include "users/LoginFixture.h"

#include "location/DatabaseLocation.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/EngineSession.h"
#include "users/PasswordHash.h"
#include "users/gui/LoginDialog.h"
#include "users/gui/UserEditDialog.h"
#include "users/gui/UsersWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

// The login, user and administration windows driven as a user would.
class TestUsersGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;
    std::unique_ptr<DataModule> db;

    void useLocation(const QString& name,
                     const QList<test::CompanySpec>& companies = {{"Firma testowa", "firma"}}) {
        location = test::makeLoginLocation(env, name, companies);
        currentDatabaseLocation() = {location, schema::kTemplatePassword};
        db = std::make_unique<DataModule>();
    }
    static void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        QTest::keyClicks(field, text);
    }
    static void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }
    QStringList rights(const QString& user) {
        const ResultSet r =
            db->select("SELECT UPR FROM uprawnienia WHERE NAZWA = :N", {{"N", user}});
        QStringList list;
        for (int i = 0; i < r.rowCount(); ++i)
            list.append(r.text(i, "UPR"));
        return list;
    }
    // Logs in as the administrator so the administration window has a user.
    void logInAsAdmin() {
        db->setLocation(location);
        if (!db->openCompanyDatabase("firma"))
            qFatal("cannot open the company");
        currentLogin().forget();
        currentLogin().userName = kAdministratorName;
    }
    QStringList gridNames(UsersWindow* w) {
        QStringList names;
        for (int row = 0; row < w->grid()->model()->rowCount(); ++row)
            names.append(w->grid()->model()->index(row, 0).data().toString());
        return names;
    }

private slots:
    void init() {
        // Logins and "Konfiguruj bazę" leave the session with other passwords.
        engine::EngineSession::defaultSession().removeAllPasswords();
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        env.ui().clear();
        programOptions() = ProgramOptions{};
        LoginDialog::setDatabaseWindowHook({});
    }
    void cleanup() {
        db.reset();
        currentDatabaseLocation() = {};
    }

    void loginShowsCompaniesAndHints() {
        useLocation("show", {{"Zeta", "zeta"}, {"Alfa", "alfa"}});
        programOptions().firmaDir = "zeta";
        LoginDialog window(*db);
        window.userField()->setText("stare");
        bool checked = false;
        whenShown<LoginDialog>([&](LoginDialog* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Karvento   3.0"));
            QVERIFY(w->userField()->text().isEmpty());
            QVERIFY(w->userHint()->isVisible());
            QVERIFY(w->passwordHint()->isVisible());
            QCOMPARE(w->passwordField()->echoMode(), QLineEdit::Password);
            QVERIFY(!w->errorLabel()->isVisible());
            QCOMPARE(w->companyList()->count(), 2);
            QCOMPARE(w->companyList()->itemText(0), QStringLiteral("Alfa"));
            QCOMPARE(w->companyList()->currentText(), QStringLiteral("Zeta"));
            QCOMPARE(w->companyList()->currentData().toString(), QStringLiteral("zeta"));
            QCOMPARE(QApplication::focusWidget(), w->userField());
            // Escape ends the program from the user name field only.
            w->passwordField()->setFocus();
            QTest::keyClick(w->passwordField(), Qt::Key_Escape);
            QVERIFY(w->isVisible());
            w->userField()->setFocus();
            checked = true;
            QTest::keyClick(w->userField(), Qt::Key_Escape);
        });
        QCOMPARE(window.showModal(), LoginDialog::Result::Terminate);
        QVERIFY(checked);

        programOptions().cbFirstLog = false;
        whenShown<LoginDialog>([](LoginDialog* w) {
            QVERIFY(!w->userHint()->isVisible());
            QVERIFY(!w->passwordHint()->isVisible());
            w->reject();
        });
        QCOMPARE(window.showModal(), LoginDialog::Result::Refused);
    }

    void threeWrongPasswordsCloseTheWindow() {
        useLocation("wrong");
        LoginDialog window(*db);
        int visibleAfterFirst = -1;
        bool hiddenWhileTyping = false;
        QString selected;
        whenShown<LoginDialog>([&](LoginDialog* w) {
            type(w->userField(), "admin");
            type(w->passwordField(), "zle");
            enter(w->passwordField());
            visibleAfterFirst = w->errorLabel()->isVisible();
            selected = w->userField()->selectedText();
            QVERIFY(w->passwordField()->text().isEmpty());
            QCOMPARE(QApplication::focusWidget(), w->userField());
            type(w->passwordField(), "x");
            hiddenWhileTyping = !w->errorLabel()->isVisible();
            enter(w->passwordField()); // too short: an attempt without the database
            type(w->passwordField(), "zebu");
            enter(w->userField());
        });
        QCOMPARE(window.showModal(), LoginDialog::Result::Refused);
        QCOMPARE(visibleAfterFirst, 1);
        QCOMPARE(selected, QStringLiteral("admin"));
        QVERIFY(hiddenWhileTyping);
        QCOMPARE(window.errorLabel()->text(), QStringLiteral("Niepoprawny login lub hasło"));
        QVERIFY(!currentLogin().accepted);
    }

    void enterWithTheRightPasswordLogsIn() {
        useLocation("right");
        LoginDialog window(*db);
        whenShown<LoginDialog>([](LoginDialog* w) {
            type(w->userField(), "admin");
            type(w->passwordField(), "zebux");
            enter(w->passwordField());
        });
        QCOMPARE(window.showModal(), LoginDialog::Result::Accepted);
        QCOMPARE(currentLogin().userName, QStringLiteral("ADMIN"));
        QCOMPARE(currentLogin().companyName, QStringLiteral("Firma testowa"));
        QVERIFY(isArgon2idHash(db->select("SELECT HASLO FROM userzy").text(0, "HASLO")));
    }

    void preparationFailureEndsWithoutShowing() {
        useLocation("unprepared");
        currentDatabaseLocation().password = "zlehaslo";
        DataModule fresh;
        LoginDialog window(fresh);
        QPointer<QTimer> watcher = whenShown<LoginDialog>([](LoginDialog* w) { w->reject(); });
        QCOMPARE(window.showModal(), LoginDialog::Result::Terminate);
        QVERIFY(env.ui().last().caption == "Błąd bazy danych");
        QVERIFY(watcher && watcher->isActive()); // never shown
        delete watcher;
    }

    void configuringTheDatabaseReloadsOrEnds() {
        useLocation("first");
        const QString second = test::makeLoginLocation(env, "second", {{"Druga", "druga"}});
        LoginDialog window(*db);
        // Without the database window the user is told so and the list stays.
        whenShown<LoginDialog>([&](LoginDialog* w) {
            w->configureButton()->click();
            QCOMPARE(w->companyList()->currentText(), QStringLiteral("Firma testowa"));
            LoginDialog::setDatabaseWindowHook([&](QWidget*) {
                currentDatabaseLocation() = {second, schema::kTemplatePassword};
            });
            w->configureButton()->click();
            QCOMPARE(w->companyList()->count(), 1);
            QCOMPARE(w->companyList()->currentText(), QStringLiteral("Druga"));
            QVERIFY(w->isVisible());
            LoginDialog::setDatabaseWindowHook([&](QWidget*) {
                currentDatabaseLocation() = {env.newDirectory("pusto"), QString()};
            });
            w->configureButton()->click();
        });
        QCOMPARE(window.showModal(), LoginDialog::Result::Terminate);
        QCOMPARE(env.ui().messages().first().text,
                 "Okno konfiguracji bazy danych nie jest jeszcze dostępne.");
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie udało się określić lokalizacji i hasła "
                                                      "bazy danych. Program zostanie zamknięty."));
    }

    void userEditChecksBeforeConfirming() {
        UserEditDialog window;
        window.prepareForEdit("JAN", "Kierowca");
        whenShown<UserEditDialog>([](UserEditDialog* w) {
            QVERIFY(!w->nameField()->isEnabled());
            QCOMPARE(QApplication::focusWidget(), w->descriptionField());
            QCOMPARE(w->repeatField()->echoMode(), QLineEdit::Password);
            type(w->passwordField(), "abc");
            type(w->repeatField(), "abd");
            enter(w->repeatField());
            QVERIFY(w->isVisible());
            QCOMPARE(QApplication::focusWidget(), w->passwordField());
            w->repeatField()->setText("abc");
            enter(w->descriptionField());
        });
        QVERIFY(window.showModal());
        QCOMPARE(env.ui().last().text, QStringLiteral("Wprowadzone hasło jest inne od ponownie "
                                                      "wprowadzonego. Popraw pole."));
        QCOMPARE(window.values().password, QStringLiteral("abc"));

        window.prepareForAdd();
        whenShown<UserEditDialog>([](UserEditDialog* w) {
            QCOMPARE(QApplication::focusWidget(), w->nameField());
            QVERIFY(w->passwordField()->text().isEmpty());
            QTest::keyClick(w->nameField(), Qt::Key_Escape);
        });
        QVERIFY(!window.showModal());
    }

    void administrationAddsUsersAndGrantsAtOnce() {
        useLocation("admin");
        logInAsAdmin();
        UsersWindow window(*db);
        QStringList listed;
        QStringList reopened;
        whenShown<UsersWindow>([&](UsersWindow* w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Zarządzanie użytkownikami"));
            QCOMPARE(w->pages()->currentIndex(), 0);
            QCOMPARE(w->grid()->objectName(), QStringLiteral("UserzyGRID"));
            QCOMPARE(w->grid()->model()->headerData(0, Qt::Horizontal).toString(),
                     "ID Użytkownika");
            QVERIFY(!w->box(0)->isEnabled() && !w->box(0)->isChecked());
            // "Dodaj", then the same name once more: refused, values kept, cancelled.
            whenShown<UserEditDialog>([](UserEditDialog* e) {
                e->nameField()->setText("jan");
                e->descriptionField()->setText("Kierowca");
                e->passwordField()->setText("abc");
                e->repeatField()->setText("abc");
                e->saveButton()->click();
            });
            w->addButton()->click();
            whenShown<UserEditDialog>([&](UserEditDialog* e) {
                e->nameField()->setText("Jan");
                e->passwordField()->setText("xyz");
                e->repeatField()->setText("xyz");
                whenShown<UserEditDialog>([&](UserEditDialog* again) {
                    reopened = {again->nameField()->text(), again->passwordField()->text()};
                    again->reject();
                });
                e->saveButton()->click();
            });
            w->addButton()->click();
            listed = gridNames(w);

            // The permissions of the grid's current user (the new one).
            w->pages()->setCurrentIndex(1);
            QCOMPARE(w->userList()->currentText(), QStringLiteral("JAN"));
            QVERIFY(w->box(1)->isChecked() && w->box(53)->isChecked());
            QVERIFY(!w->box(0)->isChecked());
            QVERIFY(w->box(0)->isEnabled());
            QVERIFY(!w->box(28)->isVisibleTo(w) && !w->box(51)->isVisibleTo(w));
            QCOMPARE(w->box(28)->text(), QStringLiteral("NIE UZYWANE"));
            w->box(2)->click(); // "Zapis" for "Pojazdy"
            w->box(0)->click();
            // The administrator: everything ticked, nothing to change, nothing written.
            w->userList()->setCurrentIndex(w->userList()->findText("ADMIN"));
            emit w->userList()->activated(w->userList()->currentIndex());
            QVERIFY(w->box(0)->isChecked() && !w->box(0)->isEnabled());
            QVERIFY(w->box(45)->isChecked());
            enter(w->box(45)); // Enter on a box closes the window
        });
        window.showModal();
        QCOMPARE(listed, (QStringList{QStringLiteral("ADMIN"), QStringLiteral("JAN")}));
        QCOMPARE(reopened, (QStringList{QStringLiteral("Jan"), QStringLiteral("xyz")}));
        QCOMPARE(env.ui().last().text, QStringLiteral("Istnieje już użytkownik o podanej nazwie."));
        const QStringList jan = rights("JAN");
        QCOMPARE(jan.size(), 53);
        QVERIFY(!jan.contains("2"));
        QVERIFY(jan.contains("0"));
        QVERIFY(rights("ADMIN").isEmpty());
    }

    void administrationEditsAndDeletes() {
        useLocation("edit");
        logInAsAdmin();
        db->exec("INSERT INTO userzy (NAZWA, HASLO, OPIS) VALUES ('EWA', 'stare', 'x')");
        db->exec("INSERT INTO uprawnienia (NAZWA, UPR) VALUES ('EWA', '5')");
        // The main window's administration window is made once and kept.
        QWidget owner;
        QCOMPARE(UsersWindow::instanceFor(&owner), UsersWindow::instanceFor(&owner));
        UsersWindow* window = UsersWindow::instanceFor(nullptr);
        QStringList afterDelete;
        whenShown<UsersWindow>([&](UsersWindow* w) {
            // The administrator and the logged-in user stay.
            w->grid()->selectRow(0);
            w->deleteButton()->click();
            QCOMPARE(env.ui().last().text, QStringLiteral("Nie można usunąć konta ADMIN."));
            // Enter on the grid edits the current user.
            w->grid()->selectRow(1);
            whenShown<UserEditDialog>([](UserEditDialog* e) {
                QCOMPARE(e->nameField()->text(), QStringLiteral("EWA"));
                QVERIFY(!e->nameField()->isEnabled());
                e->descriptionField()->setText("Księgowa");
                e->passwordField()->setText("nowe1");
                e->repeatField()->setText("nowe1");
                enter(e->passwordField());
            });
            enter(w->grid());
            QCOMPARE(w->grid()->model()->index(1, 1).data().toString(), QStringLiteral("Księgowa"));
            env.ui().queueAnswer(true);
            w->deleteButton()->click();
            afterDelete = gridNames(w);
            w->closeButton()->click();
        });
        window->showModal();
        delete window;
        QCOMPARE(afterDelete, QStringList{QStringLiteral("ADMIN")});
        QVERIFY(rights("EWA").isEmpty());
    }
};

QTEST_MAIN(TestUsersGui)
#include "tst_usersgui.moc"
