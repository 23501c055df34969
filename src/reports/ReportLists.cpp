#include "reports/ReportLists.h"

#include "fleet/VehicleRegister.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

QList<KeyedItem> items(DataModule& db, const QString& sql, const engine::Params& params = {}) {
    QList<KeyedItem> out;
    try {
        const ResultSet rows = db.select(sql, params);
        for (int r = 0; r < rows.rowCount(); ++r) {
            const QString key = rows.value(r, 0).toString();
            out.append({key, rows.columnCount() > 1 ? rows.value(r, 1).toString() : key});
        }
    } catch (const DatabaseError&) {
        // A list that cannot be read stays empty; the report's check says so.
    }
    return out;
}

QList<KeyedItem> dictionary(DataModule& db, const char* code) {
    return items(db, QStringLiteral("SELECT KOD, OPIS FROM slowniki.DB WHERE IDSLOWNIK = '%1' "
                                    "ORDER BY OPIS COLLATE PL")
                         .arg(QLatin1String(code)));
}

} // namespace

ReportLists loadReportLists(DataModule& db) {
    ReportLists l;
    l.drivers = loadDriverChoices(db);
    l.fuelCards =
        items(db, QStringLiteral("SELECT IDKARTY FROM kpaliwowe.DB ORDER BY IDKARTY COLLATE PL"));
    l.roadCards = items(db, QStringLiteral("SELECT IDDROGOWA, NRKARTY FROM kartydrogowe.DB ORDER "
                                           "BY NRKARTY COLLATE PL, IDDROGOWA"));
    l.costCentres = dictionary(db, "CKKOD");
    l.fuelKinds = dictionary(db, "RDPAL");
    return l;
}

QStringList loadOrderNumbers(DataModule& db) {
    const QString vehicle = sharedFilters(db).selectedVehicleNr;
    const QString sql = vehicle.isEmpty()
                            ? QStringLiteral("SELECT NRDOKUMENTU FROM zlecenia.DB ORDER BY "
                                             "NRDOKUMENTU COLLATE PL")
                            : QStringLiteral("SELECT A.NRDOKUMENTU FROM zlecenia.DB AS A JOIN "
                                             "pojazdy.DB AS B ON B.IDPOJAZD = A.IDPOJAZDU WHERE "
                                             "B.NRREJ = :PARAM0 ORDER BY A.NRDOKUMENTU COLLATE PL");
    QStringList out;
    for (const KeyedItem& i :
         items(db, sql, vehicle.isEmpty() ? engine::Params{} : engine::positionalParams({vehicle})))
        if (!out.contains(i.key))
            out.append(i.key);
    return out;
}

} // namespace kv
