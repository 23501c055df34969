#include "framework/RegisterEditing.h"

#include "storage/DataModule.h"

#include <sqlite3.h>

namespace kv {

namespace {
QString stem(const RegisterDescriptor& d) {
    // "DBFpojazdy" -> "Pojazdy"
    QString s = d.query.mid(3);
    if (!s.isEmpty())
        s[0] = s.at(0).toUpper();
    return s;
}
} // namespace

QString insertQueryName(const RegisterDescriptor& d) {
    return QStringLiteral("DBFInsert") + stem(d);
}

QString updateQueryName(const RegisterDescriptor& d) {
    return QStringLiteral("DBFUpdate") + stem(d);
}

void addChangeQueries(DataModule& db, const RegisterDescriptor& d, const ChangeTemplate& insert,
                      const ChangeTemplate& update) {
    db.addQuery(insertQueryName(d), ConnectionKind::Company, insert.statement);
    db.addQuery(updateQueryName(d), ConnectionKind::Company, update.statement);
}

namespace detail {

bool keyExists(DataModule& db, const QString& table, const QString& column, KeyMatch match,
               const QString& key) {
    switch (match) {
    case KeyMatch::Number:
        return db.recordExists(table, column, key.toLongLong());
    case KeyMatch::IgnoreCase:
        return db.recordExistsIgnoringCase(table, column, key);
    case KeyMatch::Text:
        break;
    }
    return db.recordExistsByText(table, column, key);
}

bool sameKey(const QString& a, const QString& b, KeyMatch match) {
    if (match == KeyMatch::IgnoreCase)
        return a.trimmed().toUpper() == b.trimmed().toUpper();
    return a == b;
}

QString keyText(FieldKind kind, const QString& text) {
    return fieldIsBound(kind) ? text.trimmed() : fieldSql(kind, text);
}

qint64 writeRecord(RegisterController& reg, bool insert, const QStringList& params,
                   QHash<QString, QString> slotValues, const engine::Params& nullParams) {
    const RegisterDescriptor& d = reg.descriptor();
    DataModule& db = reg.database();
    Query& q = db.query(insert ? insertQueryName(d) : updateQueryName(d));
    QStringList bound = params;
    if (!insert) {
        const QVariant key = reg.currentValue(d.deleteKey.first());
        if (d.deleteKeyIsText)
            bound.append(key.toString()); // the record's own key, as stored
        else
            slotValues.insert(kKeySlot, QString::number(key.toLongLong()));
    }
    fillSlots(q, slotValues);
    db.execute(q, bound, nullParams);
    // The id this connection's insert gave its row: the table's greatest may
    // already be another program's.
    return insert ? sqlite3_last_insert_rowid(db.connection(q.connection()).handle()) : 0;
}

void keepStoredKey(QList<KeyedItem>& items, const QString& key) {
    for (const KeyedItem& item : items)
        if (item.key == key)
            return;
    items.append({key, key});
}

QVariantList savedKey(RegisterController& reg, bool insert, const QVariant& typedKey,
                      qint64 insertedId) {
    const RegisterDescriptor& d = reg.descriptor();
    const QString column = d.locateKey.value(0);
    if (typedKey.isValid())
        return {typedKey};
    if (!insert)
        return {d.locateKeyIsText ? QVariant(reg.currentValue(column).toString())
                                  : reg.currentValue(column)};
    // A new record's id as its insert gave it: the table's greatest may be
    // another program's row by now.
    return {d.locateKeyIsText ? QVariant(QString::number(insertedId)) : QVariant(insertedId)};
}

} // namespace detail

} // namespace kv
