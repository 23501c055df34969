#include "support/Numbers.h"
#include "support/TextFunctions.h"

#include <QLocale>
#include <QTest>

using namespace kv;

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
