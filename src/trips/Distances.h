#pragma once

#include <QString>
#include <QStringList>

namespace kv {

class DataModule;

// The distance table (odleglosci.DB in the root of the database location,
// read through the main connection, so every company shares it). A pair is
// directional: A to B never answers B to A.

struct DistancePlaces {
    QStringList departures; // M1, each once
    QStringList arrivals;   // M2, each once
};
// The places the two lists offer. A failure is logged and gives empty lists.
DistancePlaces loadDistancePlaces(DataModule& db);

struct DistanceAnswer {
    bool found = false;
    QString km = QStringLiteral("0"); // the distance with two decimals; "0" without a row
    QString shown() const { return km + QStringLiteral(" km"); }
};
// The distance from one place to another as stored (M1 the departure, M2
// the arrival). A failure is logged and answers no row.
DistanceAnswer lookupDistance(DataModule& db, const QString& departure, const QString& arrival);

// What a route field gets from the picker: "Z: A, DO: B".
QString distanceRouteText(const QString& departure, const QString& arrival);

} // namespace kv
