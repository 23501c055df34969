#include "fleet/EmployeeForm.h"

namespace kv {

const FieldTable<EmployeeFormValues>& employeeFields() {
    using V = EmployeeFormValues;
    static const FieldTable<V> table(
        QStringLiteral("osobowa.DB"),
        {field("NREW", &V::nrew, FieldKind::Key), field("NAZWISKO", &V::nazwisko),
         field("IMIE", &V::imie), field("ADRES", &V::adres), field("NUMER", &V::numer),
         field("KOD", &V::kod), field("MIASTO", &V::miasto), field("KRAJ", &V::kraj),
         field("TELEFON", &V::telefon), field("KONTAKT", &V::kontakt), field("UWAGI", &V::uwagi)});
    return table;
}

FormCheck checkEmployeeForm(EmployeeFormValues& v) {
    if (v.nrew.trimmed().isEmpty())
        return FormCheck::fail(
            QStringLiteral("fNREW"),
            QStringLiteral("Nie wprowadzono numeru ewidencyjnego. Popraw pole."));
    if (v.nazwisko.trimmed().isEmpty())
        return FormCheck::fail(QStringLiteral("fNAZWISKO"),
                               QStringLiteral("Nie wprowadzono nazwiska. Popraw pole."));
    v.nrew = v.nrew.trimmed();
    return FormCheck::pass();
}

} // namespace kv
