// Upgrade 1.0.5: calendar, tyres, settlements and orders; sixteen further
// vehicle kinds with their rate columns; the payment card; the hourly rate of
// a vehicle.
#include "schema/upgrades/SchemaUpgradeSteps.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

#include <QHash>

namespace kv {

namespace {

using engine::Connection;

const QString kVersion = QStringLiteral("1.0.5");

// The vehicle kinds above 4 as they are: KOD -> the rate column number of UZUP1.
QHash<qint64, int> furtherKindColumns(Connection& c) {
    QHash<qint64, int> kinds;
    const ResultSet r = c.query(
        QStringLiteral("SELECT KOD, UZUP1 FROM slowniki.DB WHERE KOD>4 AND IDSLOWNIK='RDPOJ'"));
    for (int i = 0; i < r.rowCount(); ++i)
        kinds.insert(r.value(i, 0).toLongLong(), r.value(i, 1).toString().trimmed().toInt());
    return kinds;
}

// Vehicles of a replaced kind move to the new kind rated by the same column,
// so that no vehicle is left pointing at a deleted entry. One statement, so a
// new code can never be mistaken for an old one half-way.
void moveVehiclesToNewKinds(Connection& c, const QHash<qint64, int>& oldKinds) {
    QHash<int, qint64> newByColumn;
    const QHash<qint64, int> added = furtherKindColumns(c);
    for (auto it = added.cbegin(); it != added.cend(); ++it)
        newByColumn.insert(it.value(), it.key());
    QStringList cases;
    QStringList moved;
    for (auto it = oldKinds.cbegin(); it != oldKinds.cend(); ++it) {
        const qint64 target = newByColumn.value(it.value(), 0);
        if (target <= 0)
            continue; // a kind without a rate column has no counterpart
        cases.append(QStringLiteral("WHEN %1 THEN %2").arg(it.key()).arg(target));
        moved.append(QString::number(it.key()));
    }
    if (cases.isEmpty())
        return;
    c.execute(QStringLiteral("UPDATE pojazdy SET RODZAJ = CASE RODZAJ %1 END WHERE RODZAJ IN (%2)")
                  .arg(cases.join(u' '), moved.join(u',')));
}

// Replaces every vehicle kind above 4 by "Inne 1" to "Inne 16", rated by the
// columns RDPOJ5 to RDPOJ20. The first four kinds stay.
void replaceFurtherVehicleKinds(UpgradeStep& step) {
    if (!step.ok())
        return;
    Connection& c = step.target().db.companyConnection();
    qint64 code = 100008;
    try {
        const QHash<qint64, int> oldKinds = furtherKindColumns(c);
        c.beginWrite({QStringLiteral("slowniki"), QStringLiteral("pojazdy")});
        c.execute(QStringLiteral("DELETE FROM slowniki.DB WHERE KOD>4 AND IDSLOWNIK='RDPOJ'"));
        code = 100010;
        for (int j = 5; j <= 20; ++j)
            c.execute(QStringLiteral("INSERT INTO slowniki.DB(IDSLOWNIK,OPIS,UZUP1) VALUES "
                                     "(:PARAM0,:PARAM1,:PARAM2)"),
                      engine::positionalParams({QStringLiteral("RDPOJ"),
                                                QStringLiteral("Inne %1").arg(j - 4),
                                                QString::number(j)}));
        moveVehiclesToNewKinds(c, oldKinds);
        c.commit();
    } catch (const DatabaseError& e) {
        c.rollback();
        reportDatabaseError(e.message(), true, code);
        step.fail();
        return;
    }
    logUpgradeLine({100009, QStringLiteral("rodzaje pojazdów zaktualizowane w słowniku")});
}

// The payment kind "Karta płatnicza", added once.
void addPaymentCard(UpgradeStep& step) {
    Connection& c = step.target().db.companyConnection();
    const engine::Params entry =
        engine::positionalParams({QStringLiteral("RDPLA"), QStringLiteral("Karta płatnicza")});
    bool present = false;
    try {
        present = !c.query(QStringLiteral("SELECT * FROM slowniki.DB WHERE IDSLOWNIK=:PARAM0 AND "
                                          "OPIS=:PARAM1"),
                           entry)
                       .isEmpty();
    } catch (const DatabaseError&) {
        // Unreadable counts as missing: the insert then tells what is wrong.
    }
    if (present || !step.ok())
        return;
    try {
        c.execute(
            QStringLiteral("INSERT INTO slowniki.DB(IDSLOWNIK,OPIS) VALUES (:PARAM0,:PARAM1)"),
            entry);
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 100015);
        step.fail();
        return;
    }
    logUpgradeLine({100014, QStringLiteral("dodano rodzaj płatności: karta")});
}

QStringList furtherRateColumns() {
    QStringList names;
    for (int n = 5; n <= 20; ++n)
        names.append(QStringLiteral("RDPOJ%1").arg(n));
    return names;
}

} // namespace

void upgradeTo105(UpgradeTarget& target) {
    if (markerExists(target, kVersion))
        return;
    UpgradeStep step(target, kVersion);
    const QString ext = QStringLiteral(".BAK");
    step.backupTable(QStringLiteral("pojazdy"), ext, 100002, 100003);
    step.backupTable(QStringLiteral("stawki"), ext, 100004, 100005);
    step.backupTable(QStringLiteral("slowniki"), ext, 100011, 100012);

    const QString created = QStringLiteral("tabela %1 stworzona");
    for (const char* file : {"terminy.DB", "opony.DB", "rozliczenia.DB", "zlecenia.DB"})
        step.addTable(QString::fromLatin1(file), 100006, 100007, created);

    replaceFurtherVehicleKinds(step);
    addPaymentCard(step);

    step.alter({QStringLiteral("pojazdy"),
                floatColumns({QStringLiteral("STAWKA")}),
                {},
                {100016, QStringLiteral("dodano nowe pole w zbiorze pojazdy.DB")},
                {},
                {},
                100012});
    step.alter({QStringLiteral("stawki"),
                floatColumns(furtherRateColumns()),
                {},
                {100017, QStringLiteral("dodano nowe pola w zbiorze stawki.DB")},
                {},
                {},
                100013});
    step.finish(100001);
}

} // namespace kv
