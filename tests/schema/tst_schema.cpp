#include "TestSupport.h"

#include "schema/Schema.h"
#include "schema/TemplateBuilder.h"
#include "storage/engine/Connection.h"

#include <QTest>

using namespace kv;
using namespace kv::schema;

class TestSchema : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void tableListHasItsFixedOrder() {
        const QStringList files = companyTableFiles();
        QCOMPARE(files.size(), 30);
        QCOMPARE(files.first(), QStringLiteral("userzy.DB"));
        QCOMPARE(files.at(4), QStringLiteral("pojazdy.DB"));
        QCOMPARE(files.at(14), QStringLiteral("zuzycie.DB"));
        QCOMPARE(files.last(), QStringLiteral("system.DB"));
        QCOMPARE(findTable(QStringLiteral("zuzycielpg.DB"))->templateName(),
                 QStringLiteral("zuzycielpg.D_"));
        QCOMPARE(templateNameOf(QStringLiteral("zuzyciekmlpg.DB")),
                 QStringLiteral("zuzyciekmlpg.D_"));
        QVERIFY(findTable(QStringLiteral("FIRMY")));
        QVERIFY(!findTable(QStringLiteral("nieznana")));
    }

    void olderVersionsLackTheirLaterColumns() {
        const QString dir = env.newDirectory(QStringLiteral("old"));
        createCompanyTables(dir, QStringLiteral("pw1"), Version::V1_0_6);
        engine::EngineSession s;
        s.addPassword(QStringLiteral("pw1"));
        engine::Connection c(&s);
        c.open(dir);
        QVERIFY(c.tableFileExists(QStringLiteral("przebiegi")));     // 1.0.6
        QVERIFY(!c.tableFileExists(QStringLiteral("kartydrogowe"))); // 1.0.7
        QVERIFY(!c.tableFileExists(QStringLiteral("system")));
        const QStringList pojazdy = c.query(QStringLiteral("SELECT * FROM pojazdy")).columns();
        QVERIFY(pojazdy.contains(QStringLiteral("NORMAOD")));
        QVERIFY(!pojazdy.contains(QStringLiteral("NRFLOTY")));
        QVERIFY(!c.query(QStringLiteral("SELECT * FROM przebiegi"))
                     .columns()
                     .contains(QStringLiteral("DOTYCZY")));
    }

    void dateColumnsAreIndexed() {
        const QStringList stmts = createStatements(*findTable(QStringLiteral("przejazdy")));
        QVERIFY(stmts.join(u'\n').contains(QStringLiteral("ON \"przejazdy\" (DATA)")));
        QVERIFY(stmts.join(u'\n').contains(QStringLiteral("ON \"przejazdy\" (IDPOJAZD)")));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
