#include "TestSupport.h"

#include "location/BackupCopy.h"
#include "location/BackupPrompt.h"
#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/EngineSession.h"
#include "support/Clock.h"
#include "users/Permissions.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace kv;

namespace {

const QString kQuestion = QStringLiteral(
    "Baza danych nie posiada aktualnej kopii zapasowej, która mogłaby być wykorzystana do "
    "odzyskania danych w przypadku awarii. Czy stworzyć kopię zapasową bazy danych teraz?");

void pinToday(int year, int month, int day) {
    Clock::setFixed(QDateTime(QDate(year, month, day), QTime(9, 30)));
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString company;

    // A company made of the templates, opened as after a login.
    std::unique_ptr<DataModule> openCompany(const QString& name) {
        const QString location = env.newDirectory(name);
        company = test::makeTemplateCompany(QDir(location).filePath(QStringLiteral("firma")));
        return test::openCompanyIn(location, QStringLiteral("firma"));
    }

    QString folder(int n) const {
        return QDir(company).filePath(QStringLiteral("backup_%1").arg(n));
    }

    // Opens every table of a backup folder and checks its pages.
    void verifyWholeCopy(const QString& dir) {
        QCOMPARE(QDir(dir).entryList(QDir::Files).size(), 30);
        engine::Connection copy;
        copy.open(dir, false);
        for (const schema::Table& t : schema::companyTables()) {
            copy.attachTable(t.baseName());
            const ResultSet check =
                copy.query(QStringLiteral("PRAGMA %1.integrity_check").arg(t.baseName()));
            QVERIFY2(check.value(0, 0).toString() == u"ok", qPrintable(t.file));
            copy.detachAll();
        }
    }

    int vehiclesIn(const QString& dir) {
        engine::Connection c;
        c.open(dir, false);
        return c.query(QStringLiteral("SELECT COUNT(*) FROM pojazdy")).value(0, 0).toInt();
    }

private slots:
    void initTestCase() {
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
    }

    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(true);
        currentLogin().permissions.setAll(true);
        pinToday(2024, 3, 16);
    }

    void cleanupTestCase() { Clock::setFixed(QDateTime()); }

    void dueOnlyAfterTheDueDate() {
        BackupSettings s;
        s.lastBackupDate = 20240215;
        s.intervalDays = 29; // a leap year: due on 15 March
        QVERIFY(!backupIsDue(s, QDate(2024, 3, 14)));
        QVERIFY(!backupIsDue(s, QDate(2024, 3, 15)));
        QVERIFY(backupIsDue(s, QDate(2024, 3, 16)));
        s.lastBackupDate = 0; // no date at all: no backup is known
        QVERIFY(backupIsDue(s, QDate(2024, 3, 16)));
    }

    void dueDateEqualToTodayOffersNothingOneDayLaterOffers() {
        auto db = openCompany(QStringLiteral("due"));
        QVERIFY(db);
        BackupSettings s;
        s.lastBackupDate = 20240215;
        s.intervalDays = 29;
        QVERIFY(db->saveBackupSettings(s));
        env.ui().setDefaultAnswer(false);

        pinToday(2024, 3, 15);
        offerBackup(*db, currentLogin().permissions.has(permission::Administrator));
        QVERIFY(env.ui().messages().isEmpty());

        pinToday(2024, 3, 16);
        offerBackup(*db, currentLogin().permissions.has(permission::Administrator));
        QCOMPARE(env.ui().texts(), QStringList{kQuestion});
        QCOMPARE(env.ui().last().caption, QStringLiteral("Pytanie"));
        // "Nie" leaves everything as it was.
        QVERIFY(!QFileInfo::exists(folder(1)));
        QCOMPARE(db->loadBackupSettings(), s);
    }

