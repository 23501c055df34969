#include "reports/ReportRow.h"

#include "framework/DisplayFormatters.h"
#include "storage/engine/ResultSet.h"
#include "support/Decimal.h"

namespace kv {

ReportRow::ReportRow(std::shared_ptr<const ResultSet> rows, const RegisterDescriptor* d,
                     RegisterTableModel::CellFormatter computed)
    : m_rows(std::move(rows)), m_descriptor(d) {
    if (d) {
        m_model = std::make_unique<RegisterTableModel>(*d);
        if (computed)
            m_model->setCellFormatter(std::move(computed));
        m_model->setRows(m_rows);
    }
}

ReportRow::ReportRow(std::shared_ptr<const ResultSet> rows) : m_rows(std::move(rows)) {}

int ReportRow::rowCount() const {
    return m_rows ? m_rows->rowCount() : 0;
}

QVariant ReportRow::raw(const QString& field) const {
    if (!m_rows || m_row < 0 || m_row >= m_rows->rowCount())
        return {};
    return m_rows->value(m_row, field);
}

QString ReportRow::rawText(const QString& field) const {
    return formatPlain(raw(field));
}

QString ReportRow::shown(const QString& field) const {
    if (m_model && m_descriptor) {
        const QList<GridColumn>& cols = m_descriptor->columns;
        for (int c = 0; c < cols.size(); ++c)
            if (cols.at(c).field.compare(field, Qt::CaseInsensitive) == 0)
                return m_model->cellText(m_row, c);
    }
    return rawText(field);
}

QString ReportRow::number(const QString& field) const {
    try {
        if (const auto d = Decimal::fromStored(raw(field)))
            return formatDecimal(*d, 2);
    } catch (const DecimalError&) {
    }
    return {};
}

QString ReportRow::dateText(const QString& field) const {
    return formatDateValue(raw(field));
}

QString ReportRow::timeText(const QString& field) const {
    return formatTimeValue(raw(field));
}

} // namespace kv
