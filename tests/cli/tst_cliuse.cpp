#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "location/DatabaseLocation.h"
#include "location/DatabaseSetup.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"

#include <QDir>
#include <QTest>

using namespace kv;

// karvento-cli given missing, wrong and hostile arguments: wrong use is
// exit 2 before anything is asked or written; refusals leave nothing behind.
class TestCliUse : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    using Run = test::CliRun;
    static Run run(const QStringList& args) { return test::runCli(args); }
    static QStringList listing(const QString& dir) {
        return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }
    void execute(const QString& dir, const QString& sql, const engine::Params& params = {}) {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(dir, false);
        c.execute(sql, params);
    }

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
        env.ui().setTypeNewPasswordsTwice(false);
    }

    void blankPathsAreWrongUse() {
        const QString stored = env.newDirectory(QStringLiteral("stored"));
        QVERIFY(createDatabase(stored, false, QStringLiteral("pierwsze")) == SetupResult::Done);
        env.ui().clear();
        const QString here = QDir::currentPath();
        const QStringList before = listing(here);
        for (const QString& blank : {QString(), QStringLiteral("  ")}) {
            const Run init = run({QStringLiteral("init"), blank, QStringLiteral("--db-password"),
                                  QStringLiteral("Haslo1")});
            QCOMPARE(init.code, 2);
            QVERIFY(init.err.contains(QStringLiteral("pustą ścieżkę")));
            QCOMPARE(run({QStringLiteral("tables"), blank}).code, 2);
            QCOMPARE(run({QStringLiteral("sql"), blank, QStringLiteral("SELECT 1")}).code, 2);
            for (const char* option : {"--location", "--company"}) {
                const Run r = run({QStringLiteral("company"), QStringLiteral("list"),
                                   QString::fromLatin1(option), blank});
                QCOMPARE(r.code, 2);
                QVERIFY(r.err.contains(QString::fromLatin1(option)));
            }
            QCOMPARE(run({QStringLiteral("check"), QStringLiteral("--location"), blank}).code, 2);
        }
        QCOMPARE(listing(here), before);
        QCOMPARE(readLocationAndPassword().location, stored);
        QVERIFY(env.ui().messages().isEmpty()); // nothing asked
    }

    void refusedInitLeavesNoFolder() {
        const QString parent = env.newDirectory(QStringLiteral("refused"));
        const QString target = QDir(parent).filePath(QStringLiteral("nowa/baza"));
        for (const char* password : {"ab", "zły_znak", "1234567890123456"}) {
            const Run r = run({QStringLiteral("init"), target, QStringLiteral("--db-password"),
                               QString::fromUtf8(password)});
            QCOMPARE(r.code, 1);
            QVERIFY(listing(parent).isEmpty());
        }
        // Asked for and not given (no terminal): nothing either.
        QCOMPARE(run({QStringLiteral("init"), target}).code, 1);
        QVERIFY(listing(parent).isEmpty());
        // A failure after the folders were made takes them away again.
        const QByteArray old = qgetenv("KARVENTO_INSTALL_DIR");
        qputenv("KARVENTO_INSTALL_DIR", env.newDirectory(QStringLiteral("no-templates")).toUtf8());
        const Run failed = run({QStringLiteral("init"), target, QStringLiteral("--db-password"),
                                QStringLiteral("Haslo1")});
        qputenv("KARVENTO_INSTALL_DIR", old);
        QCOMPARE(failed.code, 1);
        QVERIFY(listing(parent).isEmpty());
    }

    void initAsksForThePasswordTwice() {
        const QString target = QDir(env.newDirectory(QStringLiteral("asked"))).filePath("db");
        env.ui().setTypeNewPasswordsTwice(true);
        for (const char* typed : {"Haslo1", "Haslo2", "Haslo1", "Haslo1"})
            env.ui().queuePrompt(QString::fromLatin1(typed));
        const Run r = run({QStringLiteral("init"), target});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(env.ui().contains(kPasswordsDifferText));
        QCOMPARE(env.ui().messages().first().kind, ScriptedUserInterface::Kind::Prompt);
        QVERIFY(env.ui().messages().first().password);
        QCOMPARE(readLocationAndPassword().password, QStringLiteral("Haslo1"));
    }

    void companyCommandsCheckBeforeAsking() {
        const QString dir = env.newDirectory(QStringLiteral("ask"));
        QVERIFY(createDatabase(dir, true, QStringLiteral("dobre1")) == SetupResult::Done);
        const auto cmd = [&](QStringList args, const QString& password = "dobre1") {
            env.ui().clear();
            return run(args << QStringLiteral("--location") << dir
                            << QStringLiteral("--db-password") << password);
        };
        const auto asked = [this] {
            for (const auto& m : env.ui().messages())
                if (m.kind == ScriptedUserInterface::Kind::Question)
                    return true;
            return false;
        };
        QCOMPARE(cmd({"company", "delete", "Nikt"}).code, 1);
        QVERIFY(!asked());
        QCOMPARE(cmd({"company", "delete", "Termalis"}, "zle123").code, 1);
        QVERIFY(!asked());
        QCOMPARE(cmd({"company", "rename", "Nikt", "Ktoś"}).code, 1);
        QVERIFY(!asked());
        QCOMPARE(cmd({"company", "rename", "Termalis", "\t"}).code, 1);
        QVERIFY(!asked());
        QCOMPARE(cmd({"company", "add", "Druga", "druga"}).code, 0);
        QCOMPARE(cmd({"company", "rename", "Termalis", " DRUGA"}).code, 1);
        QVERIFY(!asked());
        // All fine: now it asks, and the question to delete defaults to "Nie".
        QCOMPARE(cmd({"company", "delete", "Druga"}).code, 1);
        QVERIFY(asked());
        QVERIFY(env.ui().last().defaultNo);
    }

    void missingOptionsAreWrongUse() {
        const QString location = test::makeLoginLocation(env, QStringLiteral("usage"));
        for (const char* command : {"backup", "upgrade"}) {
            const Run r = run({QString::fromLatin1(command), QStringLiteral("--location"), location,
                               QStringLiteral("--db-password"), schema::kTemplatePassword});
            QCOMPARE(r.code, 2);
            QVERIFY(r.err.contains(QStringLiteral("--company FOLDER")));
        }
        const Run noUser =
            run({QStringLiteral("users"), QStringLiteral("list"), QStringLiteral("--location"),
                 location, QStringLiteral("--db-password"), schema::kTemplatePassword,
                 QStringLiteral("--company"), QStringLiteral("firma")});
        QCOMPARE(noUser.code, 2);
        QVERIFY(noUser.err.contains(QStringLiteral("--user NAZWA")));
    }

    void permissionsKeepReadWithWrite() {
        const QString location = test::makeLoginLocation(env, QStringLiteral("rights"));
        const auto users = [&](const QStringList& args) {
            return run(QStringList{QStringLiteral("users")} + args +
                       QStringList{"--location", location, "--db-password",
                                   schema::kTemplatePassword, "--company", "firma", "--user",
                                   "ADMIN", "--user-password", "zebux"});
        };
        QCOMPARE(users({"add", "EWA", "--new-password", "ewa123"}).code, 0);
        // Taking "Pojazdy: Odczyt" (1) takes its "Zapis" (2) too.
        const Run revoked = users({"revoke", "EWA", "1"});
        QCOMPARE(revoked.code, 0);
        QVERIFY(revoked.out.contains(QStringLiteral("Odebrano także uprawnienie 2")));
        const Run again = users({"revoke", "EWA", "2"});
        QCOMPARE(again.code, 1);
        QVERIFY(again.err.contains(QStringLiteral("nie ma uprawnienia 2")));
        // Granting "Zapis" grants "Odczyt" with it.
        const Run granted = users({"grant", "EWA", "2"});
        QCOMPARE(granted.code, 0);
        QVERIFY(granted.out.contains(QStringLiteral("Nadano także uprawnienie 1")));
        QVERIFY(!users({"revoke", "EWA", "2"}).out.contains(QStringLiteral("także")));
        QCOMPARE(users({"revoke", "EWA", "0"}).code, 1); // never held
    }

    void sqlQuotesReadBackExactly() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("sql")));
        const QString nasty = QStringLiteral("WE \"1'23");
        execute(
            dir,
            QStringLiteral("INSERT INTO pojazdy (IDPOJAZD, NRREJ, MARKA) "
                           "VALUES (1, :NR, :MARKA)"),
            {{QStringLiteral("NR"), nasty}, {QStringLiteral("MARKA"), QStringLiteral("a;b`c")}});
        const Run r =
            run({QStringLiteral("sql"), dir, QStringLiteral("SELECT NRREJ, MARKA FROM pojazdy"),
                 QStringLiteral("--db-password"), schema::kTemplatePassword});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QStringLiteral("\"NRREJ\";\"MARKA\"\r\n\"WE \"\"1'23\";\"a;b`c\"\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCliUse)
#include "tst_cliuse.moc"
