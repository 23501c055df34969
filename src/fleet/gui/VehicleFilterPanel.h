#pragma once

#include <QWidget>
#include <functional>

class QComboBox;

namespace kv {

class DataModule;
class RegisterFilters;

// The vehicle register's own filters above its grid: the vehicle status and
// the fleet number, each with a button that clears it. A change runs the
// register again through `changed`.
class VehicleFilterPanel : public QWidget {
    Q_OBJECT
public:
    VehicleFilterPanel(DataModule& db, std::function<void()> changed, QWidget* parent = nullptr);

    // Reloads the fleet numbers, keeping the one chosen.
    void refreshFleetNumbers();

private:
    void apply();

    DataModule& m_db;
    std::function<void()> m_changed;
    QComboBox* m_status;
    QComboBox* m_fleet;
};

} // namespace kv
