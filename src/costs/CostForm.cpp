#include "costs/CostForm.h"

#include "costs/CostAmounts.h"
#include "support/DateNumbers.h"
#include "support/Decimal.h"

#include <QRegularExpression>

namespace kv {

namespace {

using V = CostFormValues;

// The fuel flag: "T", or NULL for any other cost (the Part's data has no "N").
Field<V> fuelFlag() {
    Field<V> f = field("ISFUEL", &V::isFuel, FieldKind::Flag);
    f.boundNull = [](const V& v) { return v.isFuel != u"T"; };
    return f;
}

// A road card: 0 and -1 stored both mean none; none is written as -1.
Field<V> roadCard() {
    Field<V> f = codeField("IDDROGOWA", &V::roadCard);
    f.fromStored = [](V& v, const QVariant& stored) { v.roadCard = std::max(0, stored.toInt()); };
    f.toSql = [](const V& v) {
        return v.roadCard > 0 ? QString::number(v.roadCard) : QStringLiteral("-1");
    };
    return f;
}

bool isNumberText(const QString& text) {
    return Decimal::parse(text).has_value();
}

} // namespace

const FieldTable<CostFormValues>& costFields() {
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    static const FieldTable<V> table(
        QStringLiteral("koszty.DB"),
        {vehicle, field("DATA", &V::data, K::Date), field("RODZWYD", &V::rodzWyd),
         field("NAZWATOWAR", &V::nazwaTowar), field("NRDOKUMENT", &V::nrDokument),
         field("WARTNETTO", &V::netto, K::Amount), field("WARTVAT", &V::vat, K::Amount),
         field("WARTBRUTTO", &V::brutto, K::Amount), field("UWAGI", &V::uwagi),
         field("CZYVAT", &V::czyVat, K::Flag), field("DATAWYSTAW", &V::dataWystaw, K::Date),
         codeField("RODZAJPLAT", &V::rodzajPlat), field("IDKARTY", &V::karta),
         field("LICZNIK", &V::licznik, K::Amount), field("IDKIEROWCY", &V::driver), fuelFlag(),
         field("FUEL", &V::fuel, K::Amount), codeField("CK", &V::ck), roadCard()});
    return table;
}

FormCheck checkCostForm(CostFormValues& v, bool otherMustBeNumber) {
    v.licznik = amountText(v.licznik);
    v.fuel = amountText(v.fuel);
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(
            kCostDateField,
            QStringLiteral("Niepoprawny format daty powstania kosztu. Popraw pole."));
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fNRREJ"),
                               QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    if (!isBlankDateText(v.dataWystaw) && !v.dataWystaw.trimmed().isEmpty() &&
        !isCalendarDateText(v.dataWystaw))
        return FormCheck::fail(QStringLiteral("fDATAWYSTAW"),
                               QStringLiteral("Niepoprawny format daty wystawienia dokumentu "
                                              "kosztowego. Popraw pole."));
    struct NumberField {
        QString* text;
        const char* widget;
        const char* message;
    } const numbers[] = {
        {&v.licznik, "fLICZNIK", "Niepoprawny stan licznika. Popraw pole."},
        {&v.netto, "fWARTNETTO", "Niepoprawna wartość netto kosztu. Popraw pole."},
        {&v.vat, "fWARTVAT", "Niepoprawna kwota VAT. Popraw pole."},
        {&v.brutto, "fWARTBRUTTO", "Niepoprawna wartość brutto kosztu. Popraw pole."},
    };
    for (const NumberField& n : numbers)
        if (n.text->trimmed().isEmpty())
            *n.text = QStringLiteral("0");
    for (const NumberField& n : numbers)
        if (!isNumberText(*n.text))
            return FormCheck::fail(QLatin1String(n.widget), QString::fromUtf8(n.message), true);
    if (!amountsAgree(v.netto, v.vat, v.brutto))
        return FormCheck::fail(kCostNetField,
                               QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola."));
    if (otherMustBeNumber) {
        static const QRegularExpression leadingNumber(QStringLiteral("^\\d"));
        const QString other = v.uwagi.trimmed();
        if (!other.isEmpty() && !leadingNumber.match(other).hasMatch())
            return FormCheck::fail(QStringLiteral("fUWAGI"),
                                   QStringLiteral("Pole \"Ilość towaru / inne\" powinno w "
                                                  "pierwszych znakach zawierać liczbę."));
    }
    return FormCheck::pass();
}

} // namespace kv
