#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace kv {

// The rows of one SELECT, held in memory. Cells are stored row by row; integer
// columns come back as qint64, floating-point ones as double, texts as QString
// and NULL as an invalid QVariant.
class ResultSet {
public:
    ResultSet() = default;
    explicit ResultSet(QStringList columns);

    const QStringList& columns() const { return m_columns; }
    int columnCount() const { return static_cast<int>(m_columns.size()); }
    int rowCount() const { return m_rowCount; }
    bool isEmpty() const { return m_rowCount == 0; }

    // Column index by name, compared without regard to case; -1 when absent.
    int columnIndex(const QString& name) const;

    const QVariant& value(int row, int column) const {
        return m_cells[static_cast<size_t>(row) * m_columns.size() + column];
    }
    // Missing column or row gives an invalid QVariant.
    QVariant value(int row, const QString& column) const;
    QString text(int row, const QString& column) const { return value(row, column).toString(); }

    void reserveRows(int rows) { m_cells.reserve(static_cast<size_t>(rows) * m_columns.size()); }
    // Appends one row; the caller pushes exactly columnCount() cells.
    void appendCell(QVariant value) { m_cells.push_back(std::move(value)); }
    void finishRow() { ++m_rowCount; }

private:
    QStringList m_columns;
    QHash<QString, int> m_index; // upper-case name -> first column of that name
    std::vector<QVariant> m_cells;
    int m_rowCount = 0;
};

} // namespace kv
