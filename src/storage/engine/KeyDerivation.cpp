#include "storage/engine/KeyDerivation.h"

#include "storage/engine/DatabaseError.h"

#include <QHash>
#include <QMutex>

#include <openssl/evp.h>

namespace kv::engine {

namespace {

constexpr int kIterations = 64000;
constexpr int kKeyBytes = 32;
// Fixed and public: it only makes the derived keys specific to this program, so
// that a table of another SQLCipher program with the same passphrase differs.
const QByteArray kSalt = QByteArrayLiteral("Karvento table key v1");

} // namespace

QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations,
                        int keyLength) {
    if (iterations < 1 || keyLength < 1)
        return {};
    QByteArray out(keyLength, '\0');
    const int ok = PKCS5_PBKDF2_HMAC(password.constData(), static_cast<int>(password.size()),
                                     reinterpret_cast<const unsigned char*>(salt.constData()),
                                     static_cast<int>(salt.size()), iterations, EVP_sha256(),
                                     keyLength, reinterpret_cast<unsigned char*>(out.data()));
    return ok == 1 ? out : QByteArray();
}

QString rawKeyForPassword(const QString& password) {
    static QMutex mutex;
    static QHash<QString, QString> cache;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(password);
    if (it != cache.constEnd())
        return it.value();
    const QByteArray key = pbkdf2Sha256(password.toUtf8(), kSalt, kIterations, kKeyBytes);
    if (key.size() != kKeyBytes)
        throw DatabaseError(QStringLiteral("Nie udało się wyznaczyć klucza tabeli."));
    const QString text = QStringLiteral("x'%1'").arg(QString::fromLatin1(key.toHex()));
    cache.insert(password, text);
    return text;
}

} // namespace kv::engine
