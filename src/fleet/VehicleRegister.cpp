#include "fleet/VehicleRegister.h"

#include "fleet/VehicleQueries.h"
#include "framework/RegisterController.h"
#include "storage/DataModule.h"

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

VehicleLists loadVehicleLists(DataModule& db, const QString& companyName) {
    VehicleLists lists;
    lists.fleets = itemsOf(db.reopenLookup(QStringLiteral("DBFNrFloty")), "KOD", "OPIS");
    lists.drivers = itemsOf(db.reopenLookup(QStringLiteral("DBFKiero")), "NREW", "NAZWISKO");
    lists.kinds = itemsOf(db.reopenLookup(QStringLiteral("DBFRodzajPoj")), "KOD", "OPIS");
    if (!companyName.trimmed().isEmpty())
        lists.owners.append(companyName);
    for (const KeyedItem& d : std::as_const(lists.drivers))
        lists.owners.append(d.text);
    return lists;
}

EditSteps vehicleEditSteps(RegisterController& reg, VehicleFormView& form,
                           std::function<VehicleLists()> lists,
                           std::function<void(bool insert)> afterSave) {
    DataModule& db = reg.database();
    EditSteps s;
    s.fill = [&reg, &form, lists](bool fromCurrent) {
        const auto rows = reg.query().result();
        form.load(fromCurrent && rows ? vehicleFromRecord(*rows, reg.currentRow())
                                      : newVehicleDefaults(),
                  lists());
    };
    s.show = [&form] { return form.confirm(); };
    s.typedKey = [&form] { return form.values().nrrej.trimmed(); };
    s.currentKey = [&reg] { return reg.currentValue(QStringLiteral("NRREJ")).toString(); };
    s.keyExists = [&db](const QString& key) {
        return db.recordExistsByText(QStringLiteral("pojazdy"), QStringLiteral("NRREJ"), key);
    };
    s.duplicateMessage = QStringLiteral("Istnieje już pojazd o podanym numerze rejestracyjnym.");
    s.write = [&reg, &form, &db](bool insert) {
        const VehicleFormValues v = form.values();
        QHash<QString, QString> values = vehicleSlotValues(v);
        Query& q = db.query(insert ? QStringLiteral("DBFInsertPojazdy")
                                   : QStringLiteral("DBFUpdatePojazdy"));
        if (!insert)
            values.insert(
                QStringLiteral("KEY"),
                QString::number(reg.currentValue(QStringLiteral("IDPOJAZD")).toLongLong()));
        fillSlots(q, insert ? vehicleInsertShape() : vehicleUpdateShape(), values);
        db.execute(q, vehicleParams(v));
    };
    s.savedKey = [&reg, &db](bool insert) -> QVariantList {
        if (insert)
            return {
                QString::number(db.lastId(QStringLiteral("POJAZDY"), QStringLiteral("IDPOJAZD")))};
        return {reg.currentValue(QStringLiteral("IDPOJAZD")).toString()};
    };
    s.afterSave = std::move(afterSave);
    return s;
}

} // namespace kv
