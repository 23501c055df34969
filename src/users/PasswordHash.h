#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

namespace kv {

// User passwords in userzy.DB. Every computer that uses a database knows the
// database password, so anything kept in the table as typed (or only shifted
// by the login key) could be read back by any user, and a fast hash could be
// guessed at leisure. New passwords are kept as libsodium's self-describing
// Argon2id string:
//     $argon2id$v=19$m=<KiB>,t=<passes>,p=1$<salt>$<hash>
// Earlier versions stored
//     PBKDF2$<iterations>$<salt in hex>$<PBKDF2-HMAC-SHA256 in hex>
// and before that the password as typed or shifted by the login key. All of
// them are still accepted at login, and the login replaces them.

// Argon2id cost of new hashes: one more pass than libsodium's "interactive"
// level over the same 64 MiB, about a tenth of a second on an office computer
// of today, so a login stays well under half a second.
constexpr unsigned long long kArgon2Passes = 3;
constexpr std::size_t kArgon2MemoryBytes = std::size_t(64) << 20;
// A stored hash that asks for more than this is refused rather than computed,
// so an edited table can neither make the login hang nor exhaust the memory.
constexpr unsigned long long kArgon2MaxPasses = 16;
constexpr std::size_t kArgon2MaxMemoryBytes = std::size_t(256) << 20;
constexpr int kPbkdf2MaxIterations = 1000000;

// What a typed password matched.
enum class PasswordMatch {
    None,
    Hash,       // an Argon2id hash at today's cost or more: nothing to replace
    OlderHash,  // an Argon2id hash of a lower cost, or the PBKDF2 hash of earlier versions
    Typed,      // the password as typed (older tables)
    Enciphered, // the password shifted by the login key (older tables)
};

// The stored form of a new password: Argon2id with a fresh random salt.
// Throws DatabaseError when the library cannot have the memory it needs.
QString hashPassword(const QString& password);

// Any of the two hash forms (Argon2id or PBKDF2), as against the older plain forms.
bool isPasswordHash(const QString& stored);
// The form new passwords are stored in.
bool isArgon2idHash(const QString& stored);

// The typed password enciphered with the login key, as older versions kept
// it: the Windows-1250 bytes of the password shifted by the key, read back as
// Windows-1250 text.
QString encipheredLoginForm(const QString& typed);

// Which form of the typed password the stored text holds. A stored hash is
// only ever compared as a hash, so typing the hash text itself gets nobody in.
// Comparisons take the same time wherever the texts differ.
PasswordMatch matchPassword(const QString& stored, const QString& typed);

// The check a login makes of the stored text of the named user, or of no text
// when there is no such user. It always computes exactly one Argon2id hash at
// today's cost (for a missing user, an older form or an unusable hash, that of
// a hash nobody knows the password of), so the time a refusal takes does not
// tell whether the user exists or which form the table keeps.
PasswordMatch checkLoginPassword(const std::optional<QString>& stored, const QString& typed);
// The hash a missing user is checked against (it must keep today's cost).
QString unknownUserHash();

// Equal contents, compared without stopping at the first difference.
bool constantTimeEquals(const QByteArray& a, const QByteArray& b);

} // namespace kv
