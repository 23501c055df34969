#pragma once

#include "framework/FieldTable.h"
#include "support/FormCheck.h"

#include <QString>

namespace kv {

// The employee window's content (one text per column of osobowa.DB),
// independent of the window, so its rules are tested without one.
struct EmployeeFormValues {
    QString nrew; // the employee number, the key other tables refer to
    QString nazwisko;
    QString imie;
    QString adres;
    QString numer;
    QString kod;
    QString miasto;
    QString kraj;
    QString telefon;
    QString kontakt;
    QString uwagi;

    bool operator==(const EmployeeFormValues&) const = default;
};

// The columns in the table's order; the number is bound trimmed.
const FieldTable<EmployeeFormValues>& employeeFields();

// The checks of "&Zapisz" in their order: a number and a surname that are
// not blank. On success the number is trimmed, as it is stored.
FormCheck checkEmployeeForm(EmployeeFormValues& values);

} // namespace kv
