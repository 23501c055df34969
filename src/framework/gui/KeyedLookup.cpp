#include "framework/gui/KeyedLookup.h"

#include "framework/RecordDefaults.h"
#include "framework/gui/FormFields.h"

#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>

namespace kv {

QWidget* lookupWithClear(QComboBox* list, const QString& buttonName, const QString& hint,
                         std::function<void()> cleared) {
    QToolButton* none = newSmallButton(buttonName, QStringLiteral("×"), hint);
    QObject::connect(none, &QToolButton::clicked, list, [list, cleared] {
        list->setCurrentIndex(-1);
        if (list->isEditable())
            list->setEditText(QString());
        if (cleared)
            cleared();
    });
    return fieldRow({list, none});
}

void reloadTextList(QComboBox* list, const QList<KeyedItem>& items) {
    const QString typed = list->currentText();
    setFieldControl(list, FieldKind::Text, typed, 0, &items, list->isEnabled());
    // A text the list does not offer is not replaced by its first entry.
    list->setEditText(typed);
}

VehicleDriverLink::VehicleDriverLink(QComboBox* vehicle, QComboBox* driver, QObject* parent)
    : QObject(parent), m_vehicle(vehicle), m_driver(driver) {
    connect(vehicle, &QComboBox::activated, this, &VehicleDriverLink::vehicleChosen);
}

void VehicleDriverLink::vehicleChosen() {
    const QString chosen =
        m_driver->currentIndex() >= 0 ? m_driver->currentData().toString() : QString();
    const QString driver = driverForVehicle(
        m_vehicles,
        m_vehicle->currentIndex() >= 0 ? m_vehicle->currentData().toString() : QString(), chosen);
    if (driver != chosen && !driver.isEmpty()) {
        const int index = m_driver->findData(driver);
        if (index >= 0)
            m_driver->setCurrentIndex(index);
    }
}

} // namespace kv
