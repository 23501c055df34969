#pragma once

#include "admin/ArchiveDescription.h"

#include <QString>

namespace kv {

class DataModule;

namespace engine {
class Connection;
}

enum class AdminResult { Done, Cancelled, Refused, Failed };

// Why a date typed for an archive is neither empty nor a date; empty when fine.
QString archiveDateProblem(const QString& dateText);

// Writes the company's 30 tables and the description into the folder. The
// tables are copied each held against writers into a scratch folder inside
// the chosen one (whose parent may be read-only); only when all 30 are whole
// does an older description go, the tables move in (each rename replaces its
// file at once) and the new description follow. A failure before that leaves
// an older archive in the folder as it was. Progress is shown; false on
// failure, nothing said.
bool writeArchive(engine::Connection& company, const QString& folder,
                  const ArchiveDescription& description);

// " Stwórz archiwum": refuses folders that must not take an archive, asks
// before replacing one, writes it and says how it went.
AdminResult makeArchive(DataModule& db, const QString& folder,
                        const ArchiveDescription& description);

// " Zapisz zmiany": the date checked, the description of the folder's
// archive rewritten.
AdminResult describeArchive(const QString& folder, const ArchiveDescription& description);

// " Usuń archiwum": asks, deletes the 30 table files (the ones missing, as
// "zuzycielpg.DB" of older archives, skipped) and then "archiwum.bak"; a file
// that cannot be deleted is said and the description stays.
AdminResult deleteArchive(DataModule& db, const QString& folder);

} // namespace kv
