#include "fuel/RefuellingForm.h"

#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

RefuellingFormValues newRefuellingDefaults() {
    RefuellingFormValues v;
    v.first = v.tankowanie = v.licznik = formatDecimal(Decimal(), 2);
    return v;
}

const FieldTable<RefuellingFormValues>& refuellingFields(ConsumptionKind kind) {
    using V = RefuellingFormValues;
    using K = FieldKind;
    auto make = [](const char* table, const char* firstColumn) {
        auto date = field("DATA", &V::data, K::Date);
        date.widget = QStringLiteral("FDATA");
        auto first = field(firstColumn, &V::first, K::Amount);
        first.widget = QStringLiteral("fBAK");
        return FieldTable<V>(QString::fromLatin1(table),
                             {date, first, field("TANKOWANIE", &V::tankowanie, K::Amount),
                              field("LICZNIK", &V::licznik, K::Amount)});
    };
    static const FieldTable<V> continuous = make("zuzycie.DB", "BAK");
    static const FieldTable<V> perKm = make("zuzyciekm.DB", "PRZEBIEG");
    static const FieldTable<V> perHour = make("zuzyciemth.DB", "PRZEBIEG");
    switch (kind) {
    case ConsumptionKind::PerKm:
        return perKm;
    case ConsumptionKind::PerHour:
        return perHour;
    case ConsumptionKind::Continuous:
        break;
    }
    return continuous;
}

QString rewriteQuantity(const QString& text) {
    const std::optional<Decimal> d = Decimal::parse(text);
    return formatDecimal(d.value_or(Decimal()), 2);
}

FormCheck checkRefuellingForm(RefuellingFormValues& v) {
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(QStringLiteral("FDATA"),
                               QStringLiteral("Niepoprawny format daty. Popraw pole."));
    const struct {
        QString* text;
        const char* field;
        const char* message;
    } quantities[] = {
        {&v.first, "fBAK", "Niepoprawny stan baku przed tankowaniem."},
        {&v.tankowanie, "fTANKOWANIE", "Niepoprawna ilość zatankowanego paliwa."},
        {&v.licznik, "fLICZNIK", "Niepoprawny stan licznika."},
    };
    for (const auto& q : quantities)
        if (q.text->trimmed().isEmpty())
            *q.text = QStringLiteral("0");
    for (const auto& q : quantities)
        if (!Decimal::parse(*q.text))
            return FormCheck::fail(QLatin1String(q.field), QString::fromUtf8(q.message), true);
    return FormCheck::pass();
}

RefuellingLabels refuellingLabels(ConsumptionKind kind) {
    RefuellingLabels l;
    l.litres = QStringLiteral("Ilość zatankowanego paliwa");
    l.reading = QStringLiteral("Stan licznika w trakcie tankowania");
    switch (kind) {
    case ConsumptionKind::Continuous:
        l.objectName = QStringLiteral("TfZuzycie");
        l.title = QStringLiteral("Zużycie paliwa");
        l.first = QStringLiteral("Ilość paliwa w baku przed tankowaniem");
        break;
    case ConsumptionKind::PerKm:
        l.objectName = QStringLiteral("TfZuzycieKm");
        l.title = QStringLiteral("Zużycie paliwa - przebieg");
        l.first = QStringLiteral("Przejechano kilometrów");
        l.litres = QStringLiteral("Zużyto paliwa");
        l.distanceButton = true;
        break;
    case ConsumptionKind::PerHour:
        l.objectName = QStringLiteral("TfZuzycieMth");
        l.title = QStringLiteral("Zużycie paliwa - motogodziny");
        l.first = QStringLiteral("Przepracowanych godzin");
        l.litres = QStringLiteral("Zużyto paliwa");
        break;
    }
    return l;
}

} // namespace kv
