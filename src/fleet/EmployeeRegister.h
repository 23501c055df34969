#pragma once

#include "fleet/EmployeeForm.h"
#include "framework/RegisterEditing.h"

namespace kv {

class DataModule;

// The statements of the "Słowniki" section's master data: the employee
// register (grid query DBFosobowa, insert and update) and the company data's
// update (DBFUpdateFirma).
void registerEmployeeQueries(DataModule& db);

// The employee register's part of the add and edit cycle: the trimmed number
// must be unique ("Istnieje już osoba o podanym numerze ewidencyjnym."), and
// the cursor goes to the saved number.
//
// Adding always lets the number be typed. Editing lets it change only when
// numberChangeAllowed (the option cbAllowChangeOsobowaNREW); otherwise the
// record keeps its number whatever the window answers. A changed number is
// not carried into the records that refer to the person.
// A number that records still name (of an employee deleted earlier) is saved
// only after a question.
RegisterEditing<EmployeeFormValues> employeeEditing(std::function<bool()> numberChangeAllowed);
// The delete question of an employee still named elsewhere says where.
void installEmployeeHooks();

EditSteps employeeAddSteps(RegisterController& reg, FormView<EmployeeFormValues>& form);
EditSteps employeeEditSteps(RegisterController& reg, FormView<EmployeeFormValues>& form,
                            bool numberChangeAllowed);

} // namespace kv
