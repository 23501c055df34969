#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace kv::engine {

// A statement rewritten for SQLite, with the table files it names.
struct TranslatedStatement {
    QString sql;
    QStringList tables; // lower-case base names, in order of first mention, no repeats
};

// Accepts the table-name forms the program's statements use ("pojazdy.DB",
// "pojazdy.db", "POJAZDY") and turns them into the table's base name, which is
// also the schema name the file is attached under. Parameter names are turned
// to upper case (":param0" and ":PARAM0" are the same parameter).
//
// isTableFile(lowerName) answers whether a table file of that base name exists;
// only those names count as tables. A name counts where a table may stand
// (after FROM, JOIN, INTO, UPDATE, TABLE, or in a FROM list), and anywhere in
// the form "name.DB".
TranslatedStatement translateStatement(const QString& sql,
                                       const std::function<bool(const QString&)>& isTableFile);

} // namespace kv::engine
