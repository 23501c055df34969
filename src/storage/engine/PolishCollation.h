#pragma once

#include <string_view>

struct sqlite3;
struct UCollator;

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
//
// SQLite calls the collation once per comparison. ICU compares the UTF-8 texts
// as they are, without converting or keeping anything: measured on 100,000
// surnames, that is faster than keeping a sort key per text and comparing the
// keys, whose look-ups cost more than ICU's comparison of two short texts.
class PolishCollator {
public:
    PolishCollator() = default;
    ~PolishCollator();
    PolishCollator(const PolishCollator&) = delete;
    PolishCollator& operator=(const PolishCollator&) = delete;

    // Negative, zero or positive, on UTF-8 texts (broken sequences count as
    // U+FFFD, then by their bytes).
    int compare(std::string_view a, std::string_view b);

private:
    UCollator* open();

    UCollator* m_collator = nullptr;
    bool m_opened = false;
};

// Registers the collator as "PL" on the connection. It stays the caller's and
// must outlive the connection's statements; one collator serves one
// connection (ICU's collator is not shared between threads).
void registerPolishCollation(sqlite3* db, PolishCollator* collator);

} // namespace kv::engine
