#include "subregisters/EquipmentRegister.h"

#include "fleet/VehicleRegister.h"
#include "framework/IdRecordEditing.h"
#include "storage/DataModule.h"
#include "subregisters/SubregisterFields.h"
#include "support/DateNumbers.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"

namespace kv {

namespace {

// Reported when the equipment kinds cannot be read.
constexpr qint64 kEquipmentKindsErrorCode = 15401;

} // namespace

void registerEquipmentQueries(DataModule& db) {
    // Qualified columns: the vehicle table has remarks of its own.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT A.IDWYPOS AS IDWYPOS, A.DATA AS DATA, A.TERMIN AS TERMIN, "
                           "A.IDPOJAZD AS IDPOJAZD, B.NRREJ AS NRREJ, B.MARKA AS MARKA,")
         << QStringLiteral("A.LICZNIK AS LICZNIK, A.RODZAJ AS RODZAJ, A.OPIS AS OPIS, A.UWAGI AS "
                           "UWAGI, A.LICZTERM AS LICZTERM")
         << QStringLiteral("FROM wyposazenie.DB AS A")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS B ON B.IDPOJAZD = A.IDPOJAZD")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDWYPOS");
    db.addQuery(registerDescriptor(RegisterId::Equipment).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Equipment, equipmentFields());
}

RegisterEditing<EquipmentFormValues> equipmentEditing(DataModule& db) {
    IdRecordRules<EquipmentFormValues> rules;
    RegisterEditing<EquipmentFormValues>& e = rules.base;
    e.fields = &equipmentFields();
    DataModule* data = &db;
    e.defaults = [data] {
        EquipmentFormValues v = newEquipmentDefaults();
        v.vehicle = preselectedVehicle(*data);
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(*data));
        s.lists.insert(QStringLiteral("RODZAJ"),
                       loadDictionaryTexts(*data, kEquipmentKindsCode, kEquipmentKindsErrorCode));
        return s;
    };
    e.confirmSave = [data](RegisterController& reg, const EquipmentFormValues& v, bool insert) {
        ReadingCheck check;
        check.vehicleId = v.vehicle;
        if (const std::optional<Decimal> reading = Decimal::parse(v.licznik))
            check.typed.append({QStringLiteral("Montaż przy stanie licznika"),
                                {textToDateNumber(v.data, true), *reading, QString()}});
        if (!insert)
            check.edited = {QStringLiteral("wyposazenie"),
                            reg.currentValue(QStringLiteral("IDWYPOS")).toLongLong()};
        return confirmReadings(*data, check);
    };
    // The copy logs its own failure; the item stays saved.
    rules.copyReading = [](DataModule& db, const EquipmentFormValues& v) {
        offerReadingToHistory(db, v.vehicle, v.data, kEquipmentHistorySource, v.licznik);
    };
    return idRecordEditing(db, std::move(rules));
}

} // namespace kv
