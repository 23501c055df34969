#pragma once

#include "framework/Registers.h"
#include "storage/engine/Connection.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <memory>

namespace kv {

class Query;
class DataModule;
class ResultSet;
struct RegisterViewState;

// One register's statement, rows, sort order and deletion, driven by the
// register's descriptor, its hooks and the filter state of the open company.
// The grid model shows what it holds; the main window's commands act through it.
class RegisterController {
public:
    RegisterController(DataModule& db, RegisterId id);

    const RegisterDescriptor& descriptor() const { return m_descriptor; }
    DataModule& database() const { return m_db; }
    Query& query() const;
    RegisterViewState& state() const;

    // Writes the filter fragments and the sort order into the statement's
    // slots; the parameters the fragments need are returned by params().
    void writeStatementLines();
    engine::Params params() const;

    // Runs the statement again and waits for all its rows; a failure is
    // reported with the register's code and the previous rows stay.
    bool refresh();
    // The same, returning once the first rows are there: the rest is read at
    // once in the background and appended while the event loop runs (the
    // query's feed tells the grid). A refresh still reading is cancelled.
    // False when the statement failed before its first rows.
    bool startRefresh();
    bool isReading() const;
    // Waits for the rows still being read; what needs the whole result (a
    // sum, export, search, locating a record) calls it first. False when the
    // reading failed.
    bool finishReading();

    // A click on a column title: the current sort column inverts the
    // direction, another column becomes the sort column with the direction
    // kept. False when the register keeps a fixed order or the column is one
    // that cannot be sorted (computed columns, and any set here).
    bool sortBy(const QString& field);
    void setUnsortableColumns(QStringList fields) { m_unsortable = std::move(fields); }

    // The rows of the last refresh; null before the first.
    std::shared_ptr<const ResultSet> rows() const;
    bool isEmpty() const;
    int rowCount() const;
    int currentRow() const;
    void setCurrentRow(int row);
    QVariant currentValue(const QString& column) const;
    // Puts the cursor on the row with the register's locate key; without a
    // match it ends on the last row and the answer is false.
    bool locate(const QVariantList& key);

    enum class DeleteResult { Nothing, Declined, Deleted, Failed };
    // Deletes the current row after the question (when the option asks for
    // it), then refreshes. Nothing else is deleted or changed.
    DeleteResult deleteCurrent(bool askFirst);
    // The delete statement and its parameters for the current row.
    QString deleteStatement(engine::Params* params) const;

    // The text of a grid cell the way the grid shows it, computed columns
    // included (for the grid model, export and search).
    using CellText = std::function<QString(const ResultSet&, int row, const GridColumn&)>;
    CellText computedCells() const;

private:
    bool start();

    DataModule& m_db;
    const RegisterDescriptor& m_descriptor;
    QStringList m_unsortable;
};

// Positions a register query's cursor on a key (see RegisterController::locate)
// by the query's name; false and reported for a query that is no register's.
bool locateRegisterRow(DataModule& db, const QString& queryName, const QVariantList& key);

} // namespace kv
