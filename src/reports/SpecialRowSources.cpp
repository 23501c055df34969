#include "reports/SpecialRowSources.h"

#include "framework/RegisterController.h"
#include "framework/RegisterStates.h"
#include "storage/DataModule.h"
#include "storage/ErrorReport.h"
#include "storage/engine/DatabaseError.h"

namespace kv {

namespace {

constexpr qint64 kDriversCode = 121721;
constexpr qint64 kFuelSumsCode = 121722;
constexpr qint64 kRoadCardCode = 121723;
constexpr qint64 kCompanyCode = 2;

// A register's vehicle and period fragments as its own statement would get
// them, and the parameters they bind.
struct Filters {
    QString vehicle;
    QString period;
    engine::Params params;
};

Filters registerFilters(DataModule& db, RegisterId id) {
    RegisterController reg(db, id);
    const RegisterViewState& s = reg.state();
    return {s.vehicleFragment, s.periodFragment, reg.params()};
}

std::shared_ptr<const ResultSet> run(DataModule& db, const QString& sql,
                                     const engine::Params& params, qint64 code) {
    try {
        return std::make_shared<const ResultSet>(db.select(sql, params));
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, code);
        return nullptr;
    }
}

} // namespace

std::shared_ptr<const ResultSet> specialRows(DataModule& db, const ReportDefinition& def,
                                             const ReportChoices& choices) {
    switch (def.source) {
    case RowSourceKind::DriversOfVehicle: {
        const Filters f = registerFilters(db, RegisterId::Trips);
        const QString sql =
            QStringLiteral(
                "SELECT A.NAZWISKO AS NAZWISKO, A.IMIE AS IMIE, A.NREW AS NREW FROM\n"
                "osobowa.DB AS A JOIN przejazdy.DB AS B\nON A.NREW = B.IDKIEROWCY\n"
                "LEFT OUTER JOIN pojazdy.DB AS C ON C.IDPOJAZD = B.IDPOJAZD\nWHERE 1 = 1\n"
                "%1\n%2\nGROUP BY A.NAZWISKO, A.IMIE, A.NREW\n"
                "ORDER BY A.NAZWISKO COLLATE PL, A.IMIE COLLATE PL, A.NREW")
                .arg(f.vehicle, f.period);
        return run(db, sql, f.params, kDriversCode);
    }
    case RowSourceKind::FuelPurchaseSums: {
        // The period as the costs register compares it (the month and the
        // year exclusive of their bounds, a date range inclusive), so the
        // sums cover exactly the rows the costs register shows.
        const Filters f = registerFilters(db, RegisterId::Costs);
        QString centre;
        if (choices.costCentreTicked && choices.costCentreCode >= 0)
            centre = QStringLiteral("AND A.CK=%1").arg(choices.costCentreCode);
        const QString sql =
            QStringLiteral("SELECT B.NRREJ AS NRREJ, B.MARKA AS MARKA, SUM(A.WARTNETTO) AS "
                           "SNETTO, SUM(A.WARTVAT) AS SVAT, SUM(A.WARTBRUTTO) AS SBRUTTO, "
                           "SUM(A.FUEL) AS SFUEL\n"
                           "FROM koszty.DB AS A LEFT OUTER JOIN pojazdy.DB AS B ON A.IDPOJAZD = "
                           "B.IDPOJAZD\nWHERE A.ISFUEL='T'\n%1\n%2\n"
                           "GROUP BY B.NRREJ, B.MARKA\nORDER BY B.NRREJ COLLATE PL")
                .arg(centre, f.period);
        return run(db, sql, {}, kFuelSumsCode);
    }
    case RowSourceKind::ChosenRoadCard: {
        const QString sql =
            QStringLiteral(
                "SELECT A.NRKARTY AS NRKARTY, C.NREW AS WLASCICIEL,\n"
                "(COALESCE(B.NAZWISKO, '') || ' ' || COALESCE(B.IMIE, '') || ' (nr.ew. ' || "
                "COALESCE(B.NREW, '') || ')') AS NAZWISKO,\n"
                "C.NRREJ AS NRREJ, C.MARKA AS MARKA, A.DATAWYST AS DATAWYST, A.CELWYJAZDU AS "
                "CELWYJAZDU, A.TRASA AS TRASA, A.LICZSTART AS LICZSTART, A.LICZEND AS LICZEND,\n"
                "(A.LICZEND - A.LICZSTART) AS LICZSUMA, A.DATASTART AS DATASTART, A.GODZSTART AS "
                "GODZSTART,\nA.DATAEND AS DATAEND, A.GODZEND AS GODZEND, A.CZAS AS CZAS, "
                "A.PRAWOJAZDY "
                "AS PRAWOJAZDY, A.GODZSUMA AS GODZSUMA, A.ODPOCZYNEK AS ODPOCZYNEK\n"
                "FROM kartydrogowe.DB AS A LEFT OUTER JOIN osobowa.DB AS B ON B.NREW = "
                "A.IDKIEROWCY\n"
                "LEFT OUTER JOIN pojazdy.DB AS C ON A.IDPOJAZD = C.IDPOJAZD\n"
                "WHERE A.IDDROGOWA = %1")
                .arg(choices.roadCardId);
        return run(db, sql, {}, kRoadCardCode);
    }
    case RowSourceKind::Register:
    case RowSourceKind::VatMileage:
        break;
    }
    return nullptr;
}

QString companyAddress(DataModule& db) {
    try {
        const ResultSet rows = db.select(QStringLiteral(
            "SELECT NAZWA, ULICA, NUMER, KOD, MIASTO FROM firma.DB WHERE IDFIRMA = 1"));
        if (rows.rowCount() == 0)
            return QString();
        QStringList parts;
        for (int c = 0; c < rows.columnCount(); ++c)
            parts.append(rows.value(0, c).toString());
        return parts.join(u' ');
    } catch (const DatabaseError& e) {
        reportDatabaseError(e.message(), true, kCompanyCode);
        return QString();
    }
}

} // namespace kv
