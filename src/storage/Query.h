#pragma once

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
    void setResult(std::shared_ptr<const ResultSet> result);
    void close();

    // The current row (the cursor of the grid over this query); -1 when none.
    int currentRow() const { return m_currentRow; }
    void setCurrentRow(int row) { m_currentRow = row; }
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
};

} // namespace kv
