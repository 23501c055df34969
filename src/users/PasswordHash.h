#pragma once

#include <QByteArray>
#include <QString>

namespace kv {

// User passwords in userzy.DB. Every computer that uses a database knows the
// database password, so anything kept in the table as typed (or only shifted
// by the login key) could be read back by any user. New passwords are kept as
// a salted hash instead:
//     PBKDF2$<iterations>$<salt in hex>$<PBKDF2-HMAC-SHA256 in hex>
// The two older forms are still accepted at login, and the login replaces
// them with the hash.

constexpr int kPasswordHashIterations = 20000;
// A stored hash with more rounds than this is refused rather than computed,
// so an edited table cannot make the login hang.
constexpr int kPasswordHashMaxIterations = 1000000;

// What a typed password matched.
enum class PasswordMatch {
    None,
    Hash,       // the salted hash
    Typed,      // the password as typed (older tables)
    Enciphered, // the password shifted by the login key (older tables)
};

// The stored form of a new password, with a fresh random salt.
QString hashPassword(const QString& password);
// The same with a given salt and round count (tests and re-hashing).
QString hashPassword(const QString& password, const QByteArray& salt, int iterations);

bool isPasswordHash(const QString& stored);

// The typed password enciphered with the login key, as older versions kept
// it: the Windows-1250 bytes of the password shifted by the key, read back as
// Windows-1250 text.
QString encipheredLoginForm(const QString& typed);

// Which form of the typed password the stored text holds. A stored hash is
// only ever compared as a hash, so typing the hash text itself gets nobody in.
// Comparisons take the same time wherever the texts differ.
PasswordMatch matchPassword(const QString& stored, const QString& typed);

// Equal contents, compared without stopping at the first difference.
bool constantTimeEquals(const QByteArray& a, const QByteArray& b);

} // namespace kv
