#include "TestSupport.h"

#include "schema/Schema.h"
#include "storage/ErrorLog.h"
#include "storage/ErrorReport.h"
#include "storage/TableMaintenance.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

class TestMaintenance : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void trialOpeningTellsGoodFromBad() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("trial")));
        env.ui().clear();
        QVERIFY(trialOpenTable(dir, QStringLiteral("pojazdy.DB"), schema::kTemplatePassword));
        QVERIFY(!trialOpenTable(dir, QStringLiteral("pojazdy.DB"), QStringLiteral("zle")));
        QVERIFY(!trialOpenTable(dir, QStringLiteral("brak.DB"), schema::kTemplatePassword));
        // Failures are logged, not shown.
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(test::readErrorLog().contains(
            QStringLiteral("[0000003104]  Błąd silnika SQLCipher: ")));
    }

    void inaccessibleDirectoryShowsPlainMessage() {
        env.ui().clear();
        QVERIFY(!trialOpenTable(QStringLiteral("/nonexistent/loc"), QStringLiteral("firmy.DB"),
                                QStringLiteral("x")));
        QCOMPARE(env.ui().messages().size(), 1);
        QCOMPARE(env.ui().last().kind, ScriptedUserInterface::Kind::SystemMessage);
        QVERIFY(env.ui().last().text.startsWith(
            QStringLiteral("Pojawił się problem z dostępem do Bazy Danych.")));
    }

    void packKeepsRowsAndPassword() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("pack")));
        const qint64 before = QFileInfo(QDir(dir).filePath(QStringLiteral("userzy.DB"))).size();
        QVERIFY(packTable(dir, QStringLiteral("userzy.DB"), schema::kTemplatePassword));
        QVERIFY(QFileInfo(QDir(dir).filePath(QStringLiteral("userzy.DB"))).size() <= before);
        QVERIFY(trialOpenTable(dir, QStringLiteral("userzy.DB"), schema::kTemplatePassword));
        env.ui().clear();
        QVERIFY(!packTable(dir, QStringLiteral("userzy.DB"), QStringLiteral("zle")));
        QCOMPARE(env.ui().last().caption, kDatabaseErrorCaption);
        QVERIFY(env.ui().last().text.startsWith(kGeneralErrorPrefix));
    }

    void passwordChangeFromTemplate() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("rekey")));
        for (const QString& f : schema::companyTableFiles())
            QVERIFY(setTablePassword(dir, f, QStringLiteral("Tajne1"), schema::kTemplatePassword));
        for (const QString& f : schema::companyTableFiles()) {
            QVERIFY(trialOpenTable(dir, f, QStringLiteral("Tajne1")));
            QVERIFY(!trialOpenTable(dir, f, schema::kTemplatePassword));
        }
        env.ui().clear();
        QVERIFY(!setTablePassword(dir, QStringLiteral("pojazdy.DB"), QStringLiteral("x1"),
                                  QStringLiteral("zle")));
        QVERIFY(test::readErrorLog().contains(QStringLiteral("[0000000220]  ")));
        QVERIFY(trialOpenTable(dir, QStringLiteral("pojazdy.DB"), QStringLiteral("Tajne1")));
    }

    void lockFilesOfOtherEnginesAreRemoved() {
        const QString dir = env.newDirectory(QStringLiteral("locks"));
        for (const char* name : {"PDOXUSRS.LCK", "PARADOX.LCK", "KARVENTO.LCK", "other.txt"}) {
            QFile f(QDir(dir).filePath(QLatin1String(name)));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        deleteLockFiles(dir + QStringLiteral("/"));
        QVERIFY(!QFile::exists(QDir(dir).filePath(QStringLiteral("PDOXUSRS.LCK"))));
        QVERIFY(!QFile::exists(QDir(dir).filePath(QStringLiteral("PARADOX.LCK"))));
        QVERIFY(QFile::exists(QDir(dir).filePath(QStringLiteral("KARVENTO.LCK"))));
        QVERIFY(QFile::exists(QDir(dir).filePath(QStringLiteral("other.txt"))));
        deleteLockFiles(QStringLiteral("/nonexistent")); // errors ignored
    }

    void engineSettingsStore() {
        QCOMPARE(readEngineSetting(QStringLiteral("\\SYSTEM\\INIT\\;LOCAL SHARE")), QString());
        writeEngineSetting(QStringLiteral("\\SYSTEM\\INIT\\;LOCAL SHARE"), QStringLiteral("TRUE"));
        QCOMPARE(readEngineSetting(QStringLiteral("\\SYSTEM\\INIT\\;local share")),
                 QStringLiteral("TRUE"));
        QCOMPARE(readEngineSetting(QStringLiteral("no separator")), QString());
        QVERIFY(engineVersionText().toInt() >= 3015000);
        QVERIFY(engineDescription().startsWith(QStringLiteral("SQLCipher 3.")));
    }

    void networkControlDirectoryLookupOrder() {
        const QString root = env.newDirectory(QStringLiteral("net"));
        const QString company = QDir(root).filePath(QStringLiteral("firma1"));
        QDir().mkpath(company);
        using engine::EngineSession;
        QCOMPARE(EngineSession::networkControlDirectoryFor(company), company);
        QDir().mkpath(QDir(root).filePath(QStringLiteral("NetFileDir")));
        QCOMPARE(EngineSession::networkControlDirectoryFor(company + u'/'),
                 QDir(root).filePath(QStringLiteral("NetFileDir")));
        QDir().mkpath(QDir(company).filePath(QStringLiteral("NetFileDir")));
        QCOMPARE(EngineSession::networkControlDirectoryFor(company),
                 QDir(company).filePath(QStringLiteral("NetFileDir")));
    }

    void throwAwaySessionsUseTheirOwnPrivateDirectory() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("priv")));
        QVERIFY(trialOpenTable(dir, QStringLiteral("stawki.DB"), schema::kTemplatePassword));
        const QStringList tmp = QDir(QDir(env.settingsDir()).filePath(QStringLiteral("tmpFile")))
                                    .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QVERIFY(!tmp.isEmpty());
        QVERIFY(tmp.first().endsWith(QStringLiteral("TMP")));
        // The session never lingers with the password: the default session is untouched.
        QVERIFY(engine::EngineSession::defaultSession().passwords().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
