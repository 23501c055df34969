#include "subregisters/WarehouseForm.h"

#include "costs/CostAmounts.h"
#include "support/Decimal.h"

namespace kv {

const FieldTable<WarehouseFormValues>& warehouseFields() {
    using V = WarehouseFormValues;
    using K = FieldKind;
    static const FieldTable<V> table(QStringLiteral("magazyn.DB"),
                                     {field("ILOSC", &V::ilosc, K::Amount),
                                      field("PRZYPOMNIJ", &V::przypomnij, K::Amount),
                                      field("CZESC", &V::czesc), field("UWAGI", &V::uwagi)});
    return table;
}

WarehouseFormValues newWarehouseDefaults() {
    WarehouseFormValues v;
    v.ilosc = v.przypomnij = amountText(QString());
    return v;
}

FormCheck checkWarehouseForm(WarehouseFormValues& v) {
    if (v.czesc.trimmed().isEmpty())
        return FormCheck::fail(QStringLiteral("fCZESC"),
                               QStringLiteral("Nie podano nazwy zasobu. Popraw pole."));
    v.ilosc = amountText(v.ilosc);
    v.przypomnij = amountText(v.przypomnij);
    if (Decimal::parse(v.ilosc).value_or(Decimal()).signum() < 0)
        return FormCheck::fail(QStringLiteral("fILOSC"),
                               QStringLiteral("Ilość nie może być ujemna. Popraw pole."), true);
    return FormCheck::pass();
}

} // namespace kv
