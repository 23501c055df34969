#include "subregisters/DocumentForm.h"

#include "subregisters/SubregisterFields.h"
#include "support/DateNumbers.h"

namespace kv {

DocumentFormValues newDocumentDefaults() {
    DocumentFormValues v;
    v.liczterm = readingWithTwoDecimals(QString());
    return v;
}

const FieldTable<DocumentFormValues>& documentFields() {
    using V = DocumentFormValues;
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZD", &V::vehicle);
    vehicle.widget = QStringLiteral("fNRREJ");
    static const FieldTable<V> table(
        QStringLiteral("dokumenty.DB"),
        {field("DATA", &V::data, K::Date), field("TERMIN", &V::termin, K::Date), vehicle,
         field("RODZAJ", &V::rodzaj), field("NAZWA", &V::nazwa), field("OPIS", &V::opis),
         field("UWAGI", &V::uwagi), field("NUMER", &V::numer),
         field("LICZTERM", &V::liczterm, K::Amount)});
    return table;
}

FormCheck checkDocumentForm(DocumentFormValues& v) {
    v.liczterm = readingWithTwoDecimals(v.liczterm);
    // Impossible days (31.02) are refused like malformed ones: the deadline
    // checker counts days from the stored date.
    if (!isCalendarDateText(v.data))
        return FormCheck::fail(QStringLiteral("fDATA"),
                               QStringLiteral("Niepoprawny format daty dokumentu. Popraw pole."),
                               true);
    if (!isBlankOrCalendarDate(v.termin))
        return FormCheck::fail(
            QStringLiteral("fTERMIN"),
            QStringLiteral("Niepoprawny format terminu ważności dokumentu. Popraw pole."), true);
    if (v.vehicle <= 0)
        return FormCheck::fail(QStringLiteral("fNRREJ"),
                               QStringLiteral("Nie wskazano pojazdu. Popraw pole."));
    return FormCheck::pass();
}

} // namespace kv
