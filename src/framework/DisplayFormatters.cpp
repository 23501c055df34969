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

const QStringList& vehicleStatusTexts() {
    static const QStringList texts{QStringLiteral("Aktywny"), QStringLiteral("Nieaktywny"),
                                   QStringLiteral("Sprzedany"), QStringLiteral("Zniszczony"),
                                   QStringLiteral("Inne")};
    return texts;
}

QString formatVehicleStatus(const QVariant& value) {
    const std::optional<double> n = numberOf(value);
    const double code = n ? *n : 0.0;
    if (code >= 0 && code <= 4 && code == std::floor(code))
        return vehicleStatusTexts().at(static_cast<int>(code));
    return formatPlain(value);
}

QString formatOdometerKind(const QVariant& value) {
    const std::optional<double> n = numberOf(value);
    const int code = n ? static_cast<int>(*n) : 0;
    switch (code) {
    case 1:
        return QStringLiteral("Rozpoczęcie prowadzenia ewidencji VAT");
    case 2:
        return QStringLiteral("Stan na koniec okresu rozliczeniowego VAT");
    case 3:
        return QStringLiteral("Zakończenia prowadzenia ewidencji VAT");
    default:
        return QStringLiteral("Pozostałe");
    }
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
    case Formatter::VehicleStatus:
        return formatVehicleStatus(value);
    case Formatter::OdometerKind:
        return formatOdometerKind(value);
    default:
        return formatPlain(value);
    }
}

} // namespace kv
