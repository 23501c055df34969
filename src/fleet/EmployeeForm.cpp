#include "fleet/EmployeeForm.h"

#include "storage/engine/ResultSet.h"

namespace kv {

EmployeeFormValues employeeFromRecord(const ResultSet& r, int row) {
    auto text = [&](const char* column) { return r.text(row, QLatin1String(column)); };
    EmployeeFormValues v;
    v.nrew = text("NREW");
    v.nazwisko = text("NAZWISKO");
    v.imie = text("IMIE");
    v.adres = text("ADRES");
    v.numer = text("NUMER");
    v.kod = text("KOD");
    v.miasto = text("MIASTO");
    v.kraj = text("KRAJ");
    v.telefon = text("TELEFON");
    v.kontakt = text("KONTAKT");
    v.uwagi = text("UWAGI");
    return v;
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

QStringList employeeParams(const EmployeeFormValues& v) {
    return {v.nrew.trimmed(), v.nazwisko, v.imie,    v.adres,   v.numer, v.kod,
            v.miasto,         v.kraj,     v.telefon, v.kontakt, v.uwagi};
}

} // namespace kv
