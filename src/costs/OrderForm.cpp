#include "costs/OrderForm.h"

#include "support/DateNumbers.h"

namespace kv {

namespace {

QList<Field<OrderFormValues>> commonFields(bool settlement) {
    using V = OrderFormValues;
    using K = FieldKind;
    QList<Field<V>> f{field("DATAOD", &V::dataOd, K::Date), field("DATADO", &V::dataDo, K::Date),
                      codeField("IDPOJAZDU", &V::vehicle)};
    if (settlement)
        f << field("GODZINY", &V::godziny, K::Amount) << field("STAWKA", &V::stawka, K::Amount);
    f << codeField("RODZAJPRAC", &V::rodzajPrac) << field("NRDOKUMENTU", &V::nrDokumentu, K::Key)
      << field("TRASA", &V::trasa) << field("NREW", &V::nrew) << field("KONTRAHENT", &V::kontrahent)
      << field("OPIS", &V::opis);
    return f;
}

Decimal numberOrZero(const QString& text) {
    return Decimal::parse(text).value_or(Decimal());
}

FormCheck checkWork(const OrderFormValues& v, const QString& noNumber) {
    if (v.nrDokumentu.trimmed().isEmpty())
        return FormCheck::fail(QStringLiteral("fNRDOKUMENTU"), noNumber);
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fIDPOJAZDU"),
                               QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    if (!isCalendarDateText(v.dataOd))
        return FormCheck::fail(QStringLiteral("fDATAOD"),
                               QStringLiteral("Niepoprawny format daty od. Popraw pole."));
    if (!isCalendarDateText(v.dataDo))
        return FormCheck::fail(QStringLiteral("fDATADO"),
                               QStringLiteral("Niepoprawny format daty do. Popraw pole."));
    if (textToDateNumber(v.dataDo) < textToDateNumber(v.dataOd))
        return FormCheck::fail(QStringLiteral("fDATAOD"),
                               QStringLiteral("Data od większa niż data do. Popraw pola."));
    return FormCheck::pass();
}

} // namespace

const FieldTable<OrderFormValues>& orderFields() {
    static const FieldTable<OrderFormValues> table(QStringLiteral("zlecenia.DB"),
                                                   commonFields(false));
    return table;
}

const FieldTable<OrderFormValues>& settlementFields() {
    static const FieldTable<OrderFormValues> table(QStringLiteral("rozliczenia.DB"),
                                                   commonFields(true));
    return table;
}

FormCheck checkOrderForm(const OrderFormValues& v) {
    return checkWork(v, QStringLiteral("Nie podano numeru zlecenia."));
}

FormCheck checkSettlementForm(OrderFormValues& v) {
    v.godziny = formatDecimal(numberOrZero(v.godziny), 2);
    v.stawka = formatDecimal(numberOrZero(v.stawka), 2);
    return checkWork(v, QStringLiteral("Niepodano numeru dokumentu rozliczeniowego."));
}

Decimal settlementValue(const QString& hours, const QString& rate) {
    return (numberOrZero(hours) * numberOrZero(rate)).rounded(2);
}

} // namespace kv
