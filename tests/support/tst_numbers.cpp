#include "support/Numbers.h"
#include "support/TextFunctions.h"

#include <QLocale>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <random>

using namespace kv;

namespace {

// The rounding as it was first written, on Qt's own texts: the reference the
// character-buffer version must agree with.
QString referenceFormat(double value, int decimals) {
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    const QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    const int kept = scientific.mid(e + 1).toInt() + 1 + decimals;
    QString scaled;
    if (kept < 0)
        scaled = QStringLiteral("0");
    else if (kept == 0)
        scaled = digits[0] >= u'5' ? QStringLiteral("1") : QStringLiteral("0");
    else if (kept >= digits.size())
        scaled = digits + QString(kept - digits.size(), u'0');
    else {
        scaled = digits.left(kept);
        if (digits[kept] >= u'5') {
            qsizetype i = scaled.size() - 1;
            for (; i >= 0 && scaled[i] == u'9'; --i)
                scaled[i] = u'0';
            if (i < 0)
                scaled.prepend(u'1');
            else
                scaled[i] = QChar(scaled[i].unicode() + 1);
        }
    }
    while (scaled.size() > 1 && scaled.startsWith(u'0'))
        scaled.remove(0, 1);
    if (scaled.size() <= decimals)
        scaled = scaled.rightJustified(decimals + 1, u'0');
    QString text = decimals == 0
                       ? scaled
                       : scaled.left(scaled.size() - decimals) + u'.' + scaled.right(decimals);
    const bool zero =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'0' || c == u'.'; });
    if (value < 0 && !zero)
        text.prepend(u'-');
    return text;
}

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void formatNumber_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("two decimals") << 12.5 << 2 << "12,50";
        QTest::newRow("typed half rounds up") << 2.675 << 2 << "2,68";
        QTest::newRow("1.005") << 1.005 << 2 << "1,01";
        QTest::newRow("binary noise") << 0.1 + 0.2 << 2 << "0,30";
        QTest::newRow("carry") << 99.995 << 2 << "100,00";
        QTest::newRow("no thousands separator") << 1234567.891 << 2 << "1234567,89";
        QTest::newRow("negative") << -12.5 << 2 << "-12,50";
        QTest::newRow("negative zero has no sign") << -0.001 << 2 << "0,00";
        QTest::newRow("rate") << 0.12345 << 4 << "0,1235";
        QTest::newRow("tiny") << 0.00001234 << 4 << "0,0000";
        QTest::newRow("no decimals") << 0.5 << 0 << "1";
        QTest::newRow("huge") << 1e20 << 2 << "100000000000000000000,00";
    }
    void formatNumber() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(kv::formatNumber(value, decimals), text);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(kv::formatNumber(value, decimals), QString(text).replace(u',', u'.'));
    }

    void formattingAgreesWithTheReferenceEverywhere() {
        QLocale::setDefault(QLocale::c());
        std::mt19937_64 random(15);
        std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
        std::uniform_int_distribution<int> exponent(-8, 16);
        for (int i = 0; i < 20000; ++i) {
            // Amounts typed with few decimals (half-way cases among them),
            // arbitrary doubles across many magnitudes.
            double value = i % 2 ? std::round(mantissa(random) * 100000) / 1000
                                 : mantissa(random) * std::pow(10.0, exponent(random));
            // Exact ties at the 16th digit: 16-digit whole numbers and halves
            // ending in 5, which must round up.
            if (i % 5 == 0)
                value = std::round(std::fabs(mantissa(random)) * 1e14) * 10 + 5;
            if (i % 5 == 1)
                value = (std::round(std::fabs(mantissa(random)) * 1e13) * 10 + 5) / 100;
            const int decimals = i % 7;
            QCOMPARE(kv::formatNumber(value, decimals), referenceFormat(value, decimals));
        }
    }

    void parsing() {
        QCOMPARE(parseNumber(QStringLiteral("12,5")), std::optional<double>(12.5));
        QCOMPARE(parseNumber(QStringLiteral(" 12.5 ")), std::optional<double>(12.5));
        QCOMPARE(parseNumber(QStringLiteral(",5")), std::optional<double>(0.5));
        QCOMPARE(parseNumber(QStringLiteral("-3")), std::optional<double>(-3));
        for (const char* text : {"1.234,5", "1e5", "12,5 l", ""})
            QCOMPARE(parseNumber(QString::fromLatin1(text)), std::nullopt);
        QCOMPARE(parseInteger(QStringLiteral(" -7 ")), std::optional<qint64>(-7));
        QCOMPARE(parseInteger(QStringLiteral("4.2")), std::nullopt);
        QCOMPARE(parseInteger(QStringLiteral("99999999999999999999")), std::nullopt);
    }

    void numberForSqlLetsOnlyNumbersThrough() {
        QCOMPARE(numberForSql(QStringLiteral("12,50")), QStringLiteral("12.50"));
        QCOMPARE(numberForSql(QStringLiteral(" 7 ")), QStringLiteral("7"));
        QCOMPARE(numberForSql(QStringLiteral("1) OR (1=1")), QStringLiteral("0"));
        QCOMPARE(numberForSql(QString()), QStringLiteral("0"));
    }

    void amountInWords_data() {
        QTest::addColumn<double>("amount");
        QTest::addColumn<QString>("words");
        QTest::newRow("123.45") << 123.45 << "JED*DWA*TRZ 45/100";
        QTest::newRow("0.5") << 0.5 << "ZER 50/100";
        QTest::newRow("1203.5") << 1203.5 << "JED*DWA*ZER*TRZ 50/100";
        QTest::newRow("rounded") << 2.675 << "DWA 68/100";
        QTest::newRow("million") << 1000000.0 << "JED*ZER*ZER*ZER*ZER*ZER*ZER 00/100";
        QTest::newRow("negative") << -12.5 << "-JED*DWA 50/100";
    }
    void amountInWords() {
        QFETCH(double, amount);
        QFETCH(QString, words);
        QCOMPARE(kv::amountInWords(amount), words);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(kv::amountInWords(amount), words);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(kv::amountInWords(amount), words);
    }
    void amountInWordsUsesTheDigitWords() {
        QCOMPARE(kv::amountInWords(56.0), QStringLiteral("PIĘ*SZE 00/100"));
        QCOMPARE(kv::amountInWords(qQNaN()), QString());
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
