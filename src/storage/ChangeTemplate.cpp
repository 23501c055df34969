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
    t.statement << QStringLiteral("INSERT INTO %1 (%2)").arg(table, names.join(u','))
                << QStringLiteral("VALUES (");
    for (int i = 0; i < columns.size(); ++i) {
        const TemplateColumn& c = columns.at(i);
        if (i > 0)
            t.statement << QStringLiteral(",");
        if (c.param >= 0)
            t.statement << paramName(c.param);
        else
            t.statement.slot(c.column);
    }
    t.statement << QStringLiteral(")");
    return t;
}

ChangeTemplate ChangeTemplate::update(const QString& table, const QList<TemplateColumn>& columns,
                                      const QString& keyColumn) {
    return update(table, columns, TemplateColumn{keyColumn, -1});
}

ChangeTemplate ChangeTemplate::update(const QString& table, const QList<TemplateColumn>& columns,
                                      const TemplateColumn& key) {
    ChangeTemplate t;
    t.statement << QStringLiteral("UPDATE %1 SET").arg(table);
    for (int i = 0; i < columns.size(); ++i) {
        const TemplateColumn& c = columns.at(i);
        const QString lead = (i > 0 ? QStringLiteral(",") : QString()) + c.column + u'=';
        if (c.param >= 0) {
            t.statement << lead + paramName(c.param);
        } else {
            t.statement << lead;
            t.statement.slot(c.column);
        }
    }
    if (key.param >= 0) {
        t.statement << QStringLiteral(" WHERE %1 = %2").arg(key.column, paramName(key.param));
        return t;
    }
    t.statement << QStringLiteral(" WHERE %1 =").arg(key.column);
    t.statement.slot(kKeySlot);
    return t;
}

void fillSlots(Query& query, const QHash<QString, QString>& values) {
    for (const QString& slot : query.slotNames()) {
        const QString value = values.value(slot);
        query.setSlot(slot, value.isEmpty() ? QStringLiteral("NULL") : value);
    }
}

} // namespace kv
