#include "support/gui/NumberField.h"

#include "support/Numbers.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

namespace kv {

namespace {

// Accepts every text; only swaps the decimal separator. It catches what the
// key handler does not see: pasted and dropped text.
class DecimalSeparatorValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        const QChar separator = decimalSeparator();
        for (QChar& c : input)
            if (c == u'.' || c == u',')
                c = separator;
        return Acceptable;
    }
};

} // namespace

NumberField::NumberField(QWidget* parent) : QLineEdit(parent) {
    setValidator(new DecimalSeparatorValidator(this));
}

void NumberField::setDecimals(int decimals) {
    m_decimals = std::max(0, decimals);
}

void NumberField::setIntegerMode(bool on) {
    m_integerMode = on;
}

std::optional<double> NumberField::value() const {
    return parseNumber(text());
}

void NumberField::setValue(double value) {
    setText(formatNumber(value, m_integerMode ? 0 : m_decimals));
}

void NumberField::normalize() {
    const std::optional<double> number = value();
    if (number)
        setValue(*number);
    else if (m_integerMode || m_zeroWhenInvalid)
        setValue(0);
}

void NumberField::keyPressEvent(QKeyEvent* event) {
    // Typing the separator through insert() keeps the edit in the undo
    // history, which the validator's rewrite would clear.
    const QString typed = event->text();
    if (!isReadOnly() && (typed == u"." || typed == u",") &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        insert(QString(decimalSeparator()));
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberField::focusOutEvent(QFocusEvent* event) {
    // A context menu, a popup or another window takes the focus only for a
    // moment, and a closing window has already read the field: the user has
    // not left it.
    const Qt::FocusReason reason = event->reason();
    if (m_rewriteOnLeave && !isReadOnly() && reason != Qt::PopupFocusReason &&
        reason != Qt::ActiveWindowFocusReason)
        normalize();
    QLineEdit::focusOutEvent(event);
}

} // namespace kv
