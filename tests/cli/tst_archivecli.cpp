#include "TestSupport.h"
#include "users/LoginFixture.h"

#include "CliRun.h"
#include "admin/ArchiveDescription.h"
#include "schema/Schema.h"
#include "storage/engine/Connection.h"
#include "support/Clock.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace kv;

// "archive ...", "pack" and "delete-range" of karvento-cli, end to end.
class TestArchiveCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    using Run = test::CliRun;
    QStringList login() const {
        return {"--location", location, "--db-password", schema::kTemplatePassword, "--company",
                "firma",      "--user", "ADMIN",         "--user-password",         "zebux"};
    }
    Run cli(const QStringList& args) { return test::runCli(args + login()); }
    QString company() const { return QDir(location).filePath("firma"); }
    int trips() {
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(company(), false);
        return c.query("SELECT COUNT(*) FROM przejazdy").value(0, 0).toInt();
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Clock::setFixed(QDateTime(QDate(2024, 3, 16), QTime(9, 30)));
        location = test::makeLoginLocation(env, "archiwa");
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        engine::Connection c(&session);
        c.open(company(), false);
        c.execute("INSERT INTO przejazdy (DATA, IDPOJAZD) VALUES (20240301, 1), (20240315, 1), "
                  "(20240315, 2), (0, 1)");
    }
    void init() {
        env.ui().clear();
        env.ui().setDefaultAnswer(true);
    }
    void cleanupTestCase() { Clock::setFixed(QDateTime()); }

    void wrongUseChangesNothing_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("bez --to") << QStringList{"delete-range", "przejazdy", "--from",
                                                 "2024-03-01"};
        QTest::newRow("nieznana tabela")
            << QStringList{"delete-range", "userzy", "--from", "2024-03-01", "--to", "2024-03-31"};
        QTest::newRow("odwrócone") << QStringList{"delete-range", "przejazdy", "--from",
                                                  "2024-03-31",   "--to",      "2024-03-01"};
        QTest::newRow("31 lutego") << QStringList{"delete-range", "przejazdy", "--from",
                                                  "2024-02-01",   "--to",      "31.02.2024"};
        QTest::newRow("pusty katalog") << QStringList{"archive", "make", " "};
        QTest::newRow("dwa katalogi") << QStringList{"archive", "make", "a", "b"};
        QTest::newRow("zła data archiwum")
            << QStringList{"archive", "make", "/tmp", "--date", "2024-13-01"};
        QTest::newRow("opcja nie dla list")
            << QStringList{"archive", "list", "/tmp", "--name", "x"};
    }
    void wrongUseChangesNothing() {
        QFETCH(QStringList, args);
        const Run run = cli(args);
        QCOMPARE(run.code, 2);
        QVERIFY(!run.err.isEmpty());
        QCOMPARE(trips(), 4);
    }

    void deleteRangeDryRunThenForReal() {
        const Run dry = cli({"delete-range", "przejazdy", "--from", "2024-03-15", "--to",
                             "15.03.2024", "--dry-run"});
        QCOMPARE(dry.code, 0);
        QCOMPARE(dry.out.trimmed(),
                 QStringLiteral("Wiersze do usunięcia z tabeli przejazdy.DB: 2"));
        QCOMPARE(trips(), 4);
        QVERIFY(!QDir(company()).entryList({"safety_*"}, QDir::Dirs).size());

        const Run run =
            cli({"delete-range", "PRZEJAZDY", "--from", "2024-03-15", "--to", "2024-03-15"});
        QCOMPARE(run.code, 0);
        const QStringList lines = run.out.trimmed().split(u'\n');
        QCOMPARE(lines.first(), QStringLiteral("Usunięte wiersze z tabeli przejazdy.DB: 2"));
        QCOMPARE(lines.last(), QStringLiteral("Kopia bezpieczeństwa: ") +
                                   QDir(company()).filePath("safety_20240316-093000"));
        QCOMPARE(trips(), 2);
    }

    void archiveMakeListDescribeRestore() {
        const QString root = env.newDirectory("archiwa-cli");
        QDir(root).mkdir("marzec");
        const QString folder = QDir(root).filePath("marzec");
        QCOMPARE(cli({"archive", "make", folder, "--name", "Marzec", "--date", "2024-03-31"}).code,
                 0);
        QCOMPARE(readArchiveDescription(folder).date, QStringLiteral("31.03.2024"));

        const Run list = test::runCli({"archive", "list", root});
        QCOMPARE(list.code, 0);
        QCOMPARE(list.out, folder + QStringLiteral("\tMarzec\t31.03.2024\n"));

        QCOMPARE(cli({"archive", "describe", folder, "--date", ""}).code, 0);
        const Run shown = cli({"archive", "describe", folder});
        QCOMPARE(shown.out, QStringLiteral("Marzec\t\n"));

        const int before = trips();
        engine::EngineSession session;
        session.addPassword(schema::kTemplatePassword);
        {
            engine::Connection c(&session);
            c.open(company(), false);
            c.execute("DELETE FROM przejazdy");
        }
        QCOMPARE(trips(), 0);
        const Run restored = cli({"archive", "restore", folder});
        QCOMPARE(restored.code, 0);
        QVERIFY(restored.out.startsWith(QStringLiteral("Kopia bezpieczeństwa: ")));
        QCOMPARE(trips(), before);

        // A company folder is never taken for an archive.
        const Run refused = cli({"archive", "make", company()});
        QCOMPARE(refused.code, 1);
        QCOMPARE(cli({"archive", "restore", QDir(root).filePath("brak")}).code, 1);
        QCOMPARE(cli({"archive", "delete", folder}).code, 0);
        QVERIFY(!holdsArchive(folder));
    }

    void refusedWhileAnotherProgramIsIn() {
        QProcess holder;
        holder.start(test::helperProgram("kv-engine-helper"),
                     {"hold", company(), schema::kTemplatePassword});
        QVERIFY(holder.waitForStarted() && holder.waitForReadyRead(20000));
        const Run run = cli({"delete-range", "przejazdy", "--from", "2000-01-01", "--to",
                             "2099-12-31", "--no-safety-copy"});
        QCOMPARE(run.code, 1);
        QCOMPARE(cli({"pack"}).code, 1);
        holder.closeWriteChannel();
        QVERIFY(holder.waitForFinished(20000));
        QCOMPARE(trips(), 2);
    }
};

QTEST_GUILESS_MAIN(TestArchiveCli)
#include "tst_archivecli.moc"
