#pragma once

#include "framework/FormView.h"

#include <QList>
#include <QObject>
#include <functional>

class QComboBox;
class QWidget;

namespace kv {

// Lists of the edit windows that several registers share.

// A keyed list with its "×" button beside it (object name and hint given),
// which empties the choice ("Nie wskazuj żadnego kierowcy"); `cleared` runs
// after. Answers the row to put into the window's form.
QWidget* lookupWithClear(QComboBox* list, const QString& buttonName, const QString& hint,
                         std::function<void()> cleared = {});

// Fills an editable list of dictionary texts again (after the dictionary
// window) keeping the text typed into it, whether the list offers it or not.
void reloadTextList(QComboBox* list, const QList<KeyedItem>& items);

// The vehicle rule of the windows with a vehicle and a driver: choosing a
// vehicle while no driver is chosen takes the vehicle's own driver.
class VehicleDriverLink : public QObject {
    Q_OBJECT
public:
    VehicleDriverLink(QComboBox* vehicle, QComboBox* driver, QObject* parent);
    // The vehicle list's entries as loaded (their extra: the driver).
    void setVehicles(const QList<KeyedItem>& vehicles) { m_vehicles = vehicles; }

private:
    void vehicleChosen();

    QComboBox* m_vehicle;
    QComboBox* m_driver;
    QList<KeyedItem> m_vehicles;
};

} // namespace kv
