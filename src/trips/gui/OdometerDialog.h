#pragma once

#include "framework/FormView.h"
#include "support/gui/EditDialog.h"
#include "trips/OdometerForm.h"

class QComboBox;

namespace kv {

class DateField;
class NumberField;

// The odometer reading window ("Bieżący przebieg").
class OdometerDialog : public EditDialog, public FormView<OdometerFormValues> {
    Q_OBJECT
public:
    explicit OdometerDialog(QWidget* parent = nullptr);

    void load(const OdometerFormValues& values, const FormSetup& setup) override;
    OdometerFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    DateField* m_date;
    QComboBox* m_vehicle;
    NumberField* m_reading;
    QComboBox* m_kind;
};

} // namespace kv
