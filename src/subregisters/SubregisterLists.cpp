#include "subregisters/SubregisterLists.h"

#include "costs/CostRegister.h"
#include "fleet/VehicleRegister.h"
#include "framework/RecordDefaults.h"
#include "users/Permissions.h"

namespace kv {

namespace {

// Reported when a list of these windows cannot be read.
constexpr qint64 kListsCode = 4307;
// The costs' write permission.
constexpr int kCostsWrite = 6;

} // namespace

QList<KeyedItem> loadRepairKinds(DataModule& db) {
    return loadDictionaryTexts(db, kRepairKindsCode, kListsCode);
}

QHash<QString, QList<KeyedItem>> damageLists(DataModule& db) {
    QHash<QString, QList<KeyedItem>> lists;
    lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(db));
    lists.insert(QStringLiteral("IDKIEROWCY"), loadDriverChoices(db));
    lists.insert(kVatRateList, loadVatRates(db));
    return lists;
}

QHash<QString, QList<KeyedItem>> repairLists(DataModule& db) {
    QHash<QString, QList<KeyedItem>> lists = damageLists(db);
    lists.insert(QStringLiteral("OPIS"), loadRepairKinds(db));
    return lists;
}

QHash<QString, QList<KeyedItem>> tyreLists(DataModule& db) {
    QHash<QString, QList<KeyedItem>> lists;
    lists.insert(QStringLiteral("IDPOJAZDU"), loadVehicleChoices(db));
    lists.insert(QStringLiteral("RODZAJ"), loadDictionaryEntries(db, kTyreKindsCode, kListsCode));
    lists.insert(QStringLiteral("ROZMIAR"), loadDictionaryEntries(db, kTyreSizesCode, kListsCode));
    lists.insert(kVatRateList, loadVatRates(db));
    return lists;
}

bool mayAddCosts() {
    return currentLogin().permissions.has(kCostsWrite);
}

} // namespace kv
