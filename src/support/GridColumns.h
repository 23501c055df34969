#pragma once

namespace kv {

// What the grid layout storage needs of a grid: its columns and their widths.
// The windows bind it to a table view (gui/TableViewGridAdapter); tests use a
// plain list of widths.
class GridColumns {
public:
    virtual ~GridColumns() = default;

    virtual int columnCount() const = 0;
    virtual int columnWidth(int column) const = 0;
    virtual void setColumnWidth(int column, int width) = 0;
};

} // namespace kv
