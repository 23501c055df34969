#include "fuel/FuelCardForm.h"

#include "support/DateNumbers.h"

namespace kv {

const FieldTable<FuelCardFormValues>& fuelCardFields() {
    using V = FuelCardFormValues;
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    static const FieldTable<V> table(
        QStringLiteral("kpaliwowe.DB"),
        {field("IDKARTY", &V::idKarty, K::Key), field("NAZWA", &V::nazwa),
         field("IDKIEROWCY", &V::kierowca), vehicle, field("STACJA", &V::stacja),
         field("TERMIN", &V::termin, K::Date), field("PIN", &V::pin), field("WWW", &V::www),
         field("EMAIL", &V::email), field("UWAGI", &V::uwagi)});
    return table;
}

FormCheck checkFuelCardForm(const FuelCardFormValues& v) {
    if (!isBlankDateText(v.termin) && !isCalendarDateText(v.termin))
        return FormCheck::fail(
            QStringLiteral("fTERMIN"),
            QStringLiteral("Niepoprawny format terminu ważności karty. Popraw pole."));
    if (v.idKarty.trimmed().isEmpty())
        return FormCheck::fail(QStringLiteral("fIDKARTY"),
                               QStringLiteral("Nie wprowadzono ID karty. Popraw pole."));
    return FormCheck::pass();
}

} // namespace kv
