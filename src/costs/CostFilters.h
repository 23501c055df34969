#pragma once

#include <QString>

namespace kv {

class DataModule;

// The cost register's own filters: "Tylko paliwa", a cost centre ("CK") and a
// road card ("Karta drog."). Each is a box and, for the last two, a key
// chosen from a list (0 for none). The state lives with the open company, so
// it outlives register changes and the windows read it for their defaults.
struct CostFilterState {
    bool fuelOnly = false;
    bool costCentreOn = false;
    int costCentre = 0; // KOD of the "CKKOD" list
    bool roadCardOn = false;
    int roadCard = 0; // IDDROGOWA

    // The key a box in force gives, 0 when it adds nothing (off, or ticked
    // without a choice).
    int activeCostCentre() const { return costCentreOn ? costCentre : 0; }
    int activeRoadCard() const { return roadCardOn ? roadCard : 0; }
};

CostFilterState& costFilterState(DataModule& db);

// The extra filters' names in the register's statement.
inline const QString kCostFuelFilter = QStringLiteral("fuel");
inline const QString kCostCentreFilter = QStringLiteral("costCentre");
inline const QString kCostRoadCardFilter = QStringLiteral("roadCard");

// The fragments (qualified: the road card's id is a column of two of the
// joined tables); empty when the filter adds nothing.
QString costFuelFragment(bool fuelOnly);
QString costCentreFragment(int key);
QString costRoadCardFragment(int key);

// Stores the state and writes its three fragments into the register's
// filters; refreshing the register is the caller's.
void applyCostFilters(DataModule& db, const CostFilterState& state);

} // namespace kv
