#include "subregisters/gui/AmountLink.h"

#include "costs/CostAmounts.h"
#include "support/gui/NumberField.h"

#include <QComboBox>

namespace kv {

AmountLink::AmountLink(NumberField* net, NumberField* vat, NumberField* gross, QComboBox* rate,
                       QObject* parent)
    : QObject(parent), m_net(net), m_vat(vat), m_gross(gross), m_rate(rate) {
    // Only what the user types or chooses moves the others, never the
    // changes made here: one change never sets off another.
    for (NumberField* n : {net, vat, gross}) {
        n->setZeroWhenInvalid(true);
        connect(n, &QLineEdit::textEdited, this, [this, n] { typed(n); });
    }
    m_rate->setToolTip(QStringLiteral("Wylicza kwotę VAT i wartość brutto z wartości netto"));
    connect(m_rate, &QComboBox::activated, this, &AmountLink::rateChosen);
}

void AmountLink::setRates(const QList<KeyedItem>& rates) {
    m_rate->clear();
    for (const KeyedItem& r : rates)
        m_rate->addItem(r.text);
    m_rate->setCurrentIndex(-1);
}

void AmountLink::normalize() {
    for (NumberField* n : {m_net, m_vat, m_gross})
        n->normalize();
}

void AmountLink::typed(NumberField* field) {
    CostAmounts a{m_net->text(), m_vat->text(), m_gross->text()};
    if (field == m_net)
        a.netTyped(a.net);
    else if (field == m_vat)
        a.vatTyped(a.vat);
    else
        a.grossTyped(a.gross);
    for (auto [f, text] :
         {std::pair{m_net, a.net}, std::pair{m_vat, a.vat}, std::pair{m_gross, a.gross}})
        if (f != field && f->text() != text)
            f->setText(text);
    m_rate->setCurrentIndex(-1);
}

void AmountLink::rateChosen() {
    CostAmounts a{m_net->text(), m_vat->text(), m_gross->text()};
    if (a.rateChosen(m_rate->currentText())) {
        m_vat->setText(a.vat);
        m_gross->setText(a.gross);
    }
    m_rate->setCurrentIndex(-1);
}

} // namespace kv
