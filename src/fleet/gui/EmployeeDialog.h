#pragma once

#include "fleet/EmployeeForm.h"
#include "framework/FormView.h"
#include "support/gui/EditDialog.h"

namespace kv {

// The employee edit window ("Kartoteka osobowa").
class EmployeeDialog : public EditDialog, public FormView<EmployeeFormValues> {
    Q_OBJECT
public:
    explicit EmployeeDialog(QWidget* parent = nullptr);

    void load(const EmployeeFormValues& values, const FormSetup& setup) override;
    EmployeeFormValues values() const override;
    bool confirm() override { return EditDialog::confirm(); }

protected:
    QLineEdit* startField() const override;
    FormCheck runChecks() override;

private:
    QLineEdit* m_nrew;
    QLineEdit* m_nazwisko;
};

} // namespace kv
