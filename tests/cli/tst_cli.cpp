#include "TestSupport.h"

#include "CliRun.h"
#include "schema/Schema.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace kv;

class TestCli : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

    using Run = test::CliRun;
    static Run run(const QStringList& args) { return test::runCli(args); }
    QString emptyTemplates() {
        return QDir(test::templateDataDir()).filePath(QStringLiteral("empty"));
    }

private slots:
    void helpAndVersionArePolish() {
        const Run help = run({QStringLiteral("--help")});
        QCOMPARE(help.code, 0);
        QVERIFY(help.out.contains(QStringLiteral("Użycie: karvento-cli")));
        QVERIFY(help.out.contains(QStringLiteral("--db-password")));
        QVERIFY(run({QStringLiteral("--version")}).out.contains(QStringLiteral("Karvento 3.0")));
        const Run unknown = run({QStringLiteral("zrob")});
        QCOMPARE(unknown.code, 2);
        QVERIFY(unknown.err.contains(QStringLiteral("Nieznane polecenie")));
        // A group without its command lists its commands, and only them.
        const Run group = run({QStringLiteral("archive")});
        QCOMPARE(group.code, 2);
        QVERIFY(group.err.contains(QStringLiteral("karvento-cli archive make KATALOG")));
        QVERIFY(group.err.contains(QStringLiteral("karvento-cli archive restore KATALOG")));
        QVERIFY(!group.err.contains(QStringLiteral("karvento-cli report")));
        QCOMPARE(run({QStringLiteral("archive"), QStringLiteral("zrob")}).code, 2);
        QCOMPARE(run({QStringLiteral("tables"), QStringLiteral("--db-password")}).code, 2);
    }

    void tablesListsTheTemplates() {
        const Run r = run({QStringLiteral("tables"), emptyTemplates(),
                           QStringLiteral("--db-password"), schema::kTemplatePassword});
        QCOMPARE(r.code, 0);
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 30);
        QVERIFY(lines.first().startsWith(QStringLiteral("userzy.D_")));
        QVERIFY(lines.first().endsWith(QStringLiteral(" 1")));
        for (int i = 1; i < lines.size(); ++i)
            QVERIFY2(lines.at(i).endsWith(QStringLiteral(" 0")), qPrintable(lines.at(i)));
        QVERIFY(lines.last().startsWith(QStringLiteral("system.D_")));
    }

    void tablesRefusesWhatItCannotRead() {
        const Run wrong = run({QStringLiteral("tables"), emptyTemplates(),
                               QStringLiteral("--db-password"), QStringLiteral("zlehaslo")});
        QCOMPARE(wrong.code, 1);
        QVERIFY(wrong.err.contains(QStringLiteral("nieprawidłowe hasło bazy danych")));
        const Run missing = run({QStringLiteral("tables"), QStringLiteral("/nie/ma/takiego"),
                                 QStringLiteral("--db-password"), QStringLiteral("x")});
        QCOMPARE(missing.code, 1);
        QVERIFY(missing.err.contains(QStringLiteral("nie istnieje")));

        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("damaged")));
        QFile f(QDir(dir).filePath(QStringLiteral("koszty.DB")));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray(5000, 'x'));
        f.close();
        const Run damaged = run({QStringLiteral("tables"), dir, QStringLiteral("--db-password"),
                                 schema::kTemplatePassword});
        QCOMPARE(damaged.code, 1);
        QVERIFY(damaged.err.contains(QStringLiteral("koszty.DB: plik uszkodzony")));
        QCOMPARE(damaged.out.split(u'\n', Qt::SkipEmptyParts).size(), 29);
    }

    void sqlPrintsRowsAndRefusesWrites() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("sql")));
        const Run r = run({QStringLiteral("sql"), dir,
                           QStringLiteral("SELECT NAZWA, SUPERVISOR, 1.5 AS X FROM userzy.DB"),
                           QStringLiteral("--db-password"), schema::kTemplatePassword});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(QStringLiteral("\"NAZWA\";\"SUPERVISOR\";\"X\"")),
                 qPrintable(r.out));
        QVERIFY(r.out.contains(QStringLiteral("\"ADMIN\";\"T\";\"1.5\"")));
        const Run write = run({QStringLiteral("sql"), dir, QStringLiteral("DELETE FROM userzy.DB"),
                               QStringLiteral("--db-password"), schema::kTemplatePassword});
        QCOMPARE(write.code, 1);
        QVERIFY(write.err.contains(QStringLiteral("tylko polecenia odczytujące")));
        const Run again =
            run({QStringLiteral("sql"), dir, QStringLiteral("SELECT COUNT(*) FROM userzy"),
                 QStringLiteral("--db-password"), schema::kTemplatePassword});
        QVERIFY(again.out.contains(QStringLiteral("\"1\"")));
        const Run bad = run({QStringLiteral("sql"), dir, QStringLiteral("SELECT FROM"),
                             QStringLiteral("--db-password"), schema::kTemplatePassword});
        QCOMPARE(bad.code, 1);
        QVERIFY(bad.err.contains(QStringLiteral("Błąd polecenia SQL")));
    }

    void sqlRunsOnlyQueries() {
        const QString dir = test::makeTemplateCompany(env.newDirectory(QStringLiteral("only")));
        const QString stray = QDir(dir).filePath(QStringLiteral("obcy.DB"));
        // Statements the engine counts as not writing, yet they change the
        // session or create files.
        for (const QString& sql :
             {QStringLiteral("ATTACH '%1' AS x").arg(stray), QStringLiteral("PRAGMA key='abc'"),
              QStringLiteral("BEGIN"), QStringLiteral("SAVEPOINT s"),
              QStringLiteral("SELECT 1; DELETE FROM userzy"),
              QStringLiteral("WITH t AS (SELECT 1) DELETE FROM userzy")}) {
            const Run r = run({QStringLiteral("sql"), dir, sql, QStringLiteral("--db-password"),
                               schema::kTemplatePassword});
            QVERIFY2(r.code == 1, qPrintable(sql));
        }
        QVERIFY(!QFileInfo::exists(stray));
        // A query may begin with a comment, given after "--".
        const Run commented = run({QStringLiteral("sql"), dir, QStringLiteral("--db-password"),
                                   schema::kTemplatePassword, QStringLiteral("--"),
                                   QStringLiteral("-- ile\nSELECT COUNT(*) AS N FROM userzy")});
        QVERIFY2(commented.code == 0, qPrintable(commented.err));
        // A cell cannot end early: its quotes are doubled, as standard CSV
        // does, and the value reads back exactly.
        const Run quoted =
            run({QStringLiteral("sql"), dir, QStringLiteral("SELECT 'Firma \"Ala\" `x`' AS N"),
                 QStringLiteral("--db-password"), schema::kTemplatePassword});
        QVERIFY(quoted.out.contains(QStringLiteral("\"Firma \"\"Ala\"\" `x`\"")));
    }

    void unknownOptionsAreRefused() {
        const Run r = run({QStringLiteral("company"), QStringLiteral("list"),
                           QStringLiteral("--locaton"), QStringLiteral("/tmp")});
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains(QStringLiteral("Nieznana opcja --locaton")));
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"
