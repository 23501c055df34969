#pragma once

struct sqlite3;

namespace kv::engine {

// The collation "PL": texts in Polish alphabetical order (a ą b c ć d e ę f
// ... l ł m n ń o ó p ... s ś t ... z ź ż), letters compared without regard to
// case first; blanks and punctuation before digits, digits before letters.
// SQLite's own order puts every Polish letter after "z".
void registerPolishCollation(sqlite3* db);

// The comparison itself, on UTF-8 texts (negative, zero, positive).
int comparePolish(const char* a, int aLength, const char* b, int bLength);

} // namespace kv::engine
