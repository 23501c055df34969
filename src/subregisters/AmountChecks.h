#pragma once

#include "support/FormCheck.h"

#include <QString>

namespace kv {

// Net, VAT and gross as the damage and tyre windows check them.
struct AmountTexts {
    QString* net;
    QString* vat;
    QString* gross;
};
struct AmountFields {
    QString net;
    QString vat;
    QString gross;
};

// A blank amount becomes "0"; each must be a number ("Niepoprawna wartość
// netto kosztu. Popraw pole." ...) and is rewritten with two decimals; the
// three, each rounded to the grosz, must agree (net + VAT = gross), else
// `mismatch` with the focus on the net amount.
FormCheck checkAmounts(AmountTexts texts, const AmountFields& fields, const QString& mismatch);

} // namespace kv
