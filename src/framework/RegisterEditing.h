#pragma once

#include "framework/EditCycle.h"
#include "framework/FieldTable.h"
#include "framework/FormView.h"
#include "framework/RecordCard.h"
#include "framework/RegisterController.h"

#include <functional>
#include <memory>

namespace kv {

// How typed keys are compared when a register keeps one record per key.
enum class KeyMatch {
    Text,       // as typed, without the blanks around it
    IgnoreCase, // the same, whatever the letter case
    Number,     // dates and numbers
};

// The parts of a register's add and edit cycle that are not its window: the
// register states only what differs from the common steps.
template <class V> struct RegisterEditing {
    const FieldTable<V>* fields = nullptr;
    // The printed card of a record ("Drukuj"); null: the register has none.
    const CardTable* card = nullptr;
    // A new record's values (empty: V{}).
    std::function<V()> defaults;
    // What the window is told (lists, locked columns); adding or editing.
    std::function<FormSetup(bool adding)> setup;
    // One record per key: the column, how keys compare and the message a
    // duplicate shows (empty column: no such rule).
    QString uniqueColumn;
    KeyMatch uniqueMatch = KeyMatch::Text;
    QString duplicateMessage;
    // Whether to save values that passed the window's checks and the
    // uniqueness rule (asked of the user); false shows the window again as
    // typed. Editing, the register's current record is the one edited.
    std::function<bool(RegisterController&, const V& typed, bool insert)> confirmSave;
    // What the write changes in the values confirmed (after confirmSave: a
    // value the user agreed there to clear); empty: written as confirmed.
    std::function<void(RegisterController&, V& toWrite, bool insert)> amend;
    // Right after a successful write, with the values as written.
    std::function<void(RegisterController&, const V& saved, bool insert)> afterWrite;
    // After a successful save and refresh.
    std::function<void(bool insert)> afterSave;
    // The Add of another register the saved values ask for (see HandOver).
    std::function<std::optional<HandOverRequest>(const V& typed, bool insert)> handOver;
    // List columns whose stored key stays when the list no longer offers it
    // (a card since renamed, a driver since deleted): the key is offered as
    // an entry of its own, shown as it is, so saving keeps the reference.
    QStringList keepStoredKeys;
};

// The insert and update components of a register made from its field table
// ("DBFInsert" / "DBFUpdate" and the register's query name after "DBF"); the
// update is keyed by the register's delete key.
QString insertQueryName(const RegisterDescriptor& d);
QString updateQueryName(const RegisterDescriptor& d);
void addChangeQueries(DataModule& db, const RegisterDescriptor& d, const ChangeTemplate& insert,
                      const ChangeTemplate& update);
template <class V> void addEditQueries(DataModule& db, RegisterId id, const FieldTable<V>& fields) {
    const RegisterDescriptor& d = registerDescriptor(id);
    addChangeQueries(db, d, fields.insertTemplate(),
                     fields.updateTemplate(d.deleteKey.first(), d.deleteKeyIsText));
}

namespace detail {
// The common steps that need no knowledge of V.
bool keyExists(DataModule& db, const QString& table, const QString& column, KeyMatch match,
               const QString& key);
bool sameKey(const QString& a, const QString& b, KeyMatch match);
QString keyText(FieldKind kind, const QString& text);
// Runs the insert or update; an insert answers the id it gave its row.
qint64 writeRecord(RegisterController& reg, bool insert, const QStringList& params,
                   QHash<QString, QString> slotValues, const engine::Params& nullParams = {});
QVariantList savedKey(RegisterController& reg, bool insert, const QVariant& typedKey,
                      qint64 insertedId);
// Adds an entry for a stored key the list lacks (see keepStoredKeys).
void keepStoredKey(QList<KeyedItem>& items, const QString& key);
} // namespace detail

// Offers in the setup's lists the stored keys of the given columns that the
// lists lack (see RegisterEditing::keepStoredKeys).
template <class V>
void keepStoredKeys(const FieldTable<V>& fields, const QStringList& columns, const V& v,
                    FormSetup& setup) {
    for (const QString& column : columns) {
        const Field<V>* f = fields.find(column);
        const auto items = setup.lists.find(column);
        if (!f || items == setup.lists.end())
            continue;
        const QString key = f->kind == FieldKind::Code ? QString::number(f->getCode(v)) : f->get(v);
        if (f->kind == FieldKind::Code ? f->getCode(v) > 0 : !key.isEmpty())
            detail::keepStoredKey(items.value(), key);
    }
}

// The edit steps of a register from its field table: the window filled from
// the current record or the defaults, locked columns keeping their stored
// values, the uniqueness rule, the standard insert or update, and the cursor
// on the saved record (by its typed key, or by the new id).
template <class V>
EditSteps registerEditSteps(RegisterController& reg, FormView<V>& form, const RegisterEditing<V>& e,
                            bool adding) {
    // Copies and pointers only: the steps may outlive the caller's `e`.
    const FieldTable<V>* table = e.fields;
    const FieldTable<V>& fields = *table;
    const FormSetup setup = e.setup ? e.setup(adding) : FormSetup{};
    const std::function<V()> defaults = e.defaults;
    // What is saved: the window's values, but locked columns as stored.
    auto toSave = [&reg, &form, table, setup] {
        const FieldTable<V>& fields = *table;
        V v = form.values();
        if (setup.lockedColumns.isEmpty())
            return v;
        const auto rows = reg.rows();
        for (const Field<V>& f : fields.fields())
            if (!setup.editable(f.column) && rows && reg.currentRow() >= 0) {
                const V stored = fields.fromRecord(*rows, reg.currentRow(), v);
                if (f.kind == FieldKind::Code)
                    f.setCode(v, f.getCode(stored));
                else
                    f.set(v, f.get(stored));
            }
        return v;
    };
    EditSteps s;
    const QStringList kept = e.keepStoredKeys;
    s.fill = [&reg, &form, table, defaults, setup, adding, kept](bool fromCurrent) {
        const auto rows = reg.rows();
        V v = defaults ? defaults() : V{};
        if (fromCurrent && rows && reg.currentRow() >= 0)
            v = table->fromRecord(*rows, reg.currentRow(), v);
        FormSetup shown = setup;
        shown.adding = adding;
        keepStoredKeys(*table, kept, v, shown);
        form.load(v, shown);
    };
    s.show = [&form] { return form.confirm(); };
    if (const Field<V>* key = fields.find(e.uniqueColumn)) {
        const Field<V> k = *key;
        const QString table = fields.table().chopped(3);
        const KeyMatch match = e.uniqueMatch;
        s.typedKey = [k, toSave] { return detail::keyText(k.kind, k.text(toSave())); };
        s.currentKey = [&reg, k] {
            return detail::keyText(k.kind, fieldText(k.kind, reg.currentValue(k.column)));
        };
        s.keyExists = [&reg, table, k, match](const QString& key) {
            return detail::keyExists(reg.database(), table, k.column, match, key);
        };
        s.sameKey = [match](const QString& a, const QString& b) {
            return detail::sameKey(a, b, match);
        };
        s.duplicateMessage = e.duplicateMessage;
    }
    if (e.confirmSave)
        s.confirmSave = [&reg, toSave, confirm = e.confirmSave](bool insert) {
            return confirm(reg, toSave(), insert);
        };
    // What the write wrote, for the step right after it, and the id an
    // insert gave its row.
    auto written = std::make_shared<V>();
    auto insertedId = std::make_shared<qint64>(0);
    s.write = [&reg, table, toSave, written, insertedId, amend = e.amend](bool insert) {
        *written = toSave();
        if (amend)
            amend(reg, *written, insert);
        *insertedId = detail::writeRecord(reg, insert, table->params(*written),
                                          table->slotValues(*written), table->nullParams(*written));
    };
    if (e.handOver)
        s.handOver = [toSave, handOver = e.handOver](bool insert) {
            return handOver(toSave(), insert);
        };
    if (e.afterWrite)
        s.afterWrite = [&reg, written, after = e.afterWrite](bool insert) {
            after(reg, *written, insert);
        };
    s.savedKey = [&reg, table, toSave, insertedId](bool insert) {
        const QString keyColumn = reg.descriptor().locateKey.value(0);
        const Field<V>* key = table->find(keyColumn);
        if (!key)
            return detail::savedKey(reg, insert, QVariant(), *insertedId);
        const QString text = key->text(toSave());
        return detail::savedKey(reg, insert,
                                fieldIsBound(key->kind) ? QVariant(text.trimmed())
                                                        : QVariant(fieldSql(key->kind, text)),
                                *insertedId);
    };
    s.afterSave = e.afterSave;
    return s;
}

} // namespace kv
