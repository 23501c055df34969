#include "TestSupport.h"
#include "support/ModalWindows.h"
#include "users/LoginFixture.h"

#include "location/DatabaseLocation.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/engine/EngineSession.h"
#include "users/PermissionBoxes.h"
#include "users/UserAdministration.h"
#include "users/gui/UsersWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QTest>

using namespace kv;
using kv::test::whenShown;

// A register's "Zapis" never stays without its "Odczyt".
class TestPermissionCoupling : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void writeFollowsRead() {
        int pairs = 0;
        for (const RegisterPermissionRow& row : registerPermissionRows()) {
            if (row.read < 0 || row.write < 0) {
                QCOMPARE(permissionChangesFor(row.read, false),
                         (QList<PermissionChange>{{row.read, false}}));
                continue;
            }
            ++pairs;
            QCOMPARE(permissionChangesFor(row.read, false),
                     (QList<PermissionChange>{{row.write, false}, {row.read, false}}));
            QCOMPARE(permissionChangesFor(row.write, true),
                     (QList<PermissionChange>{{row.read, true}, {row.write, true}}));
            // The other two clicks change only their own box.
            QCOMPARE(permissionChangesFor(row.read, true),
                     (QList<PermissionChange>{{row.read, true}}));
            QCOMPARE(permissionChangesFor(row.write, false),
                     (QList<PermissionChange>{{row.write, false}}));
        }
        QCOMPARE(pairs, 22);
        for (const AccessPermissionBox& b : accessPermissionBoxes())
            QCOMPARE(permissionChangesFor(b.number, false),
                     (QList<PermissionChange>{{b.number, false}}));
    }

    void permissionsWindowUnticksAndTicksThePair() {
        const QString location = test::makeLoginLocation(env, QStringLiteral("window"));
        currentDatabaseLocation() = {location, schema::kTemplatePassword};
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        DataModule db;
        db.setLocation(location);
        QVERIFY(db.openCompanyDatabase(QStringLiteral("firma")));
        currentLogin().forget();
        currentLogin().userName = kAdministratorName;
        UserAdministration admin(db);
        QCOMPARE(admin.addUser({QStringLiteral("ola"), QString(), QStringLiteral("olaola"),
                                QStringLiteral("olaola")}),
                 UserAdministration::Result::Done);

        UsersWindow window(db);
        QList<bool> shown;
        whenShown<UsersWindow>([&](UsersWindow* w) {
            w->pages()->setCurrentIndex(1);
            w->userList()->setCurrentIndex(w->userList()->findText(QStringLiteral("OLA")));
            emit w->userList()->activated(w->userList()->currentIndex());
            w->box(20)->click(); // "Stawki: Odczyt" off
            shown << w->box(20)->isChecked() << w->box(21)->isChecked();
            w->box(21)->click(); // "Stawki: Zapis" on
            shown << w->box(20)->isChecked() << w->box(21)->isChecked();
            w->box(1)->click(); // "Pojazdy: Odczyt" off
            w->box(1)->click(); // and on again: "Zapis" stays off
            shown << w->box(1)->isChecked() << w->box(2)->isChecked();
            w->reject();
        });
        window.showModal();
        QCOMPARE(shown, (QList<bool>{false, false, true, true, true, false}));
        const std::optional<PermissionSet> held = admin.permissionsOf(QStringLiteral("OLA"));
        QVERIFY(held);
        QVERIFY(held->has(20) && held->has(21) && held->has(1) && !held->has(2));
        currentDatabaseLocation() = {};
    }
};

QTEST_MAIN(TestPermissionCoupling)
#include "tst_permissioncoupling.moc"
