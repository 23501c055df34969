#pragma once

#include "framework/FormView.h"
#include "support/gui/EditDialog.h"
#include "trips/RoadCardRegister.h"
#include "trips/gui/DistanceDialog.h"

#include <QHash>
#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;

namespace kv {

class DateField;
class NumberField;

// The road card window (TfKDrogowe, "Karta drogowa").
class RoadCardDialog : public EditDialog, public FormView<RoadCardFormValues> {
    Q_OBJECT
public:
    explicit RoadCardDialog(QWidget* parent = nullptr);

    void load(const RoadCardFormValues& values, const FormSetup& setup) override;
    RoadCardFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // The distance table as a picker; without it the button is hidden.
    std::function<std::optional<DistancePick>()> pickDistance;

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;
    void showEvent(QShowEvent* event) override;

private:
    void vehicleChosen(int index);
    void routeFromDistanceTable();

    QLineEdit* m_number;
    QComboBox* m_vehicle;
    QComboBox* m_driver;
    QComboBox* m_route;
    QWidget* m_distanceButton;
    QList<NumberField*> m_numbers;
    QHash<QString, QString> m_vehicleDrivers;
};

} // namespace kv
