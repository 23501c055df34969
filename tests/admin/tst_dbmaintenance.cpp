#include "AdminFixture.h"

#include "admin/AdminCommands.h"
#include "admin/DatabaseMaintenance.h"
#include "storage/ErrorLog.h"

#include <QFileInfo>

using namespace kv;

class TestDatabaseMaintenance : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    static QDateTime modified(const QString& dir, const QString& file) {
        return QFileInfo(QDir(dir).filePath(file)).lastModified();
    }
    static void age(const QString& dir) {
        const QDateTime old(QDate(2020, 1, 1), QTime(12, 0));
        for (const QString& file : schema::companyTableFiles()) {
            QFile f(QDir(dir).filePath(file));
            if (f.open(QIODevice::ReadWrite))
                f.setFileTime(old, QFileDevice::FileModificationTime);
        }
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    }
    void init() { env.ui().clear(); }

    void packsAllThirty() {
        auto c = test::makeAdminCompany(env, QStringLiteral("pakuj"));
        QVERIFY(c.db);
        age(c.directory);
        QVERIFY(packCompanyTables(*c.db, schema::kTemplatePassword));
        QCOMPARE(env.ui().last().text, QStringLiteral("Optymalizacja zakończyła się powodzeniem."));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QVERIFY(modified(c.directory, QStringLiteral("system.DB")).date().year() > 2020);
    }

    void stopsAtTheFirstTableThatFails() {
        auto c = test::makeAdminCompany(env, QStringLiteral("stop"));
        QVERIFY(c.db);
        c.db->disconnect();
        // koszty.DB is the tenth: a file that opens with no password.
        QFile broken(QDir(c.directory).filePath(QStringLiteral("koszty.DB")));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write(QByteArray(4096, 'k'));
        broken.close();
        age(c.directory);
        c.db = test::openCompanyIn(c.location, QStringLiteral("firma"));
        QVERIFY(!packCompanyTables(*c.db, schema::kTemplatePassword));
        QCOMPARE(env.ui().last().text,
                 QStringLiteral("Nie wszystkie tabele udało się zoptymalizować. Upewnij się czy "
                                "żaden z użytkowników nie pracuje z bazą danych i spróbuj "
                                "ponownie."));
        QCOMPARE(test::readErrorLog().count(QStringLiteral("[0000000370]")), 1);
        QVERIFY(modified(c.directory, QStringLiteral("userzy.DB")).date().year() > 2020);
        QCOMPARE(modified(c.directory, QStringLiteral("system.DB")).date().year(), 2020);
    }

    void refusedAtOnceWhileAnotherProgramIsIn() {
        auto c = test::makeAdminCompany(env, QStringLiteral("zajeta"));
        QVERIFY(c.db);
        test::CompanyHolder other(c.directory);
        QVERIFY(other.ready());
        QVERIFY(!packCompanyTables(*c.db, schema::kTemplatePassword));
        QCOMPARE(env.ui().messages().size(), 1);
        QVERIFY(env.ui().last().text.endsWith(QStringLiteral("Bazy nie zoptymalizowano.")));
    }

    void errorLogIsClearedToOneLineBreak() {
        QFile::remove(errorLogPath());
        QVERIFY(!errorLogHasEntries());
        appendErrorLog(codedLine(25, QStringLiteral("coś")));
        QVERIFY(errorLogHasEntries());
        QVERIFY(clearErrorLog());
        QFile log(errorLogPath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QCOMPARE(log.readAll(), QByteArray("\n"));
        QVERIFY(!errorLogHasEntries());
    }

    void clearingAsksFirst() {
        appendErrorLog(codedLine(25, QStringLiteral("coś")));
        env.ui().queueAnswer(false);
        runClearErrorLog();
        QCOMPARE(env.ui().last().text, QStringLiteral("Czy wyczyścić log błędów programu?"));
        QVERIFY(errorLogHasEntries());
        env.ui().queueAnswer(true);
        runClearErrorLog();
        QCOMPARE(env.ui().last().text, QStringLiteral("Log błędów programu został wyczyszczony."));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        QVERIFY(!errorLogHasEntries());
    }
};

QTEST_GUILESS_MAIN(TestDatabaseMaintenance)
#include "tst_dbmaintenance.moc"
