#include "dictionaries/VehicleKindNames.h"

#include "dictionaries/DictionaryLists.h"
#include "dictionaries/DictionaryQueries.h"
#include "framework/Registers.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

constexpr int kMotorcycleKind = 3;
constexpr int kMopedKind = 4;

QString orDefault(const QString& name, const QString& fallback) {
    return name.trimmed().isEmpty() ? fallback : name;
}

} // namespace

VehicleKindNames readVehicleKindNames(DataModule& db) {
    VehicleKindNames names;
    const auto rows = db.open(db.query(kVehicleKindsQuery), {kVehicleKindsCode});
    for (int i = 0; i < rows->rowCount(); ++i) {
        const int kod = rows->value(i, QStringLiteral("KOD")).toInt();
        const QString name = rows->text(i, QStringLiteral("OPIS"));
        if (kod == kMotorcycleKind) {
            names.motorcycle = name;
        } else if (kod == kMopedKind) {
            names.moped = name;
        } else {
            bool ok = false;
            const int n = rows->text(i, QStringLiteral("UZUP1")).trimmed().toInt(&ok);
            if (ok && n >= VehicleKindNames::kFirstColumn && n <= VehicleKindNames::kLastColumn)
                names.column(n) = name;
        }
    }
    return names;
}

void writeVehicleKindNames(DataModule& db, const VehicleKindNames& names) {
    engine::Connection& c = db.companyConnection();
    c.beginWrite({QStringLiteral("slowniki")});
    try {
        Query& fixed = db.query(kFixedKindUpdateQuery);
        db.execute(fixed, {names.motorcycle, kVehicleKindsCode, QString::number(kMotorcycleKind)});
        db.execute(fixed, {names.moped, kVehicleKindsCode, QString::number(kMopedKind)});
        Query& further = db.query(kFurtherKindUpdateQuery);
        for (int n = VehicleKindNames::kFirstColumn; n <= VehicleKindNames::kLastColumn; ++n)
            db.execute(further, {names.column(n), QString::number(n), kVehicleKindsCode});
        c.commit();
    } catch (const DatabaseError&) {
        c.rollback();
        throw;
    }
}

QStringList rateGridTitles(const VehicleKindNames& names) {
    QStringList titles;
    for (const GridColumn& c : registerDescriptor(RegisterId::Rates).columns)
        titles.append(c.title);
    // Columns 3 and 4 are the motorcycle and the moped; column n (5..20) is
    // RDPOJn, the further kind whose rate column is n.
    titles[3] = orDefault(names.motorcycle, titles.at(3));
    titles[4] = orDefault(names.moped, titles.at(4));
    for (int n = VehicleKindNames::kFirstColumn; n <= VehicleKindNames::kLastColumn; ++n)
        titles[n] = orDefault(names.column(n), titles.at(n));
    return titles;
}

QStringList rateFieldLabels(const VehicleKindNames& names) {
    // The window labels its rate fields as the grid titles its rate columns.
    return rateGridTitles(names).mid(1);
}

} // namespace kv
