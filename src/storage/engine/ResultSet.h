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
        const size_t cell = static_cast<size_t>(row) * m_columns.size() + column;
        return m_chunks[cell >> kChunkBits][cell & (kChunkCells - 1)];
    }
    // Missing column or row gives an invalid QVariant.
    QVariant value(int row, const QString& column) const;
    QString text(int row, const QString& column) const { return value(row, column).toString(); }

    void reserveRows(int rows) {
        const size_t cells = static_cast<size_t>(rows) * m_columns.size();
        m_chunks.reserve((cells + kChunkCells - 1) / kChunkCells);
    }
    // Appends one row; the caller pushes exactly columnCount() cells.
    void appendCell(QVariant value) {
        if (m_chunks.empty() || m_chunks.back().size() == kChunkCells)
            addChunk();
        m_chunks.back().push_back(std::move(value));
    }
    void finishRow() { ++m_rowCount; }
    // Appends the rows of another result with the same columns, moving its
    // cells (whole chunks while this result's chunks are full).
    void append(ResultSet&& rows);

private:
    // Cells live in fixed-size chunks rather than one growing array: a large
    // result then never moves its cells to a bigger buffer while it is read
    // (for 25,000 register rows that copying cost more than a tenth of the
    // query) and holds at most one partly used chunk instead of up to twice
    // the cells it needs. 2048 cells (64 KiB) stay below malloc's mmap
    // threshold, so the memory of one result is reused by the next.
    static constexpr int kChunkBits = 11;
    static constexpr size_t kChunkCells = size_t(1) << kChunkBits;
    void addChunk();

    QStringList m_columns;
    QHash<QString, int> m_index; // upper-case name -> first column of that name
    std::vector<std::vector<QVariant>> m_chunks;
    int m_rowCount = 0;
};

} // namespace kv
