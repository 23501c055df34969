#include "support/Clock.h"
#include "support/DateNumbers.h"

#include <QLocale>
#include <QTest>

using namespace kv;

// Dates and times as the program stores and shows them, under the Polish
// locale ("." between day, month and year) and a clock pinned to
// 15 March 2024, 14:07.
class TestDateNumbers : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(14, 7)));
    }
    void cleanupTestCase() { Clock::setFixed({}); }

    void separatorFollowsLocale() {
        QCOMPARE(blankDateText(), QStringLiteral("  .  .    "));
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        QCOMPARE(kv::dateNumberToText(20240315), QStringLiteral("15-03-2024"));
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    }

    void dateNumbersToText() {
        QCOMPARE(dateNumberToText(20240315), QStringLiteral("15.03.2024"));
        // 0, six and nine digits, and a negative number of eight characters.
        for (qint64 notADate : {0, 202403, 202403150, -2024031})
            QCOMPARE(dateNumberToText(notADate), QString());
        QCOMPARE(dateNumberToText(0, false), QStringLiteral("15.03.2024"));
        QCOMPARE(dateToText(QDate(2023, 12, 1)), QStringLiteral("01.12.2023"));
        QCOMPARE(dateToText(QDate()), QString());
    }

    void textToDateNumbers() {
        QCOMPARE(textToDateNumber(QStringLiteral("15.03.2024")), 20240315);
        QCOMPARE(textToDateNumber(QStringLiteral("15-03-2024")), 20240315);
        QCOMPARE(textToDateNumber(blankDateText()), 0);
        QCOMPARE(textToDateNumber(QStringLiteral("+5.03.2024")), 0);
        QCOMPARE(textToDateNumber(QStringLiteral("15.03.24")), 0);
        QCOMPARE(textToDateNumber(blankDateText(), false), 20240315);
        QCOMPARE(textToDate(QStringLiteral("29.02.2024")), QDate(2024, 2, 29));
        QCOMPARE(textToDate(QStringLiteral("31.02.2024")), QDate(2024, 3, 15));
    }

    void isValidDateText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("day range only") << "31-02-2024" << true;
        QTest::newRow("month 13") << "15-13-2024" << false;
        QTest::newRow("1899") << "01-01-1899" << false;
        QTest::newRow("1900") << "01-01-1900" << true;
        QTest::newRow("day 0") << "00-01-2024" << false;
        QTest::newRow("day 32") << "32-01-2024" << false;
        QTest::newRow("blank") << blankDateText() << false;
    }
    void isValidDateText() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(kv::isValidDateText(text), valid);
    }

    void addingDays() {
        QCOMPARE(addDaysToDateNumber(20240228, 1), 20240229);
        QCOMPARE(addDaysToDateNumber(20231231, 1), 20240101);
        QCOMPARE(addDaysToDateNumber(20240301, -1), 20240229);
        // No date and an impossible date count as today.
        QCOMPARE(addDaysToDateNumber(0, 1), 20240316);
        QCOMPARE(addDaysToDateNumber(20240231, 0), 20240315);
    }

    void timeNumbers() {
        QCOMPARE(timeNumberToText(5), QStringLiteral("00:05"));
        QCOMPARE(timeNumberToText(1230), QStringLiteral("12:30"));
        QCOMPARE(timeNumberToText(0), QString(9, u' '));
        QCOMPARE(timeNumberToText(0, false), QStringLiteral("00:00"));
        QCOMPARE(timeNumberToText(-5), QString(9, u' '));

        QCOMPARE(textToTimeNumber(QStringLiteral("12:30")), 1230);
        QCOMPARE(textToTimeNumber(QStringLiteral("07.05")), 705);
        QCOMPARE(textToTimeNumber(blankTimeText(), false), 1407);
        QVERIFY(isValidTimeText(QStringLiteral("00:00")));
        for (const char* invalid : {"24:00", "12:60", "1:30", "  :  "}) {
            QVERIFY(!isValidTimeText(QString::fromLatin1(invalid)));
            QCOMPARE(textToTimeNumber(QString::fromLatin1(invalid)), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestDateNumbers)
#include "tst_datenumbers.moc"
