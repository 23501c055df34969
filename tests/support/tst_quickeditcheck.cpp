#include "support/DateNumbers.h"
#include "support/QuickEditCheck.h"

#include <QLocale>
#include <QTest>

using namespace kv;

Q_DECLARE_METATYPE(kv::QuickEditField)

namespace {

QuickEditInput odometerOnly(const QString& text) {
    QuickEditInput input;
    input.odometerVisible = true;
    input.odometer = text;
    return input;
}

const QString kBadDate = QStringLiteral("Niepoprawny format daty. Popraw pole.");
const QString kBadDateTo = QStringLiteral("Niepoprawny format daty do. Popraw pole");
const QString kRangeReversed = QStringLiteral("Data od większa niż data do. Popraw pola.");

} // namespace

// The save checks of the quick edit window, under the Polish locale ("," as
// decimal separator, "." between day, month and year).
class TestQuickEditCheck : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void odometerIsRewritten_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("comma, one decimal") << "12,5"
                                            << "12,50";
        QTest::newRow("point") << "12.5"
                               << "12,50";
        QTest::newRow("whole number") << "120345"
                                      << "120345,00";
        QTest::newRow("rounded") << "7,005"
                                 << "7,01";
        QTest::newRow("blanks around") << " 42 "
                                       << "42,00";
        QTest::newRow("not a number") << "12 km"
                                      << "0";
        QTest::newRow("letters") << "abc"
                                 << "0";
        QTest::newRow("empty") << ""
                               << "0";
        QTest::newRow("two separators") << "1,2,3"
                                        << "0";
    }
    void odometerIsRewritten() {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        const QuickEditOutcome outcome = checkQuickEdit(odometerOnly(typed));
        QVERIFY(outcome.accepted);
        QCOMPARE(outcome.odometer, written);
        QVERIFY(outcome.message.isEmpty());
    }

    void hiddenEntriesAreNeitherRewrittenNorChecked() {
        QuickEditInput input;
        input.odometer = QStringLiteral("abc");
        input.date = blankDateText();
        input.dateTo = QStringLiteral("xx");
        const QuickEditOutcome outcome = checkQuickEdit(input);
        QVERIFY(outcome.accepted);
        QCOMPARE(outcome.odometer, QStringLiteral("abc"));
    }

    void odometerIsRewrittenEvenWhenADateIsRefused() {
        QuickEditInput input = odometerOnly(QStringLiteral("3.1"));
        input.dateVisible = true;
        input.date = blankDateText();
        const QuickEditOutcome outcome = checkQuickEdit(input);
        QVERIFY(!outcome.accepted);
        QCOMPARE(outcome.odometer, QStringLiteral("3,10"));
        QCOMPARE(outcome.message, kBadDate);
    }

    void dates_data() {
        QTest::addColumn<bool>("dateVisible");
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("dateToVisible");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("message"); // empty: accepted
        QTest::addColumn<QuickEditField>("focus");
        const QString blank = blankDateText();
        using F = QuickEditField;
        QTest::newRow("one date") << true << "15.03.2024" << false << blank << "" << F::None;
        QTest::newRow("blank date") << true << blank << false << blank << kBadDate << F::Date;
        QTest::newRow("half typed")
            << true << "15.03.    " << false << blank << kBadDate << F::Date;
        QTest::newRow("month 13") << true << "15.13.2024" << false << blank << kBadDate << F::Date;
        QTest::newRow("31 February")
            << true << "31.02.2024" << false << blank << kBadDate << F::Date;
        QTest::newRow("leap day") << true << "29.02.2024" << false << blank << "" << F::None;
        QTest::newRow("no leap day")
            << true << "29.02.2023" << false << blank << kBadDate << F::Date;
        QTest::newRow("range") << true << "01.03.2024" << true << "31.03.2024"
                               << "" << F::None;
        QTest::newRow("equal dates") << true << "15.03.2024" << true << "15.03.2024"
                                     << "" << F::None;
        QTest::newRow("to before from")
            << true << "15.03.2024" << true << "14.03.2024" << kRangeReversed << F::Date;
        QTest::newRow("to a year earlier")
            << true << "01.01.2024" << true << "31.12.2023" << kRangeReversed << F::Date;
        QTest::newRow("blank to") << true << "15.03.2024" << true << blank << kBadDateTo
                                  << F::DateTo;
        QTest::newRow("from checked first")
            << true << blank << true << blank << kBadDate << F::Date;
        QTest::newRow("to alone") << false << blank << true << "15.03.2024"
                                  << "" << F::None;
        QTest::newRow("to alone, hidden from is not compared")
            << false << "20.03.2024" << true << "15.03.2024"
            << "" << F::None;
    }
    void dates() {
        QFETCH(bool, dateVisible);
        QFETCH(QString, from);
        QFETCH(bool, dateToVisible);
        QFETCH(QString, to);
        QFETCH(QString, message);
        QFETCH(QuickEditField, focus);
        QuickEditInput input;
        input.dateVisible = dateVisible;
        input.dateToVisible = dateToVisible;
        input.date = from;
        input.dateTo = to;
        const QuickEditOutcome outcome = checkQuickEdit(input);
        QCOMPARE(outcome.accepted, message.isEmpty());
        QCOMPARE(outcome.message, message);
        QCOMPARE(outcome.caption, message.isEmpty() ? QString() : QStringLiteral("Uwaga"));
        QCOMPARE(outcome.focus, focus);
    }

    void calendarDateText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ordinary") << "15.03.2024" << true;
        QTest::newRow("30 April") << "30.04.2024" << true;
        QTest::newRow("31 April") << "31.04.2024" << false;
        QTest::newRow("1899") << "31.12.1899" << false;
        QTest::newRow("short") << "1.3.2024" << false;
        QTest::newRow("blank") << blankDateText() << false;
    }
    void calendarDateText() {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(isCalendarDateText(text), valid);
    }
};

QTEST_GUILESS_MAIN(TestQuickEditCheck)
#include "tst_quickeditcheck.moc"
