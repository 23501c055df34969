#pragma once

#include "framework/FormView.h"
#include "fuel/FuelCardRegister.h"
#include "support/gui/EditDialog.h"

#include <QHash>

class QComboBox;

namespace kv {

class DateField;

// The fuel card window (TfKPaliwowe, "Karta paliwowa").
class FuelCardDialog : public EditDialog, public FormView<FuelCardFormValues> {
    Q_OBJECT
public:
    explicit FuelCardDialog(QWidget* parent = nullptr);

    void load(const FuelCardFormValues& values, const FormSetup& setup) override;
    FuelCardFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    void vehicleChosen(int index);

    QLineEdit* m_id;
    QComboBox* m_vehicle;
    QComboBox* m_holder;
    DateField* m_expiry;
    QHash<QString, QString> m_vehicleDrivers;
};

} // namespace kv
