#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;

namespace kv::engine {

// The collation "PL": texts in Polish alphabetical order as ICU's Polish
// collator gives it (a ą b c ć d e ę f ... l ł m n ń o ó p ... s ś t ... z ź ż,
// other accented letters beside their base letter: "Müller" among the M).
// Letters are compared without regard to case first, and a difference of case
// alone puts the lower-case text first; blanks and punctuation come before
// digits, digits before letters. Texts ICU calls equal (the same text in two
// Unicode normal forms) are ordered by their code points, so the order never
// depends on the order rows were read in. SQLite's own order puts every Polish
// letter after "z".
void registerPolishCollation(sqlite3* db);

// The comparison, on UTF-8 texts (negative, zero, positive). One object per
// connection: SQLite calls the collation once per comparison, and sorting n
// rows compares each text about log2(n) times, so the ICU sort key of each
// text is made once and kept (up to a bounded number of bytes; when that is
// reached the kept keys are dropped and made again as needed).
class PolishCollator {
public:
    PolishCollator();
    ~PolishCollator();
    PolishCollator(const PolishCollator&) = delete;
    PolishCollator& operator=(const PolishCollator&) = delete;

    int compare(std::string_view a, std::string_view b);

    // What the kept sort keys take, roughly, and its limit.
    std::size_t cachedBytes() const;
    static constexpr std::size_t kCacheLimitBytes = std::size_t(16) << 20;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace kv::engine
