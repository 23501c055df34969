#include "users/PasswordHash.h"

#include "location/PasswordScrambler.h"
#include "storage/engine/KeyDerivation.h"
#include "support/CodePage1250.h"

#include <QRandomGenerator>
#include <QStringList>

namespace kv {

namespace {

const QString kPrefix = QStringLiteral("PBKDF2");
constexpr int kSaltBytes = 16;
constexpr int kHashBytes = 32;

QByteArray derive(const QString& password, const QByteArray& salt, int iterations) {
    return engine::pbkdf2Sha256(password.toUtf8(), salt, iterations, kHashBytes);
}

struct ParsedHash {
    int iterations = 0;
    QByteArray salt;
    QByteArray hash;
};

bool isHex(const QString& text) {
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    return !text.isEmpty() && text.size() % 2 == 0;
}

bool parseHash(const QString& stored, ParsedHash& out) {
    const QStringList parts = stored.split(u'$');
    if (parts.size() != 4 || parts.at(0) != kPrefix)
        return false;
    bool ok = false;
    out.iterations = parts.at(1).toInt(&ok);
    if (!ok || out.iterations < 1 || out.iterations > kPasswordHashMaxIterations)
        return false;
    if (!isHex(parts.at(2)) || !isHex(parts.at(3)) || parts.at(3).size() != 2 * kHashBytes)
        return false;
    out.salt = QByteArray::fromHex(parts.at(2).toLatin1());
    out.hash = QByteArray::fromHex(parts.at(3).toLatin1());
    return true;
}

QByteArray utf16Bytes(const QString& text) {
    return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

} // namespace

bool constantTimeEquals(const QByteArray& a, const QByteArray& b) {
    const qsizetype n = std::max(a.size(), b.size());
    unsigned difference = a.size() == b.size() ? 0u : 1u;
    for (qsizetype i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(i < a.size() ? a.at(i) : 0);
        const auto y = static_cast<unsigned char>(i < b.size() ? b.at(i) : 0);
        difference |= static_cast<unsigned>(x ^ y);
    }
    return difference == 0;
}

QString hashPassword(const QString& password, const QByteArray& salt, int iterations) {
    return QStringLiteral("%1$%2$%3$%4")
        .arg(kPrefix)
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toHex()),
             QString::fromLatin1(derive(password, salt, iterations).toHex()));
}

QString hashPassword(const QString& password) {
    QByteArray salt(kSaltBytes, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          kSaltBytes / sizeof(quint32));
    return hashPassword(password, salt, kPasswordHashIterations);
}

bool isPasswordHash(const QString& stored) {
    return stored.startsWith(kPrefix + u'$');
}

QString encipheredLoginForm(const QString& typed) {
    return fromCodePage1250(PasswordScrambler::encipher(toCodePage1250(typed), kLoginKey));
}

PasswordMatch matchPassword(const QString& stored, const QString& typed) {
    if (stored.isEmpty())
        return PasswordMatch::None; // an account without a password is closed
    if (isPasswordHash(stored)) {
        ParsedHash parsed;
        if (!parseHash(stored, parsed))
            return PasswordMatch::None;
        return constantTimeEquals(derive(typed, parsed.salt, parsed.iterations), parsed.hash)
                   ? PasswordMatch::Hash
                   : PasswordMatch::None;
    }
    // Both older forms are compared, whichever matches, so the time taken
    // does not tell which form a table holds.
    const QByteArray storedBytes = utf16Bytes(stored);
    const bool typedMatches = constantTimeEquals(storedBytes, utf16Bytes(typed));
    const bool encipheredMatches =
        constantTimeEquals(storedBytes, utf16Bytes(encipheredLoginForm(typed)));
    if (typedMatches)
        return PasswordMatch::Typed;
    return encipheredMatches ? PasswordMatch::Enciphered : PasswordMatch::None;
}

} // namespace kv
