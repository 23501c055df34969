#pragma once

#include "framework/FormView.h"
#include "fuel/ConsumptionRegister.h"
#include "support/gui/EditDialog.h"

#include <functional>

class QCheckBox;
class QPushButton;

namespace kv {

class DateField;
class NumberField;

// The refuelling window of the three consumption registers (TfZuzycie,
// TfZuzycieKm, TfZuzycieMth): one window told its kind, which differ only in
// their labels and the per-km window's distance button.
class RefuellingDialog : public EditDialog, public FormView<RefuellingFormValues> {
    Q_OBJECT
public:
    explicit RefuellingDialog(ConsumptionKind kind, QWidget* parent = nullptr);

    void load(const RefuellingFormValues& values, const FormSetup& setup) override;
    RefuellingFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

    // The distance button's work (set by the register's module): the typed
    // date and reading to the distance, or a refusal naming the field.
    std::function<DistanceOutcome(const QString& date, const QString& reading)> computeDistance;

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void distanceClicked();

    ConsumptionKind m_kind;
    DateField* m_date;
    NumberField* m_first;
    NumberField* m_litres;
    NumberField* m_reading;
    QCheckBox* m_toCosts;
    QPushButton* m_distance = nullptr;
};

} // namespace kv
