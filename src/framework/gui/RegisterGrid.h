#pragma once

#include <QObject>
#include <QPointer>
#include <QTableView>

namespace kv {

class RegisterController;
class RegisterTableModel;

// A register's grid: the table view with the register's model, whole-row
// selection, the highlighted sort title, title clicks that sort, the mouse
// wheel that moves the current row, fixed column order, and the current row
// kept in step with the register's cursor.
class RegisterGrid : public QObject {
    Q_OBJECT
public:
    RegisterGrid(QTableView* view, RegisterController& controller, QObject* parent = nullptr);

    QTableView* view() const { return m_view; }
    RegisterController& controller() const { return m_controller; }
    RegisterTableModel* model() const { return m_model; }

    // Reruns the register's statement and shows its rows (the previous rows
    // stay when it fails), with the cursor on the register's current row. It
    // returns with the first screen of rows; the rest are added as they are
    // read.
    bool refresh();
    // Shows the rows the controller holds now, without running anything.
    void showRows();
    // Selects the register's current row in the view.
    void showCurrentRow();

signals:
    // Double click or Enter on a row.
    void editRequested();
    // Delete key on a row.
    void deleteRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void titleClicked(int section);
    void highlightSortColumn();

    QPointer<QTableView> m_view;
    RegisterController& m_controller;
    RegisterTableModel* m_model;
    bool m_syncing = false;
    int m_across = 0; // the horizontal scroll position kept over a reset
};

} // namespace kv
