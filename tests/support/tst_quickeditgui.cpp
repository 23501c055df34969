#include "ModalWindows.h"
#include "ScriptedUserInterface.h"
#include "support/DateNumbers.h"
#include "support/gui/DateField.h"
#include "support/gui/NumberField.h"
#include "support/gui/dialogs/QuickEditDialog.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace kv;
using kv::test::whenShown;

// The quick edit window as the deadline checker uses it: one odometer reading,
// one date or a date range. Its messages go to a scripted interface.
class TestQuickEditGui : public QObject {
    Q_OBJECT
    std::unique_ptr<ScopedScriptedUi> messages;
    std::unique_ptr<QuickEditDialog> window;

    bool editWith(std::function<void(QuickEditDialog*)> action) {
        whenShown<QuickEditDialog>(action);
        return window->edit();
    }

private slots:
    void init() {
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        messages = std::make_unique<ScopedScriptedUi>();
        window = std::make_unique<QuickEditDialog>();
    }
    void cleanup() {
        window.reset();
        messages.reset();
    }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }

    void designTexts() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Szybka edycja pola"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("Tytul"))->text(),
                 QStringLiteral("Zmień pole"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("labPole"))->text(),
                 QStringLiteral("Stan licznika"));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("labDo"))->text(), QStringLiteral("do"));
        QVERIFY(window->findChild<QToolButton*>(QStringLiteral("fDTPDATA")));
        QVERIFY(window->findChild<QToolButton*>(QStringLiteral("fDTPDATADO")));
        QCOMPARE(window->saveButton()->text(), QStringLiteral("&Zapisz"));
        QCOMPARE(window->cancelButton()->text(), QStringLiteral("&Anuluj"));
        QCOMPARE(window->odometerEntry()->maxLength(), 18);
    }

    void odometerIsWrittenBackWithTwoDecimals_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("saved");
        QTest::newRow("comma") << "12,5"
                               << "12,50";
        QTest::newRow("point typed") << "12.5"
                                     << "12,50";
        QTest::newRow("not a number") << "dwanascie"
                                      << "0";
    }
    void odometerIsWrittenBackWithTwoDecimals() {
        QFETCH(QString, typed);
        QFETCH(QString, saved);
        window->setEntries(true, false, false);
        window->setCaption(QStringLiteral("Zmień stan licznika"));
        window->setOdometerText(QStringLiteral("100"));
        QString typedShown;
        QVERIFY(editWith([&](QuickEditDialog* w) {
            // The whole entry is selected, so typing replaces it.
            QTest::keyClicks(w->odometerEntry(), typed);
            typedShown = w->odometerText();
            QTest::keyClick(w->odometerEntry(), Qt::Key_Return);
        }));
        QCOMPARE(typedShown, QString(typed).replace(u'.', u','));
        QCOMPARE(window->odometerText(), saved);
        QCOMPARE(window->windowTitle(), QStringLiteral("Zmień stan licznika"));
        QVERIFY((*messages)->messages().isEmpty());
    }

    void reversedRangeIsRefusedUntilCorrected() {
        window->setEntries(false, true, true);
        window->setFieldLabel(QStringLiteral("Okres"));
        window->setDateText(QStringLiteral("15.03.2024"));
        window->setDateToText(QStringLiteral("14.03.2024"));
        bool stayedOpen = false, focusOnFrom = false;
        QVERIFY(editWith([&](QuickEditDialog* w) {
            QTest::keyClick(w->dateToEntry()->lineEdit(), Qt::Key_Return);
            stayedOpen = w->isVisible();
            focusOnFrom = w->dateEntry()->lineEdit()->hasFocus();
            w->setDateToText(QStringLiteral("15.03.2024")); // equal dates pass
            w->saveButton()->click();
        }));
        QVERIFY(stayedOpen);
        QVERIFY(focusOnFrom);
        const ScriptedUserInterface& ui = **messages;
        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(ui.last().caption, QStringLiteral("Uwaga"));
        QCOMPARE(ui.last().text, QStringLiteral("Data od większa niż data do. Popraw pola."));
        QCOMPARE(window->dateToText(), QStringLiteral("15.03.2024"));
    }

    void blankDateIsRefusedWithFocusOnIt() {
        window->setEntries(false, true, true);
        window->setDateText(QStringLiteral("15.03.2024"));
        window->setDateToText(QString());
        bool focusOnTo = false;
        QVERIFY(!editWith([&](QuickEditDialog* w) {
            w->saveButton()->click();
            focusOnTo = w->dateToEntry()->lineEdit()->hasFocus();
            QTest::keyClick(w, Qt::Key_Escape);
        }));
        QVERIFY(focusOnTo);
        QCOMPARE((*messages)->last().text,
                 QStringLiteral("Niepoprawny format daty do. Popraw pole"));
        QVERIFY(!window->saved());
    }

    void cancelAfterASaveLeavesTheFlagClear() {
        window->setEntries(false, true, false);
        window->setDateText(QStringLiteral("01.02.2024"));
        QVERIFY(editWith([](QuickEditDialog* w) { w->saveButton()->click(); }));
        QVERIFY(!editWith([](QuickEditDialog* w) { w->cancelButton()->click(); }));
        QVERIFY(!window->saved());
    }

    void onlyTheChosenEntriesShow() {
        window->setEntries(false, true, false);
        window->setDateText(QStringLiteral("01.02.2024"));
        bool odometer = true, date = false, dateTo = true, dateFocused = false;
        QString selected;
        QVERIFY(!editWith([&](QuickEditDialog* w) {
            odometer = w->odometerEntry()->isVisible();
            date = w->dateEntry()->isVisible();
            dateTo = w->dateToEntry()->isVisible();
            dateFocused = w->dateEntry()->lineEdit()->hasFocus();
            QTest::qWait(20);
            selected = w->dateEntry()->lineEdit()->selectedText();
            w->reject();
        }));
        QCOMPARE(selected, QStringLiteral("01.02.2024"));
        QVERIFY(!odometer);
        QVERIFY(date);
        QVERIFY(!dateTo);
        QVERIFY(dateFocused);
    }
};

QTEST_MAIN(TestQuickEditGui)
#include "tst_quickeditgui.moc"
