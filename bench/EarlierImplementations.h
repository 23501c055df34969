#pragma once

// The hand-written code that maintained libraries replaced, kept here only so
// that the benchmarks can measure the replacements against it: the PBKDF2 over
// an own HMAC on QCryptographicHash, and the table of Polish letters the "PL"
// collation used to compare by (every other accented letter by its code point).

#include <QByteArray>
#include <QCryptographicHash>

namespace earlier {

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
    static constexpr int kBlock = 64;
    QByteArray m_inner;
    QByteArray m_outer;
    QCryptographicHash m_hash{QCryptographicHash::Sha256};
};

inline QByteArray pbkdf2Sha256(const QByteArray& password, const QByteArray& salt, int iterations,
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

inline char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end) {
    const unsigned char c = *p++;
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = c & (0x3F >> extra);
    for (; extra > 0 && p < end && (*p & 0xC0) == 0x80; --extra)
        cp = (cp << 6) | (*p++ & 0x3F);
    return cp;
}

struct Weight {
    unsigned primary;
    unsigned tie;
};

inline Weight weightOf(char32_t cp) {
    constexpr unsigned kLetters = 1000;
    auto letter = [cp](unsigned index, unsigned step, bool upper) {
        return Weight{kLetters + index * 4 + step, (upper ? 0x10000000u : 0) + cp};
    };
    if (cp >= 'a' && cp <= 'z')
        return letter(cp - 'a', 0, false);
    if (cp >= 'A' && cp <= 'Z')
        return letter(cp - 'A', 0, true);
    switch (cp) {
    case 0x105:
        return letter(0, 1, false);
    case 0x104:
        return letter(0, 1, true);
    case 0x107:
        return letter(2, 1, false);
    case 0x106:
        return letter(2, 1, true);
    case 0x119:
        return letter(4, 1, false);
    case 0x118:
        return letter(4, 1, true);
    case 0x142:
        return letter(11, 1, false);
    case 0x141:
        return letter(11, 1, true);
    case 0x144:
        return letter(13, 1, false);
    case 0x143:
        return letter(13, 1, true);
    case 0xF3:
        return letter(14, 1, false);
    case 0xD3:
        return letter(14, 1, true);
    case 0x15B:
        return letter(18, 1, false);
    case 0x15A:
        return letter(18, 1, true);
    case 0x17A:
        return letter(25, 1, false);
    case 0x179:
        return letter(25, 1, true);
    case 0x17C:
        return letter(25, 2, false);
    case 0x17B:
        return letter(25, 2, true);
    default:
        break;
    }
    return {cp < 0x80 ? static_cast<unsigned>(cp) : kLetters + 200 + static_cast<unsigned>(cp), cp};
}

inline int comparePolish(void*, int aLength, const void* a, int bLength, const void* b) {
    auto* pa = static_cast<const unsigned char*>(a);
    auto* pb = static_cast<const unsigned char*>(b);
    const auto* ea = pa + aLength;
    const auto* eb = pb + bLength;
    int tie = 0;
    while (pa < ea && pb < eb) {
        const Weight wa = weightOf(nextCodePoint(pa, ea));
        const Weight wb = weightOf(nextCodePoint(pb, eb));
        if (wa.primary != wb.primary)
            return wa.primary < wb.primary ? -1 : 1;
        if (tie == 0 && wa.tie != wb.tie)
            tie = wa.tie < wb.tie ? -1 : 1;
    }
    if (pa < ea)
        return 1;
    if (pb < eb)
        return -1;
    return tie;
}

} // namespace earlier
