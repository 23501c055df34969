#include "storage/engine/PolishCollation.h"

#include <sqlite3.h>
#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

namespace kv::engine {

namespace {

// std::hash of the raw bytes, looked up by std::string_view without making a
// std::string of the text first.
struct BytesHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const noexcept {
        return std::hash<std::string_view>{}(s);
    }
};

// What a kept entry costs besides its two texts: the node, the bucket and the
// two strings' own fields.
constexpr std::size_t kEntryOverhead = 96;

int compareBytes(std::string_view a, std::string_view b) {
    const int c = a.compare(b); // memcmp order: the code point order of UTF-8
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

} // namespace

struct PolishCollator::Impl {
    UCollator* collator = nullptr;
    bool opened = false;
    std::unordered_map<std::string, std::string, BytesHash, std::equal_to<>> keys;
    std::size_t bytes = 0;
    std::vector<UChar> utf16;
    std::vector<uint8_t> key;

    ~Impl() {
        if (collator)
            ucol_close(collator);
    }

    // Opened on the first comparison: most connections never sort by text.
    UCollator* open() {
        if (!opened) {
            opened = true;
            UErrorCode status = U_ZERO_ERROR;
            collator = ucol_open("pl", &status);
            if (U_FAILURE(status)) {
                // Without ICU's data nothing better than the code points is
                // left; the order stays total and the same on every run.
                if (collator)
                    ucol_close(collator);
                collator = nullptr;
            }
        }
        return collator;
    }

    std::string makeKey(std::string_view text) {
        UErrorCode status = U_ZERO_ERROR;
        int32_t length = 0;
        if (utf16.size() < text.size() + 1)
            utf16.resize(text.size() + 1);
        // Broken UTF-8 counts as U+FFFD, as everywhere else in the program.
        u_strFromUTF8WithSub(utf16.data(), static_cast<int32_t>(utf16.size()), &length, text.data(),
                             static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
        if (U_FAILURE(status))
            length = 0;
        if (key.size() < 64)
            key.resize(64);
        int32_t needed = ucol_getSortKey(collator, utf16.data(), length, key.data(),
                                         static_cast<int32_t>(key.size()));
        if (needed > static_cast<int32_t>(key.size())) {
            key.resize(static_cast<std::size_t>(needed));
            needed = ucol_getSortKey(collator, utf16.data(), length, key.data(),
                                     static_cast<int32_t>(key.size()));
        }
        // The key ends with a 0 byte that ICU counts; it adds nothing to a comparison.
        return std::string(reinterpret_cast<const char*>(key.data()),
                           static_cast<std::size_t>(std::max(needed - 1, 0)));
    }

    const std::string& sortKey(std::string_view text) {
        auto it = keys.find(text);
        if (it != keys.end())
            return it->second;
        std::string k = makeKey(text);
        bytes += text.size() + k.size() + kEntryOverhead;
        return keys.emplace(std::string(text), std::move(k)).first->second;
    }
};

PolishCollator::PolishCollator() : d(std::make_unique<Impl>()) {}

PolishCollator::~PolishCollator() = default;

std::size_t PolishCollator::cachedBytes() const {
    return d->bytes;
}

int PolishCollator::compare(std::string_view a, std::string_view b) {
    if (a == b)
        return 0;
    if (!d->open())
        return compareBytes(a, b);
    // Dropped before the two look-ups, never between them: the first key is
    // held by reference while the second is made.
    if (d->bytes > kCacheLimitBytes) {
        d->keys.clear();
        d->bytes = 0;
    }
    const std::string& ka = d->sortKey(a);
    const std::string& kb = d->sortKey(b);
    const int c = compareBytes(ka, kb);
    return c != 0 ? c : compareBytes(a, b);
}

namespace {

int collate(void* collator, int aLength, const void* a, int bLength, const void* b) {
    return static_cast<PolishCollator*>(collator)->compare(
        std::string_view(static_cast<const char*>(a), static_cast<std::size_t>(aLength)),
        std::string_view(static_cast<const char*>(b), static_cast<std::size_t>(bLength)));
}

void destroy(void* collator) {
    delete static_cast<PolishCollator*>(collator);
}

} // namespace

void registerPolishCollation(sqlite3* db) {
    // SQLite destroys the collator with the connection, but not when the
    // registration itself fails.
    auto* collator = new PolishCollator;
    if (sqlite3_create_collation_v2(db, "PL", SQLITE_UTF8, collator, &collate, &destroy) !=
        SQLITE_OK)
        delete collator;
}

} // namespace kv::engine
