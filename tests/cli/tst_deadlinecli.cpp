#include "TestSupport.h"

#include "CliRun.h"
#include "support/Clock.h"
#include "tools/demo/DemoDataBuilder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kv;

namespace {
const QString kPassword = QStringLiteral("Tajne123");
const QDate kPinned(2024, 6, 14);
} // namespace

// "deadlines" of karvento-cli on the demonstration company and on an empty
// one, and its wrong use.
class TestDeadlineCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;

    QStringList login(const QString& company = QStringLiteral("demo"),
                      const QString& user = QStringLiteral("ADMIN"),
                      const QString& password = QStringLiteral("zebux")) const {
        return {"--location", location, "--db-password",   kPassword, "--company", company,
                "--user",     user,     "--user-password", password};
    }
    test::CliRun deadlines(const QStringList& args, const QString& company = "demo") {
        return test::runCli(QStringList{"deadlines"} + args + login(company));
    }
    // What went to the standard output, read as UTF-8 (sheets and texts are
    // written there as bytes).
    static QString text(const test::CliRun& run) { return QString::fromUtf8(run.out.toLatin1()); }
    static QByteArray contents(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<brak>");
    }

private slots:
    void initTestCase() {
        Clock::setFixed(QDateTime(kPinned, QTime(9, 0)));
        location = QDir(env.newDirectory(QStringLiteral("db"))).filePath(QStringLiteral("baza"));
        const test::CliRun init =
            test::runCli({"init", location, "--db-password", kPassword, "--demo"});
        QVERIFY2(init.code == 0, qPrintable(init.err));
        // The demonstration year ends on the pinned day.
        buildDemoCompany(QDir(location).filePath(QStringLiteral("demo")),
                         QStringLiteral(KV_DEMO_SOURCES), kPassword);
        QCOMPARE(test::runCli(QStringList{"company", "add", "Pusta", "pusta"} +
                              QStringList{"--location", location, "--db-password", kPassword})
                     .code,
                 0);
    }
    void cleanupTestCase() { Clock::setFixed({}); }
    void init() { env.ui().clear(); }

    void theDemoCompanyHasDeadlinesDue() {
        const test::CliRun all = deadlines({"--encoding", "utf8"});
        QVERIFY2(all.code == 3, qPrintable(all.err));
        const QString text = TestDeadlineCli::text(all);
        QVERIFY(all.out.toLatin1().startsWith("\xEF\xBB\xBF"));
        QVERIFY(text.startsWith(QStringLiteral("Sprawdzanie wg dat\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\nSprawdzanie wg przebiegu\r\n")));
        QVERIFY(text.contains(QStringLiteral("\r\nSprawdzanie stanów magazynowych\r\n")));
        QVERIFY(text.contains(QStringLiteral("Data: ")));
        QVERIFY(text.contains(QStringLiteral("\r\n---------------------------------\r\n")));

        // One list as a sheet, to a file.
        const QString sheet = QDir(location).filePath(QStringLiteral("daty.csv"));
        const test::CliRun csv = deadlines({"--dates", "--csv", "--output", sheet});
        QCOMPARE(csv.code, 3);
        QVERIFY(csv.out.isEmpty());
        QVERIFY(contents(sheet).startsWith("\"Data\";\"Pojazd\";\"Opis\";\"Szczeg\xF3\xB3y\"\r\n"));
    }

    void anEmptyCompanyHasNothingDue() {
        const test::CliRun run = deadlines({"--encoding", "utf8"}, QStringLiteral("pusta"));
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(text(run),
                 QStringLiteral("Sprawdzanie wg dat\r\nNiczego nie znaleziono\r\n\r\n"
                                "Sprawdzanie wg przebiegu\r\nNiczego nie znaleziono\r\n\r\n"
                                "Sprawdzanie stanów magazynowych\r\nNiczego nie "
                                "znaleziono\r\n\r\n"));
        const test::CliRun parts =
            deadlines({"--warehouse", "--csv", "--encoding", "utf8"}, "pusta");
        QCOMPARE(parts.code, 0);
        QCOMPARE(text(parts), QStringLiteral("\"Nazwa elementu\";\"Ilość\";\"Opis\"\r\n"
                                             "\"Niczego nie znaleziono\";\"\";\"\"\r\n"));
    }

    void wrongUseAndRefusalsWriteNothing() {
        const QString out = QDir(location).filePath(QStringLiteral("nic.csv"));
        const struct {
            QStringList args;
            int code;
        } cases[] = {
            {{"--csv"}, 2},
            {{"--csv", "--dates", "--mileage"}, 2},
            {{"--encoding", "latin2"}, 2},
            {{"--nonsense"}, 2},
            {{"extra"}, 2},
            {{"--year", "2024"}, 2},
        };
        for (const auto& c : cases) {
            const test::CliRun run = deadlines(c.args + QStringList{"--output", out});
            QVERIFY2(run.code == c.code, qPrintable(c.args.join(u' ') + run.err));
            QVERIFY(!QFile::exists(out));
        }
        const test::CliRun bad =
            test::runCli(QStringList{"deadlines", "--output", out} + login("demo", "ADMIN", "zle"));
        QCOMPARE(bad.code, 1);
        QVERIFY(!QFile::exists(out));
    }

    void permissionsDecide() {
        const QStringList admin =
            QStringList{"--location", location, "--db-password", kPassword,         "--company",
                        "demo",       "--user", "ADMIN",         "--user-password", "zebux"};
        QCOMPARE(
            test::runCli(QStringList{"users", "add", "JAN", "--new-password", "tajne1"} + admin)
                .code,
            0);
        QCOMPARE(test::runCli(QStringList{"users", "revoke", "JAN", "31"} + admin).code, 0);
        QCOMPARE(test::runCli(QStringList{"users", "revoke", "JAN", "49"} + admin).code, 0);
        // Without permission 31 the checker refuses.
        test::CliRun run = test::runCli(QStringList{"deadlines"} + login("demo", "JAN", "tajne1"));
        QCOMPARE(run.code, 1);
        QVERIFY(run.err.contains(QStringLiteral("Brak uprawnień")));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(test::runCli(QStringList{"users", "grant", "JAN", "31"} + admin).code, 0);
        // The warehouse named without 49: refused; all lists: those permitted.
        run =
            test::runCli(QStringList{"deadlines", "--warehouse"} + login("demo", "JAN", "tajne1"));
        QCOMPARE(run.code, 1);
        run = test::runCli(QStringList{"deadlines", "--encoding", "utf8"} +
                           login("demo", "JAN", "tajne1"));
        QVERIFY(run.code == 0 || run.code == 3);
        QVERIFY(!text(run).contains(QStringLiteral("magazynowych")));
    }
};

QTEST_GUILESS_MAIN(TestDeadlineCli)
#include "tst_deadlinecli.moc"
