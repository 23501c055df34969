#include "subregisters/DocumentRegister.h"

#include "fleet/VehicleRegister.h"
#include "framework/RecordDefaults.h"
#include "storage/DataModule.h"
#include "subregisters/SubregisterFields.h"

namespace kv {

namespace {

// Reported when the document kinds cannot be read.
constexpr qint64 kDocumentKindsErrorCode = 8901;

} // namespace

void registerDocumentQueries(DataModule& db) {
    // The document's columns come qualified: the vehicle table has remarks
    // of its own. The id follows the sort columns, so documents that sort
    // alike keep one order from one refresh to the next.
    StatementTemplate grid;
    grid << QStringLiteral("SELECT A.IDDOKUMENT AS IDDOKUMENT, A.DATA AS DATA, A.TERMIN AS "
                           "TERMIN, A.IDPOJAZD AS IDPOJAZD, B.NRREJ AS NRREJ, B.MARKA AS MARKA,")
         << QStringLiteral("A.RODZAJ AS RODZAJ, A.NAZWA AS NAZWA, A.OPIS AS OPIS, A.UWAGI AS "
                           "UWAGI, A.NUMER AS NUMER, A.LICZTERM AS LICZTERM")
         << QStringLiteral("FROM dokumenty.DB AS A")
         << QStringLiteral("LEFT OUTER JOIN pojazdy.DB AS B ON B.IDPOJAZD = A.IDPOJAZD")
         << QStringLiteral("WHERE 1 = 1");
    grid.slot(kVehicleSlot).slot(kPeriodSlot).slot(QStringLiteral("extra"));
    grid << QStringLiteral("ORDER BY");
    grid.slot(kSortSlot).slot(kDirectionSlot);
    grid << QStringLiteral(",IDDOKUMENT");
    db.addQuery(registerDescriptor(RegisterId::Documents).query, ConnectionKind::Company, grid);
    addEditQueries(db, RegisterId::Documents, documentFields());
}

RegisterEditing<DocumentFormValues> documentEditing(DataModule& db) {
    RegisterEditing<DocumentFormValues> e;
    e.fields = &documentFields();
    DataModule* data = &db;
    e.defaults = [data] {
        DocumentFormValues v = newDocumentDefaults();
        v.vehicle = preselectedVehicle(*data);
        return v;
    };
    e.setup = [data](bool) {
        FormSetup s;
        s.lists.insert(QStringLiteral("IDPOJAZD"), loadVehicleChoices(*data));
        s.lists.insert(QStringLiteral("RODZAJ"),
                       loadDictionaryTexts(*data, kDocumentKindsCode, kDocumentKindsErrorCode));
        return s;
    };
    return e;
}

} // namespace kv
