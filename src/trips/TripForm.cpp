#include "trips/TripForm.h"

#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

namespace {

// A field of the VAT section: its text only while the vehicle is lent, both
// when a stored trip is read (PRYW comes first) and when one is written.
Field<TripFormValues> lentField(const char* column, QString TripFormValues::*member,
                                FieldKind kind) {
    Field<TripFormValues> f = field(column, member, kind);
    f.get = [member](const TripFormValues& v) { return v.lent() ? v.*member : QString(); };
    f.fromStored = [member, kind](TripFormValues& v, const QVariant& stored) {
        v.*member = v.lent() ? fieldText(kind, stored) : QString();
    };
    return f;
}

bool isReading(const QString& text) {
    const std::optional<Decimal> d = Decimal::parse(text);
    return d && d->signum() >= 0;
}

} // namespace

const FieldTable<TripFormValues>& tripFields() {
    using V = TripFormValues;
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    static const FieldTable<V> table(
        QStringLiteral("przejazdy.DB"),
        {field("DATA", &V::data, K::Date), vehicle, field("CELWYJAZDU", &V::celWyjazdu),
         field("TRASA", &V::trasa), field("ODLEGLOSC", &V::odleglosc, K::Amount),
         field("IDKIEROWCY", &V::driver), field("UWAGI", &V::uwagi),
         field("PRYW", &V::pryw, K::Flag), lentField("PRYWKTO", &V::prywKto, K::Text),
         lentField("PRYWLICZOD", &V::prywLiczOd, K::Amount),
         lentField("PRYWLICZDO", &V::prywLiczDo, K::Amount)});
    return table;
}

QString tripReturnReading(const TripFormValues& v) {
    return v.lent() ? v.prywLiczDo : QString();
}

FormCheck checkTripForm(const TripFormValues& v) {
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(QStringLiteral("fDATA"),
                               QStringLiteral("Niepoprawny format daty wyjazdu. Popraw pole."));
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fNRREJ"),
                               QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    if (v.odleglosc.trimmed().isEmpty())
        return FormCheck::fail(QStringLiteral("fODLEGLOSC"),
                               QStringLiteral("Nie wprowadzono długości trasy. Popraw pole."));
    const std::optional<Decimal> length = Decimal::parse(v.odleglosc);
    if (!length || length->signum() <= 0)
        return FormCheck::fail(QStringLiteral("fODLEGLOSC"),
                               QStringLiteral("Niepoprawna długość trasy. Popraw pole."), true);
    if (v.lent()) {
        if (v.prywLiczOd.trimmed().isEmpty() || v.prywLiczDo.trimmed().isEmpty() ||
            v.prywKto.trimmed().isEmpty())
            return FormCheck::fail(QStringLiteral("fPRYWLICZOD"), kTripVatMessage);
        // Text that is no number would be stored as 0 without a word.
        if (!isReading(v.prywLiczOd))
            return FormCheck::fail(QStringLiteral("fPRYWLICZOD"),
                                   QStringLiteral("Niepoprawny stan licznika na dzień "
                                                  "udostępnienia pojazdu. Popraw pole."),
                                   true);
        if (!isReading(v.prywLiczDo))
            return FormCheck::fail(
                QStringLiteral("fPRYWLICZDO"),
                QStringLiteral("Niepoprawny stan licznika na dzień zwrotu pojazdu. Popraw pole."),
                true);
    }
    return FormCheck::pass();
}

} // namespace kv