    void onlyAdministratorsWhenTheSettingSaysSo_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("onlyAdministrator");
        QTest::addColumn<bool>("administrator");
        QTest::addColumn<bool>("asked");
        QTest::newRow("tylko administrator, użytkownik") << true << true << false << false;
        QTest::newRow("tylko administrator, administrator") << true << true << true << true;
        QTest::newRow("każdy, użytkownik") << true << false << false << true;
        QTest::newRow("wyłączone") << false << false << true << false;
    }
    void onlyAdministratorsWhenTheSettingSaysSo() {
        QFETCH(bool, enabled);
        QFETCH(bool, onlyAdministrator);
        QFETCH(bool, administrator);
        QFETCH(bool, asked);
        auto db = openCompany(QStringLiteral("admin"));
        QVERIFY(db);
        BackupSettings s;
        s.enabled = enabled;
        s.onlyAdministrator = onlyAdministrator;
        QVERIFY(db->saveBackupSettings(s));
        currentLogin().permissions.setAll(true);
        currentLogin().permissions.set(permission::Administrator, administrator);
        env.ui().setDefaultAnswer(false);
        offerBackup(*db, currentLogin().permissions.has(permission::Administrator));
        QCOMPARE(env.ui().contains(kQuestion), asked);
    }

    void acceptedBackupIsRecordedLoggedAndAnnounced() {
        auto db = openCompany(QStringLiteral("accepted"));
        QVERIFY(db);
        offerBackup(*db, currentLogin().permissions.has(permission::Administrator));
        QCOMPARE(env.ui().texts(),
                 (QStringList{kQuestion,
                              QStringLiteral("Kopia zapasowa utworzona poprawnie w folderze: ") +
                                  folder(1)}));
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));
        verifyWholeCopy(folder(1));
        QVERIFY(!QFileInfo::exists(folder(1) + QStringLiteral(".tmp")));
        const BackupSettings s = db->loadBackupSettings();
        QCOMPARE(s.lastFolder, 1);
        QCOMPARE(s.lastBackupDate, 20240316);
        QVERIFY(
            test::readErrorLog().contains(QStringLiteral("[9999999999]  db backup=") + folder(1)));
        QVERIFY(env.ui().progressUpdates() > 0);
        QVERIFY(!env.ui().progressVisible());

        // Not due again the same day.
        env.ui().clear();
        offerBackup(*db, currentLogin().permissions.has(permission::Administrator));
        QVERIFY(env.ui().messages().isEmpty());
    }

    void withoutAskingFirstNothingIsShown() {
        auto db = openCompany(QStringLiteral("silent"));
        QVERIFY(db);
        BackupSettings s;
        s.askFirst = false;
        QVERIFY(db->saveBackupSettings(s));
        offerBackup(*db, currentLogin().permissions.has(permission::Administrator));
        QVERIFY(env.ui().messages().isEmpty());
        verifyWholeCopy(folder(1));
    }

    void foldersRotateBackToTheFirst() {
        auto db = openCompany(QStringLiteral("rotate"));
        QVERIFY(db);
        for (int expected : {1, 2, 3, 1}) {
            QCOMPARE(makeBackup(*db), folder(expected));
            QCOMPARE(db->loadBackupSettings().lastFolder, expected);
        }
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(!QFileInfo::exists(folder(4)));
    }

    void failedCopyKeepsThePreviousBackupOfItsFolder() {
        auto db = openCompany(QStringLiteral("failed"));
        QVERIFY(db);
        BackupSettings s;
        s.folders = 2;
        QVERIFY(db->saveBackupSettings(s));
        pinToday(2024, 3, 10);
        QCOMPARE(makeBackup(*db), folder(1));
        QCOMPARE(makeBackup(*db), folder(2));

        pinToday(2024, 3, 16);
        db->exec(QStringLiteral("INSERT INTO pojazdy (NRREJ) VALUES ('WA 1')"));
        QVERIFY(QFile::remove(QDir(company).filePath(QStringLiteral("magazyn.DB"))));
        QCOMPARE(makeBackup(*db), QString());
        QCOMPARE(env.ui().texts(), QStringList{QStringLiteral("Nie udało się stworzyć archiwum.")});
        QCOMPARE(env.ui().last().caption, QStringLiteral("Informacja"));

        // The older backup in the folder is whole and untouched.
        verifyWholeCopy(folder(1));
        QCOMPARE(vehiclesIn(folder(1)), 0);
        QVERIFY(!QFileInfo::exists(folder(1) + QStringLiteral(".tmp")));
        // The folder number advanced; the date of the last backup did not.
        const BackupSettings after = db->loadBackupSettings();
        QCOMPARE(after.lastFolder, 1);
        QCOMPARE(after.lastBackupDate, 20240310);
    }

    void folderThatCannotBeMadeIsReported() {
        auto db = openCompany(QStringLiteral("nofolder"));
        QVERIFY(db);
        QFile blocker(folder(1));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(makeBackup(*db), QString());
        QCOMPARE(env.ui().texts(),
                 QStringList{QStringLiteral("Nie udało się utworzyć folderu z kopią zapasową bazy "
                                            "danych. Brak uprawnień do zapisu do folderu? ") +
                             folder(1)});
        QCOMPARE(db->loadBackupSettings().lastBackupDate, 20000101);
    }

    void backupTakenWhileAnotherProgramWritesIsWhole() {
        auto db = openCompany(QStringLiteral("busy"));
        QVERIFY(db);
        const test::BusyWriter writer(company);
        QVERIFY(writer.started());
        int previous = -1;
        for (int round = 1; round <= 3; ++round) {
            QTest::qWait(60);
            const QString made = makeBackup(*db);
            QCOMPARE(made, folder(round));
            verifyWholeCopy(made);
            engine::Connection copy;
            copy.open(made, false);
            const int rows =
                copy.query(QStringLiteral("SELECT COUNT(*) FROM przebiegi")).value(0, 0).toInt();
            QVERIFY(rows >= previous);
            previous = rows;
        }
        QVERIFY(previous > 0);
        QVERIFY(env.ui().messages().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
