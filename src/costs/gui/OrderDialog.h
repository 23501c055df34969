#pragma once

#include "costs/OrderRegister.h"
#include "framework/FormView.h"
#include "support/gui/EditDialog.h"
#include "trips/gui/DistanceDialog.h"

#include <QHash>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QToolButton;

namespace kv {

class NumberField;

// The order window (TfZlecenia, "Zlecenie") and the settlement window
// (TfRozliczenia, "Rozliczenia"): the same work, a settlement with the hours
// and the hourly rate, an order with "Dodaj powyższe dane do rozliczeń".
class WorkDialog : public EditDialog, public FormView<OrderFormValues> {
    Q_OBJECT
public:
    WorkDialog(bool settlement, QWidget* parent);

    void load(const OrderFormValues& values, const FormSetup& setup) override;
    OrderFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on a list and answers the lists read again;
    // the "[...]" buttons are hidden while unset and disabled while
    // canEditDictionary says no.
    std::function<QHash<QString, QList<KeyedItem>>(const QString& code)> editDictionary;
    std::function<bool()> canEditDictionary;
    // The distance table as the route's picker (none: the button is disabled).
    std::function<std::optional<DistancePick>()> pickDistance;
    // Whether the user may add settlements (the order's check box).
    std::function<bool()> canAddSettlements;

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;
    void showEvent(QShowEvent* event) override;

private:
    void vehicleChosen(int index);
    void openDictionary(const QString& code);

    bool m_settlement;
    QLineEdit* m_number;
    QComboBox* m_vehicle;
    QComboBox* m_route;
    NumberField* m_hours = nullptr;
    NumberField* m_rate = nullptr;
    QCheckBox* m_toSettlements = nullptr;
    QList<QToolButton*> m_dictionaryButtons;
    QWidget* m_distanceButton;
    QHash<QString, QString> m_vehicleRates;
    QString m_shownVehicle; // the vehicle the rate was last taken for
    bool m_secondWindow = false;
};

class OrderDialog : public WorkDialog {
    Q_OBJECT
public:
    explicit OrderDialog(QWidget* parent = nullptr) : WorkDialog(false, parent) {}
};

class SettlementDialog : public WorkDialog {
    Q_OBJECT
public:
    explicit SettlementDialog(QWidget* parent = nullptr) : WorkDialog(true, parent) {}
};

} // namespace kv
