#pragma once

#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace kv::demo {

// One row to insert: column names with their values, in the order set.
struct DemoRow {
    std::vector<std::pair<QString, QVariant>> cells;

    DemoRow& set(const QString& column, QVariant value) {
        for (auto& cell : cells)
            if (cell.first == column) {
                cell.second = std::move(value);
                return *this;
            }
        cells.emplace_back(column, std::move(value));
        return *this;
    }
    QVariant value(const QString& column) const {
        for (const auto& cell : cells)
            if (cell.first == column)
                return cell.second;
        return {};
    }
};

// Rows grouped by table (base name), tables in the order first used.
class DemoDataSet {
public:
    DemoRow& add(const QString& table) {
        for (auto& t : m_tables)
            if (t.first == table)
                return t.second.emplace_back();
        return m_tables.emplace_back(table, std::vector<DemoRow>{}).second.emplace_back();
    }
    const std::vector<DemoRow>& rows(const QString& table) const {
        static const std::vector<DemoRow> none;
        for (const auto& t : m_tables)
            if (t.first == table)
                return t.second;
        return none;
    }
    const std::vector<std::pair<QString, std::vector<DemoRow>>>& tables() const { return m_tables; }

private:
    std::vector<std::pair<QString, std::vector<DemoRow>>> m_tables;
};

} // namespace kv::demo
