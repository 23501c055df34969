#pragma once

#include <QString>

namespace kv {

// Pieces of statement text several templates share.

// The person display text "surname first-name (nr.ew. number)" of a person
// table under the given alias (empty alias: unqualified columns). A missing
// person (an outer join that found nothing) gives an empty text, and a missing
// first name does not blank the whole text (in SQLite NULL || x is NULL).
inline QString personDisplaySql(const QString& alias = {}) {
    const QString p = alias.isEmpty() ? QString() : alias + u'.';
    return QStringLiteral("(CASE WHEN %1NREW IS NULL THEN '' ELSE IFNULL(%1NAZWISKO,'')||' '||"
                          "IFNULL(%1IMIE,'')||' (nr.ew. '||%1NREW||')' END)")
        .arg(p);
}

// "SELECT KOD, OPIS, UZUP1 FROM slowniki.DB WHERE IDSLOWNIK = '<code>' ORDER BY OPIS COLLATE PL"
// as template lines.
inline QStringList dictionaryListLines(const QString& code) {
    return {QStringLiteral("SELECT KOD, OPIS, UZUP1 FROM slowniki.DB"),
            QStringLiteral("WHERE IDSLOWNIK = '%1'").arg(code),
            QStringLiteral("ORDER BY OPIS COLLATE PL")};
}

} // namespace kv
