#pragma once

#include "costs/CostAmounts.h"
#include "costs/CostRegister.h"
#include "framework/FormView.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QToolButton;

namespace kv {

class DateField;
class NumberField;

// The cost window ("Koszt"). The values move one another by the rules of
// CostAmounts as they are typed; the VAT-rate list is a calculator.
class CostDialog : public EditDialog, public FormView<CostFormValues> {
    Q_OBJECT
public:
    explicit CostDialog(QWidget* parent = nullptr);

    void load(const CostFormValues& values, const FormSetup& setup) override;
    CostFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // Opens the dictionary window on the expense kinds and answers them read
    // again (set by the main window; the "[...]" button is hidden while
    // unset and disabled while canEditDictionary says no).
    std::function<QList<KeyedItem>()> editExpenseKinds;
    std::function<bool()> canEditDictionary;

protected:
    void showEvent(QShowEvent* event) override;
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void build();
    QWidget* buildHandOver();
    void vehicleChosen(int index);
    void expenseKindChosen(int index);
    void amountTyped(NumberField* field);
    void rateChosen();
    void fuelTyped(const QString& text);
    void updateHandOver();
    void showAmounts(const CostAmounts& a);

    DateField* m_date;
    QComboBox* m_vehicle;
    QComboBox* m_kind;
    QToolButton* m_kindDictionary;
    NumberField* m_net;
    NumberField* m_vat;
    NumberField* m_gross;
    QComboBox* m_rate;
    QCheckBox* m_bookVat;
    QComboBox* m_driver;
    QCheckBox* m_isFuel;
    NumberField* m_fuel;
    NumberField* m_reading;
    QCheckBox* m_handOn;
    QComboBox* m_handTarget;
    QLabel* m_fuelKindLabel;
    QComboBox* m_fuelKind;
    QHash<QString, QString> m_vehicleDrivers;
    QHash<QString, QString> m_kindVat;
    bool m_driverFromVehicle = false;
    bool m_secondWindow = false;
};

} // namespace kv
