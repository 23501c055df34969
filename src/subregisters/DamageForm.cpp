#include "subregisters/DamageForm.h"

#include "costs/CostAmounts.h"
#include "subregisters/AmountChecks.h"
#include "subregisters/RepairForm.h"
#include "support/DateNumbers.h"

namespace kv {

const FieldTable<DamageFormValues>& damageFields() {
    using V = DamageFormValues;
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    static const FieldTable<V> table(
        QStringLiteral("szkody.DB"),
        {vehicle, field("DATA", &V::data, K::Date), field("OPIS", &V::opis),
         field("WARTNETTO", &V::netto, K::Amount), field("WARTVAT", &V::vat, K::Amount),
         field("WARTBRUTTO", &V::brutto, K::Amount), field("UWAGI", &V::uwagi),
         field("IDKIEROWCY", &V::driver), field("LICZNIK", &V::licznik, K::Amount)});
    return table;
}

DamageFormValues newDamageDefaults() {
    DamageFormValues v;
    v.netto = v.vat = v.brutto = v.licznik = amountText(QString());
    return v;
}

FormCheck checkDamageForm(DamageFormValues& v) {
    v.licznik = amountText(v.licznik);
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(QStringLiteral("fDATA"), kRepairDateMessage);
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fNRREJ"), kEventNoVehicleMessage);
    // The damage window's mismatch message has no full stop.
    return checkAmounts(
        {&v.netto, &v.vat, &v.brutto},
        {QStringLiteral("fWARTNETTO"), QStringLiteral("fWARTVAT"), QStringLiteral("fWARTBRUTTO")},
        QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola"));
}

} // namespace kv
