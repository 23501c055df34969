#include "trips/Distances.h"

#include "storage/DataModule.h"
#include "storage/ErrorLog.h"
#include "storage/engine/DatabaseError.h"
#include "support/Decimal.h"

namespace kv {

namespace {

// Logged, never shown, when the distance table cannot be read: the window
// opens with empty lists.
constexpr qint64 kDistanceListsCode = 4301;
constexpr qint64 kDistanceLookupCode = 4302;

QStringList column(DataModule& db, const QString& sql) {
    QStringList out;
    const ResultSet rows = db.select(sql, {}, ConnectionKind::Main);
    for (int i = 0; i < rows.rowCount(); ++i)
        out.append(rows.value(i, 0).toString());
    return out;
}

} // namespace

DistancePlaces loadDistancePlaces(DataModule& db) {
    DistancePlaces places;
    try {
        places.departures =
            column(db, QStringLiteral("SELECT M1 FROM odleglosci.DB GROUP BY M1 ORDER BY M1 "
                                      "COLLATE PL"));
        places.arrivals =
            column(db, QStringLiteral("SELECT M2 FROM odleglosci.DB GROUP BY M2 ORDER BY M2 "
                                      "COLLATE PL"));
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kDistanceListsCode, e.message()));
        return {};
    }
    return places;
}

DistanceAnswer lookupDistance(DataModule& db, const QString& departure, const QString& arrival) {
    DistanceAnswer answer;
    try {
        const ResultSet rows = db.select(
            QStringLiteral("SELECT KM FROM odleglosci.DB WHERE M1 = :param0 AND M2 = :param1"),
            engine::positionalParams({departure, arrival}), ConnectionKind::Main);
        if (rows.isEmpty())
            return answer;
        answer.found = true;
        answer.km = formatDecimal(Decimal::fromDouble(rows.value(0, 0).toDouble()), 2);
    } catch (const DatabaseError& e) {
        appendErrorLog(codedLine(kDistanceLookupCode, e.message()));
    }
    return answer;
}

QString distanceRouteText(const QString& departure, const QString& arrival) {
    return QStringLiteral("Z: ") + departure + QStringLiteral(", DO: ") + arrival;
}

} // namespace kv
