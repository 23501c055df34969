#include "fuel/FuelCardRegister.h"

#include "fleet/VehicleRegister.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "storage/SqlSnippets.h"

namespace kv {

void registerFuelCardQueries(DataModule& db) {
    // Texts are joined with ||; columns qualified, as the vehicle and the
    // person have names and remarks of their own.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT K.IDKARTY AS IDKARTY, K.NAZWA AS NAZWA, K.IDPOJAZD AS IDPOJAZD, "
                           "P.NRREJ AS NRREJ, P.MARKA AS MARKA, K.IDKIEROWCY AS IDKIEROWCY,")
         << QStringLiteral("%1 AS NAZWISKO,").arg(personDisplaySql(QStringLiteral("O")))
         << QStringLiteral("K.STACJA AS STACJA, K.TERMIN AS TERMIN, K.PIN AS PIN, K.WWW AS WWW, "
                           "K.EMAIL AS EMAIL, K.UWAGI AS UWAGI")
         << QStringLiteral("FROM kpaliwowe.DB AS K")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS P ON P.IDPOJAZD = K.IDPOJAZD")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS O ON O.NREW = K.IDKIEROWCY")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(QStringLiteral("extra1")).slot(QStringLiteral("extra2"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDKARTY");
    db.addQuery(registerDescriptor(RegisterId::FuelCards).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::FuelCards, fuelCardFields());
}

RegisterEditing<FuelCardFormValues> fuelCardEditing(DataModule& db) {
    RegisterEditing<FuelCardFormValues> e;
    e.fields = &fuelCardFields();
    DataModule* data = &db;
    e.defaults = [data] {
        FuelCardFormValues v;
        if (programOptions().cbSetNrRej && sharedFilters(*data).selectedVehicleId > 0)
            v.vehicle = sharedFilters(*data).selectedVehicleId;
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(*data));
        s.lists.insert(QStringLiteral("IDKIEROWCY"), loadDriverChoices(*data));
        return s;
    };
    e.uniqueColumn = QStringLiteral("IDKARTY");
    e.uniqueMatch = KeyMatch::Text;
    e.duplicateMessage = kDuplicateCardMessage;
    return e;
}

} // namespace kv
