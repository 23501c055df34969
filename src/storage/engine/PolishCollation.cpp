#include "storage/engine/PolishCollation.h"

#include <sqlite3.h>

namespace kv::engine {

namespace {

// Reads one code point of UTF-8 text; a broken sequence counts as its byte.
char32_t nextCodePoint(const unsigned char*& p, const unsigned char* end) {
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
    unsigned primary; // the letter, case left aside
    unsigned tie;     // case and exact code point, for texts equal otherwise
};

constexpr unsigned kLetters = 1000;

Weight weightOf(char32_t cp) {
    auto letter = [cp](unsigned index, unsigned step, bool upper) {
        return Weight{kLetters + index * 4 + step, (upper ? 0x10000000u : 0) + cp};
    };
    if (cp >= 'a' && cp <= 'z')
        return letter(cp - 'a', 0, false);
    if (cp >= 'A' && cp <= 'Z')
        return letter(cp - 'A', 0, true);
    switch (cp) {
    case 0x105:
        return letter('a' - 'a', 1, false); // ą
    case 0x104:
        return letter('a' - 'a', 1, true);
    case 0x107:
        return letter('c' - 'a', 1, false); // ć
    case 0x106:
        return letter('c' - 'a', 1, true);
    case 0x119:
        return letter('e' - 'a', 1, false); // ę
    case 0x118:
        return letter('e' - 'a', 1, true);
    case 0x142:
        return letter('l' - 'a', 1, false); // ł
    case 0x141:
        return letter('l' - 'a', 1, true);
    case 0x144:
        return letter('n' - 'a', 1, false); // ń
    case 0x143:
        return letter('n' - 'a', 1, true);
    case 0xF3:
        return letter('o' - 'a', 1, false); // ó
    case 0xD3:
        return letter('o' - 'a', 1, true);
    case 0x15B:
        return letter('s' - 'a', 1, false); // ś
    case 0x15A:
        return letter('s' - 'a', 1, true);
    case 0x17A:
        return letter('z' - 'a', 1, false); // ź
    case 0x179:
        return letter('z' - 'a', 1, true);
    case 0x17C:
        return letter('z' - 'a', 2, false); // ż
    case 0x17B:
        return letter('z' - 'a', 2, true);
    default:
        break;
    }
    // Blanks, punctuation and digits keep their code order, before letters;
    // other scripts after the Polish alphabet.
    return {cp < 0x80 ? static_cast<unsigned>(cp) : kLetters + 200 + static_cast<unsigned>(cp), cp};
}

int collate(void*, int aLength, const void* a, int bLength, const void* b) {
    return comparePolish(static_cast<const char*>(a), aLength, static_cast<const char*>(b),
                         bLength);
}

} // namespace

int comparePolish(const char* a, int aLength, const char* b, int bLength) {
    auto* pa = reinterpret_cast<const unsigned char*>(a);
    auto* pb = reinterpret_cast<const unsigned char*>(b);
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

void registerPolishCollation(sqlite3* db) {
    sqlite3_create_collation_v2(db, "PL", SQLITE_UTF8, nullptr, &collate, nullptr);
}

} // namespace kv::engine
