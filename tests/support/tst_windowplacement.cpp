#include "support/WindowPlacement.h"

#include <QTest>

using namespace kv;

// A window restored from a larger screen stays within reach.
class TestWindowPlacement : public QObject {
    Q_OBJECT

private slots:
    void framesAreKeptInsideTheScreen() {
        const QRect screen(0, 0, 1280, 1000);
        // Fits: untouched.
        QCOMPARE(placeWithin(QRect(100, 50, 1000, 700), screen), QRect(100, 50, 1000, 700));
        // Hangs over the right and lower edges: moved back, size kept.
        QCOMPARE(placeWithin(QRect(600, 600, 1000, 700), screen), QRect(280, 300, 1000, 700));
        // Larger than the screen (stored on a bigger one): shrunk to it.
        QCOMPARE(placeWithin(QRect(-50, -20, 1920, 1200), screen), QRect(0, 0, 1280, 1000));
        // A second screen to the left, the available area not at the origin.
        const QRect left(-1024, 40, 1024, 728);
        QCOMPARE(placeWithin(QRect(-2000, 0, 800, 600), left), QRect(-1024, 40, 800, 600));
        // Nothing known about the screen: nothing changes.
        QCOMPARE(placeWithin(QRect(5000, 5000, 10, 10), QRect()), QRect(5000, 5000, 10, 10));
    }
};

QTEST_GUILESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
