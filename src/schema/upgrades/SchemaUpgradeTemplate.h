#pragma once

#include <QString>

namespace kv {

// The folder of the empty template tables: data/empty below the installation.
QString emptyTemplatesDirectory();

// Adds a missing table to a company directory from its empty template
// (pojazdy.D_ for pojazdy.DB), protected with the database password instead of
// the template password. The template is copied and re-protected in a private
// scratch folder and only then moved into the company directory, so the table
// never appears there half-copied or still under the template password, and
// re-protecting it needs no exclusive hold on a directory others work in.
// False when the template is missing or any stage fails (a failed
// re-protection is also reported by setTablePassword, code 220).
bool addTableFromTemplate(const QString& directory, const QString& tableFile,
                          const QString& password);

} // namespace kv
