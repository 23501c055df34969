#include "storage/ChangeTemplate.h"

#include "storage/Query.h"

namespace kv {

namespace {
QString paramName(int param) {
    return QStringLiteral(":PARAM%1").arg(param);
}
} // namespace

ChangeTemplate ChangeTemplate::insert(const QString& table, const QList<TemplateColumn>& columns) {
    ChangeTemplate t;
    QStringList names;
    for (const TemplateColumn& c : columns)
        names.append(c.column);
    t.lines.append(QStringLiteral("INSERT INTO %1 (%2)").arg(table, names.join(u',')));
    t.lines.append(QStringLiteral("VALUES ("));
    for (int i = 0; i < columns.size(); ++i) {
        const TemplateColumn& c = columns.at(i);
        if (i > 0)
            t.lines.append(QStringLiteral(","));
        if (c.param >= 0) {
            t.lines.append(paramName(c.param));
        } else {
            t.slotLine.insert(c.column, static_cast<int>(t.lines.size()));
            t.lines.append(QString());
        }
    }
    t.lines.append(QStringLiteral(")"));
    return t;
}

ChangeTemplate ChangeTemplate::update(const QString& table, const QList<TemplateColumn>& columns,
                                      const QString& keyColumn) {
    return update(table, columns, TemplateColumn{keyColumn, -1});
}

ChangeTemplate ChangeTemplate::update(const QString& table, const QList<TemplateColumn>& columns,
                                      const TemplateColumn& key) {
    ChangeTemplate t;
    t.lines.append(QStringLiteral("UPDATE %1 SET").arg(table));
    for (int i = 0; i < columns.size(); ++i) {
        const TemplateColumn& c = columns.at(i);
        const QString lead = (i > 0 ? QStringLiteral(",") : QString()) + c.column + u'=';
        if (c.param >= 0) {
            t.lines.append(lead + paramName(c.param));
        } else {
            t.lines.append(lead);
            t.slotLine.insert(c.column, static_cast<int>(t.lines.size()));
            t.lines.append(QString());
        }
    }
    if (key.param >= 0) {
        t.lines.append(QStringLiteral(" WHERE %1 = %2").arg(key.column, paramName(key.param)));
        return t;
    }
    t.lines.append(QStringLiteral(" WHERE %1 =").arg(key.column));
    t.slotLine.insert(QStringLiteral("KEY"), static_cast<int>(t.lines.size()));
    t.lines.append(QString());
    return t;
}

void fillSlots(Query& query, const ChangeTemplate& shape, const QHash<QString, QString>& values) {
    for (auto it = shape.slotLine.cbegin(); it != shape.slotLine.cend(); ++it) {
        const QString value = values.value(it.key());
        query.setLine(it.value(), value.isEmpty() ? QStringLiteral("NULL") : value);
    }
}

} // namespace kv
