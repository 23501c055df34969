#include "support/Decimal.h"

#include "support/Numbers.h"

#include <QByteArray>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace kv {

namespace {

using Int = __int128;

constexpr std::array<Int, Decimal::kMaxDigits + 1> makePowers() {
    std::array<Int, Decimal::kMaxDigits + 1> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}
constexpr std::array<Int, Decimal::kMaxDigits + 1> kPowers = makePowers();

// Exponents beyond this are no stored number of this program.
constexpr int kMaxExponent = 4000;

[[noreturn]] void overflow() {
    throw DecimalError("Liczba poza zakresem");
}

Int absolute(Int v) {
    return v < 0 ? -v : v;
}

// coefficient * 10^n; false when it does not fit.
bool scaleUp(Int coefficient, int n, Int* out) {
    if (coefficient == 0 || n == 0) {
        *out = coefficient;
        return true;
    }
    if (n > Decimal::kMaxDigits)
        return false;
    return !__builtin_mul_overflow(coefficient, kPowers[static_cast<size_t>(n)], out);
}

// coefficient / 10^n rounded half away from zero.
Int scaleDown(Int coefficient, int n) {
    if (n <= 0)
        return coefficient;
    if (n > Decimal::kMaxDigits)
        return 0; // |coefficient| < 10^38 / 2 < 10^n / 2
    const Int power = kPowers[static_cast<size_t>(n)];
    Int q = coefficient / power;
    const Int r = absolute(coefficient % power);
    if (r >= power - r)
        q += coefficient < 0 ? -1 : 1;
    return q;
}

std::string digitsOf(Int v) {
    // v >= 0
    if (v == 0)
        return "0";
    std::string s;
    while (v > 0) {
        s.push_back(static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    }
    std::reverse(s.begin(), s.end());
    return s;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

} // namespace

Decimal Decimal::fromInteger(qint64 value) {
    Decimal d;
    d.m_coefficient = value;
    return d;
}

std::optional<Decimal> Decimal::parseChars(std::string_view text, bool allowExponent) {
    size_t i = 0, end = text.size();
    while (i < end && isBlank(text[i]))
        ++i;
    while (end > i && isBlank(text[end - 1]))
        --end;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const size_t intStart = i;
    while (i < end && text[i] >= '0' && text[i] <= '9')
        ++i;
    const std::string_view intDigits = text.substr(intStart, i - intStart);
    std::string_view fracDigits;
    if (i < end && (text[i] == '.' || text[i] == ',')) {
        const size_t fracStart = ++i;
        while (i < end && text[i] >= '0' && text[i] <= '9')
            ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty())
        return std::nullopt;
    int exponent = 0;
    if (allowExponent && i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const size_t expStart = i;
        while (i < end && text[i] >= '0' && text[i] <= '9') {
            exponent = exponent * 10 + (text[i] - '0');
            if (exponent > kMaxExponent)
                return std::nullopt;
            ++i;
        }
        if (i == expStart)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != end)
        return std::nullopt;

    // Trailing zeros of the fraction carry nothing.
    while (!fracDigits.empty() && fracDigits.back() == '0')
        fracDigits.remove_suffix(1);
    Int coefficient = 0;
    int digits = 0;
    for (std::string_view part : {intDigits, fracDigits})
        for (char c : part) {
            if (coefficient == 0 && c == '0')
                continue; // leading zeros
            if (++digits > kMaxDigits)
                return std::nullopt;
            coefficient = coefficient * 10 + (c - '0');
        }
    Decimal d;
    int scale = static_cast<int>(fracDigits.size()) - exponent;
    if (scale < 0) {
        if (!scaleUp(coefficient, -scale, &coefficient))
            return std::nullopt;
        scale = 0;
    }
    d.m_coefficient = negative ? -coefficient : coefficient;
    d.m_scale = coefficient == 0 ? 0 : scale;
    return d;
}

std::optional<Decimal> Decimal::parse(QStringView text) {
    QByteArray latin;
    latin.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() > 127)
            return std::nullopt;
        latin.append(static_cast<char>(c.unicode()));
    }
    return parseChars(std::string_view(latin.constData(), static_cast<size_t>(latin.size())),
                      false);
}

