#pragma once

#include <QString>
#include <QStringList>

namespace kv {

class DataModule;

// The filters of the main window and what they make of every register's
// statement: the vehicle selector, the month and year lists, the date range,
// and the filters of single registers (vehicle status and fleet number; fuel,
// cost centre and road card of the costs). Each change updates the state the
// data module keeps; refreshing the register on screen is the caller's.
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
    // What the consumption pages show as the vehicle and its norms.
    const QString& consumptionVehicleText() const { return m_consumptionVehicle; }
    const QString& normFrom() const { return m_normFrom; }
    const QString& normTo() const { return m_normTo; }

    // Month 1..12 or 0 for all; year or 0 for all. All years forces all months.
    void selectMonthYear(int month, int year);
    // Day-month-year texts; an empty or invalid "from" is no lower bound, an
    // empty or invalid "to" no upper bound.
    void selectDateRange(const QString& fromText, const QString& toText);

    // 0..4 a status, 5 every status but active, -1 no status filter.
    void setVehicleStatusFilter(int index);
    // A fleet number's dictionary key, or -1 for none.
    void setFleetFilter(int key);

    // Cost register filters (the costs module calls these).
    void setFuelOnly(bool on);
    void setCostCentre(bool on, int key);
    void setRoadCard(bool on, int id);

private:
    DataModule& m_db;
    QString m_vehicleLabel = QStringLiteral("-");
    QString m_consumptionVehicle = QStringLiteral("(Wybierz pojazd)");
    QString m_normFrom;
    QString m_normTo;
};

} // namespace kv
