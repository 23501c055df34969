#include "subregisters/EquipmentForm.h"

#include "subregisters/SubregisterFields.h"
#include "support/DateNumbers.h"

namespace kv {

EquipmentFormValues newEquipmentDefaults() {
    EquipmentFormValues v;
    v.licznik = v.liczterm = readingWithTwoDecimals(QString());
    return v;
}

const FieldTable<EquipmentFormValues>& equipmentFields() {
    using V = EquipmentFormValues;
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    static const FieldTable<V> table(
        QStringLiteral("wyposazenie.DB"),
        {field("DATA", &V::data, K::Date), field("TERMIN", &V::termin, K::Date), vehicle,
         field("LICZNIK", &V::licznik, K::Amount), field("RODZAJ", &V::rodzaj),
         field("OPIS", &V::opis), field("UWAGI", &V::uwagi),
         field("LICZTERM", &V::liczterm, K::Amount)});
    return table;
}

FormCheck checkEquipmentForm(EquipmentFormValues& v) {
    v.licznik = readingWithTwoDecimals(v.licznik);
    v.liczterm = readingWithTwoDecimals(v.liczterm);
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(
            QStringLiteral("fDATA"),
            QStringLiteral("Niepoprawny format daty montażu elementu wyposażenia. Popraw pole."),
            true);
    if (!isBlankOrCalendarDate(v.termin))
        return FormCheck::fail(QStringLiteral("fTERMIN"),
                               QStringLiteral("Niepoprawny format terminu ważności elementu "
                                              "wyposażenia. Popraw pole."),
                               true);
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fNRREJ"),
                               QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    return FormCheck::pass();
}

} // namespace kv
