#include "support/gui/GridWheelHandler.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

namespace kv {

namespace {
constexpr int kNotch = 120;
}

GridWheelHandler::GridWheelHandler(QAbstractItemView* view, Mode mode)
    : QObject(view), m_view(view), m_mode(mode) {
    // Wheel events reach the viewport, not the view itself.
    view->viewport()->installEventFilter(this);
}

GridWheelHandler* GridWheelHandler::install(QAbstractItemView* view, Mode mode) {
    if (!view)
        return nullptr;
    auto* existing = view->findChild<GridWheelHandler*>(QString(), Qt::FindDirectChildrenOnly);
    if (existing) {
        existing->m_mode = mode;
        return existing;
    }
    return new GridWheelHandler(view, mode);
}

bool GridWheelHandler::eventFilter(QObject* watched, QEvent* event) {
    // Without the keyboard focus the grid scrolls as any list does.
    if (event->type() != QEvent::Wheel || watched != m_view->viewport() || !m_view->hasFocus())
        return false;
    auto* wheel = static_cast<QWheelEvent*>(event);
    const int delta = wheel->angleDelta().y();
    if (delta == 0 || !m_view->viewport()->rect().contains(wheel->position().toPoint()))
        return false;

    // A turn in the other direction drops what was left of the last one.
    if ((m_pendingDelta > 0) != (delta > 0))
        m_pendingDelta = 0;
    m_pendingDelta += delta;
    const int notches = m_pendingDelta / kNotch;
    m_pendingDelta -= notches * kNotch;
    if (notches != 0) {
        if (m_mode == Mode::MoveCurrentRow)
            moveCurrentRow(-notches);
        else
            scrollRows(-notches);
    }
    wheel->accept();
    return true;
}

void GridWheelHandler::moveCurrentRow(int rows) {
    const QAbstractItemModel* model = m_view->model();
    if (!model)
        return;
    const QModelIndex root = m_view->rootIndex();
    const int rowCount = model->rowCount(root);
    if (rowCount == 0 || model->columnCount(root) == 0)
        return;
    const QModelIndex current = m_view->currentIndex();
    const int row = current.isValid() ? current.row() : 0;
    const int column = current.isValid() ? current.column() : 0;
    const int target = std::clamp(row + rows, 0, rowCount - 1);
    if (current.isValid() && target == row)
        return;
    const QModelIndex index = model->index(target, column, root);
    m_view->setCurrentIndex(index);
    m_view->scrollTo(index);
}

void GridWheelHandler::scrollRows(int rows) {
    if (m_view->verticalScrollMode() == QAbstractItemView::ScrollPerItem) {
        // One scroll-bar step is one row; the bar keeps within its range,
        // whose end shows the last rows filling the view.
        QScrollBar* bar = m_view->verticalScrollBar();
        bar->setValue(bar->value() + rows);
        return;
    }
    const QAbstractItemModel* model = m_view->model();
    if (!model)
        return;
    const QModelIndex top = m_view->indexAt(QPoint(0, 0));
    if (!top.isValid())
        return;
    const int rowCount = model->rowCount(m_view->rootIndex());
    const int target = std::clamp(top.row() + rows, 0, rowCount - 1);
    m_view->scrollTo(model->index(target, top.column(), m_view->rootIndex()),
                     QAbstractItemView::PositionAtTop);
}

} // namespace kv
