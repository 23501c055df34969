#pragma once

#include "support/GridColumns.h"

#include <QPointer>
#include <QTableView>

namespace kv {

// Binds a table view's columns to the grid layout storage. The view may go
// away before the storage: the adapter then reports no columns.
class TableViewGridAdapter : public GridColumns {
public:
    explicit TableViewGridAdapter(QTableView* view) : m_view(view) {}

    int columnCount() const override;
    int columnWidth(int column) const override;
    // A width below 1 is ignored: a column that narrow could not be grabbed
    // and widened again.
    void setColumnWidth(int column, int width) override;

private:
    QPointer<QTableView> m_view;
};

} // namespace kv