Decimal Decimal::fromDouble(double value) {
    if (!std::isfinite(value))
        throw DecimalError("Wartość nie jest liczbą");
    // Stored amounts, litres and readings mostly have a few decimals: the
    // fewest (up to four) whose decimal reads back as this very double give
    // the shortest round-trip text without writing it out. Below 1e9 doubles
    // lie far closer together than 0.0001, so no other decimal of as many
    // places reads back as the same double.
    if (std::fabs(value) < 1e9) {
        static constexpr double kPowers[] = {1, 10, 100, 1000, 10000};
        for (int places = 0; places <= 4; ++places) {
            const double whole = std::nearbyint(value * kPowers[places]);
            if (whole / kPowers[places] == value) {
                Decimal d;
                d.m_coefficient = static_cast<long long>(whole);
                d.m_scale = places;
                return d;
            }
        }
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    const std::optional<Decimal> d =
        parseChars(std::string_view(buffer, static_cast<size_t>(result.ptr - buffer)), true);
    if (!d)
        overflow();
    return *d;
}

std::optional<Decimal> Decimal::fromStored(const QVariant& value) {
    if (!value.isValid() || value.isNull())
        return std::nullopt;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
        return fromInteger(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float: {
        const double d = value.toDouble();
        if (!std::isfinite(d))
            return std::nullopt;
        return fromDouble(d);
    }
    default: {
        const QByteArray text = value.toString().toLatin1();
        return parseChars(std::string_view(text.constData(), static_cast<size_t>(text.size())),
                          true);
    }
    }
}

Decimal Decimal::operator-() const {
    Decimal d = *this;
    d.m_coefficient = -m_coefficient;
    return d;
}

Decimal Decimal::operator+(const Decimal& other) const {
    const int scale = std::max(m_scale, other.m_scale);
    Int a = 0, b = 0;
    if (!scaleUp(m_coefficient, scale - m_scale, &a) ||
        !scaleUp(other.m_coefficient, scale - other.m_scale, &b))
        overflow();
    Decimal d;
    if (__builtin_add_overflow(a, b, &d.m_coefficient))
        overflow();
    d.m_scale = scale;
    return d;
}

Decimal Decimal::operator-(const Decimal& other) const {
    return *this + (-other);
}

Decimal Decimal::operator*(const Decimal& other) const {
    Decimal d;
    if (__builtin_mul_overflow(m_coefficient, other.m_coefficient, &d.m_coefficient))
        overflow();
    d.m_scale = d.m_coefficient == 0 ? 0 : m_scale + other.m_scale;
    return d;
}

Decimal Decimal::divided(const Decimal& divisor, int places) const {
    if (divisor.m_coefficient == 0)
        throw DecimalError("Dzielenie przez zero");
    places = std::clamp(places, 0, kMaxDigits);
    // (a / 10^sa) / (b / 10^sb) * 10^places = a * 10^(sb + places - sa) / b
    Int numerator = m_coefficient;
    Int denominator = divisor.m_coefficient;
    const int shift = divisor.m_scale + places - m_scale;
    if (shift >= 0) {
        if (!scaleUp(numerator, shift, &numerator))
            overflow();
    } else if (!scaleUp(denominator, -shift, &denominator)) {
        // The divisor is so much larger that the quotient rounds to zero.
        return Decimal();
    }
    Int q = numerator / denominator;
    const Int r = absolute(numerator % denominator);
    const Int half = absolute(denominator) - r;
    if (r >= half)
        q += (numerator < 0) != (denominator < 0) ? -1 : 1;
    Decimal d;
    d.m_coefficient = q;
    d.m_scale = q == 0 ? 0 : places;
    return d;
}

Decimal Decimal::rounded(int places) const {
    places = std::clamp(places, 0, kMaxDigits);
    if (m_scale <= places)
        return *this;
    Decimal d;
    d.m_coefficient = scaleDown(m_coefficient, m_scale - places);
    d.m_scale = d.m_coefficient == 0 ? 0 : places;
    return d;
}

std::strong_ordering Decimal::operator<=>(const Decimal& other) const {
    if (signum() != other.signum())
        return signum() <=> other.signum();
    const int scale = std::max(m_scale, other.m_scale);
    Int a = 0, b = 0;
    const bool aFits = scaleUp(m_coefficient, scale - m_scale, &a);
    const bool bFits = scaleUp(other.m_coefficient, scale - other.m_scale, &b);
    // A coefficient that cannot be brought to the other's scale is the larger
    // in magnitude (the other's coefficient fits by definition).
    if (!aFits)
        return signum() > 0 ? std::strong_ordering::greater : std::strong_ordering::less;
    if (!bFits)
        return signum() > 0 ? std::strong_ordering::less : std::strong_ordering::greater;
    return a <=> b;
}

QString Decimal::toString(int places, QChar separator) const {
    places = std::clamp(places, 0, kMaxDigits);
    const Decimal r = rounded(places);
    Int coefficient = 0;
    if (!scaleUp(r.m_coefficient, places - r.m_scale, &coefficient))
        overflow();
    // Written backwards into a buffer and made a text once: grids and sheets
    // show thousands of these.
    char buffer[2 * kMaxDigits + 4];
    char* const end = buffer + sizeof buffer;
    char* p = end;
    const auto magnitude = static_cast<unsigned __int128>(absolute(coefficient));
    int written = 0;
    if (magnitude <= std::numeric_limits<quint64>::max()) {
        quint64 v = static_cast<quint64>(magnitude);
        do {
            *--p = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (++written <= places || v != 0);
    } else {
        unsigned __int128 v = magnitude;
        do {
            *--p = static_cast<char>('0' + static_cast<int>(v % 10));
            v /= 10;
        } while (++written <= places || v != 0);
    }
    const bool negative = coefficient < 0;
    const qsizetype whole = written - places;
    QString text(qsizetype(negative) + written + (places > 0 ? 1 : 0), Qt::Uninitialized);
    QChar* out = text.data();
    if (negative)
        *out++ = u'-';
    for (qsizetype i = 0; i < whole; ++i)
        *out++ = QLatin1Char(p[i]);
    if (places > 0) {
        *out++ = separator;
        for (int i = 0; i < places; ++i)
            *out++ = QLatin1Char(p[whole + i]);
    }
    return text;
}

QString Decimal::toSql() const {
    std::string digits = digitsOf(absolute(m_coefficient));
    const size_t scale = static_cast<size_t>(m_scale);
    if (digits.size() <= scale)
        digits.insert(0, scale + 1 - digits.size(), '0');
    std::string text = digits.substr(0, digits.size() - scale);
    std::string fraction = digits.substr(digits.size() - scale);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += '.' + fraction;
    if (m_coefficient < 0)
        text.insert(0, 1, '-');
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

double Decimal::toDouble() const {
    const std::string text = toSql().toStdString();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

QString formatDecimal(const Decimal& value, int places) {
    return value.toString(places, decimalSeparator());
}

} // namespace kv
