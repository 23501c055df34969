#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "location/DatabaseLocation.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/EngineSession.h"
#include "users/LoginSession.h"
#include "users/PasswordHash.h"
#include "users/PermissionLoading.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace kv;
using Outcome = LoginSession::Outcome;

// The login without its window: attempts and their count, the accepted
// password forms and their replacement by the hash, and the permissions
// an accepted user gets.
class TestLogin : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;
    std::unique_ptr<DataModule> db;
    const LoginCompany firma{"Firma testowa", "firma"};

    // A fresh location, a data module on it and a prepared session; with
    // openCompany the tests can write to the company's tables at once.
    std::unique_ptr<LoginSession> newSession(const QString& name, bool openCompany = true) {
        location = test::makeLoginLocation(env, name);
        db = std::make_unique<DataModule>();
        auto session = std::make_unique<LoginSession>(*db);
        if (!session->prepare({location, schema::kTemplatePassword}))
            return nullptr;
        if (openCompany && !db->openCompanyDatabase(firma.dir))
            return nullptr;
        return session;
    }
    QString storedPassword(const QString& user) {
        return db->select("SELECT HASLO FROM userzy WHERE NAZWA = :N", {{"N", user}})
            .text(0, "HASLO");
    }
    void setStoredPassword(const QString& user, const QString& stored) {
        db->exec("UPDATE userzy SET HASLO = :H WHERE NAZWA = :N", {{"H", stored}, {"N", user}});
    }
    void addUserRow(const QString& user, const QString& stored) {
        db->exec("INSERT INTO userzy (NAZWA, HASLO, OPIS) VALUES (:N, :H, 'Opis')",
                 {{"N", user}, {"H", stored}});
    }
    void grantRow(const QString& user, const QString& upr) {
        db->exec("INSERT INTO uprawnienia (NAZWA, UPR) VALUES (:N, :U)", {{"N", user}, {"U", upr}});
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
        currentLogin().forget();
    }
    void cleanup() { db.reset(); }

    void newPasswordsAreSaltedArgon2id() {
        const QString a = hashPassword("tajne1");
        const QString b = hashPassword("tajne1");
        // libsodium's own string: the cost is read back from it.
        QVERIFY2(QRegularExpression("^\\$argon2id\\$v=19\\$m=65536,t=3,p=1\\$[A-Za-z0-9+/]{22}\\$"
                                    "[A-Za-z0-9+/]{43}$")
                     .match(a)
                     .hasMatch(),
                 qPrintable(a));
        QVERIFY(isArgon2idHash(a) && isPasswordHash(a));
        QVERIFY(a != b); // each hash has its own salt
        QCOMPARE(matchPassword(a, QStringLiteral("tajne1")), PasswordMatch::Hash);
        QCOMPARE(matchPassword(b, QStringLiteral("tajne1")), PasswordMatch::Hash);
        QCOMPARE(matchPassword(a, QStringLiteral("tajne2")), PasswordMatch::None);
        QCOMPARE(matchPassword(a, QStringLiteral("Tajne1")), PasswordMatch::None);
        // Knowing the stored text is not knowing the password.
        QCOMPARE(matchPassword(a, a), PasswordMatch::None);
        // Polish letters are hashed as UTF-8, and the string fits the column.
        const QString polish = hashPassword("Źdźbło-ąę");
        QCOMPARE(matchPassword(polish, QStringLiteral("Źdźbło-ąę")), PasswordMatch::Hash);
        QCOMPARE(matchPassword(polish, QStringLiteral("Zdzblo-ae")), PasswordMatch::None);
        QVERIFY(polish.size() <= schema::findTable("userzy")->column("HASLO")->width);
    }

    void argon2idOfALowerCostIsAcceptedAndMarked() {
        // libsodium's "interactive" cost (two passes) of an earlier setting.
        const QString lower =
            QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$aIOZ3TpfNIbjBr8kHpjH2w$"
                           "Ei+/oSC7QwpiFAuvBNGLxE1vQ1U2nsN+tNQlhwsozdM");
        QCOMPARE(matchPassword(lower, QStringLiteral("tajne1")), PasswordMatch::OlderHash);
        QCOMPARE(matchPassword(lower, QStringLiteral("tajne2")), PasswordMatch::None);
        QCOMPARE(checkLoginPassword(lower, QStringLiteral("tajne1")), PasswordMatch::OlderHash);
        // A cost beyond the limits is refused without being computed, as are
        // strings libsodium did not write.
        QString huge = lower;
        huge.replace("m=65536", "m=4194304");
        QString passes = lower;
        passes.replace("t=2", "t=1000");
        QString lanes = lower;
        lanes.replace("p=1", "p=4");
        for (const QString& broken :
             {huge, passes, lanes, QString(lower).replace("v=19", "v=16"), lower.left(40),
              QStringLiteral("$argon2id$"), QStringLiteral("$argon2i$v=19$m=65536,t=2,p=1$x$y")}) {
            QCOMPARE(matchPassword(broken, QStringLiteral("tajne1")), PasswordMatch::None);
            QCOMPARE(checkLoginPassword(broken, QStringLiteral("tajne1")), PasswordMatch::None);
        }
    }

    void pbkdf2HashesOfEarlierVersionsAreAccepted() {
        // Written by the earlier version: "tajne1" and "Jaźń-2019", 20,000 rounds.
        const QString tajne =
            QStringLiteral("PBKDF2$20000$00112233445566778899aabbccddeeff$d512b30a"
                           "6e795aad30fc389c53641df852432b6489da0ee0da5478d15d2273"
                           "00");
        const QString jazn =
            QStringLiteral("PBKDF2$20000$f0e1d2c3b4a5968778695a4b3c2d1e0f$d7a55fad1"
                           "5c3106024e356e061cd68822caef9030db5cdecc2e2bce77c86318"
                           "d");
        QVERIFY(isPasswordHash(tajne) && !isArgon2idHash(tajne));
        QCOMPARE(matchPassword(tajne, QStringLiteral("tajne1")), PasswordMatch::OlderHash);
        QCOMPARE(matchPassword(jazn, QStringLiteral("Jaźń-2019")), PasswordMatch::OlderHash);
        QCOMPARE(matchPassword(tajne, QStringLiteral("tajne2")), PasswordMatch::None);
        QCOMPARE(matchPassword(jazn, QStringLiteral("Jazn-2019")), PasswordMatch::None);
        QCOMPARE(matchPassword(tajne, tajne), PasswordMatch::None);
        QCOMPARE(checkLoginPassword(tajne, QStringLiteral("tajne1")), PasswordMatch::OlderHash);
        QCOMPARE(checkLoginPassword(tajne, QStringLiteral("tajne2")), PasswordMatch::None);

        QString tooMany = tajne;
        tooMany.replace("$20000$", "$2000000$");
        QString odd = tajne;
        odd.chop(1);
        for (const QString& broken : QStringList{tooMany, odd, "PBKDF2$10$zz$00", "PBKDF2$abc"}) {
            QCOMPARE(matchPassword(broken, QStringLiteral("tajne1")), PasswordMatch::None);
            QCOMPARE(matchPassword(broken, broken), PasswordMatch::None);
        }
    }

    void olderFormsAndBrokenHashes() {
        QCOMPARE(matchPassword(QStringLiteral("zebux"), QStringLiteral("zebux")),
                 PasswordMatch::Typed);
        QCOMPARE(matchPassword(QStringLiteral("zebux"), QStringLiteral("zebu")),
                 PasswordMatch::None);
        // 'a'+'4', 'b'+'k', 'c'+'R' are the bytes 0x95, 0xCD, 0xB5 of Windows-1250.
        QCOMPARE(encipheredLoginForm(QStringLiteral("abc")), QStringLiteral("\u2022\u00CD\u00B5"));
        const QString enciphered = encipheredLoginForm("zażółć1");
        QCOMPARE(matchPassword(enciphered, QStringLiteral("zażółć1")), PasswordMatch::Enciphered);
        QCOMPARE(matchPassword(enciphered, QStringLiteral("zazolc1")), PasswordMatch::None);
        QCOMPARE(matchPassword(QString(), QString()), PasswordMatch::None);
        QCOMPARE(checkLoginPassword(QStringLiteral("zebux"), QStringLiteral("zebux")),
                 PasswordMatch::Typed);
        QCOMPARE(checkLoginPassword(QString(), QString()), PasswordMatch::None);
        // No user: nothing matches, not even an empty password. The hash such
        // a login is checked against costs what a real user's does.
        QCOMPARE(unknownUserHash().section(u'$', 0, 3), hashPassword("x").section(u'$', 0, 3));
        QCOMPARE(checkLoginPassword(std::nullopt, QString()), PasswordMatch::None);
        QCOMPARE(checkLoginPassword(std::nullopt, QStringLiteral("zebux")), PasswordMatch::None);
        QVERIFY(!constantTimeEquals("abc", "abd"));
        QVERIFY(!constantTimeEquals("abc", "abcd"));
        QVERIFY(constantTimeEquals("abc", "abc"));
    }

    void prepareListsTheCompaniesAndPreselects() {
        location = test::makeLoginLocation(env, "prepare", {{"Zeta", "zeta"}, {"Alfa", "alfa"}});
        QFile(QDir(location).filePath("PDOXUSRS.LCK")).open(QIODevice::WriteOnly);
        db = std::make_unique<DataModule>();
        LoginSession session(*db);
        engine::EngineSession::defaultSession().addPassword("inne");
        const auto companies = session.prepare({location + u'/', schema::kTemplatePassword});
        QVERIFY(companies);
        QCOMPARE(companies->size(), 2);
        QCOMPARE(companies->at(0).name, QStringLiteral("Alfa"));
        QCOMPARE(companies->at(1).dir, QStringLiteral("zeta"));
        QCOMPARE(engine::EngineSession::defaultSession().passwords(),
                 QStringList{schema::kTemplatePassword});
        QVERIFY(!QFile::exists(QDir(location).filePath("PDOXUSRS.LCK")));
        QCOMPARE(db->location(), location);
        QCOMPARE(LoginSession::preselectedIndex(*companies, QStringLiteral("zeta")), 1);
        QCOMPARE(LoginSession::preselectedIndex(*companies, QStringLiteral("usunieta")), 0);
        QCOMPARE(LoginSession::preselectedIndex(*companies, QString()), 0);
        QCOMPARE(LoginSession::preselectedIndex({}, QStringLiteral("zeta")), -1);

        // A password that does not open the list: code 330, and the program ends.
        env.ui().clear();
        DataModule other;
        QVERIFY(!LoginSession(other).prepare({location, "zlehaslo"}));
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        QVERIFY(test::readErrorLog().contains("[0000000330]"));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
    }

    void noCompanyOnlyTellsTheHint() {
        auto session = newSession("nocompany");
        QVERIFY(session);
        QCOMPARE(session->attempt({}, QStringLiteral("ADMIN"), QStringLiteral("zebux")),
                 Outcome::NoCompany);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie wskazano firmy. Kliknij przycisk "
                                                      "\"Konfiguruj bazę\" i dodaj nową firmę."));
        QCOMPARE(session->failedAttempts(), 0);
    }

    void threeWrongPasswordsCloseTheLogin() {
        auto session = newSession("three");
        QVERIFY(session);
        QCOMPARE(session->attempt(firma, QStringLiteral("ADMIN"), QStringLiteral("zle1")),
                 Outcome::Refused);
        QCOMPARE(session->attempt(firma, QStringLiteral("' OR ''='"), QStringLiteral("zebux")),
                 Outcome::Refused);
        QCOMPARE(session->failedAttempts(), 2);
        QCOMPARE(session->attempt(firma, QStringLiteral("ADMIN"), QStringLiteral("zle3")),
                 Outcome::Closed);
        // Nothing more is tried once closed, not even the right password.
        QCOMPARE(session->attempt(firma, QStringLiteral("ADMIN"), QStringLiteral("zebux")),
                 Outcome::Closed);
        QVERIFY(!session->accepted());
        QVERIFY(currentLogin().userName.isEmpty());
        QVERIFY(!currentLogin().accepted);
        QVERIFY(env.ui().messages().isEmpty()); // the window shows the refusal itself
        // Preparing again starts the count anew.
        QVERIFY(session->prepare({location, schema::kTemplatePassword}));
        QCOMPARE(session->attempt(firma, QStringLiteral("ADMIN"), QStringLiteral("zebux")),
                 Outcome::Accepted);
    }

    void emptyUserOrShortPasswordCountsWithoutTheDatabase() {
        auto session = newSession("short", false);
        QVERIFY(session);
        // The folder does not exist: any database access would fail and be reported.
        const LoginCompany missing{"Brak", "brak"};
        QCOMPARE(session->attempt(missing, QString(), QStringLiteral("zebux")), Outcome::Refused);
        QCOMPARE(session->attempt(missing, QStringLiteral("   "), QStringLiteral("zebux")),
                 Outcome::Refused);
        QCOMPARE(session->failedAttempts(), 2);
        QVERIFY(!db->companyConnection().isOpen());
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(!test::readErrorLog().contains("[0000000566]"));
        QCOMPARE(session->attempt(missing, QStringLiteral("ADMIN"), QStringLiteral("ze")),
                 Outcome::Closed);
        QVERIFY(!db->companyConnection().isOpen());
    }

    void aDatabaseErrorIsNotAnAttempt() {
        auto session = newSession("dberror");
        QVERIFY(session);
        // A company folder that is not there.
        const LoginCompany missing{"Brak", "brak"};
        QCOMPARE(session->attempt(missing, QStringLiteral("ADMIN"), QStringLiteral("zebux")),
                 Outcome::DatabaseFailure);
        QCOMPARE(env.ui().last().caption, QStringLiteral("Błąd bazy danych"));
        // A damaged user table: code 222.
        QFile damaged(QDir(location).filePath("firma/userzy.DB"));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        for (int i = 0; i < 3; ++i)
            QCOMPARE(session->attempt(firma, QStringLiteral("ADMIN"), QStringLiteral("zebux")),
                     Outcome::DatabaseFailure);
        QVERIFY(test::readErrorLog().contains("[0000000222]"));
        QCOMPARE(session->failedAttempts(), 0);
        // A folder that would lead out of the location is never opened.
        QCOMPARE(
            session->attempt({QStringLiteral("X"), QStringLiteral("../firma")}, "ADMIN", "zebux"),
            Outcome::DatabaseFailure);
        QCOMPARE(session->failedAttempts(), 0);
    }

    void lowerCaseAdminLogsInAsAdminWithEveryPermission() {
        auto session = newSession("admin");
        QVERIFY(session);
        grantRow("ADMIN", "abc"); // nothing in the table matters
        currentLogin().permissions.setAll(true);
        QCOMPARE(session->attempt(firma, QStringLiteral(" admin "), QStringLiteral("zebux")),
                 Outcome::Accepted);
        const LoginState& login = currentLogin();
        QCOMPARE(login.userName, QStringLiteral("ADMIN"));
        QCOMPARE(login.userDescription, QStringLiteral("Administrator"));
        QCOMPARE(login.companyDir, QStringLiteral("firma"));
        QCOMPARE(login.companyName, QStringLiteral("Firma testowa"));
        QVERIFY(login.accepted);
        QCOMPARE(login.permissions.count(), 0); // until loadPermissions
        QCOMPARE(programOptions().firmaDir, QStringLiteral("firma"));
        QCOMPARE(db->companyDirectoryName(), QStringLiteral("firma"));
        QVERIFY(loadPermissions(*db));
        QCOMPARE(currentLogin().permissions.count(), 101);
        QVERIFY(currentLogin().permissions.has(0) && currentLogin().permissions.has(100));
    }

    void otherUsersGetWhatTheTableGrants() {
        auto session = newSession("perm");
        QVERIFY(session);
        addUserRow("JAN", hashPassword("haslo"));
        for (const char* upr : {"1", "2", " 7 ", "53", "100", "abc", "150", "-1", "", "1.5", "0x1"})
            grantRow("JAN", QString::fromLatin1(upr));
        grantRow("EWA", "0");
        currentLogin().permissions.setAll(true); // what an earlier login left
        QCOMPARE(session->attempt(firma, QStringLiteral("jan"), QStringLiteral("haslo")),
                 Outcome::Accepted);
        QVERIFY(loadPermissions(*db));
        const PermissionSet& p = currentLogin().permissions;
        QCOMPARE(p.count(), 5);
        for (int n : {1, 2, 7, 53, 100})
            QVERIFY2(p.has(n), qPrintable(QString::number(n)));
        QVERIFY(!p.has(0));

        QCOMPARE(permissionNumberOf(QVariant(qint64(12))), 12);
        QCOMPARE(permissionNumberOf(QVariant()), -1);
        QCOMPARE(permissionNumberOf(QStringLiteral("101")), -1);

        // A failure keeps what was set before it and is reported with 221.
        db->closeAllQueries();
        QFile damaged(QDir(location).filePath("firma/uprawnienia.DB"));
        QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
        damaged.write(QByteArray(4096, 'x'));
        damaged.close();
        db->companyConnection().detachAll();
        QVERIFY(!loadPermissions(*db));
        QVERIFY(test::readErrorLog().contains("[0000000221]"));
    }

    void olderPasswordFormsLogInOnceThenBecomeTheHash() {
        auto session = newSession("forms");
        QVERIFY(session);
        addUserRow("JAWNE", "jawne1");
        addUserRow("SZYFR", encipheredLoginForm("szyfr1"));
        // The earlier version's PBKDF2 hash of "tajne1", 20,000 rounds.
        addUserRow("PBKDF",
                   QStringLiteral("PBKDF2$20000$00112233445566778899aabbccddeeff$d512b30a6e"
                                  "795aad30fc389c53641df852432b6489da0ee0da5478d15d227300"));
        struct Case {
            QString user, password;
        };
        for (const Case& c : {Case{"ADMIN", "zebux"}, Case{"JAWNE", "jawne1"},
                              Case{"SZYFR", "szyfr1"}, Case{"PBKDF", "tajne1"}}) {
            const QString before = storedPassword(c.user);
            QVERIFY(!isArgon2idHash(before));
            // A wrong password is refused and changes nothing.
            QVERIFY(session->prepare({location, schema::kTemplatePassword}));
            QCOMPARE(session->attempt(firma, c.user, c.password + u'x'), Outcome::Refused);
            QCOMPARE(storedPassword(c.user), before);
            QCOMPARE(session->attempt(firma, c.user, c.password), Outcome::Accepted);
            const QString after = storedPassword(c.user);
            QVERIFY2(after.startsWith(QStringLiteral("$argon2id$")), qPrintable(after));
            QVERIFY(!after.contains(c.password));
            QVERIFY(!after.contains(encipheredLoginForm(c.password)));
            QCOMPARE(matchPassword(after, c.password), PasswordMatch::Hash);
            // The hash logs in from now on and is kept as it is; a wrong
            // password is still refused.
            QVERIFY(session->prepare({location, schema::kTemplatePassword}));
            QCOMPARE(session->attempt(firma, c.user, c.password + u'x'), Outcome::Refused);
            QCOMPARE(session->attempt(firma, c.user, c.password), Outcome::Accepted);
            QCOMPARE(storedPassword(c.user), after);
        }
    }

    void aMissingUserIsRefusedLikeAWrongPassword() {
        auto session = newSession("missing");
        QVERIFY(session);
        QCOMPARE(session->attempt(firma, QStringLiteral("NIKT"), QStringLiteral("zebux")),
                 Outcome::Refused);
        QCOMPARE(session->failedAttempts(), 1);
        QVERIFY(env.ui().messages().isEmpty());
        QCOMPARE(db->select("SELECT COUNT(*) FROM userzy").value(0, 0).toInt(), 1);
    }

    void locationCheckAfterTheDatabaseWindow() {
        location = test::makeLoginLocation(env, "after");
        db = std::make_unique<DataModule>();
        currentDatabaseLocation() = {location, schema::kTemplatePassword};
        QVERIFY(LoginSession::checkLocationAfterConfiguration(*db));
        QVERIFY(env.ui().messages().isEmpty());
        currentDatabaseLocation() = {env.newDirectory("pusta"), schema::kTemplatePassword};
        QVERIFY(!LoginSession::checkLocationAfterConfiguration(*db));
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie udało się określić lokalizacji i hasła "
                                                      "bazy danych. Program zostanie zamknięty."));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        currentDatabaseLocation() = {};
    }

    void reloadingTheLoggedInUserAfterAdministration() {
        auto session = newSession("reload");
        QVERIFY(session);
        addUserRow("JAN", hashPassword("haslo"));
        grantRow("JAN", "5");
        QCOMPARE(session->attempt(firma, QStringLiteral("JAN"), QStringLiteral("haslo")),
                 Outcome::Accepted);
        QVERIFY(loadPermissions(*db));
        db->exec("UPDATE userzy SET OPIS = 'Kierowca' WHERE NAZWA = 'JAN'");
        grantRow("JAN", "0");
        reloadLoggedInUser(*db);
        QCOMPARE(currentLogin().userDescription, QStringLiteral("Kierowca"));
        QVERIFY(currentLogin().permissions.has(0));
        QVERIFY(currentLogin().permissions.has(5));
    }
};

QTEST_GUILESS_MAIN(TestLogin)
#include "tst_login.moc"
