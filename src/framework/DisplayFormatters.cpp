#include "framework/DisplayFormatters.h"

#include "support/DateNumbers.h"
#include "support/Numbers.h"

#include <cmath>

namespace kv {

namespace {

std::optional<double> numberOf(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return value.toDouble();
    default:
        return parseNumber(value.toString());
    }
}

} // namespace

QString formatDateValue(const QVariant& value) {
    const std::optional<double> n = numberOf(value);
    if (!n)
        return {};
    return dateNumberToText(static_cast<qint64>(*n), true);
}

QString formatTimeValue(const QVariant& value) {
    const std::optional<double> n = numberOf(value);
    return timeNumberToText(n ? static_cast<qint64>(*n) : 0, true);
}

QString formatYesNo(const QVariant& value) {
    return value.toString() == u"T" ? QStringLiteral("Tak") : QStringLiteral("Nie");
}

QString formatMoney(const QVariant& value) {
    const std::optional<double> n = numberOf(value);
    return n ? formatNumber(*n, 2) : QString();
}

QString formatRate(const QVariant& value) {
    const std::optional<double> n = numberOf(value);
    return n ? formatNumber(*n, 4) : QString();
}

QString formatChoice(const QVariant& value, const QStringList& choices, int otherChoice) {
    // An unreadable value counts as code 0.
    const std::optional<double> n = numberOf(value);
    const double code = n ? *n : 0.0;
    if (code >= 0 && code < choices.size() && code == std::floor(code))
        return choices.at(static_cast<int>(code));
    if (otherChoice >= 0 && otherChoice < choices.size())
        return choices.at(otherChoice);
    return formatPlain(value);
}

QString formatPerson(const QVariant& surname, const QVariant& firstName) {
    return surname.toString() + u' ' + firstName.toString();
}

QString formatPlain(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return {};
    if (value.typeId() == QMetaType::Double) {
        const double d = value.toDouble();
        if (d == std::floor(d) && std::fabs(d) < 1e15)
            return QString::number(static_cast<qint64>(d));
        QString text = QString::number(d, 'f', 6);
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
        return text.replace(u'.', decimalSeparator());
    }
    return value.toString();
}

QString formatCell(const GridColumn& column, const QVariant& value) {
    if (column.format == Formatter::Choice)
        return formatChoice(value, column.choices, column.otherChoice);
    return formatValue(column.format, value);
}

QString formatValue(Formatter formatter, const QVariant& value) {
    switch (formatter) {
    case Formatter::Date:
        return formatDateValue(value);
    case Formatter::Time:
        return formatTimeValue(value);
    case Formatter::YesNo:
        return formatYesNo(value);
    case Formatter::Money:
        return formatMoney(value);
    case Formatter::Rate:
        return formatRate(value);
    default:
        return formatPlain(value);
    }
}

} // namespace kv
