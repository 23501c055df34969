#pragma once

#include <QString>
#include <QVariant>
#include <compare>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace kv {

// What an impossible decimal operation throws: a result too large to hold, a
// division by zero, a stored value that is no finite number. Never a wrap.
class DecimalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The one exact decimal number of the program: money, litres, kilometres,
// odometer readings and rates. A value is a whole coefficient and a number of
// decimal places, so 0.8358 is exactly 0.8358 and 175 x 0.8358 is exactly
// 146.265. Sums, differences and products are exact; a quotient is rounded
// once, at the places asked. Rounding is always half away from zero.
//
// Stored doubles are read through their shortest round-trip text: the double
// nearest 0.8358 reads as 0.8358, not as 0.83579999999999998739...
class Decimal {
public:
    // Coefficients up to 38 digits.
    static constexpr int kMaxDigits = 38;

    constexpr Decimal() = default;
    static Decimal fromInteger(qint64 value);

    // A number as a user types it: optional sign, digits with "." or "," as
    // the decimal separator, blanks around it. Nothing for other text, and
    // nothing for a number too long to hold.
    static std::optional<Decimal> parse(QStringView text);
    // A stored double (throws DecimalError for NaN, infinity or a value too
    // large to hold).
    static Decimal fromDouble(double value);
    // A stored cell: whole numbers exactly, doubles through their shortest
    // text, texts as numbers (an exponent allowed). Nothing for NULL or text
    // that is no number.
    static std::optional<Decimal> fromStored(const QVariant& value);

    Decimal operator-() const;
    Decimal operator+(const Decimal& other) const;
    Decimal operator-(const Decimal& other) const;
    Decimal operator*(const Decimal& other) const;
    Decimal& operator+=(const Decimal& other) { return *this = *this + other; }
    Decimal& operator-=(const Decimal& other) { return *this = *this - other; }

    // The quotient rounded once, half away from zero, to `places` decimals.
    Decimal divided(const Decimal& divisor, int places) const;
    // Rounded half away from zero to `places` decimals (a value with fewer
    // decimals stays as it is).
    Decimal rounded(int places) const;

    std::strong_ordering operator<=>(const Decimal& other) const;
    bool operator==(const Decimal& other) const { return (*this <=> other) == 0; }

    bool isZero() const { return m_coefficient == 0; }
    int signum() const { return m_coefficient > 0 ? 1 : (m_coefficient < 0 ? -1 : 0); }
    int scale() const { return m_scale; }

    // Fixed-point text with exactly `places` decimals (rounded half away
    // from zero) and the given separator; no sign on a value that rounds to 0.
    QString toString(int places, QChar separator = u'.') const;
    // The exact value with "." and no trailing zeros: the form a number takes
    // in statement text ("146.265", "12.5", "-3").
    QString toSql() const;
    // The nearest double (for places that still hold doubles).
    double toDouble() const;

private:
    static std::optional<Decimal> parseChars(std::string_view text, bool allowExponent);

    __int128 m_coefficient = 0;
    int m_scale = 0; // value = coefficient / 10^scale, scale >= 0
};

// The text the windows and grids show: `places` decimals with the system
// decimal separator ("146,27" under the Polish locale).
QString formatDecimal(const Decimal& value, int places);

} // namespace kv
