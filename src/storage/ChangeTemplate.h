#pragma once

#include "storage/StatementTemplate.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace kv {

class Query;

// One column of an insert or update template: its value either comes through
// a parameter :PARAMn (free text) or is written into a slot of its own named
// after the column (numbers, dates, codes already written as SQL text).
struct TemplateColumn {
    QString column;
    int param = -1; // -1: the value goes into the column's slot

    static TemplateColumn text(const char* column, int param) {
        return {QString::fromLatin1(column), param};
    }
    static TemplateColumn slot(const char* column) { return {QString::fromLatin1(column), -1}; }
};

// The update's key slot, when the key is written into the statement.
inline const QString kKeySlot = QStringLiteral("KEY");

// A register's insert or update statement, built from its column list.
// Registers describe their columns once and get both statements from it.
struct ChangeTemplate {
    StatementTemplate statement;

    static ChangeTemplate insert(const QString& table, const QList<TemplateColumn>& columns);
    // "UPDATE table SET ... WHERE keyColumn =" with the key in the slot "KEY".
    static ChangeTemplate update(const QString& table, const QList<TemplateColumn>& columns,
                                 const QString& keyColumn);
    // The same with the key given as a column of its own: a text key (a
    // number the user typed, which may hold quotes) is bound as its
    // parameter, "WHERE key = :PARAMn"; a slot key goes into the slot "KEY".
    static ChangeTemplate update(const QString& table, const QList<TemplateColumn>& columns,
                                 const TemplateColumn& key);
};

// Writes the slot values (slot name -> SQL text) into every slot of the query.
// A slot without a value gets NULL, so a statement never runs with an empty slot.
void fillSlots(Query& query, const QHash<QString, QString>& values);

} // namespace kv
