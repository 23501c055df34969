#include "storage/engine/PolishCollation.h"

#include <sqlite3.h>
#include <unicode/ucol.h>

namespace kv::engine {

namespace {

int compareBytes(std::string_view a, std::string_view b) {
    const int c = a.compare(b); // memcmp order: the code point order of UTF-8
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

int collate(void* collator, int aLength, const void* a, int bLength, const void* b) {
    return static_cast<PolishCollator*>(collator)->compare(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(aLength)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(bLength)));
}

} // namespace

PolishCollator::~PolishCollator() {
    if (m_collator)
        ucol_close(m_collator);
}

// Opened on the first comparison: most connections never sort by text.
UCollator* PolishCollator::open() {
    if (!m_opened) {
        m_opened = true;
        UErrorCode status = U_ZERO_ERROR;
        m_collator = ucol_open("pl", &status);
        if (U_FAILURE(status)) {
            // Without ICU's data nothing better than the code points is left;
            // the order stays total and the same on every run.
            if (m_collator)
                ucol_close(m_collator);
            m_collator = nullptr;
        }
    }
    return m_collator;
}

int PolishCollator::compare(std::string_view a, std::string_view b) {
    if (a == b)
        return 0;
    UCollator* collator = open();
    if (!collator)
        return compareBytes(a, b);
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(collator, a.data(), static_cast<int32_t>(a.size()),
                                                b.data(), static_cast<int32_t>(b.size()), &status);
    if (U_SUCCESS(status) && r != UCOL_EQUAL)
        return r == UCOL_LESS ? -1 : 1;
    return compareBytes(a, b);
}

void registerPolishCollation(sqlite3* db, PolishCollator* collator) {
    sqlite3_create_collation_v2(db, "PL", SQLITE_UTF8, collator, &collate, nullptr);
}

} // namespace kv::engine
