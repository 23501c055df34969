#pragma once

#include "support/Decimal.h"

#include <QString>
#include <optional>

namespace kv {

// The net, VAT and gross values of a cost window and how each one typed
// moves the others, worked out on exact decimals from the typed texts (never
// doubles: 5 % of 0.70 is 0.035, which rounds to 0.04). Shared by every
// window that books such values (costs, repairs, damages, tyres).
//
// The window calls these only for what the user typed or chose, never for
// the changes they make themselves, so one change never sets off another:
// that is what the rules' focus exceptions (gross not recomputed while it is
// typed in, net not while it is typed in) come to.
struct CostAmounts {
    QString net;
    QString vat;
    QString gross;

    // Net or VAT typed: gross = net + VAT, with two decimals (text that is
    // no number counts 0).
    void netTyped(const QString& text);
    void vatTyped(const QString& text);
    // Gross typed: net = gross - VAT, but only when that is 0 or more.
    void grossTyped(const QString& text);
    // A VAT rate of p percent chosen with a net value that is a number: VAT =
    // p % of net rounded half away from zero to the grosz, gross = net + VAT.
    // False (nothing changed) when the net or the rate is no number. The rate
    // is a calculator: the window keeps no choice of it.
    bool rateChosen(const QString& rateText);
};

// The VAT of a net value at a rate in percent, rounded half away from zero
// to the grosz.
Decimal vatAtRate(const Decimal& ratePercent, const Decimal& net);

// A value field's text as leaving it shows it: two decimals with the
// locale's separator; text that is no number shows 0.
QString amountText(const QString& text);

// Whether net + VAT is the gross value, each first rounded half away from
// zero to the grosz (texts that are no numbers never agree).
bool amountsAgree(const QString& net, const QString& vat, const QString& gross);

} // namespace kv
