#pragma once

#include "framework/RegisterSums.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kv {

// The column sums window (TfSumy): modeless, a row of labels over a row of
// values under the register's caption. It keeps showing the last result
// until "Przelicz sumy" is clicked again.
class ColumnSumsWindow : public QDialog {
    Q_OBJECT
public:
    explicit ColumnSumsWindow(QWidget* parent = nullptr);

    // Shows the sums (again), in front.
    void present(const ColumnSums& sums);

    QTableWidget* table() const { return m_table; }
    QString caption() const;

private:
    QLabel* m_caption;
    QTableWidget* m_table;
};

} // namespace kv
