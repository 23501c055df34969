#pragma once

#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;

namespace kv {

class DataModule;

// The cost register's own filters above its grid: "Tylko paliwa", a cost
// centre and a road card. Every click changes the filter state of the open
// company and runs the register again through `changed`; choosing an entry
// ticks its box.
class CostFilterPanel : public QWidget {
    Q_OBJECT
public:
    CostFilterPanel(DataModule& db, std::function<void()> changed, QWidget* parent = nullptr);

    // Reloads the two lists and shows the state in force (which outlives
    // the register's page).
    void refreshLists();

private:
    void apply();

    DataModule& m_db;
    std::function<void()> m_changed;
    QCheckBox* m_fuel;
    QCheckBox* m_centreOn;
    QComboBox* m_centre;
    QCheckBox* m_roadCardOn;
    QComboBox* m_roadCard;
};

} // namespace kv
