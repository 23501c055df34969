#include "framework/CurrentRecord.h"

#include "framework/DisplayFormatters.h"
#include "storage/engine/ResultSet.h"

namespace kv {

QString currentGridText(RegisterController& reg, const QString& column) {
    const auto rows = reg.rows();
    const int row = reg.currentRow();
    if (!rows || row < 0 || row >= rows->rowCount())
        return QString();
    for (const GridColumn& c : reg.descriptor().columns) {
        if (c.field.compare(column, Qt::CaseInsensitive) != 0)
            continue;
        if (c.format == Formatter::Computed) {
            const auto cells = reg.computedCells();
            return cells ? cells(*rows, row, c) : QString();
        }
        return formatCell(c, rows->value(row, c.field));
    }
    return formatPlain(rows->value(row, column));
}

} // namespace kv
