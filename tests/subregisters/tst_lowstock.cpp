#include "fleet/FleetFixture.h"

#include "subregisters/LowStock.h"
#include "support/Decimal.h"

using namespace kv;
using namespace kv::test;

namespace {

Decimal d(const char* text) {
    return *Decimal::parse(QString::fromUtf8(text));
}

} // namespace

// The one rule for a warehouse part running short, in code and in SQL.
class TestLowStock : public QObject {
    Q_OBJECT

private slots:
    void aPartIsShortAtOrBelowItsReminderLevel() {
        QVERIFY(isLowStock(d("2"), d("2")));
        QVERIFY(isLowStock(d("1.99"), d("2")));
        QVERIFY(isLowStock(d("-1"), d("0.5")));
        QVERIFY(!isLowStock(d("2.01"), d("2")));
    }

    void aReminderLevelOfZeroNeverReminds() {
        QVERIFY(!isLowStock(d("0"), d("0")));
        QVERIFY(!isLowStock(d("-3"), d("0")));
        QVERIFY(!isLowStock(d("-3"), d("-5")));
    }

    // The statement lists exactly the parts the rule calls short.
    void theConditionAgreesWithTheRuleOnStoredParts() {
        TestEnvironment env;
        auto db = openTemplateCompany(env, QStringLiteral("lowstock"));
        const char* rows[][2] = {{"2", "2"}, {"1.5", "2"}, {"3", "2"},
                                 {"0", "0"}, {"-1", "0"},  {"0", "0.01"}};
        int expected = 0;
        for (const auto& row : rows) {
            db->exec(QStringLiteral(
                         "INSERT INTO magazyn.DB (CZESC, ILOSC, PRZYPOMNIJ) VALUES ('x', %1, %2)")
                         .arg(QLatin1String(row[0]), QLatin1String(row[1])));
            expected += isLowStock(d(row[0]), d(row[1])) ? 1 : 0;
        }
        QCOMPARE(expected, 3);
        const auto listed = db->select(QStringLiteral("SELECT COUNT(*) FROM magazyn.DB m WHERE ") +
                                       lowStockSqlCondition(QStringLiteral("m")));
        QCOMPARE(listed.value(0, 0).toInt(), expected);
        QCOMPARE(db->select(QStringLiteral("SELECT COUNT(*) FROM magazyn.DB WHERE ") +
                            lowStockSqlCondition())
                     .value(0, 0)
                     .toInt(),
                 expected);
    }
};

QTEST_GUILESS_MAIN(TestLowStock)
#include "tst_lowstock.moc"
