#pragma once

#include "framework/Registers.h"
#include "storage/engine/Connection.h"

#include <QString>
#include <QVariant>
#include <functional>

namespace kv {

class Query;
class DataModule;
struct RegisterViewState;

// One register's statement, rows, sort order and deletion, driven by the
// register's descriptor and the filter state the data module keeps. The grid
// model shows what it holds; the main window's commands act through it.
class RegisterController {
public:
    RegisterController(DataModule& db, RegisterId id);

    const RegisterDescriptor& descriptor() const { return m_descriptor; }
    DataModule& database() const { return m_db; }
    Query& query() const;
    RegisterViewState& state() const;

    // Writes the filter fragments and the sort order into the statement's
    // lines; the parameters the fragments need are returned by params().
    void writeStatementLines();
    engine::Params params() const;

    // Runs the statement again; a failure is reported with the register's
    // code and the previous rows stay.
    bool refresh();

    // A click on a column title: the current sort column inverts the
    // direction, another column becomes the sort column with the direction
    // kept. False when the register keeps a fixed order or the column is one
    // that cannot be sorted.
    bool sortBy(const QString& field);
    // Columns computed for display, which the statement cannot sort by.
    void setUnsortableColumns(QStringList fields) { m_unsortable = std::move(fields); }

    bool isEmpty() const;
    int rowCount() const;
    int currentRow() const;
    void setCurrentRow(int row);
    QVariant currentValue(const QString& column) const;
    // Puts the cursor on the row with the key (see DataModule::locateRecord).
    bool locate(const QVariantList& key);

    enum class DeleteResult { Nothing, Declined, Deleted, Failed };
    // Deletes the current row after the question (when the option asks for
    // it), then refreshes. Nothing else is deleted or changed.
    DeleteResult deleteCurrent(bool askFirst);
    // The delete statement and its parameters for the current row.
    QString deleteStatement(engine::Params* params) const;

    // Run before and after every refresh (trips reload their rates first, the
    // consumption registers recompute their summary afterwards).
    std::function<void()> beforeRefresh;
    std::function<void()> afterRefresh;

private:
    DataModule& m_db;
    const RegisterDescriptor& m_descriptor;
    QStringList m_unsortable;
};

} // namespace kv
