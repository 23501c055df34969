#include "subregisters/CalendarRegister.h"

#include "fleet/VehicleRegister.h"
#include "framework/RecordDefaults.h"
#include "storage/DataModule.h"
#include "storage/SqlSnippets.h"
#include "subregisters/SubregisterFields.h"

namespace kv {

namespace {

// Reported when the calendar kinds cannot be read.
constexpr qint64 kCalendarKindsErrorCode = 55046;
// Reported when the contractors cannot be read.
constexpr qint64 kContractorsErrorCode = 55047;

} // namespace

void registerCalendarQueries(DataModule& db) {
    // The kind is joined within its own dictionary: KOD alone could name an
    // entry of another list. An entry without a vehicle or person shows
    // empty texts, not NULLs.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT T.IDTERMINU AS IDTERMINU, T.DATAOD AS DATAOD, T.DATADO AS "
                           "DATADO, T.SPRODDO AS SPRODDO, T.RODZAJTERMINU AS RODZAJTERMINU,")
         << QStringLiteral("IFNULL(S.OPIS, '') AS RODZAJ, T.IDPOJAZDU AS IDPOJAZDU, "
                           "IFNULL(P.NRREJ, '') AS POJAZD, P.MARKA AS MARKA,")
         << QStringLiteral("T.NREW AS NREW, %1 AS OSOBA, T.KONTRAHENT AS KONTRAHENT, T.OPIS AS "
                           "OPIS, T.LICZTERM AS LICZTERM")
                .arg(personDisplaySql(QStringLiteral("O")))
         << QStringLiteral("FROM terminy.DB AS T")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS P ON P.IDPOJAZD = T.IDPOJAZDU")
         << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS O ON O.NREW = T.NREW")
         << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS S ON S.KOD = T.RODZAJTERMINU AND "
                           "S.IDSLOWNIK = '%1'")
                .arg(kCalendarKindsCode)
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDTERMINU");
    db.addQuery(registerDescriptor(RegisterId::Calendar).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Calendar, calendarFields());
}

QHash<QString, QList<KeyedItem>> loadCalendarLists(DataModule& db) {
    QHash<QString, QList<KeyedItem>> lists;
    lists.insert(QStringLiteral("SPRODDO"), calendarDateChoices());
    lists.insert(QStringLiteral("RODZAJTERMINU"),
                 loadDictionaryEntries(db, kCalendarKindsCode, kCalendarKindsErrorCode));
    lists.insert(QStringLiteral("IDPOJAZDU"), loadVehicleChoices(db));
    lists.insert(QStringLiteral("NREW"), loadDriverChoices(db));
    lists.insert(QStringLiteral("KONTRAHENT"),
                 loadDictionaryTexts(db, kContractorsCode, kContractorsErrorCode));
    return lists;
}

RegisterEditing<CalendarFormValues> calendarEditing(DataModule& db) {
    RegisterEditing<CalendarFormValues> e;
    e.fields = &calendarFields();
    DataModule* data = &db;
    e.defaults = [data] {
        CalendarFormValues v = newCalendarDefaults();
        v.vehicle = preselectedVehicle(*data);
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists = loadCalendarLists(*data);
        return s;
    };
    return e;
}

} // namespace kv
