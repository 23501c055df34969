#pragma once

#include "framework/FormView.h"
#include "subregisters/WarehouseForm.h"
#include "support/gui/EditDialog.h"

namespace kv {

class NumberField;

// The warehouse window ("Magazyn zasobów").
class WarehouseDialog : public EditDialog, public FormView<WarehouseFormValues> {
    Q_OBJECT
public:
    explicit WarehouseDialog(QWidget* parent = nullptr);

    void load(const WarehouseFormValues& values, const FormSetup& setup) override;
    WarehouseFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

protected:
    QLineEdit* startField() const override { return m_name; }
    FormCheck runChecks() override;

private:
    QLineEdit* m_name;
    NumberField* m_quantity;
    NumberField* m_level;
};

} // namespace kv
