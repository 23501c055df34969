#include "TestSupport.h"
#include "cli/CliRun.h"

#include "schema/Schema.h"
#include "storage/DataModule.h"
#include "storage/engine/EngineSession.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using namespace kv;

// "export" of the documents, equipment and calendar on the demonstration
// company: every row the filters let through, counted against statements
// written here by hand.
class TestDocumentExport : public QObject {
    Q_OBJECT
    test::TestEnvironment env;
    QString location;
    std::unique_ptr<DataModule> db;

    QStringList login() const {
        return {"--location", location, "--db-password", schema::kTemplatePassword, "--company",
                "demo",       "--user", "ADMIN",         "--user-password",         "zebux"};
    }
    test::CliRun exportOf(const QStringList& args) {
        return test::runCli(QStringList{"export"} + args + login());
    }
    // Rows of a sheet: its lines but the title line.
    static int sheetRows(const QString& sheet) {
        return static_cast<int>(sheet.count(QStringLiteral("\r\n"))) - 1;
    }
    int count(const QString& sql) { return db->select(sql).value(0, 0).toInt(); }
    QString vehicleWith(const QString& table, const QString& idColumn) {
        return db
            ->select(QStringLiteral("SELECT P.NRREJ FROM %1.DB AS A JOIN pojazdy.DB AS P ON "
                                    "P.IDPOJAZD = A.%2 GROUP BY P.NRREJ ORDER BY COUNT(*) DESC")
                         .arg(table, idColumn))
            .value(0, 0)
            .toString();
    }

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        engine::EngineSession::defaultSession().addPassword(schema::kTemplatePassword);
        location = env.newDirectory(QStringLiteral("demo-export"));
        const QDir company(QDir(location).filePath(QStringLiteral("demo")));
        QVERIFY(QDir().mkpath(company.path()));
        QDirIterator it(QDir(test::templateDataDir()).filePath(QStringLiteral("demo")),
                        {QStringLiteral("*.DB")});
        while (it.hasNext()) {
            const QString target = company.filePath(QFileInfo(it.next()).fileName());
            QVERIFY(QFile::copy(it.filePath(), target));
            QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
        QVERIFY(QFile::copy(QDir(test::templateDataDir()).filePath(QStringLiteral("firmy.D_")),
                            QDir(location).filePath(QStringLiteral("firmy.DB"))));
        QFile(QDir(location).filePath(QStringLiteral("firmy.DB")))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        db = test::openCompanyIn(location, QStringLiteral("demo"));
        QVERIFY(db);
    }
    void cleanupTestCase() { db.reset(); }

    void wholeRegistersAndFilteredOnes() {
        struct Case {
            const char* table;
            const char* vehicleColumn;
            const char* from;
            const char* to;
        };
        const Case cases[] = {{"dokumenty", "IDPOJAZD", "DATA", "DATA"},
                              {"wyposazenie", "IDPOJAZD", "DATA", "DATA"},
                              {"terminy", "IDPOJAZDU", "DATAOD", "DATADO"}};
        const int year = db->select(QStringLiteral("SELECT MAX(DATA) / 10000 FROM dokumenty.DB"))
                             .value(0, 0)
                             .toInt();
        for (const Case& c : cases) {
            const QString table = QLatin1String(c.table);
            const int all = count(QStringLiteral("SELECT COUNT(*) FROM %1.DB").arg(table));
            QVERIFY2(all > 0, c.table); // the demonstration company has some of each
            const test::CliRun whole = exportOf({table, "--encoding", "utf8"});
            QCOMPARE(whole.code, 0);
            QCOMPARE(sheetRows(whole.out), all);

            const QString nr = vehicleWith(table, QLatin1String(c.vehicleColumn));
            QVERIFY(!nr.isEmpty());
            const int filtered =
                count(QStringLiteral("SELECT COUNT(*) FROM %1.DB AS A JOIN pojazdy.DB AS P ON "
                                     "P.IDPOJAZD = A.%2 WHERE P.NRREJ = :PARAM0 AND A.%3 > %4 "
                                     "AND A.%5 < %6")
                          .arg(table, QLatin1String(c.vehicleColumn), QLatin1String(c.from))
                          .arg(year * 10000)
                          .arg(QLatin1String(c.to))
                          .arg(year * 10000 + 1300)
                          .replace(QStringLiteral(":PARAM0"), u'\'' + nr + u'\''));
            const test::CliRun some =
                exportOf({table, "--vehicle", nr, "--year", QString::number(year)});
            QCOMPARE(some.code, 0);
            QCOMPARE(sheetRows(some.out), filtered);
            QVERIFY(filtered < all);
        }
    }

    void titlesAndCells() {
        const test::CliRun docs = exportOf({"dokumenty", "--encoding", "utf8"});
        QCOMPARE(docs.code, 0);
        // The grid's titles; dates shown as the window shows them.
        QVERIFY2(docs.out.section(QStringLiteral("\r\n"), 0, 0)
                     .contains(QStringLiteral("\"Data\";\"Rodzaj dokumentu\";\"Nr dokumentu\"")),
                 qPrintable(docs.out.left(80)));
        const test::CliRun cal = exportOf({"terminy", "--encoding", "utf8"});
        QVERIFY(cal.out.contains(QStringLiteral("\"Data od\";\"Data do\";\"Rodzaj terminu\"")));
        QVERIFY(!cal.out.contains(QStringLiteral("\"0\";")));
    }

    void wrongUse() {
        QCOMPARE(exportOf({"terminy", "--month", "2024-13"}).code, 2);
        QCOMPARE(exportOf({"dokumenty", "--from", "31.02.2024", "--to", "01.03.2024"}).code, 2);
        QCOMPARE(exportOf({"wyposazenie", "--vehicle"}).code, 2);
        QCOMPARE(exportOf({"wyposazenie", "dokumenty"}).code, 2);
        // A vehicle nobody has is refused with its message; quotes are no SQL.
        const test::CliRun none = exportOf({"dokumenty", "--vehicle", "X' OR '1'='1"});
        QCOMPARE(none.code, 1);
        QVERIFY(none.out.isEmpty());
        QVERIFY(none.err.contains(QStringLiteral("Nie ma pojazdu")));
    }
};

QTEST_GUILESS_MAIN(TestDocumentExport)
#include "tst_documentexport.moc"
