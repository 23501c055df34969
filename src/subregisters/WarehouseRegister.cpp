#include "subregisters/WarehouseRegister.h"

#include "framework/IdRecordEditing.h"
#include "storage/DataModule.h"

namespace kv {

void registerWarehouseQueries(DataModule& db) {
    // The id follows the sort column, so resources of one name keep one order.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT ID, CZESC, ILOSC, PRZYPOMNIJ, UWAGI FROM magazyn.DB")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(QStringLiteral("extra1")).slot(QStringLiteral("extra2"));
    grid.slot(QStringLiteral("extra3"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",ID");
    db.addQuery(registerDescriptor(RegisterId::Warehouse).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Warehouse, warehouseFields());
}

RegisterEditing<WarehouseFormValues> warehouseEditing(DataModule& db) {
    IdRecordRules<WarehouseFormValues> r;
    r.base.fields = &warehouseFields();
    r.base.defaults = newWarehouseDefaults;
    return idRecordEditing(db, std::move(r));
}

} // namespace kv
