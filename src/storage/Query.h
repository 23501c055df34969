#pragma once

#include "storage/QueryFeed.h"
#include "storage/StatementTemplate.h"
#include "storage/engine/ResultSet.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace kv {

// Which of the data module's two connections a statement runs on.
enum class ConnectionKind {
    Company, // the current company's directory
    Main,    // the database location itself (firmy.DB, odleglosci.DB)
};

// A named query component of the data module: a statement template held as a
// list of lines, and the rows of its last run.
//
// The lines are joined with line breaks when the statement runs. Named slots
// (see StatementTemplate) are empty lines that callers fill with numbers, dates
// and codes already written as SQL text, or that the filters and the sort order
// rewrite as a whole; free text always goes through the parameters :PARAM0,
// :PARAM1 ... bound as text. A filled or rewritten line keeps its text until it
// is written again; originalLines() keeps the template as made.
class Query {
public:
    Query(QString name, ConnectionKind connection, const StatementTemplate& statement);
    ~Query();

    const QString& name() const { return m_name; }
    ConnectionKind connection() const { return m_connection; }

    const QStringList& lines() const { return m_lines; }
    const QStringList& originalLines() const { return m_original; }
    int lineCount() const { return static_cast<int>(m_lines.size()); }
    QString line(int index) const { return m_lines.value(index); }
    // Writes one line; an index outside the template is a programming error.
    void setLine(int index, const QString& text);
    // Replaces the first occurrence of a text in one line; false when absent.
    bool replaceInLine(int index, const QString& from, const QString& to);
    // Named slots.
    bool hasSlot(const QString& slot) const { return m_slots.contains(slot); }
    QStringList slotNames() const { return m_slots.keys(); }
    // Writes a slot's line; a name the template lacks is a programming error.
    void setSlot(const QString& slot, const QString& text);
    QString slotText(const QString& slot) const { return line(m_slots.value(slot, -1)); }
    // Back to the template's own lines.
    void resetLines() { m_lines = m_original; }
    QString text() const { return m_lines.join(u'\n'); }

    // The rows of the last run; null while closed.
    bool isOpen() const { return m_result != nullptr; }
    std::shared_ptr<const ResultSet> result() const { return m_result; }
    // New rows; the cursor goes to the first row, or to wantedRow as soon as
    // the result holds it (rows may still be arriving, see rowsArrived).
    void setResult(std::shared_ptr<const ResultSet> result, int wantedRow = -1);
    void close();
    // More rows are in the result, or all of them (finished): the cursor
    // goes to the wanted row when it has arrived, or to the last row when
    // the result ended before it.
    void rowsArrived(bool finished);
    // Tells the views of the rows what happens while they are read.
    QueryFeed* feed() const { return m_feed.get(); }

    // The current row (the cursor of the grid over this query); -1 when none.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row) {
        m_currentRow = row;
        m_wantedRow = -1;
    }
    int rowCount() const { return m_result ? m_result->rowCount() : 0; }
    // A cell of the current row, invalid when there is none.
    QVariant currentValue(const QString& column) const;

private:
    QString m_name;
    ConnectionKind m_connection;
    QStringList m_lines;
    QStringList m_original;
    QHash<QString, int> m_slots;
    std::shared_ptr<const ResultSet> m_result;
    int m_currentRow = -1;
    int m_wantedRow = -1; // where the cursor goes once the rows arrive
    std::unique_ptr<QueryFeed> m_feed;
};

} // namespace kv
