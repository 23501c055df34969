#include "data/TVxCrypt.h"

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

QByteArray TVxCrypt::encipher(const QByteArray& text, const QByteArray& key) {
    return shift(text, key, 1);
}

QByteArray TVxCrypt::decipher(const QByteArray& text, const QByteArray& key) {
    return shift(text, key, -1);
}

void TVxCrypt::encipher() {
    Cryptogram = encipher(Cryptogram, Key);
}
void TVxCrypt::decipher() {
    Cryptogram = decipher(Cryptogram, Key);
}

} // namespace kv
