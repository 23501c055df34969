#include "users/PasswordHash.h"

#include "location/PasswordScrambler.h"
#include "storage/engine/DatabaseError.h"
#include "storage/engine/KeyDerivation.h"
#include "support/CodePage1250.h"

#include <QStringList>

#include <sodium.h>

namespace kv {

namespace {

const QString kPbkdf2Prefix = QStringLiteral("PBKDF2$");
const QString kArgon2idPrefix = QStringLiteral("$argon2id$");
constexpr int kPbkdf2HashBytes = 32;

// What a missing user's login is checked against, at today's cost: the hash
// of 32 random bytes that were thrown away, so no typed text matches it.
const char kUnknownUserHash[] = "$argon2id$v=19$m=65536,t=3,p=1$pVji3XOtgC9XDA7u0mIesw$"
                                "j0BQI5IZnp8DFVWk6XJzmgjvSht4tuSUDh9h9wlOxsc";

bool sodiumReady() {
    static const bool ready = sodium_init() >= 0;
    return ready;
}

struct Argon2Cost {
    unsigned long long passes = 0;
    unsigned long long memoryKiB = 0;
};

// The cost of a stored Argon2id string, read from its parameter field
// ("m=65536,t=3,p=1"); nothing when the string is not one libsodium wrote.
std::optional<Argon2Cost> argon2Cost(const QString& stored) {
    if (!stored.startsWith(kArgon2idPrefix) || stored.size() >= crypto_pwhash_STRBYTES)
        return std::nullopt;
    const QStringList parts = stored.split(u'$');
    if (parts.size() != 6 || parts.at(2) != u"v=19")
        return std::nullopt;
    Argon2Cost cost;
    bool lanesSeen = false;
    for (const QString& field : parts.at(3).split(u',')) {
        bool ok = false;
        const unsigned long long value = field.mid(2).toULongLong(&ok);
        if (!ok || field.size() < 3 || field.at(1) != u'=')
            return std::nullopt;
        if (field.at(0) == u'm')
            cost.memoryKiB = value;
        else if (field.at(0) == u't')
            cost.passes = value;
        else if (field.at(0) == u'p')
            lanesSeen = value == 1;
    }
    if (!lanesSeen || cost.passes == 0 || cost.memoryKiB == 0)
        return std::nullopt;
    return cost;
}

bool withinLimits(const Argon2Cost& cost) {
    return cost.passes <= kArgon2MaxPasses && cost.memoryKiB <= kArgon2MaxMemoryBytes / 1024;
}

bool verifyArgon2id(const QByteArray& stored, const QByteArray& typed) {
    // libsodium compares the computed hash with the stored one in constant time.
    return sodiumReady() &&
           crypto_pwhash_str_verify(stored.constData(), typed.constData(),
                                    static_cast<unsigned long long>(typed.size())) == 0;
}

PasswordMatch matchArgon2id(const QString& stored, const QString& typed) {
    const std::optional<Argon2Cost> cost = argon2Cost(stored);
    if (!cost || !withinLimits(*cost))
        return PasswordMatch::None;
    if (!verifyArgon2id(stored.toLatin1(), typed.toUtf8()))
        return PasswordMatch::None;
    const bool current =
        cost->passes >= kArgon2Passes && cost->memoryKiB >= kArgon2MemoryBytes / 1024;
    return current ? PasswordMatch::Hash : PasswordMatch::OlderHash;
}

bool isHex(const QString& text) {
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F')))
            return false;
    return !text.isEmpty() && text.size() % 2 == 0;
}

PasswordMatch matchPbkdf2(const QString& stored, const QString& typed) {
    const QStringList parts = stored.split(u'$');
    if (parts.size() != 4)
        return PasswordMatch::None;
    bool ok = false;
    const int iterations = parts.at(1).toInt(&ok);
    if (!ok || iterations < 1 || iterations > kPbkdf2MaxIterations)
        return PasswordMatch::None;
    if (!isHex(parts.at(2)) || !isHex(parts.at(3)) || parts.at(3).size() != 2 * kPbkdf2HashBytes)
        return PasswordMatch::None;
    const QByteArray salt = QByteArray::fromHex(parts.at(2).toLatin1());
    const QByteArray hash = QByteArray::fromHex(parts.at(3).toLatin1());
    const QByteArray derived =
        engine::pbkdf2Sha256(typed.toUtf8(), salt, iterations, kPbkdf2HashBytes);
    return constantTimeEquals(derived, hash) ? PasswordMatch::OlderHash : PasswordMatch::None;
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

QString hashPassword(const QString& password) {
    const QByteArray typed = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (!sodiumReady() ||
        crypto_pwhash_str(out, typed.constData(), static_cast<unsigned long long>(typed.size()),
                          kArgon2Passes, kArgon2MemoryBytes) != 0)
        throw DatabaseError(QStringLiteral("Za mało pamięci, by zapisać hasło użytkownika."));
    return QString::fromLatin1(out);
}

bool isPasswordHash(const QString& stored) {
    return stored.startsWith(kPbkdf2Prefix) || stored.startsWith(kArgon2idPrefix);
}

bool isArgon2idHash(const QString& stored) {
    return stored.startsWith(kArgon2idPrefix);
}

QString encipheredLoginForm(const QString& typed) {
    return fromCodePage1250(PasswordScrambler::encipher(toCodePage1250(typed), kLoginKey));
}

PasswordMatch matchPassword(const QString& stored, const QString& typed) {
    if (stored.isEmpty())
        return PasswordMatch::None; // an account without a password is closed
    if (stored.startsWith(kArgon2idPrefix))
        return matchArgon2id(stored, typed);
    if (stored.startsWith(kPbkdf2Prefix))
        return matchPbkdf2(stored, typed);
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

QString unknownUserHash() {
    return QString::fromLatin1(kUnknownUserHash);
}

PasswordMatch checkLoginPassword(const std::optional<QString>& stored, const QString& typed) {
    if (stored) {
        const std::optional<Argon2Cost> cost = argon2Cost(*stored);
        const bool ownCost =
            cost && cost->passes == kArgon2Passes && cost->memoryKiB == kArgon2MemoryBytes / 1024;
        if (ownCost)
            return matchPassword(*stored, typed);
    }
    // Anything else costs one Argon2id hash at today's cost on top of its
    // own check: a missing user is refused as slowly as an existing one.
    verifyArgon2id(QByteArray(kUnknownUserHash), typed.toUtf8());
    return stored ? matchPassword(*stored, typed) : PasswordMatch::None;
}

} // namespace kv
