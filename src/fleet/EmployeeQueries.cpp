#include "fleet/EmployeeQueries.h"

#include "fleet/CompanyData.h"
#include "storage/DataModule.h"

namespace kv {

namespace {

using C = TemplateColumn;

const QList<TemplateColumn>& columns() {
    static const QList<TemplateColumn> list{
        C::text("NREW", 0),    C::text("NAZWISKO", 1), C::text("IMIE", 2),   C::text("ADRES", 3),
        C::text("NUMER", 4),   C::text("KOD", 5),      C::text("MIASTO", 6), C::text("KRAJ", 7),
        C::text("TELEFON", 8), C::text("KONTAKT", 9),  C::text("UWAGI", 10)};
    return list;
}

// The grid query. The register has no vehicle or period filter: line 1 is the
// one extra line (always empty), and the sort order sits on lines 3 and 4.
// The number follows as the last key, so people of the same surname keep one
// order from one refresh to the next.
QStringList gridLines() {
    return {QStringLiteral("SELECT NREW, NAZWISKO, IMIE, ADRES, NUMER, KOD, MIASTO, KRAJ, "
                           "TELEFON, KONTAKT, UWAGI FROM osobowa.DB WHERE 1 = 1"),
            QString(), // 1 extra (always empty)
            QStringLiteral("ORDER BY"),
            QString(), // 3 sort column
            QString(), // 4 direction
            QStringLiteral(",NREW")};
}

} // namespace

const ChangeTemplate& employeeInsertShape() {
    static const ChangeTemplate t = ChangeTemplate::insert(QStringLiteral("osobowa.DB"), columns());
    return t;
}

const ChangeTemplate& employeeUpdateShape() {
    static const ChangeTemplate t =
        ChangeTemplate::update(QStringLiteral("osobowa.DB"), columns(), C::text("NREW", 11));
    return t;
}

void registerEmployeeQueries(DataModule& db) {
    db.addQuery(QStringLiteral("DBFosobowa"), ConnectionKind::Company, gridLines());
    db.addQuery(kEmployeeInsertQuery, ConnectionKind::Company, employeeInsertShape().lines);
    db.addQuery(kEmployeeUpdateQuery, ConnectionKind::Company, employeeUpdateShape().lines);
    db.addQuery(kCompanyUpdateQuery, ConnectionKind::Company, companyUpdateShape().lines);
}

} // namespace kv
