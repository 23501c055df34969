#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"
#include "users/PasswordHash.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace kv;

// "users ..." of karvento-cli, end to end: the login each command makes, the
// administrator's permission, the window's checks and messages, exit codes.
class TestUserCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    using Run = test::CliRun;
    // The options of a login as ADMIN into the test company; later options win.
    QStringList options(const QStringList& overrides = {}) {
        QStringList o{"--location",      location, "--db-password", schema::kTemplatePassword,
                      "--company",       "firma",  "--user",        "ADMIN",
                      "--user-password", "zebux"};
        for (int i = 0; i + 1 < overrides.size(); i += 2)
            o[o.indexOf(overrides.at(i)) + 1] = overrides.at(i + 1);
        return o;
    }
    Run users(const QStringList& args, const QStringList& overrides = {}) {
        return test::runCli(QStringList{"users"} + args + options(overrides));
    }
    static QStringList as(const QString& user, const QString& password) {
        return {"--user", user, "--user-password", password};
    }
    ResultSet select(const QString& sql) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(QDir(location).filePath("firma"), false);
        return c.query(sql);
    }
    int count(const QString& where) {
        return select("SELECT COUNT(*) FROM uprawnienia WHERE " + where).value(0, 0).toInt();
    }
    QString storedPassword(const QString& user) {
        return select("SELECT HASLO FROM userzy WHERE NAZWA = '" + user + "'").text(0, "HASLO");
    }

private slots:
    void initTestCase() { location = test::makeLoginLocation(env, "cli"); }
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
    }

    void listNeedsOnlyALogin() {
        const Run list = users({"list"}, as("admin", "zebux"));
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, QStringLiteral("ADMIN\tAdministrator\n"));
        // The login replaced the template's password as typed by its Argon2id hash.
        QVERIFY(isArgon2idHash(storedPassword("ADMIN")));

        const Run wrong = users({"list"}, as("ADMIN", "zle"));
        QCOMPARE(wrong.code, 1);
        QCOMPARE(wrong.err.trimmed(), QStringLiteral("Niepoprawny login lub hasło"));
        QVERIFY(wrong.out.isEmpty());
        const Run company = users({"list"}, {"--company", "../firma"});
        QCOMPARE(company.code, 1);
        QVERIFY(company.err.contains("nie ma firmy w folderze ../firma"));
        const Run password = users({"list"}, {"--db-password", "zle"});
        QCOMPARE(password.code, 1);
        QVERIFY(password.err.contains("Nieprawidłowe hasło bazy danych"));
    }

    void addPasswdAndTheAdministratorsPermission() {
        const Run added =
            users({"add", "jan", "--new-password", "tajne1", "--description", "Kierowca"});
        QCOMPARE(added.code, 0);
        QCOMPARE(added.out.trimmed(), QStringLiteral("Dodano użytkownika JAN."));
        QCOMPARE(count("NAZWA = 'JAN'"), 53);
        QCOMPARE(matchPassword(storedPassword("JAN"), "tajne1"), PasswordMatch::Hash);

        QCOMPARE(users({"add", "Jan", "--new-password", "inne12"}).code, 1);
        QCOMPARE(env.ui().last().text, QStringLiteral("Istnieje już użytkownik o podanej nazwie."));
        QCOMPARE(users({"add", "EWA", "--new-password", "ab"}).code, 1);
        QVERIFY(env.ui().last().text.startsWith("Hasło zbyt krótkie."));
        QCOMPARE(users({"add", "EWA"}).code, 2); // how the command is used

        // Without permission 0: listing yes, changing no.
        const Run listed = users({"list"}, as("jan", "tajne1"));
        QCOMPARE(listed.out, QStringLiteral("ADMIN\tAdministrator\nJAN\tKierowca\n"));
        const Run refused =
            users({"passwd", "ADMIN", "--new-password", "przejete"}, as("jan", "tajne1"));
        QCOMPARE(refused.code, 1);
        QCOMPARE(refused.err.trimmed(),
                 QStringLiteral("Brak uprawnień do wykonania wskazanej operacji."));

        QCOMPARE(users({"passwd", "jan", "--new-password", "nowe12"}).code, 0);
        QCOMPARE(users({"list"}, as("jan", "tajne1")).code, 1);
        QVERIFY(
            users({"list"}, as("jan", "nowe12")).out.contains("JAN\tKierowca")); // description kept
        QCOMPARE(users({"passwd", "NIKT", "--new-password", "abc"}).err.trimmed(),
                 QStringLiteral("Nie ma użytkownika o nazwie NIKT."));
    }

    void grantRevokeAndDelete() {
        QCOMPARE(users({"add", "OLA", "--new-password", "olaola"}).code, 0);
        // With 0 granted OLA administers too.
        QCOMPARE(users({"grant", "ola", "0"}).code, 0);
        QCOMPARE(users({"revoke", "OLA", "2"}, as("OLA", "olaola")).code, 0);
        QCOMPARE(count("NAZWA = 'OLA' AND UPR = '2'"), 0);
        QCOMPARE(count("NAZWA = 'OLA'"), 53);
        for (const char* bad : {"54", "-1", "x", "29"})
            QCOMPARE(users({"grant", "OLA", bad}).code, 1);
        QCOMPARE(users({"grant", "ADMIN", "5"}).err.trimmed(),
                 QStringLiteral("Użytkownik ADMIN ma zawsze wszystkie uprawnienia."));

        // Never ADMIN, never oneself, and only after "Tak".
        QCOMPARE(users({"delete", "admin"}, as("OLA", "olaola")).code, 1);
        QCOMPARE(env.ui().last().text, QStringLiteral("Nie można usunąć konta ADMIN."));
        QCOMPARE(users({"delete", "ola"}, as("ola", "olaola")).code, 1);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Nie można usunąć konta dla zalogowanego użytkownika."));
        QCOMPARE(users({"delete", "OLA"}).code, 1);
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy usunąć wskazanego użytkownika?"));
        QCOMPARE(count("NAZWA = 'OLA'"), 53);
        env.ui().setDefaultAnswer(true);
        QCOMPARE(users({"delete", "OLA"}).code, 0);
        QCOMPARE(count("NAZWA = 'OLA'"), 0);
        QCOMPARE(users({"list"}, as("OLA", "olaola")).code, 1);
    }

    void theProgramItselfExitsWithTheCodes() {
        const QString program =
            QDir(QCoreApplication::applicationDirPath()).filePath("../bin/karvento-cli");
        QProcess p;
        p.start(program, QStringList{"users", "list"} + options());
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().startsWith("ADMIN\t"));
        p.start(program, QStringList{"users", "list"} + options({"--user-password", "nie"}));
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(
            QString::fromUtf8(p.readAllStandardError()).contains("Niepoprawny login lub hasło"));
    }
};

QTEST_GUILESS_MAIN(TestUserCli)
#include "tst_usercli.moc"
