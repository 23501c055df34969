#pragma once

#include "dictionaries/DictionaryLists.h"

#include <QAbstractTableModel>
#include <memory>

namespace kv {

class ResultSet;

// The entries of one list as the dictionary window's grid shows them: the
// entry text under the list's title, and for expense kinds "Odliczyć VAT?",
// for routes "długość (w km)".
class DictionaryTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit DictionaryTableModel(const DictionaryList& list, QObject* parent = nullptr);

    const DictionaryList& list() const { return m_list; }
    void setRows(std::shared_ptr<const ResultSet> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const DictionaryList& m_list;
    std::shared_ptr<const ResultSet> m_rows;
};

} // namespace kv
