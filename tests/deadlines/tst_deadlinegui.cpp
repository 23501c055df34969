#include "TestSupport.h"

#include "deadlines/DayTips.h"
#include "deadlines/ReminderNotes.h"
#include "deadlines/gui/DeadlineWindow.h"
#include "deadlines/gui/NoteWindows.h"
#include "storage/ProgramOptions.h"
#include "support/IniFile.h"
#include "support/gui/DateField.h"

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace kv;

// The checker's window, the notes windows and the tip window, as a user
// drives them.
class TestDeadlineGui : public QObject {
    Q_OBJECT
    test::TestEnvironment env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland)); }
    void init() {
        env.ui().clear();
        programOptions() = ProgramOptions{};
    }

    void pagesFollowTheRun() {
        DataModule db;
        DeadlineWindow w(db);
        DeadlineRunResult r;
        r.shown[0] = r.shown[1] = true;
        r.lists.mileage.rows << QStringList{"50000,00 km", "WA 1, Skoda", "Naprawa", "", "7", "2"};
        r.activePage = ReminderListKind::Mileage;
        w.setResult(r);
        QVERIFY(w.pages()->isTabVisible(0));
        QVERIFY(w.pages()->isTabVisible(1));
        QVERIFY(!w.pages()->isTabVisible(2));
        QCOMPARE(w.activeList(), ReminderListKind::Mileage);
        QTableWidget* dates = w.table(ReminderListKind::Dates);
        QCOMPARE(dates->objectName(), QStringLiteral("SGTabela1"));
        QCOMPARE(dates->rowCount(), 1);
        QCOMPARE(dates->item(0, 2)->text().trimmed(), kNothingFoundText);
        QTableWidget* mileage = w.table(ReminderListKind::Mileage);
        QVERIFY(mileage->isColumnHidden(4));
        QVERIFY(mileage->isColumnHidden(5));
        QVERIFY(!mileage->isColumnHidden(3));
        QCOMPARE(mileage->item(0, 1)->text(), QStringLiteral(" WA 1, Skoda"));
        QVERIFY(w.table(ReminderListKind::Warehouse)->isColumnHidden(3));
        // Commands on a list without results do nothing.
        w.pages()->setCurrentIndex(0);
        w.deleteRow();
        w.deactivateRow();
        QVERIFY(env.ui().messages().isEmpty());
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("BIdzDo")));
    }

    void columnWidthsAreKeptWithTheGridLayouts() {
        DataModule db;
        {
            DeadlineWindow w(db);
            w.table(ReminderListKind::Mileage)->setColumnWidth(1, 333);
            w.accept();
        }
        IniFile ini(optionsFilePath());
        QVERIFY(ini.load());
        QVERIFY(ini.readString(QStringLiteral("GRID"), QStringLiteral("SGTabela2"), {})
                    .startsWith(QStringLiteral("110,333,")));
        DeadlineWindow again(db);
        QCOMPARE(again.table(ReminderListKind::Mileage)->columnWidth(1), 333);
        QVERIFY(again.table(ReminderListKind::Mileage)->isColumnHidden(4));
    }

    void notesWindowWalksTheSlotsAndStoresOnLeaving() {
        ReminderNotes notes;
        notes.slot(1) = {"01.03.2024", "pierwsza", {}};
        notes.slot(30) = {"", "ostatnia", {}};
        NotesDialog d(notes);
        QCOMPARE(d.textField()->toPlainText(), QStringLiteral("pierwsza"));
        d.previous(); // from 1 to 30
        QCOMPARE(d.shownSlot(), 30);
        QCOMPARE(d.textField()->toPlainText(), QStringLiteral("ostatnia"));
        d.next(); // from 30 to 1
        QCOMPARE(d.shownSlot(), 1);
        // A note of blanks is emptied with its date when left.
        d.textField()->setPlainText(QStringLiteral("   "));
        d.next();
        QCOMPARE(notes.slot(1), ReminderNote{});
        // A date with month 13 is dropped, the text kept.
        d.dateField()->setText(QStringLiteral("05.13.2024"));
        d.textField()->setPlainText(QStringLiteral("druga"));
        d.accept();
        QCOMPARE(notes.slot(2).text, QStringLiteral("druga"));
        QCOMPARE(notes.slot(2).date, QString());
        // The typed text is held to 250 characters.
        NotesDialog again(notes);
        again.textField()->setPlainText(QString(300, u'x'));
        QCOMPARE(again.textField()->toPlainText().size(), 250);
    }

    void clearingANoteAsksFirst() {
        ReminderNotes notes;
        notes.slot(1) = {"01.03.2024", "zostaje", {}};
        NotesDialog d(notes);
        env.ui().queueAnswer(false);
        d.clearNote();
        QCOMPARE(notes.slot(1).text, QStringLiteral("zostaje"));
        programOptions().pytajPrzedKasowaniem = false;
        d.clearNote();
        QCOMPARE(notes.slot(1), ReminderNote{});
        QCOMPARE(d.textField()->toPlainText(), QString());
    }

    void tipWindowRemembersItsCheckBox() {
        DayTips tips;
        tips.setTips({QStringLiteral("Pierwsza"), QStringLiteral("Druga")});
        TipDialog d(tips);
        QTimer::singleShot(0, [&d] {
            d.dontShowBox()->setChecked(true);
            d.accept();
        });
        d.showAndRemember();
        QVERIFY(!programOptions().pokazujPoradeDnia);
        QVERIFY(d.shownText() == QStringLiteral("Pierwsza") ||
                d.shownText() == QStringLiteral("Druga"));
        // Saved at once.
        QVERIFY(!ProgramOptions::load(optionsFilePath()).pokazujPoradeDnia);
        const QString before = d.shownText();
        d.nextTip();
        QVERIFY(d.shownText() != before);
    }

    void temporaryNotesStartWithTheirTwoLines() {
        TemporaryNotesWindow w;
        QVERIFY(w.memo()->toPlainText().startsWith(QStringLiteral("To jest notatnik")));
        w.memo()->setPlainText(QStringLiteral("moje"));
        w.show();
        QTest::keyClick(w.memo(), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.memo()->toPlainText(), QStringLiteral("moje"));
        w.reset();
        QCOMPARE(w.memo()->toPlainText().count(u'\n'), 1);
    }
};

QTEST_MAIN(TestDeadlineGui)
#include "tst_deadlinegui.moc"
