#pragma once

#include <QMap>
#include <QString>

namespace kv {

// What the filters and the sort order have made of one register's statement;
// kept for the whole run, so a filter chosen on one register applies to every
// register opened later.
struct RegisterViewState {
    QString vehicleFragment;
    // The registration number the vehicle fragment binds (as :FILTRNRREJ), so
    // a number with quotes in it never becomes part of the statement text.
    QString vehicleParameter;
    QString periodFragment;
    QMap<QString, QString> extraFragments; // by the register's extra filter names
    // Texts an extra fragment compares (a driver's or a card's key), bound by
    // their parameter names wherever a fragment names them.
    QMap<QString, QString> extraParameters;
    QString sortColumn;
    bool ascending = true;
};

// The filter values several parts of the program read: the bounds of the
// chosen month, year or date range (0 and 0 for none) and the vehicle chosen
// in the vehicle selector (0 and empty for all).
struct SharedFilters {
    qint64 periodStart = 0;
    qint64 periodEnd = 0;
    int selectedVehicleId = 0;
    QString selectedVehicleNr;
};

// The parameter name the vehicle fragment uses.
inline const QString kVehicleFilterParameter = QStringLiteral("FILTRNRREJ");

} // namespace kv
