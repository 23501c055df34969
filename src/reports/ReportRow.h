#pragma once

#include "framework/RegisterTableModel.h"

#include <QVariant>
#include <memory>

namespace kv {

class ResultSet;
struct RegisterDescriptor;

// One row of the rows a report walks, read the ways the reports print a
// field: as the register's grid shows it, as stored, as a number with two
// decimals, as a date or a time.
class ReportRow {
public:
    // Rows of a register: shown texts come from the register's grid model
    // (its formatters and computed columns).
    ReportRow(std::shared_ptr<const ResultSet> rows, const RegisterDescriptor* d,
              RegisterTableModel::CellFormatter computed);
    // Rows of a statement of its own: shown texts are the stored ones.
    explicit ReportRow(std::shared_ptr<const ResultSet> rows);

    int rowCount() const;
    void setRow(int row) { m_row = row; }
    int row() const { return m_row; }
    const ResultSet* rows() const { return m_rows.get(); }

    QVariant raw(const QString& field) const;
    QString rawText(const QString& field) const; // numbers without trailing zeros
    QString shown(const QString& field) const;
    QString number(const QString& field) const; // "0.00", "" when unreadable
    QString dateText(const QString& field) const;
    QString timeText(const QString& field) const;

private:
    std::shared_ptr<const ResultSet> m_rows;
    std::unique_ptr<RegisterTableModel> m_model;
    const RegisterDescriptor* m_descriptor = nullptr;
    int m_row = 0;
};

} // namespace kv
