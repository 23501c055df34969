#include "framework/RecordDefaults.h"

#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

int preselectedVehicle(DataModule& db) {
    if (!programOptions().cbSetNrRej)
        return 0;
    return std::max(0, sharedFilters(db).selectedVehicleId);
}

QString driverForVehicle(const QList<KeyedItem>& vehicles, const QString& vehicleKey,
                         const QString& chosenDriver) {
    if (!chosenDriver.isEmpty() || vehicleKey.isEmpty())
        return chosenDriver;
    for (const KeyedItem& v : vehicles)
        if (v.key == vehicleKey)
            return v.extra;
    return chosenDriver;
}

namespace {

QList<KeyedItem> dictionaryItems(DataModule& db, const QString& sql, const QString& code,
                                 qint64 errorCode) {
    QList<KeyedItem> out;
    try {
        // The code is bound: a dictionary code never becomes statement text.
        const ResultSet rows = db.select(sql, engine::positionalParams({code}));
        for (int i = 0; i < rows.rowCount(); ++i)
            out.append({rows.value(i, 0).toString(), rows.value(i, 1).toString()});
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, errorCode);
    }
    return out;
}

} // namespace

QList<KeyedItem> loadDictionaryTexts(DataModule& db, const QString& code, qint64 errorCode) {
    return dictionaryItems(db,
                           QStringLiteral("SELECT OPIS, OPIS FROM slowniki.DB WHERE IDSLOWNIK = "
                                          ":PARAM0 AND OPIS IS NOT NULL AND OPIS <> '' GROUP BY "
                                          "OPIS ORDER BY OPIS COLLATE PL"),
                           code, errorCode);
}

QList<KeyedItem> loadDictionaryEntries(DataModule& db, const QString& code, qint64 errorCode) {
    return dictionaryItems(db,
                           QStringLiteral("SELECT KOD, OPIS FROM slowniki.DB WHERE IDSLOWNIK = "
                                          ":PARAM0 ORDER BY OPIS COLLATE PL, KOD"),
                           code, errorCode);
}

bool offersHandOver(const FormSetup& setup) {
    return setup.handOverOffered && !setup.secondWindow;
}

} // namespace kv
