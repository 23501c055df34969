#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace kv::schema {

enum class ColumnType {
    Auto, // integer assigned by the table on insert
    Int,
    Num,  // floating-point: amounts, quantities, readings, rates
    Date, // date number yyyymmdd, 0 for none
    Time, // time number hhmm
    Text, // width 0: no known width
    Flag, // "T" / "N"
};

// The upgrade that brought a table or column, in the order the upgrades run.
enum class Version { Base, Lpg, V1_0_5, V1_0_6, V1_0_7, V1_0_8, V1_0_9, V1_0_13, V2_6, V2_8 };
constexpr Version kCurrent = Version::V2_8;
QString versionText(Version v);

struct Column {
    QString name;
    ColumnType type;
    int width = 0;
    Version since = Version::Base;
};

struct Table {
    QString file; // "pojazdy.DB"
    Version since = Version::Base;
    std::vector<Column> columns;
    QStringList uniqueKey;            // enforced key columns, empty when none
    std::vector<QStringList> indexes; // further indexes

    QString baseName() const { return file.left(file.size() - 3); }
    // The name of the empty table shipped with the program: the last
    // character of the file name replaced by "_" (pojazdy.D_).
    QString templateName() const { return file.left(file.size() - 1) + u'_'; }
    const Column* column(const QString& name) const;
};

// The 30 company tables in the program's fixed order (copying, archiving,
// packing and the upgrades walk them in this order).
const std::vector<Table>& companyTables();
// The two tables of the location root.
const Table& companiesTable(); // firmy.DB
const Table& distancesTable(); // odleglosci.DB

// Any of the 32 tables by base name or file name, case-insensitive; null when unknown.
const Table* findTable(const QString& name);
QStringList companyTableFiles();

// The template name of any table file name.
QString templateNameOf(const QString& fileName);

// SQL type of a column as the table files declare it.
QString sqlType(const Column& column);

// Statements that create the table inside a freshly attached file whose schema
// name is the table's base name, with the columns the table had at the given
// version.
QStringList createStatements(const Table& table, Version asOf = kCurrent);

// Password every shipped template table is protected with.
inline const QString kTemplatePassword = QStringLiteral("504917263815");

} // namespace kv::schema
