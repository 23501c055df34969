#pragma once

#include "framework/FormView.h"
#include "subregisters/DamageForm.h"
#include "support/gui/EditDialog.h"

class QCheckBox;
class QComboBox;

namespace kv {

class AmountLink;
class DateField;
class NumberField;
class VehicleDriverLink;

// The damage window ("Opis szkody - stłuczki").
class DamageDialog : public EditDialog, public FormView<DamageFormValues> {
    Q_OBJECT
public:
    explicit DamageDialog(QWidget* parent = nullptr);

    void load(const DamageFormValues& values, const FormSetup& setup) override;
    DamageFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    DateField* m_date;
    QComboBox* m_vehicle;
    QComboBox* m_driver;
    NumberField* m_reading;
    QCheckBox* m_handOn;
    AmountLink* m_amounts;
    VehicleDriverLink* m_link;
};

} // namespace kv
