#pragma once

#include <QString>

namespace kv {

// Where the database lives and the password that protects its tables.
struct DatabaseLocation {
    QString location; // a directory, without a trailing separator
    QString password;
};

// The location and password the program works with now (stored between runs
// by the location folder's readLocationAndPassword / saveLocationAndPassword).
DatabaseLocation& currentDatabaseLocation();

} // namespace kv
