#include "subregisters/CalendarForm.h"

#include "subregisters/SubregisterFields.h"
#include "support/DateNumbers.h"

namespace kv {

namespace {

QString checkedDate(const QString& stored) {
    return stored.trimmed() == kCheckDateFrom ? kCheckDateFrom : kCheckDateTo;
}

} // namespace

CalendarFormValues newCalendarDefaults() {
    CalendarFormValues v;
    v.liczterm = readingWithTwoDecimals(QString());
    return v;
}

const FieldTable<CalendarFormValues>& calendarFields() {
    using V = CalendarFormValues;
    using K = FieldKind;
    auto which = field("SPRODDO", &V::sprodDo);
    which.fromStored = [](V& v, const QVariant& stored) {
        v.sprodDo = checkedDate(stored.toString());
    };
    which.get = [](const V& v) { return checkedDate(v.sprodDo); };
    auto person = field("NREW", &V::nrew);
    person.get = [](const V& v) { return v.nrew.trimmed(); };
    static const FieldTable<V> table(
        QStringLiteral("terminy.DB"),
        {field("DATAOD", &V::dataOd, K::Date), field("DATADO", &V::dataDo, K::Date),
         codeField("RODZAJTERMINU", &V::rodzaj), codeField("IDPOJAZDU", &V::vehicle), which, person,
         field("KONTRAHENT", &V::kontrahent), field("OPIS", &V::opis),
         field("LICZTERM", &V::liczterm, K::Amount)});
    return table;
}

QList<KeyedItem> calendarDateChoices() {
    return {{kCheckDateTo, QStringLiteral("Datę do")}, {kCheckDateFrom, QStringLiteral("Datę od")}};
}

FormCheck checkCalendarForm(CalendarFormValues& v) {
    v.liczterm = readingWithTwoDecimals(v.liczterm);
    if (!isCalendarDateText(v.dataOd))
        return FormCheck::fail(QStringLiteral("fDATAOD"),
                               QStringLiteral("Niepoprawny format daty od. Popraw pole."), true);
    if (!isCalendarDateText(v.dataDo))
        return FormCheck::fail(QStringLiteral("fDATADO"),
                               QStringLiteral("Niepoprawny format daty do. Popraw pole."), true);
    if (textToDateNumber(v.dataDo) < textToDateNumber(v.dataOd))
        return FormCheck::fail(QStringLiteral("fDATAOD"),
                               QStringLiteral("Data od większa niż data do. Popraw pola."), true);
    return FormCheck::pass();
}

} // namespace kv
