#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

#include "framework/Registers.h"

namespace kv {

class DataModule;

// The filters of the main window and what they make of every register's
// statement: the vehicle selector, the month and year lists, the date range,
// and the named filters of single registers, whose fragments the registers'
// own code builds. Each change updates the state of the open company;
// refreshing the register on screen is the caller's.
class RegisterFilters {
public:
    explicit RegisterFilters(DataModule& db) : m_db(db) {}

    // Registration numbers of all vehicles, sorted; errors give what was read.
    QStringList vehicleNumbers() const;

    // A vehicle chosen in the selector; an empty number (or "(Wszystkie)")
    // means all vehicles. The number is bound as a parameter, never written
    // into the statement text.
    void selectVehicle(const QString& registrationNumber);
    // What the label beside the filters shows: make, ", poj. ", capacity and
    // " cm3", or "-" for all vehicles.
    const QString& vehicleLabel() const { return m_vehicleLabel; }
    // The chosen vehicle's record (IDPOJAZD, NRREJ, MARKA, POJEMNOSC,
    // NORMAOD, NORMADO), for pages that show more of it; empty for all.
    const QVariantMap& selectedVehicle() const { return m_selected; }

    // Month 1..12 or 0 for all; year or 0 for all. All years forces all months.
    void selectMonthYear(int month, int year);
    // Day-month-year texts; an empty or invalid "from" is no lower bound, an
    // empty or invalid "to" no upper bound.
    void selectDateRange(const QString& fromText, const QString& toText);
    // The same with date numbers; 0 is an open end.
    void selectDateRange(qint64 from, qint64 to);

    // One of a register's own filters (its descriptor's extraFilters); an
    // empty fragment switches it off.
    void setExtraFilter(RegisterId id, const QString& name, const QString& fragment);

private:
    DataModule& m_db;
    QString m_vehicleLabel = QStringLiteral("-");
    QVariantMap m_selected;
};

} // namespace kv
