#include "trips/TripRegister.h"
#include "trips/TripCards.h"

#include "dictionaries/DictionaryLists.h"
#include "fleet/VehicleRegister.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/ProgramOptions.h"
#include "storage/SqlSnippets.h"
#include "storage/engine/DatabaseError.h"
#include "support/DateNumbers.h"
#include "trips/OdometerHistory.h"
#include "trips/OdometerReadings.h"

namespace kv {

namespace {

// Reported when the purposes or routes cannot be read.
constexpr qint64 kTripListsCode = 4206;

QList<KeyedItem> textList(DataModule& db, const QString& sql, bool withSecond) {
    QList<KeyedItem> items;
    try {
        const ResultSet rows = db.select(sql);
        for (int i = 0; i < rows.rowCount(); ++i) {
            const QString text = rows.value(i, 0).toString();
            items.append({text, text, withSecond ? rows.value(i, 1).toString() : QString()});
        }
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kTripListsCode);
    }
    return items;
}

} // namespace

void registerTripQueries(DataModule& db) {
    // Columns qualified where the joined tables share a name; STAWKA and
    // KWOTA are placeholders for the worked-out allowance. The id follows the
    // sort columns, so trips that sort alike keep one order.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT P.IDPRZEJAZD AS IDPRZEJAZD, P.IDPOJAZD AS IDPOJAZD, A.NRREJ AS "
                           "NRREJ, A.MARKA AS MARKA, P.DATA AS DATA,")
         << QStringLiteral("P.CELWYJAZDU AS CELWYJAZDU, P.TRASA AS TRASA, P.ODLEGLOSC AS "
                           "ODLEGLOSC, P.IDKIEROWCY AS IDKIEROWCY, P.UWAGI AS UWAGI,")
         << QStringLiteral("0 AS STAWKA, 0 AS KWOTA, %1 AS NAZWISKO,")
                .arg(personDisplaySql(QStringLiteral("B")))
         << QStringLiteral("A.RODZAJ AS RODZAJ, C.OPIS AS OPIS, A.POJEMNOSC AS POJEMNOSC, P.PRYW "
                           "AS PRYW, P.PRYWLICZOD AS PRYWLICZOD,")
         << QStringLiteral("P.PRYWLICZDO AS PRYWLICZDO, P.PRYWKTO AS PRYWKTO")
         << QStringLiteral("FROM przejazdy.DB AS P")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = P.IDKIEROWCY")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS A ON A.IDPOJAZD = P.IDPOJAZD")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDPRZEJAZD");
    db.addQuery(registerDescriptor(RegisterId::Trips).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Trips, tripFields());
}

TripLists loadTripDictionaryLists(DataModule& db) {
    TripLists lists;
    // A purpose typed twice into the dictionary is offered once.
    lists.insert(QStringLiteral("CELWYJAZDU"),
                 textList(db,
                          QStringLiteral("SELECT OPIS FROM slowniki.DB WHERE IDSLOWNIK = 'CELWY' "
                                         "GROUP BY OPIS ORDER BY OPIS COLLATE PL"),
                          false));
    lists.insert(QStringLiteral("TRASA"),
                 textList(db,
                          QStringLiteral("SELECT OPIS, UZUP1 FROM slowniki.DB WHERE IDSLOWNIK = "
                                         "'%1' ORDER BY OPIS COLLATE PL")
                              .arg(kRoutesCode),
                          true));
    return lists;
}

TripLists loadTripLists(DataModule& db) {
    TripLists lists = loadTripDictionaryLists(db);
    lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(db));
    lists.insert(QStringLiteral("IDKIEROWCY"), loadDriverChoices(db));
    return lists;
}

RegisterEditing<TripFormValues> tripEditing(DataModule& db) {
    RegisterEditing<TripFormValues> e;
    e.fields = &tripFields();
    e.card = &tripCard();
    DataModule* data = &db;
    e.defaults = [data] {
        TripFormValues v;
        if (programOptions().cbSetNrRej && sharedFilters(*data).selectedVehicleId > 0) {
            v.vehicle = sharedFilters(*data).selectedVehicleId;
            v.driver = vehicleDriver(*data, v.vehicle);
        }
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists = loadTripLists(*data);
        return s;
    };
    e.confirmSave = [data](RegisterController& reg, const TripFormValues& v, bool insert) {
        if (!v.lent())
            return true;
        ReadingCheck check;
        check.vehicleId = v.vehicle;
        const int date = textToDateNumber(v.data, true);
        const auto handover = Decimal::parse(v.prywLiczOd);
        const auto back = Decimal::parse(v.prywLiczDo);
        if (!handover || !back)
            return true; // the window's checks refuse these
        check.typed = {{QStringLiteral("Stan licznika przy udostępnieniu"), {date, *handover, {}}},
                       {QStringLiteral("Stan licznika przy zwrocie"), {date, *back, {}}}};
        check.handoverAndReturn = true;
        if (!insert)
            check.edited = {QStringLiteral("przejazdy"),
                            reg.currentValue(QStringLiteral("IDPRZEJAZD")).toLongLong()};
        return confirmReadings(*data, check);
    };
    e.afterWrite = [data](RegisterController&, const TripFormValues& v, bool) {
        offerReadingToHistory(*data, v.vehicle, v.data, kTripsHistorySource, tripReturnReading(v));
    };
    return e;
}

} // namespace kv
