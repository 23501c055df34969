#include "fleet/VehicleQueries.h"

#include "storage/DataModule.h"
#include "storage/SqlSnippets.h"

namespace kv {

namespace {

using C = TemplateColumn;

const QList<TemplateColumn>& columns() {
    static const QList<TemplateColumn> list{
        C::text("NRREJ", 0),     C::text("POPRZNRREJ", 1), C::text("MARKA", 2),
        C::slot("RODZAJ"),       C::slot("POJEMNOSC"),     C::slot("ROCZNIK"),
        C::text("SERIADREJ", 3), C::text("NRSILNIKA", 4),  C::text("NRNADWOZIA", 5),
        C::text("NREW", 6),      C::text("IDKIEROWCY", 7), C::slot("DATAOC"),
        C::text("NRPOLOC", 8),   C::slot("DATAAC"),        C::text("NRPOLAC", 9),
        C::slot("DATAPRZE"),     C::slot("DATAPRZEGW"),    C::text("UWAGI", 10),
        C::slot("STAWKA"),       C::slot("DATATACHO"),     C::slot("NORMAOD"),
        C::slot("NORMADO"),      C::slot("LICZPRZEG"),     C::slot("LICZGWAR"),
        C::slot("LP"),           C::slot("NRFLOTY"),       C::text("NREWID", 11),
        C::slot("STATUS")};
    return list;
}

// The grid query. Every column carries its own name so that the sort order
// can name any of them, and the filter and sort lines sit where the register
// description expects them (vehicle 13, status 16, fleet 17, sort 20 and 21).
QStringList gridLines() {
    QStringList l;
    l << QStringLiteral(
             "SELECT A.IDPOJAZD AS IDPOJAZD, A.NRREJ AS NRREJ, A.POPRZNRREJ AS POPRZNRREJ, "
             "A.MARKA AS MARKA, A.RODZAJ AS RODZAJ, A.POJEMNOSC AS POJEMNOSC,")
      << QStringLiteral("A.ROCZNIK AS ROCZNIK, A.SERIADREJ AS SERIADREJ, A.NRSILNIKA AS NRSILNIKA, "
                        "A.NRNADWOZIA AS NRNADWOZIA, A.NREW AS NREW, A.IDKIEROWCY AS IDKIEROWCY,")
      << QStringLiteral(
             "A.DATAOC AS DATAOC, A.NRPOLOC AS NRPOLOC, A.DATAAC AS DATAAC, A.NRPOLAC AS "
             "NRPOLAC, A.DATAPRZE AS DATAPRZE, A.DATAPRZEGW AS DATAPRZEGW,")
      << QStringLiteral(
             "A.UWAGI AS UWAGI, A.STAWKA AS STAWKA, A.DATATACHO AS DATATACHO, A.NORMAOD AS "
             "NORMAOD, A.NORMADO AS NORMADO, A.LICZPRZEG AS LICZPRZEG,")
      << QStringLiteral(
             "A.LICZGWAR AS LICZGWAR, A.LP AS LP, A.NRFLOTY AS NRFLOTY, A.STATUS AS STATUS, "
             "A.NREWID AS NREWID, C.OPIS AS COPIS,")
      << QStringLiteral("%1 AS NAZWISKO, D.OPIS AS FLOTA, A.STATUS AS OSTATUS")
             .arg(personDisplaySql(QStringLiteral("B")))
      << QStringLiteral("FROM pojazdy.DB AS A")
      << QStringLiteral("LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = A.IDKIEROWCY")
      << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS C ON C.KOD = A.RODZAJ")
      << QStringLiteral("LEFT OUTER JOIN slowniki.DB AS D ON D.KOD = A.NRFLOTY") << QString()
      << QString() << QStringLiteral("WHERE 1 = 1") << QString() // 13 vehicle
      << QString() << QString() << QString()                     // 16 status
      << QString()                                               // 17 fleet
      << QString() << QStringLiteral("ORDER BY") << QString()    // 20 sort column
      << QString();                                              // 21 direction
    return l;
}

} // namespace

const ChangeTemplate& vehicleInsertShape() {
    static const ChangeTemplate t = ChangeTemplate::insert(QStringLiteral("pojazdy.DB"), columns());
    return t;
}

const ChangeTemplate& vehicleUpdateShape() {
    static const ChangeTemplate t =
        ChangeTemplate::update(QStringLiteral("pojazdy.DB"), columns(), QStringLiteral("IDPOJAZD"));
    return t;
}

void registerVehicleQueries(DataModule& db) {
    db.addQuery(QStringLiteral("DBFpojazdy"), ConnectionKind::Company, gridLines());
    db.addQuery(QStringLiteral("DBFInsertPojazdy"), ConnectionKind::Company,
                vehicleInsertShape().lines);
    db.addQuery(QStringLiteral("DBFUpdatePojazdy"), ConnectionKind::Company,
                vehicleUpdateShape().lines);
}

} // namespace kv
