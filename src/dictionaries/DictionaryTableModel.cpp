#include "dictionaries/DictionaryTableModel.h"

#include "dictionaries/DictionaryEntry.h"
#include "storage/engine/ResultSet.h"

namespace kv {

DictionaryTableModel::DictionaryTableModel(const DictionaryList& list, QObject* parent)
    : QAbstractTableModel(parent), m_list(list) {}

void DictionaryTableModel::setRows(std::shared_ptr<const ResultSet> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int DictionaryTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_rows ? 0 : m_rows->rowCount();
}

int DictionaryTableModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return m_list.second == SecondValue::VatFlag || m_list.second == SecondValue::RouteLength ? 2
                                                                                              : 1;
}

QVariant DictionaryTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_rows || index.row() >= m_rows->rowCount())
        return {};
    const bool second = index.column() == 1;
    if (role == Qt::TextAlignmentRole && second && m_list.second == SecondValue::RouteLength)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    if (!second)
        return m_rows->text(index.row(), QStringLiteral("OPIS"));
    const QString value = m_rows->text(index.row(), QStringLiteral("UZUP1"));
    return m_list.second == SecondValue::RouteLength ? routeLengthForDisplay(value) : value;
}

QVariant DictionaryTableModel::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    if (section == 0)
        return m_list.gridTitle;
    return m_list.second == SecondValue::VatFlag ? QStringLiteral("Odliczyć VAT?")
                                                 : QStringLiteral("długość (w km)");
}

} // namespace kv
