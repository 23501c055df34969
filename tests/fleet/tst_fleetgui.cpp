#include "FleetFixture.h"
#include "support/ModalWindows.h"

#include "fleet/gui/CompanyDataDialog.h"
#include "fleet/gui/CompanyDataModule.h"
#include "fleet/gui/EmployeeDialog.h"
#include "fleet/gui/VehicleDialog.h"
#include "framework/gui/MainWindowServices.h"
#include "support/gui/WindowEditable.h"
#include "users/Permissions.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace kv;
using kv::test::whenShown;

namespace {

// The main window as the company data command sees it.
class FakeMainWindow : public MainWindowServices {
public:
    QStringList calls;
    QString commandButton, commandMenuItem;
    std::function<void()> command;

    void rebuildVehicleSelector(bool) override {}
    QString companyName() const override { return {}; }
    void refreshCompanyHeader() override { calls << QStringLiteral("header"); }
    void showSectionStart(Section s) override {
        calls << (s == Section::Dictionaries ? QStringLiteral("Słowniki") : QStringLiteral("?"));
    }
    void highlightButton(const QString& name) override {
        calls << QStringLiteral("highlight ") + name;
    }
    void addSectionCommand(const QString& button, const QString& menuItem,
                           std::function<void()> handler) override {
        commandButton = button;
        commandMenuItem = menuItem;
        command = std::move(handler);
    }
};

QString focusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

QStringList visibleButtons(QWidget* window) {
    QStringList texts;
    for (QPushButton* b : window->findChildren<QPushButton*>())
        if (b->isVisible())
            texts << b->text();
    return texts;
}

} // namespace

// The employee and company data windows driven as a user would.
class TestFleetGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static void enter(QWidget* w) { QTest::keyClick(w, Qt::Key_Return); }

private slots:
    void init() { env.ui().clear(); }

    void fleetDictionaryButtonFollowsPreviewAndPermission() {
        VehicleDialog window;
        bool allowed = true;
        window.editFleetDictionary = [] { return VehicleLists{}; };
        window.canEditFleetDictionary = [&] { return allowed; };
        auto* button = window.findChild<QToolButton*>(QStringLiteral("SBFlota"));
        QVERIFY(button);
        window.load(VehicleFormValues{}, FormSetup{});
        window.show();
        QVERIFY(button->isVisible() && button->isEnabled());
        window.hide();

        // A preview has no way into the dictionaries.
        setWindowEditable(&window, false);
        window.show();
        QVERIFY(!button->isVisible());
        window.hide();

        setWindowEditable(&window, true);
        allowed = false;
        window.show();
        QVERIFY(button->isVisible());
        QVERIFY(!button->isEnabled());
        window.hide();
    }

    void employeeWindowStartsInTheRightField() {
        EmployeeDialog w;
        EmployeeFormValues v;
        v.nrew = QStringLiteral("N-1");
        v.nazwisko = QStringLiteral("Nowak");

        // Editing without the option: the number is locked, typing goes to the surname.
        FormSetup locked;
        locked.lockedColumns.insert(QStringLiteral("NREW"));
        w.load(v, locked);
        whenShown<EmployeeDialog>([](EmployeeDialog* dialog) {
            QTRY_COMPARE(focusName(), QStringLiteral("fNAZWISKO"));
            QVERIFY(!dialog->findChild<QLineEdit*>(QStringLiteral("fNREW"))->isEnabled());
            dialog->reject();
        });
        QVERIFY(!w.confirm());

        w.load(v, FormSetup{});
        whenShown<EmployeeDialog>([](EmployeeDialog* dialog) {
            QTRY_COMPARE(focusName(), QStringLiteral("fNREW"));
            auto* number = dialog->findChild<QLineEdit*>(QStringLiteral("fNREW"));
            QCOMPARE(number->selectedText(), QStringLiteral("N-1"));
            dialog->reject();
        });
        QVERIFY(!w.confirm());
    }

    void employeeWindowChecksAndTrims() {
        EmployeeDialog w;
        EmployeeFormValues v;
        v.nrew = QStringLiteral("  N 2 ");
        w.load(v, FormSetup{});
        whenShown<EmployeeDialog>([this](EmployeeDialog* dialog) {
            auto* surname = dialog->findChild<QLineEdit*>(QStringLiteral("fNAZWISKO"));
            QTRY_COMPARE(focusName(), QStringLiteral("fNREW"));
            enter(QApplication::focusWidget()); // Enter saves: the surname is missing
            QVERIFY(dialog->isVisible());
            QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
            QCOMPARE(env.ui().last().text,
                     QStringLiteral("Nie wprowadzono nazwiska. Popraw pole."));
            QTRY_COMPARE(QApplication::focusWidget(), surname);
            QTest::keyClicks(surname, QStringLiteral("Wisniewska"));
            enter(surname);
        });
        QVERIFY(w.confirm());
        QCOMPARE(w.values().nrew, QStringLiteral("N 2"));
        QCOMPARE(w.values().nazwisko, QStringLiteral("Wisniewska"));
    }

    void companyDataReadOnlyWithoutPermission23() {
        auto db = test::openTemplateCompany(env, QStringLiteral("gui"));
        QVERIFY(db);
        FakeMainWindow main;
        CompanyDataModule module(*db, main, nullptr);
        QCOMPARE(main.commandButton, QStringLiteral("RBSlDaneFirmy"));
        QCOMPARE(main.commandMenuItem, QStringLiteral("Dane Firmy"));

        currentLogin().permissions.setAll(true);
        currentLogin().permissions.set(permission::CompanyDataWrite, false);
        whenShown<CompanyDataDialog>([](CompanyDataDialog* dialog) {
            QCOMPARE(visibleButtons(dialog), QStringList{QStringLiteral("&OK")});
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fNAZWA"));
            QVERIFY(name->isReadOnly());
            QTest::keyClicks(name, QStringLiteral("nic"));
            QCOMPARE(name->text(), QString());
            dialog->findChild<QPushButton*>(QStringLiteral("bAnuluj"))->click();
        });
        main.command();
        QCOMPARE(
            main.calls,
            (QStringList{QStringLiteral("Słowniki"), QStringLiteral("highlight RBSlDaneFirmy"),
                         QStringLiteral("Słowniki"), QStringLiteral("highlight RBSlDaneFirmy")}));
        // Back to editing for the next user.
        QCOMPARE(module.window().findChild<QPushButton*>(QStringLiteral("bAnuluj"))->text(),
                 QStringLiteral("&Anuluj"));

        // With the permission the name is typed, saved and the header read again.
        currentLogin().permissions.set(permission::CompanyDataWrite, true);
        main.calls.clear();
        whenShown<CompanyDataDialog>([this](CompanyDataDialog* dialog) {
            QCOMPARE(visibleButtons(dialog),
                     (QStringList{QStringLiteral("&Zapisz"), QStringLiteral("&Anuluj")}));
            QTRY_COMPARE(focusName(), QStringLiteral("fNAZWA"));
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Transport Zak"));
            enter(QApplication::focusWidget());
        });
        main.command();
        QCOMPARE(main.calls.last(), QStringLiteral("header"));
        QVERIFY(main.calls.contains(QStringLiteral("highlight ")));
        QCOMPARE(readCompanyRecord(*db)->value(QStringLiteral("NAZWA")),
                 QStringLiteral("Transport Zak"));
    }
};

QTEST_MAIN(TestFleetGui)
#include "tst_fleetgui.moc"
