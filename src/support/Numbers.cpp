#include "support/Numbers.h"

#include <QByteArray>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace kv {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMaximumDecimals = 20;

// Adds one to a run of decimal digits ("199" -> "200"); true when it carries
// out of the first digit ("99" -> "00" and a carry).
bool increment(std::string& digits) {
    for (auto i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

// The non-negative value rounded to the given decimals, with "." and without
// sign. Rounding works on the value's first 15 significant digits, half away
// from zero, so 2.675 (stored as 2.67499999...) is shown as 2.68, as a person
// who typed it expects, and sums like 0.1 + 0.2 show as 0.30. Worked out in
// a character buffer: grids, sheets and the search format every amount they
// show, hundreds of thousands at a time.
std::string roundedFixedText(double magnitude, int decimals) {
    // The first 15 significant digits, correctly rounded, a tie rounded up.
    // The standard conversion is fast but rounds a tie to even, so a value
    // that may be one (its 16th digit a 5) goes through the toolkit's.
    char buffer[48];
    auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                 std::chars_format::scientific, kSignificantDigits);
    QByteArray tie;
    std::string_view text;
    if (buffer[kSignificantDigits + 1] == '5') {
        tie = QByteArray::number(magnitude, 'e', kSignificantDigits - 1);
        text = std::string_view(tie.constData(), static_cast<size_t>(tie.size()));
    } else {
        written = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                std::chars_format::scientific, kSignificantDigits - 1);
        text = std::string_view(buffer, static_cast<size_t>(written.ptr - buffer));
    }
    const size_t e = text.find('e');
    std::string digits;
    digits.reserve(kSignificantDigits);
    digits += text[0];
    digits.append(text.substr(2, e - 2));
    int exponent = 0;
    // The exponent's sign is always written ("e+01", "e-05").
    std::from_chars(text.data() + e + 2, text.data() + text.size(), exponent);
    if (text[e + 1] == '-')
        exponent = -exponent;

    // `kept` digits of `digits` stand before the last decimal place.
    const int kept = exponent + 1 + decimals;
    std::string scaled; // the value times 10^decimals, as an integer text
    if (kept < 0) {
        scaled = "0";
    } else if (kept == 0) {
        scaled = digits[0] >= '5' ? "1" : "0";
    } else if (static_cast<size_t>(kept) >= digits.size()) {
        scaled = digits;
        scaled.append(static_cast<size_t>(kept) - digits.size(), '0');
    } else {
        scaled.assign(digits, 0, static_cast<size_t>(kept));
        if (digits[static_cast<size_t>(kept)] >= '5' && increment(scaled))
            scaled.insert(scaled.begin(), '1');
    }

    const size_t firstNonZero = scaled.find_first_not_of('0');
    scaled.erase(0, std::min(firstNonZero, scaled.size() - 1));
    if (scaled.size() <= static_cast<size_t>(decimals))
        scaled.insert(0, static_cast<size_t>(decimals) + 1 - scaled.size(), '0');
    if (decimals > 0)
        scaled.insert(scaled.size() - static_cast<size_t>(decimals), 1, '.');
    return scaled;
}

} // namespace

QChar decimalSeparator() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QChar(u'.') : point.at(0);
}

QString formatNumber(double value, int decimals) {
    if (!std::isfinite(value))
        return QString::number(value);
    decimals = std::clamp(decimals, 0, kMaximumDecimals);
    const std::string digits = roundedFixedText(std::fabs(value), decimals);
    const bool isZero =
        std::all_of(digits.cbegin(), digits.cend(), [](char c) { return c == '0' || c == '.'; });
    const bool sign = value < 0 && !isZero;
    QString text(static_cast<qsizetype>(digits.size()) + (sign ? 1 : 0), Qt::Uninitialized);
    QChar* out = text.data();
    if (sign)
        *out++ = u'-';
    const QChar separator = decimals > 0 ? decimalSeparator() : QChar(u'.');
    for (const char c : digits)
        *out++ = c == '.' ? separator : QChar(QLatin1Char(c));
    return text;
}

std::optional<double> parseNumber(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)$"));
    QString trimmed = text.trimmed();
    if (!number.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const double value = trimmed.replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<qint64> parseInteger(const QString& text) {
    static const QRegularExpression integer(QStringLiteral("^[+-]?[0-9]+$"));
    const QString trimmed = text.trimmed();
    if (!integer.match(trimmed).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 value = trimmed.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString numberForSql(const QString& typed) {
    if (!parseNumber(typed))
        return QStringLiteral("0");
    return typed.trimmed().replace(u',', u'.');
}

} // namespace kv
