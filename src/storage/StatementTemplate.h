#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace kv {

// A statement held as lines, some of which are named slots: empty lines that
// callers fill by name (filter fragments, the sort order, numbers written as
// SQL text). Naming them keeps a template and the code that fills it in step
// without counting lines.
//
//   StatementTemplate t;
//   t << "SELECT ... FROM pojazdy.DB AS A" << "WHERE 1 = 1";
//   t.slot("vehicle").slot("period");
//   t << "ORDER BY";
//   t.slot("sort").slot("direction");
class StatementTemplate {
public:
    StatementTemplate() = default;
    // Plain lines without slots.
    StatementTemplate(QStringList lines) : m_lines(std::move(lines)) {} // NOLINT
    StatementTemplate(std::initializer_list<QString> lines) : m_lines(lines) {}

    StatementTemplate& operator<<(const QString& line) {
        m_lines.append(line);
        return *this;
    }
    // Appends an empty line under a name; a name used twice is a programming error.
    StatementTemplate& slot(const QString& name);

    const QStringList& lines() const { return m_lines; }
    const QHash<QString, int>& slotIndexes() const { return m_slots; }

private:
    QStringList m_lines;
    QHash<QString, int> m_slots;
};

} // namespace kv
