#include "TestSupport.h"

#include "CliRun.h"
#include "location/CompanyAdministration.h"
#include "location/DatabaseLocation.h"
#include "location/DatabaseSetup.h"
#include "storage/SettingsPaths.h"
#include "storage/TableMaintenance.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace kv;

// "init", "company ..." and "check" of karvento-cli, end to end.
class TestLocationCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    using Run = test::CliRun;
    static Run run(const QStringList& args) { return test::runCli(args); }
    static QStringList with(QStringList args, const QString& location, const QString& password) {
        return args << QStringLiteral("--location") << location << QStringLiteral("--db-password")
                    << password;
    }

private slots:
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(false);
    }

    void initCreatesAndRemembersADatabase() {
        const QString dir =
            QDir(env.newDirectory(QStringLiteral("init"))).filePath(QStringLiteral("nowy"));
        const Run r = run({QStringLiteral("init"), dir, QStringLiteral("--db-password"),
                           QStringLiteral("Haslo1"), QStringLiteral("--demo")});
        QVERIFY2(r.code == 0, qPrintable(env.ui().texts().join(u'\n') + r.err));
        QVERIFY(r.out.contains(dir));
        const DatabaseLocation stored = readLocationAndPassword();
        QCOMPARE(stored.location, dir);
        QCOMPARE(stored.password, QStringLiteral("Haslo1"));
        QVERIFY(trialOpenTable(QDir(dir).filePath(QStringLiteral("demo")),
                               QStringLiteral("pojazdy.DB"), QStringLiteral("Haslo1")));

        // The stored location and password answer from now on.
        const Run check = run({QStringLiteral("check")});
        QCOMPARE(check.code, 0);
        QVERIFY(check.out.startsWith(QStringLiteral("0 – poprawna")));
        const Run list = run({QStringLiteral("company"), QStringLiteral("list")});
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, QStringLiteral("Termalis\tdemo\n"));
    }

    void initRefusesWhatTheWindowRefuses() {
        const QString dir = env.newDirectory(QStringLiteral("init-refused"));
        QCOMPARE(run({QStringLiteral("init"), dir}).code, 1);
        const Run shortPassword = run(
            {QStringLiteral("init"), dir, QStringLiteral("--db-password"), QStringLiteral("ab")});
        QCOMPARE(shortPassword.code, 1);
        QCOMPARE(env.ui().last().text, QStringLiteral("Hasło zbyt krótkie (minimum 3 znaki)."));
        QVERIFY(QDir(dir).isEmpty());

        // An empty database, then a second init on it: "Nie" keeps the first.
        QCOMPARE(run({QStringLiteral("init"), dir, QStringLiteral("--db-password"),
                      QStringLiteral("pierwsze")})
                     .code,
                 0);
        QVERIFY(env.ui().contains(QStringLiteral("Założono nową, PUSTĄ bazę danych.")));
        QCOMPARE(run({QStringLiteral("init"), dir, QStringLiteral("--db-password"),
                      QStringLiteral("drugie")})
                     .code,
                 1);
        QVERIFY(trialOpenTable(dir, QStringLiteral("firmy.DB"), QStringLiteral("pierwsze")));
        QCOMPARE(run(with({QStringLiteral("company"), QStringLiteral("list")}, dir,
                          QStringLiteral("pierwsze")))
                     .out,
                 QString());
    }

    void companiesAreAddedRenamedAndDeleted() {
        const QString dir = env.newDirectory(QStringLiteral("companies"));
        QVERIFY(createDatabase(dir, false, QStringLiteral("tajne1")) == SetupResult::Done);
        const auto cmd = [&](QStringList args) {
            return run(with(std::move(args), dir, QStringLiteral("tajne1")));
        };
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("add"),
                      QStringLiteral("Nowak i syn"), QStringLiteral("nowak")})
                     .code,
                 0);
        QVERIFY(env.ui().last().text.startsWith(QStringLiteral("Zakładanie nowej firmy")));
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("list")}).out,
                 QStringLiteral("Nowak i syn\tnowak\n"));

        // Refusals: a non-zero exit with the window's message, nothing changed.
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("Inna"),
                      QStringLiteral("nowak")})
                     .code,
                 1);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Istnieje już firma w podanym katalogu bądź o podanej nazwie."));
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("Inna"),
                      QStringLiteral("../poza")})
                     .code,
                 1);
        QCOMPARE(env.ui().last().text, kBadCompanyFolderText);
        QVERIFY(!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("../poza"))));
        QCOMPARE(
            cmd({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("Bez folderu")})
                .code,
            2); // how the command is used

        // Rename asks first: "Nie" changes nothing.
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("rename"),
                      QStringLiteral("Nowak i syn"), QStringLiteral("Nowak")})
                     .code,
                 1);
        QCOMPARE(env.ui().last().kind, ScriptedUserInterface::Kind::Question);
        env.ui().setDefaultAnswer(true);
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("rename"),
                      QStringLiteral("Nowak i syn"), QStringLiteral("Nowak")})
                     .code,
                 0);
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("rename"), QStringLiteral("Nowak"),
                      QStringLiteral("")})
                     .code,
                 1);
        QCOMPARE(env.ui().last().text, QStringLiteral("Nazwa firmy niepoprawna."));
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("list")}).out,
                 QStringLiteral("Nowak\tnowak\n"));

        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("delete"), QStringLiteral("Nowak")})
                     .code,
                 0);
        QCOMPARE(env.ui().last().text, QStringLiteral("Firma została usunięta."));
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("list")}).out, QString());
        QVERIFY(!QFileInfo::exists(QDir(dir).filePath(QStringLiteral("nowak/pojazdy.DB"))));
        QCOMPARE(cmd({QStringLiteral("company"), QStringLiteral("delete"), QStringLiteral("Nowak")})
                     .code,
                 1);
    }

    void wrongPasswordOrNoDatabaseIsRefused() {
        const QString dir = env.newDirectory(QStringLiteral("refused"));
        QVERIFY(createDatabase(dir, true, QStringLiteral("dobre1")) == SetupResult::Done);
        const Run wrong = run(with({QStringLiteral("company"), QStringLiteral("list")}, dir,
                                   QStringLiteral("zle123")));
        QCOMPARE(wrong.code, 1);
        QVERIFY(wrong.err.contains(connectionProblemText()));
        const QString none = env.newDirectory(QStringLiteral("none"));
        const Run missing = run(with({QStringLiteral("company"), QStringLiteral("add"),
                                      QStringLiteral("A"), QStringLiteral("a")},
                                     none, QStringLiteral("dobre1")));
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.err.contains(QStringLiteral("nie ma bazy danych")));
        QVERIFY(QDir(none).isEmpty());

        const Run two = run(with({QStringLiteral("check")}, dir, QStringLiteral("zle123")));
        QCOMPARE(two.code, 2); // the exit code is the result of the check
        QVERIFY(two.out.startsWith(QStringLiteral("2 – niedostępna")));
        const Run one = run(with({QStringLiteral("check")}, none, QStringLiteral("dobre1")));
        QCOMPARE(one.code, 1);
        QVERIFY(one.out.startsWith(QStringLiteral("1 – brak")));
    }

    // The real program: messages on the error stream, --yes answering "Tak".
    void terminalProgramPrintsMessagesAndAnswersYes() {
        const QString program = QDir(installDirectory()).filePath(QStringLiteral("karvento-cli"));
        QVERIFY(QFileInfo(program).isExecutable());
        const QString settings = env.newDirectory(QStringLiteral("cli-settings"));
        const QString dir = env.newDirectory(QStringLiteral("cli-db"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KARVENTO_SETTINGS_DIR"), settings);
        const auto exec = [&](const QStringList& args) {
            QProcess p;
            p.setProcessEnvironment(environment);
            p.start(program, args);
            p.closeWriteChannel();
            p.waitForFinished(120000);
            return Run{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                       QString::fromUtf8(p.readAllStandardError())};
        };
        const Run created = exec({QStringLiteral("init"), dir, QStringLiteral("--db-password"),
                                  QStringLiteral("abc123"), QStringLiteral("--demo")});
        QVERIFY2(created.code == 0, qPrintable(created.err));
        // No counter redrawn in place when the errors go to a file or a pipe.
        QVERIFY(!created.err.contains(u'\r'));
        const Run bad = exec({QStringLiteral("company"), QStringLiteral("add"), QStringLiteral("X"),
                              QStringLiteral("/etc")});
        QCOMPARE(bad.code, 1);
        QVERIFY(bad.err.contains(kBadCompanyFolderText));
        const Run refused =
            exec({QStringLiteral("company"), QStringLiteral("delete"), QStringLiteral("Termalis")});
        QCOMPARE(refused.code, 1);
        QVERIFY(refused.err.contains(QStringLiteral("Czy na pewno usunąć wskazaną firmę?")));
        const Run deleted = exec({QStringLiteral("company"), QStringLiteral("delete"),
                                  QStringLiteral("Termalis"), QStringLiteral("--yes")});
        QCOMPARE(deleted.code, 0);
        QVERIFY(deleted.err.contains(QStringLiteral("Firma została usunięta.")));
    }
};

QTEST_GUILESS_MAIN(TestLocationCli)
#include "tst_locationcli.moc"
