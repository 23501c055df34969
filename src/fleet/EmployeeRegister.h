#pragma once

#include "fleet/EmployeeForm.h"
#include "framework/EditCycle.h"

namespace kv {

class RegisterController;

// The employee window as the add and edit cycle sees it.
class EmployeeFormView {
public:
    virtual ~EmployeeFormView() = default;
    // numberEditable false leaves the number field disabled; the cursor then
    // starts in the surname instead of the number.
    virtual void load(const EmployeeFormValues& values, bool numberEditable) = 0;
    virtual EmployeeFormValues values() const = 0;
    // Shows the window; true when "&Zapisz" passed the checks.
    virtual bool confirm() = 0;
};

// The employee register's part of the add and edit cycle: the trimmed number
// must be unique ("Istnieje już osoba o podanym numerze ewidencyjnym."), the
// insert and update bind every value, and the cursor goes to the saved number.
//
// Adding always lets the number be typed. Editing lets it change only when
// numberChangeAllowed (the option cbAllowChangeOsobowaNREW); otherwise the
// record keeps its number whatever the window answers. A changed number is
// not carried into the records that refer to the person.
EditSteps employeeAddSteps(RegisterController& reg, EmployeeFormView& form);
EditSteps employeeEditSteps(RegisterController& reg, EmployeeFormView& form,
                            bool numberChangeAllowed);

} // namespace kv
