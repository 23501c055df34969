#pragma once

#include "fuel/Consumption.h"
#include "import/ImportLayout.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <optional>

namespace kv {

class DataModule;

// What the row checks look up, each table read once per pass: vehicles by
// registration number, fuel cards, payment kinds and cost centres by
// description, road cards by number, employees by number, and the fuel
// imports' stored refuellings by vehicle and day. Keys are compared in Qt's
// capitals on both sides (SQLite's UPPER knows only a to z), except the fuel
// card id, which is compared as stored.
class ImportLookups {
public:
    // Reads what the layout needs. Throws DatabaseError.
    void load(DataModule& db, const ImportLayout& layout);

    std::optional<qint64> vehicle(const QString& key) const;
    bool hasCard(const QString& id) const { return m_cards.contains(id); }
    std::optional<qint64> paymentKind(const QString& key) const;
    std::optional<qint64> costCentre(const QString& key) const;
    std::optional<qint64> roadCard(const QString& key) const;
    bool hasEmployee(const QString& number) const;

    // The refuelling a vehicle has on a day in one of the two tables.
    static quint64 dayKey(qint64 vehicle, int date) {
        return (static_cast<quint64>(vehicle) << 32) | static_cast<quint32>(date);
    }
    QHash<quint64, RefuellingRow>& refuellings(bool lpg) { return lpg ? m_lpg : m_liquid; }
    const QHash<quint64, RefuellingRow>& refuellings(bool lpg) const {
        return lpg ? m_lpg : m_liquid;
    }

    // Tests and the benchmark fill these without a company.
    void addVehicle(const QString& number, qint64 id);

private:
    QHash<QString, qint64> m_vehicles;
    QSet<QString> m_cards;
    QHash<QString, qint64> m_payments;
    QHash<QString, qint64> m_centres;
    QHash<QString, qint64> m_roadCards;
    QSet<QString> m_employees;
    QHash<quint64, RefuellingRow> m_liquid;
    QHash<quint64, RefuellingRow> m_lpg;
};

} // namespace kv
