#include "support/Numbers.h"

#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace kv {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kMaximumDecimals = 20;

// Adds one to a text of decimal digits ("199" -> "200", "99" -> "100").
QString incremented(QString digits) {
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        if (digits[i] != u'9') {
            digits[i] = QChar(digits[i].unicode() + 1);
            return digits;
        }
        digits[i] = u'0';
    }
    return u'1' + digits;
}

// The non-negative value rounded to the given decimals, with "." and without
// sign. Rounding works on the value's first 15 significant digits, half away
// from zero, so 2.675 (stored as 2.67499999...) is shown as 2.68, as a person
// who typed it expects, and sums like 0.1 + 0.2 show as 0.30.
QString roundedFixedText(double magnitude, int decimals) {
    const QString scientific = QString::number(magnitude, 'e', kSignificantDigits - 1);
    const qsizetype e = scientific.indexOf(u'e');
    const QString digits = scientific.left(1) + scientific.mid(2, e - 2);
    const int exponent = scientific.mid(e + 1).toInt();

    // `kept` digits of `digits` stand before the last decimal place.
    const int kept = exponent + 1 + decimals;
    QString scaled; // the value times 10^decimals, as an integer text
    if (kept < 0)
        scaled = QStringLiteral("0");
    else if (kept == 0)
        scaled = digits[0] >= u'5' ? QStringLiteral("1") : QStringLiteral("0");
    else if (kept >= digits.size())
        scaled = digits + QString(kept - digits.size(), u'0');
    else {
        scaled = digits.left(kept);
        if (digits[kept] >= u'5')
            scaled = incremented(scaled);
    }

    while (scaled.size() > 1 && scaled.startsWith(u'0'))
        scaled.remove(0, 1);
    if (scaled.size() <= decimals)
        scaled = scaled.rightJustified(decimals + 1, u'0');
    if (decimals == 0)
        return scaled;
    return scaled.left(scaled.size() - decimals) + u'.' + scaled.right(decimals);
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
    QString text = roundedFixedText(std::fabs(value), decimals);
    const bool isZero =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == u'0' || c == u'.'; });
    if (value < 0 && !isZero)
        text.prepend(u'-');
    return text.replace(u'.', decimalSeparator());
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
