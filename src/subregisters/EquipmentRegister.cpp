#include "subregisters/EquipmentRegister.h"

#include "fleet/VehicleRegister.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "subregisters/SubregisterFields.h"
#include "support/DateNumbers.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"

namespace kv {

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
    RegisterEditing<EquipmentFormValues> e;
    e.fields = &equipmentFields();
    DataModule* data = &db;
    e.defaults = [data] {
        EquipmentFormValues v = newEquipmentDefaults();
        if (programOptions().cbSetNrRej)
            v.vehicle = sharedFilters(*data).selectedVehicleId;
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(*data));
        s.lists.insert(QStringLiteral("RODZAJ"), loadDictionaryTexts(*data, kEquipmentKindsCode));
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
    // The copy's failure is logged by the copy; the item stays saved.
    e.afterWrite = [data](RegisterController&, const EquipmentFormValues& v, bool) {
        offerReadingToHistory(*data, v.vehicle, v.data, kEquipmentHistorySource, v.licznik);
    };
    return e;
}

} // namespace kv
