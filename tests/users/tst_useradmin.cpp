#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/EngineSession.h"
#include "users/LoginSession.h"
#include "users/PasswordHash.h"
#include "users/PermissionBoxes.h"
#include "users/PermissionControls.h"
#include "users/UserAdministration.h"

#include <QDir>
#include <QSet>
#include <QTest>
#include <numeric>

using namespace kv;
using Result = UserAdministration::Result;

// Adding, changing and deleting users, granting and revoking, the checks of
// the user window, and the tables the windows are built from.
class TestUserAdministration : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    std::unique_ptr<DataModule> db;

    UserAdministration openCompany(const QString& name) {
        const QString location = test::makeLoginLocation(env, name);
        db = std::make_unique<DataModule>();
        db->setLocation(location);
        if (!db->openCompanyDatabase("firma"))
            qFatal("cannot open the company");
        return UserAdministration(*db);
    }
    QStringList rights(const QString& user) {
        const ResultSet r = db->select(
            QStringLiteral(
                "SELECT UPR FROM uprawnienia WHERE NAZWA = :N ORDER BY CAST(UPR AS INTEGER)"),
            {{"N", user}});
        QStringList list;
        for (int i = 0; i < r.rowCount(); ++i)
            list.append(r.text(i, "UPR"));
        return list;
    }
    void grantRow(const QString& user, const QString& upr) {
        db->exec("INSERT INTO uprawnienia (NAZWA, UPR) VALUES (:N, :U)", {{"N", user}, {"U", upr}});
    }
    ResultSet userRow(const QString& user) {
        return db->select("SELECT * FROM userzy WHERE NAZWA = :N", {{"N", user}});
    }
    static UserEditValues values(const QString& name, const QString& password,
                                 const QString& description = {}) {
        return {name, description, password, password};
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    }
    void init() { env.ui().clear(); }
    void cleanup() { db.reset(); }

    void newUserHoldsOneToFiftyThreeAndAHash() {
        UserAdministration admin = openCompany("add");
        // Rows left behind by an earlier account of the same name (here the
        // administrator's 0) must not pass to the new one.
        grantRow("JAN", "0");
        QCOMPARE(
            admin.addUser(values(QStringLiteral(" jan "), QStringLiteral("tajne1"), "Kierowca")),
            Result::Done);
        const ResultSet row = userRow("JAN");
        QCOMPARE(row.rowCount(), 1);
        QCOMPARE(row.text(0, QStringLiteral("OPIS")), QStringLiteral("Kierowca"));
        const QString stored = row.text(0, "HASLO");
        QVERIFY(!stored.contains("tajne1"));
        QCOMPARE(matchPassword(stored, QStringLiteral("tajne1")), PasswordMatch::Hash);

        QStringList expected;
        for (int n = 1; n <= 53; ++n)
            expected.append(QString::number(n));
        QCOMPARE(rights(QStringLiteral("JAN")), expected);
        const auto held = admin.permissionsOf("JAN");
        QVERIFY(held);
        QCOMPARE(held->count(), 53);
        QVERIFY(!held->has(0));
        QVERIFY(!held->has(54));
        QVERIFY(env.ui().messages().isEmpty());
    }

    void duplicateNamesAreRefusedInAnyCase() {
        UserAdministration admin = openCompany("duplicate");
        QCOMPARE(admin.addUser(values(QStringLiteral("Ewa"), QStringLiteral("abc"))), Result::Done);
        for (const QString& name : QStringList{"ewa", "EWA", "admin"}) {
            env.ui().clear();
            QCOMPARE(admin.addUser(values(name, QStringLiteral("xyz"))), Result::Duplicate);
            QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
            QCOMPARE(env.ui().last().text, "Istnieje już użytkownik o podanej nazwie.");
        }
        QCOMPARE(userRow(QStringLiteral("EWA")).rowCount(), 1);
        QCOMPARE(
            matchPassword(userRow(QStringLiteral("EWA")).text(0, QStringLiteral("HASLO")), "abc"),
            PasswordMatch::Hash);
    }

    void changingStoresTheNewPasswordAsAHash() {
        UserAdministration admin = openCompany("change");
        QCOMPARE(
            admin.changeUser(values(QStringLiteral("admin"), QStringLiteral("nowe12"), "Szef")),
            Result::Done);
        const ResultSet row = userRow("ADMIN");
        QCOMPARE(row.text(0, QStringLiteral("OPIS")), QStringLiteral("Szef"));
        QCOMPARE(row.text(0, QStringLiteral("SUPERVISOR")), QStringLiteral("T"));
        QCOMPARE(matchPassword(row.text(0, QStringLiteral("HASLO")), QStringLiteral("nowe12")),
                 PasswordMatch::Hash);
        QCOMPARE(matchPassword(row.text(0, QStringLiteral("HASLO")), QStringLiteral("zebux")),
                 PasswordMatch::None);
        QCOMPARE(admin.changeUser(values(QStringLiteral("NIKT"), QStringLiteral("abc"))),
                 Result::Failed);

        const auto users = admin.users();
        QVERIFY(users);
        QCOMPARE(users->size(), 1);
        QVERIFY(users->first().supervisor);
    }

    void grantAddsOneRowAndRevokeRemovesExactlyItsNumber() {
        UserAdministration admin = openCompany("grant");
        QCOMPARE(admin.addUser(values(QStringLiteral("JAN"), QStringLiteral("abc"))), Result::Done);
        // Unticking "Zapis" for "Pojazdy".
        QVERIFY(admin.setPermission("JAN", 2, false));
        QStringList rows = rights("JAN");
        QCOMPARE(rows.size(), 52);
        QVERIFY(!rows.contains("2"));
        for (const char* kept :
             {"1", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "3"})
            QVERIFY2(rows.contains(QLatin1String(kept)), kept);

        QVERIFY(admin.setPermission("JAN", 0, true));
        QVERIFY(admin.setPermission("JAN", 0, true));
        QCOMPARE(rights(QStringLiteral("JAN")).count(QStringLiteral("0")), 1);
        QVERIFY(admin.permissionsOf("JAN")->has(0));

        // A row written in another form still stands for its number: the box
        // shows it, and unticking takes it away.
        grantRow("EWA", " 07");
        QVERIFY(admin.permissionsOf("EWA")->has(7));
        QVERIFY(admin.setPermission("EWA", 7, false));
        QVERIFY(rights("EWA").isEmpty());
        QVERIFY(!admin.permissionsOf("EWA")->has(7));

        // The administrator holds everything whatever the table says.
        QCOMPARE(admin.permissionsOf(QStringLiteral("ADMIN"))->count(), 101);
        // Grant and revoke report nothing when the table cannot be written.
        db->closeAllQueries();
        QFile damaged(QDir(db->companyDirectory()).filePath("uprawnienia.DB"));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        db->companyConnection().detachAll();
        env.ui().clear();
        QVERIFY(!admin.setPermission("JAN", 5, true));
        QVERIFY(!admin.setPermission("JAN", 5, false));
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(!admin.permissionsOf("JAN"));
        QVERIFY(env.ui().last().caption == "Błąd bazy danych");
    }

    void administratorAndLoggedInUserCannotBeDeleted() {
        UserAdministration admin = openCompany("delete-refused");
        QCOMPARE(admin.addUser(values(QStringLiteral("JAN"), QStringLiteral("abc"))), Result::Done);
        env.ui().setDefaultAnswer(true);
        const auto users = admin.users();
        QVERIFY(users && users->size() == 2);
        const UserRecord administrator = users->at(0);
        QCOMPARE(administrator.name, QStringLiteral("ADMIN"));
        QCOMPARE(admin.deleteUser(administrator, QStringLiteral("JAN")), Result::Refused);
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie można usunąć konta ADMIN."));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
        // The name alone is enough: whoever is called ADMIN holds everything.
        QCOMPARE(admin.deleteUser({QStringLiteral("ADMIN"), {}, false}, QStringLiteral("JAN")),
                 Result::Refused);
        QCOMPARE(admin.deleteUser(users->at(1), QStringLiteral("jan")), Result::Refused);
        QCOMPARE(env.ui().last().text, "Nie można usunąć konta dla zalogowanego użytkownika.");
        QCOMPARE(userRow(QStringLiteral("ADMIN")).rowCount(), 1);
        QCOMPARE(userRow(QStringLiteral("JAN")).rowCount(), 1);
        for (const auto& m : env.ui().messages())
            QVERIFY(m.kind != ScriptedUserInterface::Kind::Question);
        env.ui().setDefaultAnswer(false);
    }

    void deletingAsksAndRemovesThePermissionRows() {
        UserAdministration admin = openCompany("delete");
        QCOMPARE(admin.addUser(values(QStringLiteral("JAN"), QStringLiteral("abc"))), Result::Done);
        QCOMPARE(admin.addUser(values(QStringLiteral("EWA"), QStringLiteral("abc"))), Result::Done);
        const UserRecord jan{"JAN", {}, false};
        env.ui().queueAnswer(false);
        QCOMPARE(admin.deleteUser(jan, QStringLiteral("ADMIN")), Result::Cancelled);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy usunąć wskazanego użytkownika?"));
        QCOMPARE(rights(QStringLiteral("JAN")).size(), 53);

        env.ui().queueAnswer(true);
        QCOMPARE(admin.deleteUser(jan, QStringLiteral("ADMIN")), Result::Done);
        QCOMPARE(userRow(QStringLiteral("JAN")).rowCount(), 0);
        QVERIFY(rights("JAN").isEmpty());
        QCOMPARE(rights(QStringLiteral("EWA")).size(), 53);
        // Permission rows of a user whose row is already gone are removed too.
        grantRow("DUCH", "0");
        env.ui().queueAnswer(true);
        QCOMPARE(admin.deleteUser({QStringLiteral("DUCH"), {}, false}, QStringLiteral("ADMIN")),
                 Result::Done);
        QVERIFY(rights("DUCH").isEmpty());
    }

    void userEditChecks_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("message");
        const int name = int(UserField::Name), password = int(UserField::Password);
        QTest::newRow("no name") << "  "
                                 << ""
                                 << "abc"
                                 << "abc" << name
                                 << "Nie wprowadzono nazwy użytkownika. Popraw pole.";
        QTest::newRow("name first")
            << ""
            << ""
            << ""
            << "x" << name << "Nie wprowadzono nazwy użytkownika. Popraw pole.";
        QTest::newRow("long name")
            << QString(21, u'A') << ""
            << "abc"
            << "abc" << name
            << "Nazwa użytkownika jest zbyt długa (najwyżej 20 znaków). Popraw pole.";
        QTest::newRow("long description")
            << "JAN" << QString(101, u'x') << "abc"
            << "abc" << int(UserField::Description)
            << "Opis jest zbyt długi (najwyżej 100 znaków). Popraw pole.";
        QTest::newRow("tab in description")
            << "JAN"
            << "opis\nADMIN\tfałszywy"
            << "abc"
            << "abc" << int(UserField::Description)
            << "Opis nie może zawierać znaków tabulacji ani końca wiersza. Popraw pole.";
        QTest::newRow("no password") << "JAN"
                                     << ""
                                     << "   "
                                     << "   " << password << "Nie wprowadzono hasła. Popraw pole.";
        QTest::newRow("short") << "JAN"
                               << ""
                               << " ab "
                               << " ab " << password
                               << "Hasło zbyt krótkie. Powinno składać się conajmniej z trzech "
                                  "znaków. Popraw pole.";
        QTest::newRow("long password")
            << "JAN"
            << "" << QString(21, u'p') << QString(21, u'p') << password
            << "Hasło jest zbyt długie (najwyżej 20 znaków). Popraw pole.";
        QTest::newRow("different") << "JAN"
                                   << ""
                                   << "abc"
                                   << "abd" << password
                                   << "Wprowadzone hasło jest inne od ponownie wprowadzonego. "
                                      "Popraw pole.";
        QTest::newRow("fine") << "JAN" << QString(100, u'x') << QString(20, u'p')
                              << QString(20, u'p') << int(UserField::None) << "";
    }
    void userEditChecks() {
        QFETCH(QString, name);
        QFETCH(QString, description);
        QFETCH(QString, password);
        QFETCH(QString, repeat);
        QFETCH(int, field);
        QFETCH(QString, message);
        env.ui().clear();
        QCOMPARE(int(checkUserEdit({name, description, password, repeat})), field);
        if (message.isEmpty()) {
            QVERIFY(env.ui().messages().isEmpty());
        } else {
            QCOMPARE(env.ui().messages().size(), 1);
            QCOMPARE(env.ui().last().caption, QStringLiteral("Uwaga"));
            QCOMPARE(env.ui().last().text, message);
        }
    }

    void permissionBoxesNameEachNumberOnce() {
        QList<int> numbers;
        QSet<int> hidden;
        for (const RegisterPermissionRow& r : registerPermissionRows())
            for (int n : {r.read, r.write})
                if (n >= 0) {
                    numbers.append(n);
                    if (r.hidden)
                        hidden.insert(n);
                }
        for (const AccessPermissionBox& b : accessPermissionBoxes()) {
            numbers.append(b.number);
            if (b.hidden) {
                hidden.insert(b.number);
                QCOMPARE(b.caption, QStringLiteral("NIE UZYWANE"));
            }
        }
        std::sort(numbers.begin(), numbers.end());
        QList<int> all(kPermissionBoxCount);
        std::iota(all.begin(), all.end(), 0);
        QCOMPARE(numbers, all);
        QCOMPARE(hidden, (QSet<int>{28, 29, 30, 51, 52}));
    }

    void controlsFollowTheirPermissions() {
        using K = PermissionControlKind;
        const auto find = [](K kind, const QString& name) -> const PermissionControl* {
            for (const PermissionControl& c : permissionControls())
                if (c.kind == kind && c.name == name)
                    return &c;
            return nullptr;
        };
        // Each control once, with every permission it needs (the reports'
        // permission guards all six report submenus).
        QCOMPARE(permissionControls().size(), 21 * 2 + 23);
        const QList<std::tuple<K, const char*, QList<int>>> expected{
            {K::Menu, "menuAdministracja", {0}},
            {K::SectionButton, "SBPojazdy", {1}},
            {K::RegisterButton, "RBIZuzycieMth", {9}},
            {K::MenuItem, "Zużycie paliwa - przebieg", {9}},
            {K::MenuItem, "Sprawdź stany magazynowe", {49, 31}},
            {K::SectionButton, "SBRaporty", {17}},
            {K::RegisterButton, "RBslOsobowa", {24}},
            {K::MenuItem, "Karty Drogowe", {45}},
            {K::Menu, "menuImport", {53}},
        };
        for (const auto& [kind, name, permissions] : expected) {
            const PermissionControl* c = find(kind, QString::fromUtf8(name));
            QVERIFY2(c, name);
            QCOMPARE(c->permissions, permissions);
        }
        QVERIFY(!find(K::MenuItem, "Import pracowników z arkusza .CSV"));

        PermissionSet set;
        set.set(49);
        QVERIFY(controlAllowed(*find(K::MenuItem, "Magazyn zasobów"), set));
        QVERIFY(!controlAllowed(*find(K::MenuItem, "Sprawdź stany magazynowe"), set));
        set.set(31);
        QVERIFY(controlAllowed(*find(K::MenuItem, "Sprawdź stany magazynowe"), set));
        QVERIFY(!controlAllowed(*find(K::Menu, "menuAdministracja"), set));
    }
};

QTEST_GUILESS_MAIN(TestUserAdministration)
#include "tst_useradmin.moc"
