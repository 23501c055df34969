#include "storage/Query.h"

namespace kv {

Query::Query(QString name, ConnectionKind connection, const StatementTemplate& statement)
    : m_name(std::move(name)), m_connection(connection), m_lines(statement.lines()),
      m_original(statement.lines()), m_slots(statement.slotIndexes()),
      m_feed(std::make_unique<QueryFeed>()) {}

Query::~Query() = default;

void Query::setSlot(const QString& slot, const QString& text) {
    Q_ASSERT_X(m_slots.contains(slot), "Query::setSlot", qPrintable(m_name + u' ' + slot));
    if (const auto it = m_slots.constFind(slot); it != m_slots.cend())
        m_lines[it.value()] = text;
}

void Query::setLine(int index, const QString& text) {
    Q_ASSERT_X(index >= 0 && index < m_lines.size(), "Query::setLine", qPrintable(m_name));
    if (index >= 0 && index < m_lines.size())
        m_lines[index] = text;
}

bool Query::replaceInLine(int index, const QString& from, const QString& to) {
    if (index < 0 || index >= m_lines.size())
        return false;
    const int at = m_lines.at(index).indexOf(from);
    if (at < 0)
        return false;
    m_lines[index].replace(at, from.size(), to);
    return true;
}

void Query::setResult(std::shared_ptr<const ResultSet> result, int wantedRow) {
    m_result = std::move(result);
    m_currentRow = m_result && m_result->rowCount() > 0 ? 0 : -1;
    m_wantedRow = wantedRow;
    rowsArrived(false);
}

void Query::rowsArrived(bool finished) {
    const int rows = rowCount();
    if (m_currentRow < 0 && rows > 0)
        m_currentRow = 0;
    if (m_wantedRow < 0)
        return;
    if (m_wantedRow < rows) {
        m_currentRow = m_wantedRow;
        m_wantedRow = -1;
    } else if (finished) {
        m_currentRow = rows - 1;
        m_wantedRow = -1;
    }
}

void Query::close() {
    m_result.reset();
    m_currentRow = -1;
    m_wantedRow = -1;
}

QVariant Query::currentValue(const QString& column) const {
    if (!m_result || m_currentRow < 0)
        return {};
    return m_result->value(m_currentRow, column);
}

} // namespace kv
