#include "fuel/FuelPriceForm.h"

#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

FuelPriceFormValues newFuelPriceDefaults() {
    FuelPriceFormValues v;
    v.brutto = QStringLiteral("0");
    return v;
}

const FieldTable<FuelPriceFormValues>& fuelPriceFields() {
    using V = FuelPriceFormValues;
    using K = FieldKind;
    static const FieldTable<V> table(
        QStringLiteral("cenypaliw.DB"),
        {field("DATA", &V::data, K::Date), codeField("RODZAJPALIWA", &V::rodzaj),
         field("BRUTTO", &V::brutto, K::Amount), field("MIEJSCE", &V::miejsce)});
    return table;
}

QString rewritePrice(const QString& text) {
    const std::optional<Decimal> d = Decimal::parse(text);
    return d ? formatDecimal(*d, 2) : QStringLiteral("0");
}

FormCheck checkFuelPriceForm(FuelPriceFormValues& v) {
    v.brutto = rewritePrice(v.brutto);
    if (v.rodzaj <= 0)
        return FormCheck::fail(QStringLiteral("fRODZAJPALIWA"),
                               QStringLiteral("Nie wskazano rodzaju paliwa. Popraw pole."));
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(QStringLiteral("fDATA"),
                               QStringLiteral("Niepoprawny format daty od. Popraw pole."));
    return FormCheck::pass();
}

} // namespace kv
