#pragma once

#include "storage/CurrentLocation.h"

#include <QString>
#include <optional>

namespace kv {

// The database location and its password are kept between runs in
// karvento.ini (section "DATABASE", key "lokalizacja") and in config.dat (the
// password, enciphered).

// Reads the stored location and password. Without a stored location it falls
// back to the read-only system settings (the old registry entry) and, when one
// is found there, stores it the program's own way at once. An unreadable
// config.dat is reported (code 101749) and leaves the password empty.
DatabaseLocation readLocationAndPassword();
// Stores both; a config.dat that cannot be written is reported (code 101756),
// the location is written anyway. False on any failure.
bool saveLocationAndPassword(const DatabaseLocation& location);

// config.dat: one 257-byte record, the length of the enciphered password in
// byte 0 and its characters after it.
QByteArray configRecordFor(const QString& password);
// The deciphered password of a record; nothing when the record is unreadable.
std::optional<QString> passwordFromConfigRecord(const QByteArray& record);

enum class LocationCheck {
    Usable = 0,
    Missing = 1,       // no location, or no firmy.DB there
    WrongPassword = 2, // firmy.DB exists but does not open with the password
};
// Tests a location as the start-up does.
LocationCheck checkLocation(const DatabaseLocation& location, bool trial = true);

// Database passwords: 3 to 15 characters, ASCII letters and digits only.
// The Polish message of the first rule a password breaks, empty when it is fine.
QString databasePasswordProblem(const QString& password);

} // namespace kv
