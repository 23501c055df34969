#include "import/ImportConversions.h"

#include <QDate>

namespace kv {

namespace {

// The digits of a part; nothing when one of them is no digit.
std::optional<int> digits(QStringView text) {
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

} // namespace

std::optional<int> importDate(const QString& cell, ImportDateFormat format) {
    const QStringView s(cell);
    QStringView year, month, day;
    switch (format) {
    case ImportDateFormat::DayMonthYear:
        if (s.size() < 10)
            return std::nullopt;
        day = s.mid(0, 2);
        month = s.mid(3, 2);
        year = s.mid(6, 4);
        break;
    case ImportDateFormat::YearMonthDay:
        if (s.size() < 10)
            return std::nullopt;
        year = s.mid(0, 4);
        month = s.mid(5, 2);
        day = s.mid(8, 2);
        break;
    case ImportDateFormat::Compact:
        if (s.size() < 8)
            return std::nullopt;
        year = s.mid(0, 4);
        month = s.mid(4, 2);
        day = s.mid(6, 2);
        break;
    }
    const std::optional<int> y = digits(year), m = digits(month), d = digits(day);
    if (!y || !m || !d || *y < 1900 || !QDate::isValid(*y, *m, *d))
        return std::nullopt;
    return *y * 10000 + *m * 100 + *d;
}

std::optional<Decimal> importNumber(const QString& cell) {
    const QString trimmed = cell.trimmed();
    if (trimmed.isEmpty())
        return Decimal();
    // Decimal::parse takes "." and "," alike, which is what turning either
    // into the user's separator comes to.
    try {
        return Decimal::parse(trimmed);
    } catch (const DecimalError&) {
        return std::nullopt; // more digits than any column holds
    }
}

std::optional<Decimal> importAmount(const QString& cell) {
    const std::optional<Decimal> n = importNumber(cell);
    if (!n)
        return std::nullopt;
    try {
        return n->rounded(2);
    } catch (const DecimalError&) {
        return std::nullopt;
    }
}

bool importFlagSet(const QString& cell, const QString& symbol) {
    return cell.toUpper() == symbol.toUpper();
}

QString importKey(const QString& cell) {
    return cell.trimmed().toUpper();
}

} // namespace kv
