#include "support/gui/ColumnWidths.h"

#include <QHeaderView>
#include <QTableView>
#include <algorithm>

namespace kv {

void widenColumnToTitle(QTableView* view, int column) {
    if (!view || !view->model() || column < 0 || column >= view->model()->columnCount())
        return;
    QHeaderView* header = view->horizontalHeader();
    QFont bold = header->font();
    bold.setBold(true);
    const QString title = view->model()->headerData(column, Qt::Horizontal).toString();
    // The padding the grid gives every title (see RegisterGrid's first widths).
    const int needed = QFontMetrics(bold).horizontalAdvance(title) + 18;
    header->resizeSection(column, std::max(header->sectionSize(column), needed));
}

} // namespace kv
