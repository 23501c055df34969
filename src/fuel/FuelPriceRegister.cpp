#include "fuel/FuelPriceRegister.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

// Reported when the window's lists cannot be read.
constexpr qint64 kPriceListsCode = 4311;

QList<KeyedItem> dictionaryItems(DataModule& db, const QString& code, bool byKey) {
    QList<KeyedItem> items;
    try {
        const ResultSet rows = db.select(QStringLiteral("SELECT KOD, OPIS FROM slowniki.DB WHERE "
                                                        "IDSLOWNIK = :C ORDER BY OPIS COLLATE PL"),
                                         {{QStringLiteral("C"), code}});
        for (int i = 0; i < rows.rowCount(); ++i) {
            const QString text = rows.value(i, 1).toString();
            items.append({byKey ? QString::number(rows.value(i, 0).toLongLong()) : text, text});
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kPriceListsCode);
    }
    return items;
}

} // namespace

void registerFuelPriceQueries(DataModule& db) {
    // The price's columns qualified: the dictionary has columns of its own.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT C.ID AS ID, C.DATA AS DATA, C.RODZAJPALIWA AS RODZAJPALIWA, "
                           "S.OPIS AS PALIWO, C.MIEJSCE AS MIEJSCE, C.BRUTTO AS BRUTTO")
         << QStringLiteral("FROM cenypaliw.DB AS C")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS S ON C.RODZAJPALIWA = S.KOD")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    // Whatever the sort column, equal values in date order (then by id, so
    // prices of one day keep one order).
    grid << QStringLiteral(",DATA,ID");
    db.addQuery(registerDescriptor(RegisterId::FuelPrices).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::FuelPrices, fuelPriceFields());
}

QHash<QString, QList<KeyedItem>> loadFuelPriceLists(DataModule& db) {
    return {{QStringLiteral("RODZAJPALIWA"), dictionaryItems(db, kFuelKindsCode, true)},
            {QStringLiteral("MIEJSCE"), dictionaryItems(db, kFuelPlacesCode, false)}};
}

RegisterEditing<FuelPriceFormValues> fuelPriceEditing(DataModule& db) {
    RegisterEditing<FuelPriceFormValues> e;
    e.fields = &fuelPriceFields();
    e.defaults = [] { return newFuelPriceDefaults(); };
    DataModule* data = &db;
    e.setup = [data](bool) {
        FormSetup s;
        s.lists = loadFuelPriceLists(*data);
        return s;
    };
    return e;
}

} // namespace kv
