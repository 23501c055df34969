#pragma once

class QTableView;

namespace kv {

// Widens a grid column so its title is shown whole, also in bold (the sort
// column's title is drawn bold); a column already wide enough keeps its
// width. For titles that change while the program runs, such as those named
// after the user's own vehicle kinds.
void widenColumnToTitle(QTableView* view, int column);

} // namespace kv
