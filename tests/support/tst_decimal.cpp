#include "support/Decimal.h"

#include <QLocale>
#include <QTest>

using namespace kv;

namespace {

Decimal d(const char* text) {
    const std::optional<Decimal> v = Decimal::parse(QString::fromUtf8(text));
    if (!v)
        qFatal("not a number: %s", text);
    return *v;
}

} // namespace

// The exact decimal every amount, reading and rate goes through.
class TestDecimal : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void typedTextIsReadWithEitherSeparator() {
        QCOMPARE(d("12,5"), d("12.5"));
        QCOMPARE(d(" 12,50 ").toSql(), QStringLiteral("12.5"));
        QCOMPARE(d("-0,25").toSql(), QStringLiteral("-0.25"));
        QCOMPARE(d(",5").toSql(), QStringLiteral("0.5"));
        QCOMPARE(d("7.").toSql(), QStringLiteral("7"));
        QCOMPARE(d("000120").toSql(), QStringLiteral("120"));
        for (const char* bad :
             {"", " ", "abc", "1,2,3", "12 500", "1e5", "--1", ".", "5 km", "1) OR (1=1", "١٢"})
            QVERIFY2(!Decimal::parse(QString::fromUtf8(bad)), bad);
        // 38 digits fit, 39 do not: a number too long to hold is refused,
        // not cut.
        QVERIFY(Decimal::parse(QString(38, u'9')));
        QVERIFY(!Decimal::parse(QString(39, u'9')));
        QVERIFY(Decimal::parse(QStringLiteral("0,") + QString(37, u'0') + u'1'));
    }

    void storedDoublesReadAsTheirShortestText() {
        // The double nearest 0.8358 is 0.83579999999999998739..., read as 0.8358.
        QCOMPARE(Decimal::fromDouble(0.8358), d("0.8358"));
        QCOMPARE(Decimal::fromDouble(0.1 + 0.2).toSql(), QStringLiteral("0.30000000000000004"));
        QCOMPARE(Decimal::fromDouble(175.0).toSql(), QStringLiteral("175"));
        QCOMPARE(Decimal::fromDouble(1e-7).toSql(), QStringLiteral("0.0000001"));
        QCOMPARE(Decimal::fromDouble(-2.5e3).toSql(), QStringLiteral("-2500"));
        QCOMPARE(Decimal::fromDouble(0.8358).toDouble(), 0.8358);
        QVERIFY_THROWS_EXCEPTION(DecimalError, Decimal::fromDouble(qInf()));
        QVERIFY_THROWS_EXCEPTION(DecimalError, Decimal::fromDouble(1e300));

        QCOMPARE(Decimal::fromStored(QVariant(qint64(12))), d("12"));
        QCOMPARE(Decimal::fromStored(QVariant(146.265)), d("146.265"));
        QCOMPARE(Decimal::fromStored(QVariant(QStringLiteral("1.5e2"))), d("150"));
        QVERIFY(!Decimal::fromStored(QVariant()));
        QVERIFY(!Decimal::fromStored(QVariant(QStringLiteral("x"))));
    }

    void productsAreExactAndRoundHalfAwayFromZero() {
        // Worked by hand: 175 x 0.8358 = 146.265, half a grosz up.
        const Decimal amount = d("175") * d("0.8358");
        QCOMPARE(amount.toSql(), QStringLiteral("146.265"));
        QCOMPARE(amount.rounded(2).toSql(), QStringLiteral("146.27"));
        // The double product 146.26499999999998636... would round down.
        QCOMPARE((d("75") * d("0.5214")).rounded(2), d("39.11")); // 39.105
        QCOMPARE((d("0.5") * d("1.15")).rounded(2), d("0.58"));   // 0.575
        QCOMPARE((-amount).rounded(2), d("-146.27"));
        QCOMPARE(d("0.12344").rounded(4), d("0.1234"));
        QCOMPARE(d("0.12345").rounded(4), d("0.1235"));
        QCOMPARE(d("2.675").rounded(2), d("2.68"));
        QCOMPARE(d("-0.004").rounded(2).toString(2), QStringLiteral("0.00")); // no "-0.00"
        QCOMPARE(d("1.5").rounded(0), d("2"));
        QCOMPARE(d("-1.5").rounded(0), d("-2"));
        QCOMPARE(d("1.25").rounded(5), d("1.25")); // fewer decimals stay as they are
        QCOMPARE(d("0.1") + d("0.2"), d("0.3"));
        QCOMPARE(d("10") - d("0.01"), d("9.99"));
    }

    void quotientsRoundOnceAtThePlacesAsked() {
        QCOMPARE(d("1").divided(d("3"), 2), d("0.33"));
        QCOMPARE(d("2").divided(d("3"), 2), d("0.67"));
        QCOMPARE(d("-2").divided(d("3"), 2), d("-0.67"));
        QCOMPARE(d("2").divided(d("-3"), 2), d("-0.67"));
        QCOMPARE(d("1").divided(d("8"), 2), d("0.13")); // 0.125, once
        QCOMPARE(d("2000").divided(d("1.5"), 0), d("1333"));
        QCOMPARE(d("12.5").divided(d("0.05"), 0), d("250"));
        QVERIFY_THROWS_EXCEPTION(DecimalError, d("1").divided(Decimal(), 2));
    }

    void overflowIsAnErrorNeverAWrap() {
        const Decimal big = *Decimal::parse(QString(37, u'9'));
        QVERIFY_THROWS_EXCEPTION(DecimalError, big * d("100"));
        QVERIFY_THROWS_EXCEPTION(DecimalError, (big * d("10")) + (big * d("10")));
        QVERIFY_THROWS_EXCEPTION(DecimalError, big.divided(d("0.001"), 2));
        // Aligning decimals can overflow too.
        QVERIFY_THROWS_EXCEPTION(DecimalError, big + d("0.0001"));
    }

    void comparisonIgnoresTrailingZeros() {
        QCOMPARE(d("1.50"), d("1.5"));
        QVERIFY(d("1.4999") < d("1.5"));
        QVERIFY(d("-2") < d("-1.99"));
        QVERIFY(d("0") == Decimal());
        // Values too far apart to align still compare.
        const Decimal big = *Decimal::parse(QString(38, u'9'));
        QVERIFY(big > d("0.5"));
        QVERIFY(-big < d("-0.5"));
    }

    void textsForWindowsAndStatements() {
        QCOMPARE(d("146.27").toString(2, u','), QStringLiteral("146,27"));
        QCOMPARE(d("5").toString(4), QStringLiteral("5.0000"));
        QCOMPARE(d("0.05").toString(2), QStringLiteral("0.05"));
        QCOMPARE(d("-0.5").toString(0), QStringLiteral("-1"));
        QCOMPARE(formatDecimal(d("98.72"), 2), QStringLiteral("98,72"));
        QCOMPARE(d("-3").toSql(), QStringLiteral("-3"));
        QCOMPARE(Decimal().toSql(), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestDecimal)
#include "tst_decimal.moc"
