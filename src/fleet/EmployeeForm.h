#pragma once

#include "support/FormCheck.h"

#include <QString>
#include <QStringList>

namespace kv {

class ResultSet;

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

// The window filled from a row of the employee register.
EmployeeFormValues employeeFromRecord(const ResultSet& rows, int row);

// The checks of "&Zapisz" in their order: a number and a surname that are
// not blank. On success the number is trimmed, as it is stored.
FormCheck checkEmployeeForm(EmployeeFormValues& values);

// The values bound as :PARAM0 .. :PARAM10 of the insert and the update, in
// the column order of the table, every one as typed (the number trimmed).
QStringList employeeParams(const EmployeeFormValues& values);

} // namespace kv
