#include "framework/RegisterTableModel.h"

#include "framework/DisplayFormatters.h"
#include "storage/Query.h"

namespace kv {

RegisterTableModel::RegisterTableModel(const RegisterDescriptor& descriptor, QObject* parent)
    : QAbstractTableModel(parent), m_columns(descriptor.columns) {}

void RegisterTableModel::setRows(std::shared_ptr<const ResultSet> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_shownRows = m_rows ? m_rows->rowCount() : 0;
    m_sourceColumns.clear();
    for (const GridColumn& c : std::as_const(m_columns))
        m_sourceColumns.append(m_rows ? m_rows->columnIndex(c.field) : -1);
    endResetModel();
}

void RegisterTableModel::followQuery(const Query& query) {
    for (auto& c : m_following)
        disconnect(c);
    m_following[0] = connect(query.feed(), &QueryFeed::resultReplaced, this,
                             [this, &query] { setRows(query.result()); });
    m_following[1] = connect(query.feed(), &QueryFeed::rowsAppended, this,
                             &RegisterTableModel::showAppendedRows);
    setRows(query.result());
}

void RegisterTableModel::showAppendedRows() {
    const int rows = m_rows ? m_rows->rowCount() : 0;
    if (rows <= m_shownRows)
        return;
    beginInsertRows(QModelIndex(), m_shownRows, rows - 1);
    m_shownRows = rows;
    endInsertRows();
}

void RegisterTableModel::setHighlightedColumn(int column) {
    if (column == m_highlighted)
        return;
    m_highlighted = column;
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

void RegisterTableModel::setColumnTitle(int column, const QString& title) {
    if (column < 0 || column >= m_columns.size())
        return;
    m_columns[column].title = title;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int RegisterTableModel::columnOfField(const QString& field) const {
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).field.compare(field, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString RegisterTableModel::cellText(int row, int column) const {
    if (!m_rows || row < 0 || row >= m_shownRows || column < 0 || column >= m_columns.size())
        return {};
    const GridColumn& c = m_columns.at(column);
    if (c.format == Formatter::Computed)
        return m_formatter ? m_formatter(*m_rows, row, c) : QString();
    const int source = m_sourceColumns.value(column, -1);
    if (source < 0)
        return {};
    if (c.format == Formatter::Person)
        return formatPerson(m_rows->value(row, source), m_rows->value(row, QStringLiteral("IMIE")));
    return formatCell(c, m_rows->value(row, source));
}

int RegisterTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_rows ? 0 : m_shownRows;
}

int RegisterTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant RegisterTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return cellText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const GridColumn& c = m_columns.at(index.column());
        const bool right = c.format == Formatter::Money || c.format == Formatter::Rate ||
                           (c.format == Formatter::Computed && c.numeric);
        return QVariant((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return {};
}

QVariant RegisterTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    // The hint repeats the title: a narrow column may show only part of it.
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return m_columns.at(section).title;
    if (role == Qt::UserRole)
        return section == m_highlighted; // the view draws this title highlighted
    return {};
}

} // namespace kv
