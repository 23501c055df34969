#pragma once

#include <QString>

namespace kv {

class DataModule;

// " Optymalizuj bazę danych": packs the 30 company tables in their fixed
// order with the database password and stops at the first that fails (which
// packTable reports with code 370). Refused at once while another program
// works with the company. The summary message is shown; true when all 30
// were packed.
bool packCompanyTables(DataModule& db, const QString& password);

// Whether the error log holds anything worth opening (it exists and is not
// just the line break it is cleared to).
bool errorLogHasEntries();
// Replaces the error log by one line break; false when it could not be written.
bool clearErrorLog();

} // namespace kv
