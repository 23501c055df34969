#include "storage/engine/KeyDerivation.h"

#include <QCryptographicHash>
#include <QHash>
#include <QMutex>

namespace kv::engine {

namespace {

constexpr int kBlock = 64; // SHA-256 block size
constexpr int kIterations = 64000;
// Fixed and public: it only makes the derived keys specific to this program, so
// that a table of another SQLCipher program with the same passphrase differs.
const QByteArray kSalt = QByteArrayLiteral("Karvento table key v1");

// HMAC-SHA256 with the inner and outer pads prepared once per password.
class Hmac {
public:
    explicit Hmac(QByteArray key) {
        if (key.size() > kBlock)
            key = QCryptographicHash::hash(key, QCryptographicHash::Sha256);
        key.resize(kBlock, '\0');
        m_inner = key;
        m_outer = key;
        for (int i = 0; i < kBlock; ++i) {
            m_inner[i] = static_cast<char>(m_inner[i] ^ 0x36);
            m_outer[i] = static_cast<char>(m_outer[i] ^ 0x5c);
        }
    }
    QByteArray mac(const QByteArray& message) {
        m_hash.reset();
        m_hash.addData(m_inner);
        m_hash.addData(message);
        const QByteArray inner = m_hash.result();
        m_hash.reset();
        m_hash.addData(m_outer);
        m_hash.addData(inner);
        return m_hash.result();
    }

private:
    QByteArray m_inner;
    QByteArray m_outer;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};

} // namespace

QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations,
                        int keyLength) {
    Hmac hmac(password);
    QByteArray out;
    for (quint32 block = 1; out.size() < keyLength; ++block) {
        QByteArray counter(4, '\0');
        counter[0] = static_cast<char>(block >> 24);
        counter[1] = static_cast<char>(block >> 16);
        counter[2] = static_cast<char>(block >> 8);
        counter[3] = static_cast<char>(block);
        QByteArray u = hmac.mac(salt + counter);
        QByteArray t = u;
        for (int i = 1; i < iterations; ++i) {
            u = hmac.mac(u);
            for (int j = 0; j < t.size(); ++j)
                t[j] = static_cast<char>(t[j] ^ u[j]);
        }
        out += t;
    }
    out.truncate(keyLength);
    return out;
}

QString rawKeyForPassword(const QString& password) {
    static QMutex mutex;
    static QHash<QString, QString> cache;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(password);
    if (it != cache.constEnd())
        return it.value();
    const QByteArray key = pbkdf2Sha256(password.toUtf8(), kSalt, kIterations, 32);
    const QString text = QStringLiteral("x'%1'").arg(QString::fromLatin1(key.toHex()));
    cache.insert(password, text);
    return text;
}

} // namespace kv::engine
