#include "TestSupport.h"

#include "storage/ErrorLog.h"
#include "storage/RunEnvironment.h"
#include "storage/SettingsPaths.h"
#include "support/OsFileLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <signal.h>

using namespace kv;

class TestRunEnvironment : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    std::unique_ptr<QProcess> helper(const QStringList& args, QByteArray* answer) {
        auto p = std::make_unique<QProcess>();
        p->start(test::helperProgram(QStringLiteral("kv-engine-helper")), args);
        if (!p->waitForStarted() || !p->waitForReadyRead(20000))
            return nullptr;
        *answer = p->readAll();
        return p;
    }

private slots:
    void secondCopyIsRefusedUntilTheFirstDies() {
        QByteArray answer;
        auto first =
            helper({QStringLiteral("instance"), env.settingsDir(), QStringLiteral("-")}, &answer);
        QVERIFY(first);
        QVERIFY(answer.contains("ready"));
        QVERIFY(!acquireSingleInstance());
        ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
        QVERIFY(first->waitForFinished(10000));
        // A killed copy leaves nothing behind that refuses the next start.
        QVERIFY(acquireSingleInstance());
        auto second =
            helper({QStringLiteral("instance"), env.settingsDir(), QStringLiteral("-")}, &answer);
        QVERIFY(second);
        QVERIFY(answer.contains("refused"));
        second->waitForFinished(10000);
        releaseSingleInstance();
    }

    void lockFilesAreOpenToEveryUserOfTheFolder() {
        // Another user's program must be able to take the same lock.
        const QString path =
            QDir(env.newDirectory(QStringLiteral("mode"))).filePath(QStringLiteral("KARVENTO.LCK"));
        OsFileLock lock(path);
        QVERIFY(lock.tryLockShared());
        const QFile::Permissions p = QFileInfo(path).permissions();
        QVERIFY(p.testFlag(QFile::WriteGroup) && p.testFlag(QFile::WriteOther));
        OsFileLock other(path);
        QVERIFY(other.tryLockShared());
        QVERIFY(!OsFileLock(path).tryLockExclusive());
    }

    void temporaryDirectoriesOfLiveProgramsStay() {
        const QDir tmp(settingsFile(QStringLiteral("tmpFile")));
        for (const char* name : {"20240101000000", "20240101000001TMP", "20240101000002"})
            QVERIFY(tmp.mkpath(QLatin1String(name) + QStringLiteral("/sub")));
        QFile(tmp.filePath(QStringLiteral("20240101000000/a.db"))).open(QIODevice::WriteOnly);
        QByteArray answer;
        auto live = helper({QStringLiteral("holdfile"),
                            tmp.filePath(QStringLiteral("20240101000002/KARVENTO.RUN")),
                            QStringLiteral("-")},
                           &answer);
        QVERIFY(live && answer.contains("ready"));
        removeTemporaryDirectories();
        QVERIFY(!tmp.exists(QStringLiteral("20240101000000")));
        QVERIFY(!tmp.exists(QStringLiteral("20240101000001TMP")));
        QVERIFY(tmp.exists(QStringLiteral("20240101000002")));
        live->closeWriteChannel();
        live->waitForFinished(10000);
        removeTemporaryDirectories();
        QVERIFY(!tmp.exists(QStringLiteral("20240101000002")));
    }

    void engineSessionStartsAndReportsFailures() {
        const EngineStart ok = startEngineSession();
        QVERIFY(ok.ok);
        QVERIFY(QFileInfo(runTemporaryDirectory()).isDir());
        // This run's own directory is held while the run lasts.
        removeTemporaryDirectories();
        QVERIFY(QFileInfo(runTemporaryDirectory()).isDir());

        const EngineStart missing = engineStartFailure(QStringLiteral("SQLCipher: no encryption"));
        QCOMPARE(missing.logCode, 391);
        QVERIFY(missing.message.startsWith(
            QStringLiteral("Pojawił się problem z silnikiem bazy danych SQLCipher.")));
        QVERIFY(missing.message.endsWith(
            QStringLiteral("Oryginalny komunikat: SQLCipher: no encryption")));
        const EngineStart other = engineStartFailure(QStringLiteral("out of memory"));
        QCOMPARE(other.logCode, 392);
        QVERIFY(other.message.contains(QStringLiteral("Znaleziona wersja SQLCipher 3")));
    }

    void diagnosticLinesOfTheLogViewer() {
        writeLogViewerLines(QStringLiteral("/srv/baza"));
        QFile log(errorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(text.contains(QStringLiteral("  [9999999999]  db location=/srv/baza\n")));
        QVERIFY(text.contains(QStringLiteral("  [9999999999]  Config dir=") + settingsDirectory()));
        QVERIFY(text.contains(QStringLiteral("  [9999999999]  Install dir=")));
    }
};

QTEST_GUILESS_MAIN(TestRunEnvironment)
#include "tst_runenvironment.moc"
