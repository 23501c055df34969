#include "trips/RoadCardRegister.h"

#include "fleet/VehicleRegister.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ProgramOptions.h"
#include "storage/SqlSnippets.h"
#include "support/DateNumbers.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"
#include "trips/TripRegister.h"

namespace kv {

void registerRoadCardQueries(DataModule& db) {
    // Columns qualified: the card, the vehicle and the person share names.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT K.IDDROGOWA AS IDDROGOWA, K.NRKARTY AS NRKARTY, K.DATAWYST AS "
                           "DATAWYST, K.IDPOJAZD AS IDPOJAZD, A.NRREJ AS NRREJ, A.MARKA AS MARKA,")
         << QStringLiteral("K.IDKIEROWCY AS IDKIEROWCY, %1 AS NAZWISKO,")
                .arg(personDisplaySql(QStringLiteral("B")))
         << QStringLiteral("K.CELWYJAZDU AS CELWYJAZDU, K.TRASA AS TRASA, K.LICZSTART AS "
                           "LICZSTART, K.LICZEND AS LICZEND, K.DATASTART AS DATASTART,")
         << QStringLiteral("K.GODZSTART AS GODZSTART, K.DATAEND AS DATAEND, K.GODZEND AS GODZEND, "
                           "K.CZAS AS CZAS, K.UWAGI AS UWAGI, K.PRAWOJAZDY AS PRAWOJAZDY,")
         << QStringLiteral("K.ODPOCZYNEK AS ODPOCZYNEK, K.GODZSUMA AS GODZSUMA")
         << QStringLiteral("FROM kartydrogowe.DB AS K")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = K.IDKIEROWCY")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = K.IDPOJAZD")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDDROGOWA");
    db.addQuery(registerDescriptor(RegisterId::RoadCards).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::RoadCards, roadCardFields());
}

QHash<QString, QList<KeyedItem>> loadRoadCardLists(DataModule& db) {
    // The purposes and routes are the trips' dictionaries.
    QHash<QString, QList<KeyedItem>> lists = loadTripLists(db);
    return lists;
}

QString roadCardReadingDate(const QString& ownDate, const RoadCardFormValues& card) {
    return isCalendarDateText(ownDate) ? ownDate : card.dataWyst;
}

RegisterEditing<RoadCardFormValues> roadCardEditing(DataModule& db) {
    RegisterEditing<RoadCardFormValues> e;
    e.fields = &roadCardFields();
    DataModule* data = &db;
    e.defaults = [data] {
        RoadCardFormValues v;
        const QString zero = QStringLiteral("0");
        v.liczStart = v.liczEnd = v.czas = v.godzSuma = v.odpoczynek = zero;
        if (programOptions().cbSetNrRej && sharedFilters(*data).selectedVehicleId > 0) {
            v.vehicle = sharedFilters(*data).selectedVehicleId;
            v.driver = vehicleDriver(*data, v.vehicle);
        }
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists = loadRoadCardLists(*data);
        return s;
    };
    e.keepStoredKeys = {QStringLiteral("IDKIEROWCY")};
    e.confirmSave = [data](RegisterController& reg, const RoadCardFormValues& v, bool insert) {
        ReadingCheck check;
        check.vehicleId = v.vehicle;
        auto add = [&](const QString& label, const QString& text, const QString& date) {
            const std::optional<Decimal> d = Decimal::parse(text);
            if (d && d->signum() > 0)
                check.typed.append(
                    {label, {textToDateNumber(roadCardReadingDate(date, v), true), *d, {}}});
        };
        add(QStringLiteral("Stan licznika przed wyjazdem"), v.liczStart, v.dataStart);
        add(QStringLiteral("Stan licznika po powrocie"), v.liczEnd, v.dataEnd);
        if (check.typed.isEmpty())
            return true;
        if (!insert)
            check.edited = {QStringLiteral("kartydrogowe"),
                            reg.currentValue(QStringLiteral("IDDROGOWA")).toLongLong()};
        return confirmReadings(*data, check);
    };
    e.afterWrite = [data](RegisterController&, const RoadCardFormValues& v, bool) {
        // The window presets both readings to 0: that is no reading, and a
        // 0 in the history would read as the vehicle's mileage.
        auto offer = [&](const QString& reading, const QString& date) {
            const std::optional<Decimal> d = Decimal::parse(reading);
            if (d && d->signum() > 0)
                offerReadingToHistory(*data, v.vehicle, roadCardReadingDate(date, v),
                                      kRoadCardsHistorySource, reading);
        };
        offer(v.liczStart, v.dataStart);
        offer(v.liczEnd, v.dataEnd);
    };
    return e;
}

} // namespace kv
