#include "support/gui/TableViewGridAdapter.h"

#include <QHeaderView>

namespace kv {

int TableViewGridAdapter::columnCount() const {
    return m_view ? m_view->horizontalHeader()->count() : 0;
}

int TableViewGridAdapter::columnWidth(int column) const {
    return m_view ? m_view->columnWidth(column) : 0;
}

void TableViewGridAdapter::setColumnWidth(int column, int width) {
    if (m_view && width > 0 && column >= 0 && column < columnCount())
        m_view->setColumnWidth(column, width);
}

} // namespace kv
