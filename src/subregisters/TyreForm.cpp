#include "subregisters/TyreForm.h"

#include "costs/CostAmounts.h"
#include "subregisters/AmountChecks.h"
#include "support/DateNumbers.h"
#include "support/Decimal.h"

namespace kv {

namespace {

using V = TyreFormValues;

bool blankDate(const QString& text) {
    return text.trimmed().isEmpty() || isBlankDateText(text);
}

} // namespace

const FieldTable<TyreFormValues>& tyreFields() {
    using K = FieldKind;
    auto vehicle = codeField("IDPOJAZDU", &V::vehicle);
    auto size = field("ILOSC", &V::ilosc, K::Integer);
    static const FieldTable<V> table(
        QStringLiteral("opony.DB"),
        {size, codeField("RODZAJ", &V::rodzaj), codeField("ROZMIAR", &V::rozmiar),
         field("PRZEBMAX", &V::przebmax, K::Amount), vehicle,
         field("DATAZAKUPU", &V::dataZakupu, K::Date), field("NETTO", &V::netto, K::Amount),
         field("VAT", &V::vat, K::Amount), field("BRUTTO", &V::brutto, K::Amount),
         field("DATAWYMIANY", &V::dataWymiany, K::Date), field("NREWID", &V::nrewid, K::Key),
         field("MARKA", &V::marka), field("BIEZNIK", &V::bieznik), field("CECHY", &V::cechy),
         field("NRDOKUMENTU", &V::nrDokumentu), field("MAGAZYN", &V::magazyn, K::Flag),
         field("INNE", &V::inne), field("LICZTERM", &V::liczterm, K::Amount)});
    return table;
}

TyreFormValues newTyreDefaults() {
    TyreFormValues v;
    v.ilosc = QStringLiteral("1");
    v.netto = v.vat = v.brutto = v.przebmax = amountText(QString());
    v.liczterm = QStringLiteral("0");
    v.magazyn = QStringLiteral("N");
    return v;
}

QString setSizeText(const QString& typed) {
    const std::optional<Decimal> n = Decimal::parse(typed);
    if (!n)
        return QStringLiteral("0");
    return formatDecimal(n->rounded(0), 0);
}

FormCheck checkTyreForm(TyreFormValues& v) {
    v.liczterm = amountText(v.liczterm);
    v.przebmax = amountText(v.przebmax);
    bool whole = false;
    const int size = v.ilosc.trimmed().toInt(&whole);
    // A set holds at least one tyre: no number, 0 and below all become 1.
    v.ilosc = whole && size >= 1 ? QString::number(size) : QStringLiteral("1");
    if (!blankDate(v.dataZakupu) && !isCalendarDateText(v.dataZakupu))
        return FormCheck::fail(
            QStringLiteral("fDATAZAKUPU"),
            QStringLiteral("Niepoprawny format daty powstania kosztu. Popraw pole."));
    if (!blankDate(v.dataWymiany) && !isCalendarDateText(v.dataWymiany))
        return FormCheck::fail(QStringLiteral("fDATAWYMIANY"),
                               QStringLiteral("Niepoprawny format daty wymiany. Popraw pole."));
    const FormCheck amounts =
        checkAmounts({&v.netto, &v.vat, &v.brutto},
                     {QStringLiteral("fNETTO"), QStringLiteral("fVAT"), QStringLiteral("fBRUTTO")},
                     QStringLiteral("Wprowadzone kwoty nie zgadzają się. Popraw pola."));
    if (!amounts.ok)
        return amounts;
    if (v.nrewid.trimmed().isEmpty())
        return FormCheck::fail(QStringLiteral("fNREWID"),
                               QStringLiteral("Niepodano numeru ewidencyjnego."));
    return FormCheck::pass();
}

} // namespace kv
