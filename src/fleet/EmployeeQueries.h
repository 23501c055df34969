#pragma once

#include "storage/ChangeTemplate.h"

namespace kv {

class DataModule;

// The statements of the "Słowniki" section's master data: the employee
// register (grid query DBFosobowa, insert and update) and the company data's
// update (DBFUpdateFirma).
void registerEmployeeQueries(DataModule& db);

// The employee's insert (:PARAM0 .. :PARAM10 in column order) and update
// (the same, and the old number as :PARAM11 in its WHERE).
const ChangeTemplate& employeeInsertShape();
const ChangeTemplate& employeeUpdateShape();

inline const QString kEmployeeInsertQuery = QStringLiteral("DBFInsertOsobowa");
inline const QString kEmployeeUpdateQuery = QStringLiteral("DBFUpdateOsobowa");

} // namespace kv
