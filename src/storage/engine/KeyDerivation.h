#pragma once

#include <QByteArray>
#include <QString>

namespace kv::engine {

// PBKDF2 with HMAC-SHA256 (RFC 8018).
QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations,
                        int keyLength);

// The raw 256-bit SQLCipher key of a table password, as the key text
// "x'<64 hex digits>'". Deriving it is deliberately slow, so each password is
// derived once per process and then served from a cache.
QString rawKeyForPassword(const QString& password);

} // namespace kv::engine
