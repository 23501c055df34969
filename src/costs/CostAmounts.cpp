#include "costs/CostAmounts.h"

namespace kv {

namespace {

Decimal orZero(const QString& text) {
    return Decimal::parse(text).value_or(Decimal());
}

} // namespace

void CostAmounts::netTyped(const QString& text) {
    net = text;
    gross = formatDecimal(orZero(net) + orZero(vat), 2);
}

void CostAmounts::vatTyped(const QString& text) {
    vat = text;
    gross = formatDecimal(orZero(net) + orZero(vat), 2);
}

void CostAmounts::grossTyped(const QString& text) {
    gross = text;
    const Decimal rest = orZero(gross) - orZero(vat);
    if (rest.signum() >= 0)
        net = formatDecimal(rest, 2);
}

bool CostAmounts::rateChosen(const QString& rateText) {
    const std::optional<Decimal> rate = Decimal::parse(rateText);
    const std::optional<Decimal> value = Decimal::parse(net);
    if (!rate || !value)
        return false;
    const Decimal tax = vatAtRate(*rate, *value);
    vat = formatDecimal(tax, 2);
    gross = formatDecimal(*value + tax, 2);
    return true;
}

Decimal vatAtRate(const Decimal& ratePercent, const Decimal& net) {
    return (ratePercent * net).divided(Decimal::fromInteger(100), 2);
}

QString amountText(const QString& text) {
    return formatDecimal(orZero(text), 2);
}

bool amountsAgree(const QString& net, const QString& vat, const QString& gross) {
    const std::optional<Decimal> n = Decimal::parse(net);
    const std::optional<Decimal> v = Decimal::parse(vat);
    const std::optional<Decimal> g = Decimal::parse(gross);
    if (!n || !v || !g)
        return false;
    return n->rounded(2) + v->rounded(2) == g->rounded(2);
}

} // namespace kv
