#include "location/PasswordScrambler.h"

namespace kv {

namespace {
QByteArray shift(const QByteArray& text, const QByteArray& key, int sign) {
    if (key.isEmpty())
        return text;
    QByteArray out = text;
    for (int i = 0; i < out.size(); ++i) {
        const int k = static_cast<unsigned char>(key.at(i % key.size()));
        const int c = static_cast<unsigned char>(out.at(i));
        out[i] = static_cast<char>((c + sign * k + 256) % 256);
    }
    return out;
}
} // namespace

QByteArray PasswordScrambler::encipher(const QByteArray& text, const QByteArray& key) {
    return shift(text, key, 1);
}

QByteArray PasswordScrambler::decipher(const QByteArray& text, const QByteArray& key) {
    return shift(text, key, -1);
}

void PasswordScrambler::encipher() {
    Cryptogram = encipher(Cryptogram, Key);
}
void PasswordScrambler::decipher() {
    Cryptogram = decipher(Cryptogram, Key);
}

} // namespace kv
