#pragma once

#include <QLineEdit>
#include <optional>

namespace kv {

// The one-line entry of an amount, a quantity, an odometer reading or a rate.
// A typed (or pasted) "." or "," becomes the system decimal separator. When
// the user leaves the field, a valid number is rewritten with the field's
// decimals (2 unless told; rates use 4); any other text stays as typed so the
// window's checks can point at it. In integer mode (an ordinal number such as
// the vehicle's "Lp") a valid number is rounded to an integer and any other
// text becomes "0".
class NumberField : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberField(QWidget* parent = nullptr);

    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);
    bool integerMode() const { return m_integerMode; }
    void setIntegerMode(bool on);
    // Leaving the field turns a text that is not a number (or nothing) into
    // zero with the field's decimals, as the rate fields do.
    bool zeroWhenInvalid() const { return m_zeroWhenInvalid; }
    void setZeroWhenInvalid(bool on) { m_zeroWhenInvalid = on; }
    // Off: leaving the field leaves the text as typed (only the separator is
    // swapped), for values whose window rewrites them when it saves.
    bool rewriteOnLeave() const { return m_rewriteOnLeave; }
    void setRewriteOnLeave(bool on) { m_rewriteOnLeave = on; }

    // The number typed, or nothing when the text is not a number.
    std::optional<double> value() const;
    // Shows the value with the field's decimals (as an integer in integer mode).
    void setValue(double value);

    // Rewrites the text as leaving the field does. Windows call it before
    // their checks, since pressing Enter saves without leaving the field.
    void normalize();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int m_decimals = 2;
    bool m_integerMode = false;
    bool m_zeroWhenInvalid = false;
    bool m_rewriteOnLeave = true;
};

} // namespace kv
