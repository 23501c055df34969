#include "import/gui/ImportSheetModel.h"

#include "import/ImportSession.h"

#include <QBrush>
#include <QColor>

namespace kv {

ImportSheetModel::ImportSheetModel(const ImportSession& session, QObject* parent)
    : QAbstractTableModel(parent), m_session(session) {}

void ImportSheetModel::reload() {
    beginResetModel();
    endResetModel();
}

int ImportSheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_session.sheet().lineCount();
}

int ImportSheetModel::columnCount(const QModelIndex& parent) const {
    // An empty sheet still shows one empty column, as a fresh window does.
    return parent.isValid() ? 0 : std::max(1, m_session.sheet().width()) + 2;
}

QVariant ImportSheetModel::data(const QModelIndex& index, int role) const {
    const ImportSheet& sheet = m_session.sheet();
    if (!index.isValid() || index.row() >= sheet.lineCount())
        return {};
    const int width = std::max(1, sheet.width());
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
        if (column == width)
            return sheet.imported(index.row());
        if (column == width + 1)
            return sheet.remark(index.row());
        QString text = sheet.line(index.row()).cells.value(column);
        // A cell of a megabyte would stall the grid's painting.
        if (role == Qt::DisplayRole && text.size() > 200)
            text = text.left(200) + QStringLiteral("…");
        return text;
    }
    if (role == Qt::ForegroundRole && column == width &&
        sheet.imported(index.row()) == kStatusFaulty)
        return QBrush(QColor(0xB0, 0x00, 0x20));
    return {};
}

QVariant ImportSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    const int width = std::max(1, m_session.sheet().width());
    if (section == width)
        return ImportSheet::statusTitles().at(0);
    if (section == width + 1)
        return ImportSheet::statusTitles().at(1);
    return QStringLiteral("Kolumna #") + QString::number(section + 1);
}

} // namespace kv
