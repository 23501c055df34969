#include "dictionaries/VehicleKinds.h"

#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {
struct VehicleKindList {
    QStringList names{QString()};
};
} // namespace

const QStringList& vehicleKinds(DataModule& db) {
    return db.companyState<VehicleKindList>().names;
}

bool refillVehicleKinds(DataModule& db) {
    QStringList& names = db.companyState<VehicleKindList>().names;
    names = QStringList{QString()};
    try {
        const auto rows = db.open(db.query(QStringLiteral("DBFRodzajPoj")));
        for (int i = 0; i < rows->rowCount(); ++i)
            names.append(rows->value(i, QStringLiteral("OPIS")).toString());
        return true;
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, 48);
        return false;
    }
}

} // namespace kv
