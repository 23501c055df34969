#include "subregisters/AmountChecks.h"

#include "costs/CostAmounts.h"
#include "support/Decimal.h"

namespace kv {

FormCheck checkAmounts(AmountTexts t, const AmountFields& f, const QString& mismatch) {
    struct One {
        QString* text;
        const QString& field;
        const char* message;
    } const all[] = {
        {t.net, f.net, "Niepoprawna wartość netto kosztu. Popraw pole."},
        {t.vat, f.vat, "Niepoprawna kwota VAT. Popraw pole."},
        {t.gross, f.gross, "Niepoprawna wartość brutto kosztu. Popraw pole."},
    };
    for (const One& a : all) {
        if (a.text->trimmed().isEmpty())
            *a.text = QStringLiteral("0");
        if (!Decimal::parse(*a.text))
            return FormCheck::fail(a.field, QString::fromUtf8(a.message), true);
    }
    if (!amountsAgree(*t.net, *t.vat, *t.gross))
        return FormCheck::fail(f.net, mismatch);
    for (const One& a : all)
        *a.text = amountText(*a.text);
    return FormCheck::pass();
}

} // namespace kv
