#include "support/Clock.h"
#include "support/DateNumbers.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

using namespace kv;

// The date and number entries every edit window uses, in a small form:
// a number, a date, another number. Polish locale, today is 15 March 2024.
class TestFieldWidgets : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> form;
    NumberField* amount = nullptr;
    DateField* date = nullptr;
    NumberField* rate = nullptr;

    // Puts the focus elsewhere, as Tab or a click would.
    void leave(QWidget* field) {
        QWidget* other = field == amount ? static_cast<QWidget*>(rate) : amount;
        other->setFocus(Qt::TabFocusReason);
    }

private slots:
    void initTestCase() { Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(9, 0))); }
    void cleanupTestCase() {
        Clock::setFixed({});
        QLocale::setDefault(QLocale::c());
    }
    void init() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        form = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(form.get());
        layout->addWidget(amount = new NumberField);
        layout->addWidget(date = new DateField);
        layout->addWidget(rate = new NumberField);
        rate->setDecimals(4);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void dateFieldStartsBlank() {
        QCOMPARE(date->text(), blankDateText());
        QVERIFY(date->isBlank());
        QVERIFY(!date->isValid());
        QCOMPARE(date->dateNumber(), 0);
    }

    void dateFieldTextsAndNumbers() {
        date->setDateNumber(20240315);
        QCOMPARE(date->text(), QStringLiteral("15.03.2024"));
        QCOMPARE(date->dateNumber(), 20240315);
        QVERIFY(date->isValid());
        date->setDateNumber(0);
        QVERIFY(date->isBlank());
        date->setText(QStringLiteral("31.02.2024"));
        QCOMPARE(date->text(), QStringLiteral("31.02.2024"));
        QVERIFY(!date->isValid());
        QCOMPARE(date->dateNumber(), 0);
        date->setText(QString());
        QVERIFY(date->isBlank());
    }

    void typedDigitsFillTheMask() {
        date->setFocus();
        QTest::keyClick(date->lineEdit(), Qt::Key_Home);
        QTest::keyClicks(date->lineEdit(), QStringLiteral("0102"));
        QCOMPARE(date->text(), QStringLiteral("01.02.    "));
        QVERIFY(!date->isBlank());
        QVERIFY(!date->isValid());
        QTest::keyClicks(date->lineEdit(), QStringLiteral("2024x"));
        QCOMPARE(date->text(), QStringLiteral("01.02.2024"));
        QCOMPARE(date->dateNumber(), 20240201);
    }

    void maskFollowsTheSystemSeparator() {
        QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
        DateField swedish;
        QCOMPARE(swedish.text(), QStringLiteral("  -  -    "));
        swedish.setDateNumber(20240315);
        QCOMPARE(swedish.text(), QStringLiteral("15-03-2024"));
    }

    void calendarOpensOnTheFieldsDay_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("shown");
        QTest::newRow("a date") << "02.01.2023" << QDate(2023, 1, 2);
        QTest::newRow("blank: today") << "" << QDate(2024, 3, 15);
        QTest::newRow("half typed: today") << "02.01." << QDate(2024, 3, 15);
        QTest::newRow("impossible day: today") << "30.02.2024" << QDate(2024, 3, 15);
    }
    void calendarOpensOnTheFieldsDay() {
        QFETCH(QString, text);
        QFETCH(QDate, shown);
        date->setText(text);
        const QString before = date->text();
        QTest::mouseClick(date->calendarButton(), Qt::LeftButton);
        QCalendarWidget* calendar = date->openCalendar();
        QVERIFY(calendar);
        QCOMPARE(calendar->selectedDate(), shown);
        QCOMPARE(calendar->monthShown(), shown.month());
        QTest::keyClick(calendar, Qt::Key_Escape);
        QVERIFY(!date->openCalendar());
        QCOMPARE(date->text(), before);
    }

    void pickedDayIsWrittenIntoTheField() {
        QSignalSpy picked(date, &DateField::datePicked);
        date->setDateNumber(20240228);
        date->setFocus();
        QTest::keyClick(date->lineEdit(), Qt::Key_Down, Qt::AltModifier);
        QCalendarWidget* calendar = date->openCalendar();
        QVERIFY(calendar);
        QWidget* days = calendar->findChild<QAbstractItemView*>();
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Right);
        QTest::keyClick(days, Qt::Key_Return);
        QVERIFY(!date->openCalendar());
        QCOMPARE(date->text(), QStringLiteral("01.03.2024"));
        QCOMPARE(picked.size(), 1);
        QCOMPARE(picked.first().first().toInt(), 20240301);
        QVERIFY(date->lineEdit()->hasFocus());
    }

    void readOnlyDateField() {
        date->setDateNumber(20240315);
        date->setReadOnly(true);
        QVERIFY(!date->calendarButton()->isEnabled());
        date->showCalendar();
        QVERIFY(!date->openCalendar());
        date->setFocus();
        QTest::keyClick(date->lineEdit(), Qt::Key_F4);
        QVERIFY(!date->openCalendar());
        QTest::keyClicks(date->lineEdit(), QStringLiteral("11"));
        QCOMPARE(date->dateNumber(), 20240315);
        date->setReadOnly(false);
        QVERIFY(date->calendarButton()->isEnabled());
    }

    void tabGoesFromFieldToFieldPastTheCalendarButton() {
        amount->setFocus();
        QTest::keyClick(amount, Qt::Key_Tab);
        QVERIFY(date->lineEdit()->hasFocus());
        QTest::keyClick(date->lineEdit(), Qt::Key_Tab);
        QVERIFY(rate->hasFocus());
        date->setFocus();
        QVERIFY(date->lineEdit()->hasFocus());
    }

    void typedSeparatorBecomesTheSystemOne() {
        amount->setFocus();
        QTest::keyClicks(amount, QStringLiteral("12.5"));
        QCOMPARE(amount->text(), QStringLiteral("12,5"));
        amount->clear();
        amount->insert(QStringLiteral("1.25")); // as a paste inserts it
        QCOMPARE(amount->text(), QStringLiteral("1,25"));

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        amount->clear();
        QTest::keyClicks(amount, QStringLiteral("7,5"));
        QCOMPARE(amount->text(), QStringLiteral("7.5"));
    }

    void typedSeparatorCanBeUndone() {
        amount->setFocus();
        QTest::keyClicks(amount, QStringLiteral("3."));
        QCOMPARE(amount->text(), QStringLiteral("3,"));
        QVERIFY(amount->isUndoAvailable());
        QTest::keyClick(amount, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(amount->text() != QStringLiteral("3,"));
    }

    void leavingRewritesANumber_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("integerMode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("two decimals") << 2 << false << "12,5"
                                      << "12,50";
        QTest::newRow("rounded") << 2 << false << "0,125"
                                 << "0,13";
        QTest::newRow("rate") << 4 << false << "0,8"
                              << "0,8000";
        QTest::newRow("negative") << 2 << false << "-4"
                                  << "-4,00";
        QTest::newRow("text stays") << 2 << false << "12 zl"
                                    << "12 zl";
        QTest::newRow("empty stays") << 2 << false << ""
                                     << "";
        QTest::newRow("integer") << 2 << true << "12,6"
                                 << "13";
        QTest::newRow("integer from text") << 2 << true << "pierwszy"
                                           << "0";
        QTest::newRow("integer from empty") << 2 << true << ""
                                            << "0";
    }
    void leavingRewritesANumber() {
        QFETCH(int, decimals);
        QFETCH(bool, integerMode);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        amount->setDecimals(decimals);
        amount->setIntegerMode(integerMode);
        amount->setFocus();
        QTest::keyClicks(amount, typed);
        leave(amount);
        QCOMPARE(amount->text(), left);
    }

    void readOnlyNumberIsNotRewritten() {
        amount->setText(QStringLiteral("5"));
        amount->setReadOnly(true);
        amount->setFocus();
        leave(amount);
        QCOMPARE(amount->text(), QStringLiteral("5"));
    }

    void numberValue() {
        amount->setText(QStringLiteral("12,5"));
        QCOMPARE(amount->value(), std::optional<double>(12.5));
        amount->setText(QStringLiteral("12 km"));
        QCOMPARE(amount->value(), std::nullopt);
        rate->setValue(0.12345);
        QCOMPARE(rate->text(), QStringLiteral("0,1235"));
        amount->setIntegerMode(true);
        amount->setValue(41.5);
        QCOMPARE(amount->text(), QStringLiteral("42"));
    }
};

QTEST_MAIN(TestFieldWidgets)
#include "tst_fieldwidgets.moc"
