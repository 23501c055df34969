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

void ResultSet::addChunk() {
    m_chunks.emplace_back();
    m_chunks.back().reserve(kChunkCells);
}

} // namespace kv
