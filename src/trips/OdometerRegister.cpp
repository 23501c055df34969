#include "trips/OdometerRegister.h"
#include "trips/TripCards.h"

#include "fleet/VehicleRegister.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "support/DateNumbers.h"
#include "trips/OdometerReadings.h"

namespace kv {

void registerOdometerQueries(DataModule& db) {
    // The reading's own columns come qualified: the vehicle table has its own
    // remarks. The id follows the sort columns, so readings that sort alike
    // keep one order from one refresh to the next.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT A.IDPRZEBIEGI AS IDPRZEBIEGI, A.DATA AS DATA, A.IDPOJAZD AS "
                           "IDPOJAZD, B.NRREJ AS NRREJ, B.MARKA AS MARKA,")
         << QStringLiteral("A.LICZNIK AS LICZNIK, A.UWAGI AS UWAGI, A.DOTYCZY AS DOTYCZY, "
                           "A.DOTYCZY AS ODOTYCZY")
         << QStringLiteral("FROM przebiegi.DB AS A")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS B ON B.IDPOJAZD = A.IDPOJAZD")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDPRZEBIEGI");
    db.addQuery(registerDescriptor(RegisterId::Odometer).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Odometer, odometerFields());
}

RegisterEditing<OdometerFormValues> odometerEditing(DataModule& db) {
    RegisterEditing<OdometerFormValues> e;
    e.fields = &odometerFields();
    e.card = &odometerCard();
    DataModule* data = &db;
    e.defaults = [data] {
        OdometerFormValues v = newOdometerDefaults();
        if (programOptions().cbSetNrRej)
            v.vehicle = sharedFilters(*data).selectedVehicleId;
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(*data));
        return s;
    };
    e.confirmSave = [data](RegisterController& reg, const OdometerFormValues& v, bool insert) {
        ReadingCheck check;
        check.vehicleId = v.vehicle;
        if (const std::optional<Decimal> reading = Decimal::parse(v.licznik))
            check.typed.append({QStringLiteral("Stan licznika"),
                                {textToDateNumber(v.data, true), *reading, QString()}});
        if (!insert)
            check.edited = {QStringLiteral("przebiegi"),
                            reg.currentValue(QStringLiteral("IDPRZEBIEGI")).toLongLong()};
        return confirmReadings(*data, check);
    };
    return e;
}

} // namespace kv
