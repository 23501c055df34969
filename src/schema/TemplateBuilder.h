#pragma once

#include "schema/Schema.h"

#include <QString>
#include <functional>

namespace kv {

namespace engine {
class Connection;
}

// Builds the installation templates from the schema: "empty/" with the 30
// company tables under their template names, "firmyblank.D_" (no company),
// "firmy.D_" (the demonstration company "demo") and "odleglosci.D_", all
// protected with the template password; the distance rows come from a
// readable source ("departure;arrival;km" lines) when one is given. Throws
// DatabaseError on failure.
void buildTemplates(const QString& dataDirectory, const QString& distancesSource = {});

// Creates the table files of a company directory as they were at the given
// version (the tables and columns that version had), protected with the
// password. Rows are added by the optional callback on an open connection.
void createCompanyTables(const QString& directory, const QString& password,
                         schema::Version asOf = schema::kCurrent);

// Creates one table file in a directory.
void createTable(engine::Connection& connection, const schema::Table& table,
                 const QString& password, schema::Version asOf = schema::kCurrent);

// Renames every "x.DB" of a directory to its template name "x.D_".
void renameToTemplateNames(const QString& directory);

} // namespace kv
