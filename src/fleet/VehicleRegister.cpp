#include "fleet/VehicleRegister.h"
#include "fleet/FleetCards.h"

#include "storage/DataModule.h"
#include "storage/SqlSnippets.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

QList<KeyedItem> itemsOf(const std::shared_ptr<const ResultSet>& rows, const char* key,
                         const char* text) {
    QList<KeyedItem> items;
    if (!rows)
        return items;
    for (int i = 0; i < rows->rowCount(); ++i)
        items.append({rows->text(i, QLatin1String(key)), rows->text(i, QLatin1String(text))});
    return items;
}

} // namespace

void registerVehicleQueries(DataModule& db) {
    // Every column carries its own name so that the sort order can name any
    // of them.
    StatementTemplate grid;
    grid << QStringLiteral(
                "SELECT A.IDPOJAZD AS IDPOJAZD, A.NRREJ AS NRREJ, A.POPRZNRREJ AS POPRZNRREJ, "
                "A.MARKA AS MARKA, A.RODZAJ AS RODZAJ, A.POJEMNOSC AS POJEMNOSC,")
         << QStringLiteral(
                "A.ROCZNIK AS ROCZNIK, A.SERIADREJ AS SERIADREJ, A.NRSILNIKA AS NRSILNIKA, "
                "A.NRNADWOZIA AS NRNADWOZIA, A.NREW AS NREW, A.IDKIEROWCY AS IDKIEROWCY,")
         << QStringLiteral(
                "A.DATAOC AS DATAOC, A.NRPOLOC AS NRPOLOC, A.DATAAC AS DATAAC, A.NRPOLAC AS "
                "NRPOLAC, A.DATAPRZE AS DATAPRZE, A.DATAPRZEGW AS DATAPRZEGW,")
         << QStringLiteral(
                "A.UWAGI AS UWAGI, A.STAWKA AS STAWKA, A.DATATACHO AS DATATACHO, A.NORMAOD AS "
                "NORMAOD, A.NORMADO AS NORMADO, A.LICZPRZEG AS LICZPRZEG,")
         << QStringLiteral(
                "A.LICZGWAR AS LICZGWAR, A.LP AS LP, A.NRFLOTY AS NRFLOTY, A.STATUS AS STATUS, "
                "A.NREWID AS NREWID, C.OPIS AS COPIS,")
         << QStringLiteral("%1 AS NAZWISKO, D.OPIS AS FLOTA, A.STATUS AS OSTATUS")
                .arg(personDisplaySql(QStringLiteral("B")))
         << QStringLiteral("FROM pojazdy.DB AS A")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = A.IDKIEROWCY")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS D ON D.KOD = A.NRFLOTY")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kVehicleStatusFilter).slot(kVehicleFleetFilter);
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    db.addQuery(registerDescriptor(RegisterId::Vehicles).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Vehicles, vehicleFields());
}

VehicleLists loadVehicleLists(DataModule& db, const QString& companyName) {
    VehicleLists lists;
    QList<KeyedItem> fleets{{QStringLiteral("0"), QString()}};
    fleets.append(itemsOf(db.reopenLookup(QStringLiteral("DBFNrFloty")), "KOD", "OPIS"));
    const QList<KeyedItem> drivers = loadDriverChoices(db);
    QList<KeyedItem> owners;
    if (!companyName.trimmed().isEmpty())
        owners.append({companyName, companyName});
    for (const KeyedItem& d : drivers)
        owners.append({d.text, d.text});
    lists.insert(QStringLiteral("NRFLOTY"), fleets);
    lists.insert(QStringLiteral("RODZAJ"),
                 itemsOf(db.reopenLookup(QStringLiteral("DBFRodzajPoj")), "KOD", "OPIS"));
    lists.insert(QStringLiteral("IDKIEROWCY"), drivers);
    lists.insert(QStringLiteral("NREW"), owners);
    return lists;
}

QList<KeyedItem> loadVehicleChoices(DataModule& db) {
    QList<KeyedItem> items;
    const std::shared_ptr<const ResultSet> rows = db.reopenLookup(QStringLiteral("DBFnrrej"));
    if (!rows)
        return items;
    const int id = rows->columnIndex(QStringLiteral("IDPOJAZD"));
    const int nr = rows->columnIndex(QStringLiteral("NRREJ"));
    const int driver = rows->columnIndex(QStringLiteral("IDKIEROWCY"));
    for (int i = 0; i < rows->rowCount(); ++i)
        items.append({QString::number(rows->value(i, id).toLongLong()),
                      rows->value(i, nr).toString(), rows->value(i, driver).toString()});
    return items;
}

QList<KeyedItem> loadDriverChoices(DataModule& db) {
    return itemsOf(db.reopenLookup(QStringLiteral("DBFKiero")), "NREW", "NAZWISKO");
}

QString vehicleDriver(DataModule& db, int vehicleId) {
    if (vehicleId <= 0)
        return {};
    try {
        return db
            .select(QStringLiteral("SELECT IDKIEROWCY FROM pojazdy.DB WHERE IDPOJAZD = :ID"),
                    {{QStringLiteral("ID"), vehicleId}})
            .value(0, 0)
            .toString();
    } catch (const DatabaseError&) {
        return {}; // the window opens without a driver; nothing is lost
    }
}

RegisterEditing<VehicleFormValues> vehicleEditing(std::function<VehicleLists()> lists,
                                                  std::function<void(bool insert)> afterSave) {
    RegisterEditing<VehicleFormValues> e;
    e.fields = &vehicleFields();
    e.card = &vehicleCard();
    e.defaults = newVehicleDefaults;
    e.setup = [lists](bool) {
        FormSetup s;
        if (lists)
            s.lists = lists();
        return s;
    };
    e.uniqueColumn = QStringLiteral("NRREJ");
    e.uniqueMatch = KeyMatch::IgnoreCase;
    e.duplicateMessage = QStringLiteral("Istnieje już pojazd o podanym numerze rejestracyjnym.");
    e.afterSave = std::move(afterSave);
    return e;
}

EditSteps vehicleEditSteps(RegisterController& reg, FormView<VehicleFormValues>& form,
                           std::function<VehicleLists()> lists,
                           std::function<void(bool insert)> afterSave) {
    return registerEditSteps(reg, form, vehicleEditing(std::move(lists), std::move(afterSave)),
                             true);
}

QString vehicleStatusFragment(int index) {
    if (index >= 0 && index <= 4)
        return QStringLiteral("AND STATUS = %1").arg(index);
    if (index == 5)
        return QStringLiteral("AND STATUS <> 0");
    return {};
}

QString vehicleFleetFragment(int key) {
    return key >= 0 ? QStringLiteral("AND NRFLOTY=%1").arg(key) : QString();
}

} // namespace kv
