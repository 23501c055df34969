#pragma once

#include "schema/Schema.h"

#include <QString>

namespace kv {

// Builds the demonstration company into a directory (replacing what it held):
// the 30 company tables protected with the password, filled from the readable
// sources (one "<table>.csv" per table with fixed data, "eksploatacja.csv"
// with how each vehicle is used) and with a year of dated records up to
// Clock::today(). The directory is replaced only when the whole build
// succeeded. Throws DatabaseError naming the source file and line at fault.
void buildDemoCompany(const QString& directory, const QString& sourcesDirectory,
                      const QString& password = schema::kTemplatePassword);

} // namespace kv
