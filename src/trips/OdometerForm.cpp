#include "trips/OdometerForm.h"

#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

OdometerFormValues newOdometerDefaults() {
    OdometerFormValues v;
    v.licznik = formatDecimal(Decimal(), 2);
    return v;
}

const FieldTable<OdometerFormValues>& odometerFields() {
    using V = OdometerFormValues;
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    auto kind = codeField("DOTYCZY", &V::dotyczy);
    kind.fromStored = [](V& v, const QVariant& stored) {
        bool ok = false;
        const double code = stored.toDouble(&ok);
        v.dotyczy = ok && code >= 0 && code <= 3 && code == int(code) ? int(code) : 0;
    };
    static const FieldTable<V> table(QStringLiteral("przebiegi.DB"),
                                     {vehicle, field("DATA", &V::data, K::Date),
                                      field("UWAGI", &V::uwagi),
                                      field("LICZNIK", &V::licznik, K::Amount), kind});
    return table;
}

QString rewriteReading(const QString& text) {
    if (text.trimmed().isEmpty())
        return formatDecimal(Decimal(), 2);
    const std::optional<Decimal> d = Decimal::parse(text);
    return d ? formatDecimal(*d, 2) : text;
}

FormCheck checkOdometerForm(OdometerFormValues& v) {
    v.licznik = rewriteReading(v.licznik);
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(QStringLiteral("fDATA"),
                               QStringLiteral("Niepoprawny format daty. Popraw pole."));
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fNRREJ"),
                               QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    // A text that is no number would otherwise be stored as 0 without a word.
    const std::optional<Decimal> reading = Decimal::parse(v.licznik);
    if (!reading || reading->signum() < 0)
        return FormCheck::fail(QStringLiteral("fLICZNIK"),
                               QStringLiteral("Niepoprawny stan licznika. Popraw pole."), true);
    return FormCheck::pass();
}

} // namespace kv
