#include "framework/TwinTables.h"

#include "storage/DataModule.h"

#include <QSet>
#include <array>

namespace kv {

namespace {

std::array<QStringList, kRegisterCount>& twinQueries() {
    static std::array<QStringList, kRegisterCount> names;
    return names;
}

// The register's components that the data module has, the grid's first.
QStringList queriesOf(DataModule& db, RegisterId id) {
    QStringList out{registerDescriptor(id).query};
    out += twinQueries()[static_cast<size_t>(id)];
    out.removeDuplicates();
    QStringList present;
    for (const QString& name : std::as_const(out))
        if (db.hasQuery(name))
            present.append(name);
    return present;
}

} // namespace

void addTwinTableQuery(RegisterId id, const QString& queryName) {
    QStringList& names = twinQueries()[static_cast<size_t>(id)];
    if (!names.contains(queryName))
        names.append(queryName);
}

bool twinTableActive(DataModule& db, RegisterId id) {
    const RegisterDescriptor& d = registerDescriptor(id);
    if (d.alternateTable.isEmpty() || !db.hasQuery(d.query))
        return false;
    return db.query(d.query).text().contains(d.alternateTable, Qt::CaseInsensitive);
}

void switchTwinTable(DataModule& db, RegisterId id, bool toTwin) {
    const RegisterDescriptor& d = registerDescriptor(id);
    if (d.alternateTable.isEmpty() || twinTableActive(db, id) == toTwin)
        return;
    const QString& from = toTwin ? d.table : d.alternateTable;
    const QString& to = toTwin ? d.alternateTable : d.table;
    for (const QString& name : queriesOf(db, id)) {
        Query& q = db.query(name);
        const QStringList lines = q.lines();
        for (int i = 0; i < lines.size(); ++i)
            q.replaceInLine(i, from, to);
    }
}

QString currentRegisterTable(DataModule& db, RegisterId id) {
    return registerDescriptor(id).currentTable(twinTableActive(db, id));
}

} // namespace kv
