#pragma once

#include <QObject>

class QAbstractItemView;

namespace kv {

// The mouse wheel over a grid. Each notch (an angle of 120) moves by one row,
// the wheel turned away from the user moving up:
// - MoveCurrentRow (the register grids): the current row moves, as the
//   keyboard arrows would move it, staying within the rows;
// - ScrollRows (plain tables of texts): the visible rows scroll, never above
//   the first row nor past the last rows that fill the view.
// Smaller steps of fine-grained wheels and touch pads add up to a notch.
// Wheel events outside the view, or sideways, pass on untouched.
class GridWheelHandler : public QObject {
    Q_OBJECT
public:
    enum class Mode { MoveCurrentRow, ScrollRows };

    // Installs the handler on the view (once: installing again only changes
    // the mode). The view owns it.
    static GridWheelHandler* install(QAbstractItemView* view, Mode mode);

    Mode mode() const { return m_mode; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GridWheelHandler(QAbstractItemView* view, Mode mode);

    void moveCurrentRow(int rows);
    void scrollRows(int rows);

    QAbstractItemView* m_view;
    Mode m_mode;
    int m_pendingDelta = 0;
};

} // namespace kv
