#include "storage/engine/SqlDialect.h"

#include <QSet>

namespace kv::engine {

namespace {

enum class Kind { Space, Word, Number, String, Quoted, Param, Punct, Comment };

struct Token {
    Kind kind;
    int start;
    int length;
};

bool isWordStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$';
}

QList<Token> tokenize(const QString& s) {
    QList<Token> tokens;
    const int n = static_cast<int>(s.size());
    int i = 0;
    while (i < n) {
        const int start = i;
        const QChar c = s.at(i);
        Kind kind = Kind::Punct;
        if (c.isSpace()) {
            while (i < n && s.at(i).isSpace())
                ++i;
            kind = Kind::Space;
        } else if (c == u'-' && i + 1 < n && s.at(i + 1) == u'-') {
            while (i < n && s.at(i) != u'\n')
                ++i;
            kind = Kind::Comment;
        } else if (c == u'/' && i + 1 < n && s.at(i + 1) == u'*') {
            const int end = s.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 2;
            kind = Kind::Comment;
        } else if (c == u'\'' || c == u'"' || c == u'`' || c == u'[') {
            const QChar close = c == u'[' ? QChar(u']') : c;
            ++i;
            while (i < n) {
                if (s.at(i) == close) {
                    // A doubled quote stands for one quote inside the text.
                    if (close != u']' && i + 1 < n && s.at(i + 1) == close) {
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                ++i;
            }
            kind = c == u'\'' ? Kind::String : Kind::Quoted;
        } else if (c == u':' && i + 1 < n && isWordChar(s.at(i + 1))) {
            ++i;
            while (i < n && isWordChar(s.at(i)))
                ++i;
            kind = Kind::Param;
        } else if (isWordStart(c)) {
            while (i < n && isWordChar(s.at(i)))
                ++i;
            kind = Kind::Word;
        } else if (c.isDigit()) {
            while (i < n && (s.at(i).isLetterOrNumber() || s.at(i) == u'.'))
                ++i;
            kind = Kind::Number;
        } else {
            ++i;
        }
        tokens.append({kind, start, i - start});
    }
    return tokens;
}

bool isKeyword(const QString& upperWord, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (upperWord == QLatin1String(w))
            return true;
    return false;
}

} // namespace

TranslatedStatement translateStatement(const QString& sql,
                                       const std::function<bool(const QString&)>& isTableFile) {
    const QList<Token> tokens = tokenize(sql);
    TranslatedStatement out;
    QSet<QString> seen;
    auto addTable = [&](const QString& lower) {
        if (!seen.contains(lower)) {
            seen.insert(lower);
            out.tables.append(lower);
        }
    };

    // Index of the previous meaningful token, to tell where a table may stand.
    auto prevSignificant = [&](int from) {
        for (int j = from - 1; j >= 0; --j)
            if (tokens.at(j).kind != Kind::Space && tokens.at(j).kind != Kind::Comment)
                return j;
        return -1;
    };
    auto nextSignificant = [&](int from) {
        for (int j = from + 1; j < tokens.size(); ++j)
            if (tokens.at(j).kind != Kind::Space && tokens.at(j).kind != Kind::Comment)
                return j;
        return static_cast<int>(tokens.size());
    };
    auto textOf = [&](int j) { return sql.mid(tokens.at(j).start, tokens.at(j).length); };

    bool inFromList = false; // between FROM and the clause that ends its table list
    int depth = 0;
    int fromDepth = -1;
    QString result;
    result.reserve(sql.size());

    for (int i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens.at(i);
        const QString text = textOf(i);
        if (t.kind == Kind::Param) {
            result += text.toUpper();
            continue;
        }
        if (t.kind == Kind::Punct) {
            if (text == u'(')
                ++depth;
            else if (text == u')') {
                if (inFromList && depth == fromDepth)
                    inFromList = false;
                --depth;
            }
            result += text;
            continue;
        }
        if (t.kind != Kind::Word) {
            result += text;
            continue;
        }

        const QString upper = text.toUpper();
        if (upper == u"FROM") {
            inFromList = true;
            fromDepth = depth;
        } else if (inFromList && depth == fromDepth &&
                   isKeyword(upper, {"WHERE", "GROUP", "ORDER", "HAVING", "LIMIT", "UNION",
                                     "EXCEPT", "INTERSECT", "SET", "VALUES"})) {
            inFromList = false;
        }

        const QString lower = text.toLower();
        // "name.DB" / "name.db": the file-name form of a table.
        const int dot = nextSignificant(i);
        if (dot < tokens.size() && textOf(dot) == u'.') {
            const int ext = nextSignificant(dot);
            if (ext < tokens.size() && tokens.at(ext).kind == Kind::Word &&
                textOf(ext).compare(QLatin1String("DB"), Qt::CaseInsensitive) == 0 &&
                isTableFile(lower)) {
                addTable(lower);
                result += lower;
                i = ext; // drop ".DB"
                continue;
            }
        }

        const int prev = prevSignificant(i);
        bool tablePosition = false;
        if (prev >= 0) {
            const QString p = textOf(prev).toUpper();
            if (isKeyword(p, {"FROM", "JOIN", "INTO", "UPDATE", "TABLE"}))
                tablePosition = true;
            else if (p == u"," && inFromList && depth == fromDepth)
                tablePosition = true;
        }
        if (tablePosition && isTableFile(lower)) {
            addTable(lower);
            result += lower;
            continue;
        }
        result += text;
    }
    out.sql = result;
    return out;
}

} // namespace kv::engine
