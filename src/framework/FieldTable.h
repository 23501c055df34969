#pragma once

#include "storage/ChangeTemplate.h"
#include "storage/engine/Connection.h"
#include "storage/engine/ResultSet.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace kv {

// How a column's value travels between a stored row, the edit window's values
// (texts as the window shows them, codes as numbers) and the statement.
enum class FieldKind {
    Text,    // free text, bound as a parameter as typed
    Key,     // a text key the user types, bound without the blanks around it
    Flag,    // "T" or "N", bound as a parameter; a check box in the window
    Date,    // "dd.mm.yyyy" in the window, a date number in its slot (blank: 0)
    Amount,  // two decimals in the window, a number in its slot (not a number: 0)
    Rate,    // four decimals
    Integer, // a whole number (blank or not a number: 0)
    Code,    // a list position or dictionary key, a number in its slot
};

// Whether a kind goes through a parameter (free text) or a slot (SQL text).
bool fieldIsBound(FieldKind kind);
// A stored value as the window shows it.
QString fieldText(FieldKind kind, const QVariant& stored);
// A window text as SQL text for a slot.
QString fieldSql(FieldKind kind, const QString& text);
// The width the schema gives a text column (0: none known).
int fieldWidth(const QString& table, const QString& column);

// One column of a register's edit window.
template <class V> struct Field {
    QString column;
    FieldKind kind = FieldKind::Text;
    // The value in V: a text (every kind but Code) or a code.
    std::function<QString(const V&)> get;
    std::function<void(V&, const QString&)> set;
    std::function<int(const V&)> getCode;
    std::function<void(V&, int)> setCode;
    // The object name of its control; empty when the window fills it itself.
    QString widget;
    // Where the kind's conversion does not fit the column.
    std::function<void(V&, const QVariant&)> fromStored;
    std::function<QString(const V&)> toSql; // an empty text writes NULL
    // A bound field whose parameter is NULL rather than a text for these values.
    std::function<bool(const V&)> boundNull;

    QString text(const V& v) const { return get ? get(v) : QString::number(getCode(v)); }
};

template <class V>
Field<V> field(const char* column, QString V::*member, FieldKind kind = FieldKind::Text) {
    Field<V> f;
    f.column = QString::fromLatin1(column);
    f.kind = kind;
    f.get = [member](const V& v) { return v.*member; };
    f.set = [member](V& v, const QString& text) { v.*member = text; };
    f.widget = u'f' + f.column;
    return f;
}

template <class V> Field<V> codeField(const char* column, int V::*member) {
    Field<V> f;
    f.column = QString::fromLatin1(column);
    f.kind = FieldKind::Code;
    f.getCode = [member](const V& v) { return v.*member; };
    f.setCode = [member](V& v, int code) { v.*member = code; };
    f.widget = u'f' + f.column;
    return f;
}

// A register's columns as its edit window holds them: the one place a column
// is named in a register's code. It reads a row into the window's values,
// builds the insert and update statements and gives their parameters and slots.
template <class V> class FieldTable {
public:
    FieldTable(QString table, QList<Field<V>> fields)
        : m_table(std::move(table)), m_fields(std::move(fields)) {}

    const QString& table() const { return m_table; } // "osobowa.DB"
    const QList<Field<V>>& fields() const { return m_fields; }
    const Field<V>* find(const QString& column) const {
        for (const Field<V>& f : m_fields)
            if (f.column == column)
                return &f;
        return nullptr;
    }

    // The values of a row; fields the row lacks keep what `start` holds.
    V fromRecord(const ResultSet& rows, int row, V start = {}) const {
        for (const Field<V>& f : m_fields) {
            if (rows.columnIndex(f.column) < 0)
                continue;
            const QVariant stored = rows.value(row, f.column);
            if (f.fromStored)
                f.fromStored(start, stored);
            else if (f.kind == FieldKind::Code)
                f.setCode(start, stored.toInt());
            else
                f.set(start, fieldText(f.kind, stored));
        }
        return start;
    }

    // Bound fields become :PARAM0, :PARAM1 ... in their order; the others
    // slots named after their columns.
    QList<TemplateColumn> templateColumns() const {
        QList<TemplateColumn> columns;
        int param = 0;
        for (const Field<V>& f : m_fields)
            columns.append({f.column, fieldIsBound(f.kind) ? param++ : -1});
        return columns;
    }
    int boundCount() const {
        int n = 0;
        for (const Field<V>& f : m_fields)
            n += fieldIsBound(f.kind) ? 1 : 0;
        return n;
    }
    ChangeTemplate insertTemplate() const {
        return ChangeTemplate::insert(m_table, templateColumns());
    }
    // A text key is bound as the parameter after the fields'; a number key
    // goes into the slot "KEY".
    ChangeTemplate updateTemplate(const QString& keyColumn, bool keyIsText) const {
        return ChangeTemplate::update(m_table, templateColumns(),
                                      TemplateColumn{keyColumn, keyIsText ? boundCount() : -1});
    }

    QStringList params(const V& v) const {
        QStringList out;
        for (const Field<V>& f : m_fields)
            if (fieldIsBound(f.kind))
                out.append(f.kind == FieldKind::Key ? f.get(v).trimmed() : f.get(v));
        return out;
    }
    // The parameters that go as NULL (they follow params() and replace its texts).
    engine::Params nullParams(const V& v) const {
        engine::Params out;
        int param = 0;
        for (const Field<V>& f : m_fields) {
            if (!fieldIsBound(f.kind))
                continue;
            if (f.boundNull && f.boundNull(v))
                out.append({QStringLiteral("PARAM%1").arg(param), QVariant()});
            ++param;
        }
        return out;
    }
    QHash<QString, QString> slotValues(const V& v) const {
        QHash<QString, QString> out;
        for (const Field<V>& f : m_fields)
            if (!fieldIsBound(f.kind))
                out.insert(f.column, f.toSql ? f.toSql(v) : fieldSql(f.kind, f.text(v)));
        return out;
    }

    // Every column's text as the window holds it (codes as their digits).
    QHash<QString, QString> texts(const V& v) const {
        QHash<QString, QString> out;
        for (const Field<V>& f : m_fields)
            out.insert(f.column, f.text(v));
        return out;
    }

private:
    QString m_table;
    QList<Field<V>> m_fields;
};

} // namespace kv
