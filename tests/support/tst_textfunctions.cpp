#include "support/TVxUtilities.h"
#include "support/TextFunctions.h"

#include <QLocale>
#include <QTest>

using namespace kv;

class TestTextFunctions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }

    void replacementsAndChecks() {
        QCOMPARE(replaceFirst(QStringLiteral("a-b-c"), QStringLiteral("-"), QStringLiteral("+")),
                 QStringLiteral("a+b-c"));
        QCOMPARE(replaceFirst(QStringLiteral("abc"), QString(), QStringLiteral("y")),
                 QStringLiteral("abc"));
        QVERIFY(isAlphanumeric(QString()));
        QVERIFY(isAlphanumeric(QStringLiteral("WX12345abc")));
        for (const QString& text : {QStringLiteral("WX 123"), QStringLiteral("ŁÓDŹ"),
                                    QStringLiteral("١٢")}) // other scripts' digits
            QVERIFY2(!isAlphanumeric(text), qPrintable(text));
    }

    void convertImportDate_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("format");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("converted"); // not checked when empty
        QTest::newRow("day first") << "31-12-2024"
                                   << "DD-MM-RRRR" << true << "20241231";
        QTest::newRow("day first, dots") << "31.12.2024"
                                         << "DD-MM-RRRR" << true << "20241231";
        QTest::newRow("day range only") << "31-02-2024"
                                        << "DD-MM-RRRR" << true << "20240231";
        QTest::newRow("wrong order") << "2024-12-31"
                                     << "DD-MM-RRRR" << false << "";
        QTest::newRow("month 13") << "31-13-2024"
                                  << "DD-MM-RRRR" << false << "20241331";
        QTest::newRow("year 1899") << "31-12-1899"
                                   << "DD-MM-RRRR" << false << "18991231";
        QTest::newRow("year first") << "2024-12-31"
                                    << "RRRR-MM-DD" << true << "20241231";
        QTest::newRow("digits, tail ignored") << "20241231 12:00"
                                              << "RRRRMMDD" << true << "20241231";
        QTest::newRow("too short") << "2024123"
                                   << "RRRRMMDD" << false << "2024123";
        QTest::newRow("other format, digits") << "20241231"
                                              << "XYZ" << true << "20241231";
        QTest::newRow("other format, text") << "31.12.2024"
                                            << "XYZ" << false << "31.12.2024";
    }
    void convertImportDate() {
        QFETCH(QString, text);
        QFETCH(QString, format);
        QFETCH(bool, ok);
        QFETCH(QString, converted);
        QCOMPARE(kv::convertImportDate(text, format), ok);
        if (!converted.isEmpty())
            QCOMPARE(text, converted);
    }

    void parseLeadingNumber() {
        const auto parsed = [](const char* text) {
            double number = -1.0;
            return kv::parseLeadingNumber(QString::fromLatin1(text), number) ? number : qQNaN();
        };
        QCOMPARE(parsed("12,5 l"), 12.5);
        QCOMPARE(parsed("7"), 7.0);
        QCOMPARE(parsed("  3.25kg"), 3.25);
        QCOMPARE(parsed("12. l"), 12.0);
        QCOMPARE(parsed("12,5,3"), 12.5);
        QCOMPARE(parsed("  "), -1.0); // succeeds and leaves the number alone
        QVERIFY(qIsNaN(parsed("abc")));
        QVERIFY(qIsNaN(parsed("-5")));
    }

    void stripTrailingBackslash() {
        QCOMPARE(kv::stripTrailingBackslash(QStringLiteral("C:\\Baza_kv\\\\")),
                 QStringLiteral("C:\\Baza_kv\\"));
        QCOMPARE(kv::stripTrailingBackslash(QStringLiteral("/srv/baza/")),
                 QStringLiteral("/srv/baza"));
        QCOMPARE(kv::stripTrailingBackslash(QStringLiteral("/srv/baza")),
                 QStringLiteral("/srv/baza"));
        QCOMPARE(kv::stripTrailingBackslash(QStringLiteral("/")), QStringLiteral("/"));
    }

    void splitText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("parts");
        QTest::newRow("empty middle") << "a,,b" << QStringList{"a", "", "b"};
        QTest::newRow("trailing separator") << "a,b," << QStringList{"a", "b"};
        QTest::newRow("leading separator") << ",a" << QStringList{"", "a"};
        QTest::newRow("separator only") << "," << QStringList{""};
        QTest::newRow("empty") << "" << QStringList{};
    }
    void splitText() {
        QFETCH(QString, text);
        QFETCH(QStringList, parts);
        QCOMPARE(TVxUtilities::instance().splitText(text, u','), parts);
    }

    void utilityObject() {
        const TVxUtilities& u = TVxUtilities::instance();
        QCOMPARE(u.monthName(10), QStringLiteral("Październik"));
        QCOMPARE(u.monthName(13), QString());
        QCOMPARE(QDate(2024, 3, 5).toString(u.dateFormat()), QStringLiteral("05.03.2024"));
        QVERIFY(u.isValidDate(QStringLiteral("01-01-1000")));
        QVERIFY(!u.isValidDate(QStringLiteral("01-01-0999")));
        QCOMPARE(QList<int>({u.dayOf(20240315), u.monthOf(20240315), u.yearOf(20240315)}),
                 QList<int>({15, 3, 2024}));
        QCOMPARE(QList<int>({u.dayOf(20240231), u.monthOf(20240231), u.yearOf(0)}),
                 QList<int>({1, 1, 1}));
    }

    void daysInMonth() {
        const TVxUtilities& u = TVxUtilities::instance();
        QCOMPARE(QList<int>({u.daysInMonth(2, 2024), u.daysInMonth(2, 2000), u.daysInMonth(2, 2023),
                             u.daysInMonth(2, 2100)}),
                 QList<int>({29, 29, 28, 28}));
        QCOMPARE(
            QList<int>({u.daysInMonth(4, 2023), u.daysInMonth(12, 2023), u.daysInMonth(13, 2023)}),
            QList<int>({30, 31, 0}));
    }
};

QTEST_GUILESS_MAIN(TestTextFunctions)
#include "tst_textfunctions.moc"
