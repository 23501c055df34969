#pragma once

#include "framework/Registers.h"
#include "storage/engine/ResultSet.h"

#include <QAbstractTableModel>
#include <functional>
#include <memory>

namespace kv {

class Query;

// The rows of a register statement as a read-only table, with the register's
// columns and titles. Cells are formatted when the view asks for them, so only
// what is on screen is ever formatted.
class RegisterTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Formats computed columns (the register's hook, see
    // RegisterController::computedCells); the other columns use their formatter.
    using CellFormatter = std::function<QString(const ResultSet&, int row, const GridColumn&)>;

    explicit RegisterTableModel(const RegisterDescriptor& descriptor, QObject* parent = nullptr);

    void setRows(std::shared_ptr<const ResultSet> rows);
    // Shows a query's rows and follows them while they are read: new rows are
    // inserted as they arrive, another result resets the model.
    void followQuery(const Query& query);
    // Inserts the rows appended to the shown result since it was last looked at.
    void showAppendedRows();
    std::shared_ptr<const ResultSet> rows() const { return m_rows; }
    void setCellFormatter(CellFormatter formatter) { m_formatter = std::move(formatter); }
    // The column whose title is drawn highlighted (the sort column); -1 none.
    void setHighlightedColumn(int column);
    int highlightedColumn() const { return m_highlighted; }
    void setColumnTitle(int column, const QString& title);

    const GridColumn& column(int index) const { return m_columns.at(index); }
    int columnOfField(const QString& field) const;
    // The text a cell shows (also used by export and search).
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<GridColumn> m_columns;
    QList<int> m_sourceColumns; // column of the result for each grid column, -1 when missing
    std::shared_ptr<const ResultSet> m_rows;
    int m_shownRows = 0; // the result may hold more, still to be inserted
    QMetaObject::Connection m_following[2];
    CellFormatter m_formatter;
    int m_highlighted = -1;
};

} // namespace kv
