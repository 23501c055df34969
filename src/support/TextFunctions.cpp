#include "support/TextFunctions.h"

#include "support/DateNumbers.h"
#include "support/Numbers.h"
#include "support/TVxUtilities.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace kv {

namespace {

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

qsizetype digitRunEnd(const QString& text, qsizetype from) {
    while (from < text.size() && isAsciiDigit(text[from]))
        ++from;
    return from;
}

} // namespace

bool isNumericText(const QString& text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), isAsciiDigit);
}

QString amountInWords(double amount) {
    if (!std::isfinite(amount))
        return {};
    QString formatted = formatNumber(amount, 2);
    const bool negative = formatted.startsWith(u'-');
    if (negative)
        formatted.remove(0, 1);
    const qsizetype separator = formatted.indexOf(decimalSeparator());
    const QString whole = formatted.left(separator);
    const QString fraction = formatted.mid(separator + 1);

    const TVxUtilities& utilities = TVxUtilities::instance();
    QStringList words;
    for (const QChar digit : whole)
        words.append(utilities.digitWord(digit.unicode() - u'0'));
    return (negative ? QStringLiteral("-") : QString()) + words.join(u'*') + u' ' + fraction +
           QStringLiteral("/100");
}

QString replaceChar(const QString& text, QChar a, QChar b) {
    QString result = text;
    return result.replace(a, b);
}

QString replaceFirst(const QString& text, const QString& pattern, const QString& replacement) {
    const qsizetype at = pattern.isEmpty() ? -1 : text.indexOf(pattern);
    if (at < 0)
        return text;
    QString result = text;
    return result.replace(at, pattern.size(), replacement);
}

bool isAlphanumeric(const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return isAsciiDigit(c) || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    });
}

bool convertImportDate(QString& text, const QString& formatName) {
    QString digits;
    if (formatName == QLatin1String("DD-MM-RRRR")) {
        if (text.size() < 10)
            return false;
        digits = text.mid(6, 4) + text.mid(3, 2) + text.mid(0, 2);
    } else if (formatName == QLatin1String("RRRR-MM-DD")) {
        if (text.size() < 10)
            return false;
        digits = text.mid(0, 4) + text.mid(5, 2) + text.mid(8, 2);
    } else if (formatName == QLatin1String("RRRRMMDD")) {
        if (text.size() < 8)
            return false;
        digits = text.mid(0, 4) + text.mid(4, 2) + text.mid(6, 2);
    } else {
        digits = text;
    }
    text = digits;
    // Through the date text, so the import accepts exactly what a date field
    // accepts (days 1 to 31 in every month, years from 1900).
    return isNumericText(digits) && digits.size() == 8 &&
           isValidDateText(dateNumberToText(digits.toInt()));
}

bool parseLeadingNumber(const QString& text, double& number) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return true;
    const qsizetype wholeEnd = digitRunEnd(trimmed, 0);
    if (wholeEnd == 0)
        return false;
    QString plain = trimmed.left(wholeEnd);
    if (wholeEnd + 1 < trimmed.size() && (trimmed[wholeEnd] == u'.' || trimmed[wholeEnd] == u',') &&
        isAsciiDigit(trimmed[wholeEnd + 1])) {
        const qsizetype fractionEnd = digitRunEnd(trimmed, wholeEnd + 1);
        plain += u'.' + trimmed.mid(wholeEnd + 1, fractionEnd - wholeEnd - 1);
    }
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return false;
    number = value;
    return true;
}

QString stripTrailingBackslash(const QString& path) {
    if (path == QLatin1String("/"))
        return path;
    if (path.endsWith(u'\\') || path.endsWith(u'/'))
        return path.left(path.size() - 1);
    return path;
}

bool hasControlCharacters(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace kv
