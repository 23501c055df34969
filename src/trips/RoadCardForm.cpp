#include "trips/RoadCardForm.h"

#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

namespace {

// A time column: "HH:MM" in the window, hours x 100 + minutes in its slot.
Field<RoadCardFormValues> timeField(const char* column, QString RoadCardFormValues::*member) {
    Field<RoadCardFormValues> f = field(column, member, FieldKind::Integer);
    f.fromStored = [member](RoadCardFormValues& v, const QVariant& stored) {
        v.*member = roadCardTimeText(stored.toLongLong());
    };
    f.toSql = [member](const RoadCardFormValues& v) {
        return QString::number(textToTimeNumber(v.*member, true));
    };
    return f;
}

// A date that may stay empty: blank, or a day the calendar has.
bool emptyOrDate(const QString& text) {
    return isBlankDateText(text) || isCalendarDateText(text);
}

bool emptyOrTime(const QString& text) {
    return isEmptyTimeText(text) || isValidTimeText(text);
}

QString twoDecimals(const QString& text) {
    const std::optional<Decimal> d = Decimal::parse(text);
    return formatDecimal(d ? *d : Decimal(), 2);
}

} // namespace

QString roadCardTimeText(qint64 timeNumber) {
    return timeNumber > 0 ? timeNumberToText(timeNumber, false) : blankTimeText();
}

bool isEmptyTimeText(const QString& text) {
    for (const QChar c : text)
        if (c != u' ' && c != u':')
            return false;
    return true;
}

const FieldTable<RoadCardFormValues>& roadCardFields() {
    using V = RoadCardFormValues;
    using K = FieldKind;
    static const FieldTable<V> table(
        QStringLiteral("kartydrogowe.DB"),
        {field("NRKARTY", &V::nrKarty), field("DATAWYST", &V::dataWyst, K::Date),
         codeField("IDPOJAZD", &V::vehicle), field("IDKIEROWCY", &V::driver),
         field("CELWYJAZDU", &V::celWyjazdu), field("TRASA", &V::trasa),
         field("LICZSTART", &V::liczStart, K::Amount), field("LICZEND", &V::liczEnd, K::Amount),
         field("DATASTART", &V::dataStart, K::Date), timeField("GODZSTART", &V::godzStart),
         field("DATAEND", &V::dataEnd, K::Date), timeField("GODZEND", &V::godzEnd),
         field("CZAS", &V::czas, K::Amount), field("UWAGI", &V::uwagi),
         field("PRAWOJAZDY", &V::prawoJazdy), field("ODPOCZYNEK", &V::odpoczynek, K::Amount),
         field("GODZSUMA", &V::godzSuma, K::Amount)});
    return table;
}

FormCheck checkRoadCardForm(RoadCardFormValues& v) {
    for (QString* number : {&v.czas, &v.godzSuma, &v.odpoczynek, &v.liczStart, &v.liczEnd})
        *number = twoDecimals(*number);
    const Decimal start = Decimal::parse(v.liczStart).value_or(Decimal());
    const Decimal end = Decimal::parse(v.liczEnd).value_or(Decimal());
    if (start.signum() > 0 && end.signum() > 0 && start > end)
        return FormCheck::fail(QStringLiteral("fLICZEND"),
                               QStringLiteral("Stan licznikia przed wyjazdem większy niż po "
                                              "powrocie. Popraw pole."));
    if (v.nrKarty.trimmed().isEmpty())
        return FormCheck::fail(QStringLiteral("fNRKARTY"),
                               QStringLiteral("Nie podano numeru karty drogowej. Popraw pole."));
    if (!isCalendarDateText(v.dataWyst))
        return FormCheck::fail(QStringLiteral("fDATAWYST"),
                               QStringLiteral("Niepoprawny format daty wystawienia. Popraw pole."));
    if (!emptyOrDate(v.dataStart))
        return FormCheck::fail(
            QStringLiteral("fDATASTART"),
            QStringLiteral("Niepoprawny format daty rozpoczęcia pracy. Popraw pole."));
    if (!emptyOrTime(v.godzStart))
        return FormCheck::fail(
            QStringLiteral("fGODZSTART"),
            QStringLiteral("Niepoprawny format godziny rozpoczęcia pracy. Popraw pole."));
    if (!emptyOrDate(v.dataEnd))
        return FormCheck::fail(
            QStringLiteral("fDATAEND"),
            QStringLiteral("Niepoprawny format daty zakończenia pracy. Popraw pole."));
    if (!emptyOrTime(v.godzEnd))
        return FormCheck::fail(
            QStringLiteral("fGODZEND"),
            QStringLiteral("Niepoprawny format godziny zakończenia pracy. Popraw pole."));
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fIDPOJAZD"),
                               QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    return FormCheck::pass();
}

} // namespace kv
