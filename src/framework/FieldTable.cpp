#include "framework/FieldTable.h"

#include "schema/Schema.h"
#include "support/DateNumbers.h"
#include "support/Decimal.h"
#include "support/Numbers.h"

#include <cmath>

namespace kv {

bool fieldIsBound(FieldKind kind) {
    return kind == FieldKind::Text || kind == FieldKind::Key || kind == FieldKind::Flag;
}

QString fieldText(FieldKind kind, const QVariant& stored) {
    switch (kind) {
    case FieldKind::Date:
        return dateNumberToText(stored.toLongLong(), true);
    case FieldKind::Amount:
        return formatNumber(stored.toDouble(), 2);
    case FieldKind::Rate:
        return formatNumber(stored.toDouble(), 4);
    case FieldKind::Integer:
        return stored.isNull() ? QString() : QString::number(std::llround(stored.toDouble()));
    case FieldKind::Code:
        return QString::number(stored.toInt());
    case FieldKind::Flag:
        return stored.toString() == u"T" ? QStringLiteral("T") : QStringLiteral("N");
    case FieldKind::Text:
    case FieldKind::Key:
        break;
    }
    return stored.toString();
}

QString fieldSql(FieldKind kind, const QString& text) {
    switch (kind) {
    case FieldKind::Date:
        return QString::number(isBlankDateText(text) ? 0 : textToDateNumber(text, true));
    case FieldKind::Amount:
    case FieldKind::Rate:
        // The number as read, so "12,5" and "12.5" store the same value.
        if (const std::optional<Decimal> d = Decimal::parse(text))
            return d->toSql();
        return QStringLiteral("0");
    case FieldKind::Integer:
    case FieldKind::Code:
        return QString::number(parseInteger(text).value_or(0));
    case FieldKind::Text:
    case FieldKind::Key:
    case FieldKind::Flag:
        break;
    }
    return text;
}

int fieldWidth(const QString& table, const QString& column) {
    const schema::Table* t = schema::findTable(table);
    const schema::Column* c = t ? t->column(column) : nullptr;
    return c ? c->width : 0;
}

} // namespace kv
