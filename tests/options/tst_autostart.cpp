#include "TestSupport.h"

#include "options/Autostart.h"
#include "storage/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace kv;

// The autostart entry lives in the desktop's autostart folder; every test
// points XDG_CONFIG_HOME (or HOME) at a scratch folder, never at the real one.
class TestAutostart : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QByteArray savedHome;

    QString readFile(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private slots:
    void initTestCase() { savedHome = qgetenv("HOME"); }
    void init() { qputenv("XDG_CONFIG_HOME", env.newDirectory(QStringLiteral("config")).toUtf8()); }
    void cleanupTestCase() {
        qputenv("HOME", savedHome);
        qunsetenv("XDG_CONFIG_HOME");
    }

    void entryIsCreatedReadBackAndRemoved() {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        QCOMPARE(autostart::entryPath(),
                 config + QStringLiteral("/autostart/SprawdzaczKV.desktop"));
        QVERIFY(!autostart::isOn());

        // The folder does not exist yet: switching on creates it.
        QVERIFY(autostart::switchTo(true, QStringLiteral("/opt/Karvento 3/karvento")));
        QVERIFY(autostart::isOn());
        const QStringList lines = readFile(autostart::entryPath()).split(u'\n');
        QCOMPARE(lines.first(), QStringLiteral("[Desktop Entry]"));
        QVERIFY(lines.contains(QStringLiteral("Type=Application")));
        QVERIFY(lines.contains(QStringLiteral("Exec=\"/opt/Karvento 3/karvento\" ONLYSHOWTERM")));
        QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^Exec="))).size(), 1);

        // Switching on again brings a moved program's path up to date.
        QVERIFY(autostart::switchTo(true, QStringLiteral("/usr/bin/karvento")));
        QVERIFY(readFile(autostart::entryPath())
                    .contains(QStringLiteral("\nExec=\"/usr/bin/karvento\" ONLYSHOWTERM\n")));

        QVERIFY(autostart::switchTo(false, QString()));
        QVERIFY(!autostart::isOn());
        QVERIFY(!QFile::exists(autostart::entryPath()));
        QVERIFY(autostart::switchTo(false, QString())); // nothing to remove is not a failure
    }

    void execLineKeepsDifficultPathsWhole_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << "/usr/bin/karvento"
                               << "\"/usr/bin/karvento\" ONLYSHOWTERM";
        QTest::newRow("blanks") << "/home/jan/Moje programy/karvento"
                                << "\"/home/jan/Moje programy/karvento\" ONLYSHOWTERM";
        // A percent sign would be a field code, a dollar a shell variable.
        QTest::newRow("percent and dollar") << "/opt/k%u$HOME/karvento"
                                            << "\"/opt/k%%u\\\\$HOME/karvento\" ONLYSHOWTERM";
        // Quoting escapes with a backslash, and the file escapes each backslash again.
        QTest::newRow("quote and backslash") << "/opt/a\"b\\c/karvento"
                                             << "\"/opt/a\\\\\"b\\\\\\\\c/karvento\" ONLYSHOWTERM";
    }
    void execLineKeepsDifficultPathsWhole() {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(autostart::execLine(program), exec);
    }

    void folderFollowsTheBaseDirectoryRules() {
        const QString home = env.newDirectory(QStringLiteral("home"));
        qputenv("HOME", home.toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(autostart::directory(), home + QStringLiteral("/.config/autostart"));
        qputenv("XDG_CONFIG_HOME", "relative/config"); // not absolute: ignored
        QCOMPARE(autostart::directory(), home + QStringLiteral("/.config/autostart"));
        // Below the home folder the message names the folder the short way.
        QCOMPARE(autostart::refusedMessage(),
                 QStringLiteral("Brak uprawnień do zapisu wpisu autostartu. Sprawdź uprawnienia "
                                "do folderu ~/.config/autostart"));
    }

    void refusedChangeIsShownAndLogged() {
        const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
        // A file where the folder should be cannot be written into, not even by root.
        QFile blocker(config + QStringLiteral("/autostart"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        env.ui().clear();
        QVERIFY(!autostart::apply(true));
        QVERIFY(!autostart::isOn());
        QCOMPARE(env.ui().messages().size(), 1);
        QCOMPARE(env.ui().last().kind, ScriptedUserInterface::Kind::SystemMessage);
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Brak uprawnień do zapisu wpisu autostartu. Sprawdź uprawnienia "
                                "do folderu ") +
                     config + QStringLiteral("/autostart"));
        QVERIFY(readFile(errorLogPath())
                    .contains(QStringLiteral(
                        "  [0023050745]  Brak uprawnień do wpisu autostartu - SprawdzaczKV\n")));

        // An entry that cannot be removed (here a folder in its place) is refused as well.
        QVERIFY(QFile::remove(config + QStringLiteral("/autostart")));
        QVERIFY(QDir().mkpath(autostart::entryPath() + QStringLiteral("/inside")));
        env.ui().clear();
        QVERIFY(!autostart::apply(false));
        QCOMPARE(env.ui().messages().size(), 1);

        // Applying what the entry already says shows nothing.
        QVERIFY(QDir(autostart::entryPath()).removeRecursively());
        env.ui().clear();
        QVERIFY(autostart::apply(false));
        QVERIFY(env.ui().messages().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
