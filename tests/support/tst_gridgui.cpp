#include "support/GridLayoutStore.h"
#include "support/gui/GridWheelHandler.h"
#include "support/gui/TableViewGridAdapter.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace kv;

namespace {

// Sends one wheel turn to the view's viewport, at a point inside it unless told.
bool turnWheel(QTableView& view, int delta, QPoint at = QPoint(5, 5)) {
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
    return event.isAccepted();
}

} // namespace

class TestGridGui : public QObject {
    Q_OBJECT
    QStandardItemModel model{100, 4};

    void showView(QTableView& view) {
        view.setModel(&model);
        view.resize(300, 200);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
    }

private slots:
    void adapterBindsTheStorageToTheView() {
        auto view = std::make_unique<QTableView>();
        view->setModel(&model);
        GridLayoutStore storage(QTemporaryDir().filePath(QStringLiteral("karvento.ini")));
        storage.registerDataGrid(std::make_unique<TableViewGridAdapter>(view.get()),
                                 QStringLiteral("PojazdyGrid"));
        const int designWidth = view->columnWidth(0);
        view->setColumnWidth(0, 77);
        storage.restoreDefaults();
        QCOMPARE(view->columnWidth(0), designWidth);

        TableViewGridAdapter adapter(view.get());
        QCOMPARE(adapter.columnCount(), 4);
        adapter.setColumnWidth(1, 0); // would leave nothing to grab
        QCOMPARE(view->columnWidth(1), designWidth);
        view.reset();
        QCOMPARE(adapter.columnCount(), 0);
    }

    void wheelMovesTheCurrentRow_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<int>("row");
        QTest::newRow("towards the user") << 5 << QList<int>{-120} << 6;
        QTest::newRow("two notches away") << 5 << QList<int>{240} << 3;
        QTest::newRow("stops at the first row") << 1 << QList<int>{360} << 0;
        QTest::newRow("stops at the last row") << 98 << QList<int>{-360} << 99;
        QTest::newRow("fine steps add up") << 5 << QList<int>{60, 30, 30} << 4;
        QTest::newRow("turning back drops the rest") << 5 << QList<int>{60, -60, 60} << 5;
    }
    void wheelMovesTheCurrentRow() {
        QFETCH(int, start);
        QFETCH(QList<int>, deltas);
        QFETCH(int, row);
        QTableView view;
        showView(view);
        GridWheelHandler::install(&view, GridWheelHandler::Mode::MoveCurrentRow);
        view.setCurrentIndex(model.index(start, 2));
        for (int delta : deltas)
            QVERIFY(turnWheel(view, delta));
        QCOMPARE(view.currentIndex(), model.index(row, 2));
    }

    void wheelMovesTheRowOnlyWhileTheGridHasTheFocus() {
        QWidget window;
        auto* other = new QLineEdit(&window);
        auto* view = new QTableView(&window);
        view->setGeometry(0, 30, 300, 200);
        view->setModel(&model);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        GridWheelHandler::install(view, GridWheelHandler::Mode::MoveCurrentRow);
        view->setCurrentIndex(model.index(5, 0));
        other->setFocus();
        QVERIFY(!view->hasFocus());
        turnWheel(*view, -120);
        QCOMPARE(view->currentIndex().row(), 5);
        view->setFocus();
        turnWheel(*view, -120);
        QCOMPARE(view->currentIndex().row(), 6);
    }

    void wheelOutsideTheViewPassesOn() {
        QTableView view;
        showView(view);
        GridWheelHandler::install(&view, GridWheelHandler::Mode::MoveCurrentRow);
        GridWheelHandler::install(&view, GridWheelHandler::Mode::MoveCurrentRow);
        QCOMPARE(view.findChildren<GridWheelHandler*>().size(), 1);
        view.setCurrentIndex(model.index(5, 0));
        turnWheel(view, -120, QPoint(-10, -10));
        QCOMPARE(view.currentIndex().row(), 5);
    }

    void wheelScrollsAStringGrid_data() {
        QTest::addColumn<int>("mode");
        QTest::newRow("per item") << int(QAbstractItemView::ScrollPerItem);
        QTest::newRow("per pixel") << int(QAbstractItemView::ScrollPerPixel);
    }
    void wheelScrollsAStringGrid() {
        QFETCH(int, mode);
        QTableView view;
        view.setVerticalScrollMode(QAbstractItemView::ScrollMode(mode));
        showView(view);
        GridWheelHandler::install(&view, GridWheelHandler::Mode::ScrollRows);
        view.setCurrentIndex(model.index(0, 0));
        const auto topRow = [&view] { return view.rowAt(0); };

        turnWheel(view, -360);
        QCOMPARE(topRow(), 3);
        turnWheel(view, 1200);
        QCOMPARE(topRow(), 0);
        turnWheel(view, -120 * 200);
        QScrollBar* bar = view.verticalScrollBar();
        QCOMPARE(bar->value(), bar->maximum());
        QVERIFY(view.rowAt(view.viewport()->height() - 1) == 99);
        QCOMPARE(view.currentIndex().row(), 0);
    }
};

QTEST_MAIN(TestGridGui)
#include "tst_gridgui.moc"
