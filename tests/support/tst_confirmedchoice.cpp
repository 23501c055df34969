#include "support/gui/ConfirmedChoice.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QTest>

using namespace kv;

// When a list's choice applies: keys on the closed list and Enter do, a click
// in the open list waits for Enter.
class TestConfirmedChoice : public QObject {
    Q_OBJECT

private slots:
    void aClickInTheOpenListWaitsForEnter() {
        QComboBox list;
        list.addItems({QStringLiteral("(Wszystkie)"), QStringLiteral("Styczeń"),
                       QStringLiteral("Luty"), QStringLiteral("Marzec")});
        int applied = 0;
        onConfirmedChoice(&list, [&] { ++applied; });
        list.show();
        QVERIFY(QTest::qWaitForWindowActive(&list));

        QTest::keyClick(&list, Qt::Key_Down); // closed list: applies at once
        QCOMPARE(list.currentIndex(), 1);
        QCOMPARE(applied, 1);

        list.showPopup();
        QAbstractItemView* view = list.view();
        QTRY_VERIFY(view->isVisible());
        // The list ignores releases just after it opened (the opening click).
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        const QRect item = view->visualRect(list.model()->index(3, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
        QTRY_VERIFY(!view->isVisible());
        QCOMPARE(list.currentIndex(), 3);
        QCOMPARE(applied, 1);

        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(applied, 2);
        // A stray release left no mark: the next key change applies.
        QTest::keyClick(&list, Qt::Key_Up);
        QCOMPARE(applied, 3);
    }
};

QTEST_MAIN(TestConfirmedChoice)
#include "tst_confirmedchoice.moc"
