#include "fuel/ConsumptionQueries.h"

#include "framework/TwinTables.h"
#include "storage/ChangeTemplate.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

// "DBFZuzycieKm" -> "ZuzycieKm"
QString stem(RegisterId id) {
    return registerDescriptor(id).query.mid(3);
}

QString firstColumn(RegisterId id) {
    return id == RegisterId::Consumption ? QStringLiteral("BAK") : QStringLiteral("PRZEBIEG");
}

const QString kDate = QStringLiteral("DATA");
const QString kVehicle = QStringLiteral("IDPOJAZD");
const QString kFirst = QStringLiteral("FIRST");
const QString kLitres = QStringLiteral("TANKOWANIE");
const QString kReading = QStringLiteral("LICZNIK");
const QString kOldDate = QStringLiteral("OLDDATA");

StatementTemplate gridStatement(RegisterId id, const QString& table) {
    StatementTemplate t;
    switch (id) {
    case RegisterId::ConsumptionKm:
        t << QStringLiteral("SELECT IDPOJAZD,DATA,PRZEBIEG,TANKOWANIE,LICZNIK,"
                            "(TANKOWANIE/PRZEBIEG*100) AS ZUZYCIE ");
        break;
    case RegisterId::ConsumptionMth:
        t << QStringLiteral("SELECT IDPOJAZD,DATA,PRZEBIEG,TANKOWANIE,LICZNIK,"
                            "(TANKOWANIE/PRZEBIEG) AS ZUZYCIE ");
        break;
    default:
        t << QStringLiteral("SELECT IDPOJAZD,DATA,BAK,TANKOWANIE,LICZNIK, ZUZYCIE");
        break;
    }
    t << QStringLiteral("FROM ") + table << QStringLiteral("WHERE 1 = 1");
    t.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    // Always by date: a row's consumption is worked out from the row before.
    t << QStringLiteral("ORDER BY DATA");
    return t;
}

Query& filled(DataModule& db, const QString& name, const QHash<QString, QString>& values) {
    Query& q = db.query(name);
    fillSlots(q, values);
    return q;
}

QHash<QString, QString> rowSlots(int vehicleId, const RefuellingRow& row) {
    return {{kDate, QString::number(row.date)},
            {kVehicle, QString::number(vehicleId)},
            {kFirst, row.first.toSql()},
            {kLitres, row.litres.toSql()},
            {kReading, row.reading.toSql()}};
}

// A stored value that is no finite number fails the statement's work.
Decimal storedNumber(const ResultSet& rows, int column) {
    try {
        return Decimal::fromStored(rows.value(0, column)).value_or(Decimal());
    } catch (const DecimalError& e) {
        throw DatabaseError(QString::fromUtf8(e.what()));
    }
}

} // namespace

ConsumptionQueryNames consumptionQueryNames(RegisterId id) {
    const QString s = stem(id);
    return {QStringLiteral("DBFInsert") + s, QStringLiteral("DBFUpdate") + s,
            QStringLiteral("DBFDelete") + s, QStringLiteral("DBFDzien") + s,
            QStringLiteral("DBFPoprzedniLicznik") + s};
}

void registerConsumptionQueries(DataModule& db) {
    for (RegisterId id :
         {RegisterId::Consumption, RegisterId::ConsumptionKm, RegisterId::ConsumptionMth}) {
        const RegisterDescriptor& d = registerDescriptor(id);
        const QString table = d.table;
        const QString first = firstColumn(id);
        const ConsumptionQueryNames n = consumptionQueryNames(id);

        StatementTemplate insert;
        insert << QStringLiteral("INSERT INTO ") + table +
                      QStringLiteral(" (DATA,IDPOJAZD,%1,TANKOWANIE,LICZNIK) VALUES (").arg(first);
        insert.slot(kDate) << QStringLiteral(",");
        insert.slot(kVehicle) << QStringLiteral(",");
        insert.slot(kFirst) << QStringLiteral(",");
        insert.slot(kLitres) << QStringLiteral(",");
        insert.slot(kReading) << QStringLiteral(")");

        StatementTemplate update;
        update << QStringLiteral("UPDATE ") + table + QStringLiteral(" SET DATA=");
        update.slot(kDate) << QStringLiteral(",%1=").arg(first);
        update.slot(kFirst) << QStringLiteral(",TANKOWANIE=");
        update.slot(kLitres) << QStringLiteral(",LICZNIK=");
        update.slot(kReading) << QStringLiteral("WHERE IDPOJAZD=");
        update.slot(kVehicle) << QStringLiteral("AND DATA=");
        update.slot(kOldDate);

        StatementTemplate remove;
        remove << QStringLiteral("DELETE FROM ") + table + QStringLiteral(" WHERE IDPOJAZD =");
        remove.slot(kVehicle) << QStringLiteral("AND DATA =");
        remove.slot(kDate);

        StatementTemplate day;
        day << QStringLiteral("SELECT DATA,%1,TANKOWANIE,LICZNIK FROM ").arg(first) + table
            << QStringLiteral("WHERE DATA =");
        day.slot(kDate) << QStringLiteral("AND IDPOJAZD =");
        day.slot(kVehicle);

        StatementTemplate previous;
        previous << QStringLiteral("SELECT DATA,LICZNIK FROM ") + table
                 << QStringLiteral("WHERE IDPOJAZD =");
        previous.slot(kVehicle) << QStringLiteral("AND DATA <");
        previous.slot(kDate) << QStringLiteral("ORDER BY DATA DESC LIMIT 1");

        const QList<std::pair<QString, StatementTemplate>> statements{
            {d.query, gridStatement(id, table)},
            {n.insert, insert},
            {n.update, update},
            {n.remove, remove},
            {n.day, day},
            {n.previous, previous}};
        for (const auto& [name, statement] : statements) {
            db.addQuery(name, ConnectionKind::Company, statement);
            addTwinTableQuery(id, name);
        }
    }
}

std::optional<RefuellingRow> refuellingOfDay(DataModule& db, RegisterId id, int vehicleId,
                                             int date) {
    Query& q = filled(db, consumptionQueryNames(id).day,
                      {{kDate, QString::number(date)}, {kVehicle, QString::number(vehicleId)}});
    const auto rows = db.open(q);
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return RefuellingRow{date, storedNumber(*rows, 1), storedNumber(*rows, 2),
                         storedNumber(*rows, 3)};
}

std::optional<Decimal> previousReading(DataModule& db, RegisterId id, int vehicleId, int date) {
    Query& q = filled(db, consumptionQueryNames(id).previous,
                      {{kDate, QString::number(date)}, {kVehicle, QString::number(vehicleId)}});
    const auto rows = db.open(q);
    if (!rows || rows->isEmpty())
        return std::nullopt;
    return storedNumber(*rows, 1);
}

void insertRefuelling(DataModule& db, RegisterId id, int vehicleId, const RefuellingRow& row) {
    db.execute(filled(db, consumptionQueryNames(id).insert, rowSlots(vehicleId, row)));
}

void updateRefuelling(DataModule& db, RegisterId id, int vehicleId, int oldDate,
                      const RefuellingRow& row) {
    QHash<QString, QString> values = rowSlots(vehicleId, row);
    values.insert(kOldDate, QString::number(oldDate));
    db.execute(filled(db, consumptionQueryNames(id).update, values));
}

void deleteRefuelling(DataModule& db, RegisterId id, int vehicleId, int date) {
    db.execute(filled(db, consumptionQueryNames(id).remove,
                      {{kDate, QString::number(date)}, {kVehicle, QString::number(vehicleId)}}));
}

} // namespace kv
