#pragma once

#include <QByteArray>

namespace kv {

// A small reversible cipher for the stored database password and the user
// passwords: each byte of the cryptogram is shifted by the byte of the key at
// the same position (the key repeats), modulo 256. It hides a password from a
// casual look at a file; it is not encryption.
class PasswordScrambler {
public:
    QByteArray Key;
    QByteArray Cryptogram;

    void encipher();
    void decipher();

    static QByteArray encipher(const QByteArray& text, const QByteArray& key);
    static QByteArray decipher(const QByteArray& text, const QByteArray& key);
};

// Key of the stored database password (config.dat).
inline const QByteArray kDatabasePasswordKey = QByteArrayLiteral("Qm7#tR%w!9Lx&2Zp;eV4");
// Key with which the login enciphers the typed user password.
inline const QByteArray kLoginKey = QByteArrayLiteral("4kRTW815p7h2");

} // namespace kv
