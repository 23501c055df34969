#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace kv {

class DataModule;

// The names of the vehicle kinds that have an allowance rate column of their
// own: the motorcycle (KOD 3), the moped (KOD 4) and the sixteen further kinds
// by their rate column 5 to 20. A kind the table lacks has an empty name.
struct VehicleKindNames {
    static constexpr int kFirstColumn = 5;
    static constexpr int kLastColumn = 20;

    QString motorcycle;
    QString moped;
    std::array<QString, 16> further;

    // The further kind of a rate column (5..20).
    QString& column(int n) { return further[static_cast<size_t>(n - kFirstColumn)]; }
    const QString& column(int n) const { return further[static_cast<size_t>(n - kFirstColumn)]; }

    bool operator==(const VehicleKindNames&) const = default;
};

// Reads the names (throws DatabaseError).
VehicleKindNames readVehicleKindNames(DataModule& db);
// Renames the eighteen kinds together: all or none (throws DatabaseError).
void writeVehicleKindNames(DataModule& db, const VehicleKindNames& names);

// The titles of the rates grid's 21 columns: the motorcycle and moped columns
// and the further kinds' columns carry the kinds' names; a kind without a
// name keeps the column's own title ("Motocykl", "Motorower", "Inne").
QStringList rateGridTitles(const VehicleKindNames& names);
// The labels of the rate window's twenty rate fields, named the same way.
QStringList rateFieldLabels(const VehicleKindNames& names);

} // namespace kv
