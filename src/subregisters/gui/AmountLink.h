#pragma once

#include "framework/FormView.h"

#include <QObject>

class QComboBox;

namespace kv {

class NumberField;

// Net, VAT and gross fields of a window moving one another as they are typed
// (the rules of CostAmounts), with the VAT rate list as a calculator: typing
// an amount clears the rate, choosing a rate works VAT and gross out.
class AmountLink : public QObject {
    Q_OBJECT
public:
    AmountLink(NumberField* net, NumberField* vat, NumberField* gross, QComboBox* rate,
               QObject* parent);
    // Fills the rate list, no rate chosen.
    void setRates(const QList<KeyedItem>& rates);
    // Shows every amount as leaving its field would.
    void normalize();

private:
    void typed(NumberField* field);
    void rateChosen();

    NumberField* m_net;
    NumberField* m_vat;
    NumberField* m_gross;
    QComboBox* m_rate;
};

} // namespace kv
