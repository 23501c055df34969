#pragma once

#include <QByteArray>
#include <QString>

namespace kv::engine {

// PBKDF2 with HMAC-SHA256 (RFC 8018), computed by OpenSSL's libcrypto. Empty
// when the library refuses the arguments (fewer than one round, a negative
// length).
QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations,
                        int keyLength);

// The raw 256-bit SQLCipher key of a table password, as the key text
// "x'<64 hex digits>'". Deriving it is deliberately slow, so each password is
// derived once per process and then served from a cache. The salt, the round
// count and the length never change: every table file ever written is keyed
// with them.
QString rawKeyForPassword(const QString& password);

} // namespace kv::engine
