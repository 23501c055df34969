#include "storage/engine/ResultSet.h"

namespace kv {

ResultSet::ResultSet(QStringList columns) : m_columns(std::move(columns)) {
    for (int i = 0; i < m_columns.size(); ++i) {
        const QString key = m_columns.at(i).toUpper();
        if (!m_index.contains(key))
            m_index.insert(key, i);
    }
}

int ResultSet::columnIndex(const QString& name) const {
    return m_index.value(name.toUpper(), -1);
}

QVariant ResultSet::value(int row, const QString& column) const {
    const int c = columnIndex(column);
    if (c < 0 || row < 0 || row >= m_rowCount)
        return {};
    return value(row, c);
}

void ResultSet::append(ResultSet&& rows) {
    if (rows.m_rowCount == 0)
        return;
    Q_ASSERT(rows.m_columns.size() == m_columns.size());
    const size_t cells = static_cast<size_t>(m_rowCount) * m_columns.size();
    if (cells % kChunkCells == 0) {
        // Every chunk here is full: the other result's chunks follow as they are.
        for (auto& chunk : rows.m_chunks)
            m_chunks.push_back(std::move(chunk));
    } else {
        for (auto& chunk : rows.m_chunks)
            for (QVariant& cell : chunk)
                appendCell(std::move(cell));
    }
    m_rowCount += rows.m_rowCount;
    rows.m_chunks.clear();
    rows.m_rowCount = 0;
}

void ResultSet::addChunk() {
    m_chunks.emplace_back();
    m_chunks.back().reserve(kChunkCells);
}

} // namespace kv
