#include "exact.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <utility>

namespace solver::exact {

namespace {

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;
using platform::ScannedNumber;

// The most significant digits a result shows: those of the program's text form.
constexpr int shownDigits = static_cast<int>(platform::shownDigits);

cpp_int powerOfTen(long long exponent)
{
    return boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(exponent));
}

// Hexadecimal or octal digits as a whole number, built bit by bit. (Boost 1.74's own string
// reader can leave stray bits in the top limb when an octal digit straddles a limb boundary.)
cpp_int fromPowerOfTwoDigits(std::string_view digits, unsigned bitsPerDigit)
{
    cpp_int whole;
    for (char c : digits) {
        const int value = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        whole <<= bitsPerDigit;
        whole |= value;
    }
    return whole;
}

// A number as a whole number times a power of ten (hexadecimal and octal: times 1).
struct Scaled
{
    cpp_int whole;
    long long exponent = 0;
};

std::optional<Scaled> toScaled(const ScannedNumber &number)
{
    std::string_view digits = number.digits;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return Scaled{};
    long long exponent = number.exponent;
    if (number.form == ScannedNumber::Form::Decimal) {
        const std::size_t last = digits.find_last_not_of('0');
        exponent += static_cast<long long>(digits.size() - 1 - last);
        digits = digits.substr(0, last + 1);
    }
    if (digits.size() > maxDigits || exponent > maxExponent || exponent < -maxExponent)
        return std::nullopt;

    switch (number.form) {
    case ScannedNumber::Form::Hexadecimal:
        return Scaled{fromPowerOfTwoDigits(digits, 4), 0};
    case ScannedNumber::Form::Octal:
        return Scaled{fromPowerOfTwoDigits(digits, 3), 0};
    case ScannedNumber::Form::Decimal:
        break;
    }
    cpp_int whole{std::string(digits)};
    if (number.negative)
        whole = -whole;
    return Scaled{std::move(whole), exponent};
}

cpp_rational toRational(const Scaled &number)
{
    if (number.exponent >= 0)
        return cpp_rational(number.whole * powerOfTen(number.exponent));
    return cpp_rational(number.whole, powerOfTen(-number.exponent));
}

using platform::Decimal;

// A non-zero value's first `count` significant digits, the rest cut off (not rounded).
Decimal truncatedTo(const cpp_rational &value, int count)
{
    const bool negative = value < 0;
    const cpp_rational magnitude = negative ? cpp_rational(-value) : value;
    const cpp_int num = numerator(magnitude), den = denominator(magnitude);
    // The exponent e of the leading digit: 10^e <= magnitude < 10^(e+1). The binary lengths give
    // it to within one (log10(2) < 0.30103), without writing out long numbers in decimal.
    const auto bits = static_cast<long long>(boost::multiprecision::msb(num)) -
                      static_cast<long long>(boost::multiprecision::msb(den));
    long long e = bits >= 0 ? bits * 30103 / 100000 : -((-bits * 30103 + 99999) / 100000);
    auto atLeastPower = [&](long long k) {
        return k >= 0 ? num >= den * powerOfTen(k) : num * powerOfTen(-k) >= den;
    };
    while (!atLeastPower(e))
        --e;
    while (atLeastPower(e + 1))
        ++e;
    // magnitude × 10^(count − 1 − e), cut to a whole number, has `count` digits.
    const long long shift = count - 1 - e;
    cpp_int scaledNum = num, scaledDen = den;
    if (shift >= 0)
        scaledNum *= powerOfTen(shift);
    else
        scaledDen *= powerOfTen(-shift);
    Decimal d{negative, cpp_int(scaledNum / scaledDen).str(), e};
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

cpp_rational toRational(const Decimal &d)
{
    if (d.digits.empty())
        return 0;
    cpp_int whole{d.digits};
    if (d.negative)
        whole = -whole;
    const long long exponent = d.exponent - static_cast<long long>(d.digits.size()) + 1;
    if (exponent >= 0)
        return cpp_rational(whole * powerOfTen(exponent));
    return cpp_rational(whole, powerOfTen(-exponent));
}

// A whole number's digits and exponent.
Decimal wholeDecimal(const cpp_int &whole)
{
    Decimal d;
    if (whole == 0)
        return d;
    d.negative = whole < 0;
    d.digits = (d.negative ? cpp_int(-whole) : whole).str();
    d.exponent = static_cast<std::int64_t>(d.digits.size()) - 1;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

Fraction toFraction(const cpp_rational &value)
{
    return {wholeDecimal(numerator(value)), wholeDecimal(denominator(value))};
}

// The value as a fraction when both parts have at most the shown digits.
std::optional<Fraction> shortFraction(const cpp_rational &value)
{
    const cpp_int num = numerator(value), den = denominator(value);
    const cpp_int absNum = num < 0 ? cpp_int(-num) : num;
    const cpp_int limit = powerOfTen(shownDigits); // the first number of shownDigits + 1 digits
    if (absNum >= limit || den >= limit)
        return std::nullopt;
    return toFraction(value);
}

} // namespace

struct System::Values
{
    std::array<Scaled, 6> coefficients;
    Kind kind;
    cpp_rational x, y;
};

System::System(std::shared_ptr<const Values> values) : m_values(std::move(values)) {}

std::optional<System> System::analyse(const std::array<ScannedNumber, 6> &numbers)
{
    auto values = std::make_shared<Values>();
    long long least = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        auto value = toScaled(numbers[i]);
        if (!value)
            return std::nullopt;
        least = std::min(least, value->exponent);
        values->coefficients[i] = std::move(*value);
    }
    // Scaling all six coefficients by one factor leaves the solution as it is, so the system
    // is solved in whole numbers (each coefficient times 10^-least): one fraction to reduce for
    // each unknown, not one for every step.
    std::array<cpp_int, 6> w;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const Scaled &c = values->coefficients[i];
        w[i] = c.whole * powerOfTen(c.exponent - least);
    }
    const auto &[a1, b1, c1, a2, b2, c2] = w;
    const cpp_int det = a1 * b2 - a2 * b1;
    if (det != 0) {
        values->kind = Kind::Unique;
        cpp_int x = c1 * b2 - c2 * b1, y = a1 * c2 - a2 * c1;
        // Boost 1.74 refuses a fraction whose denominator is negative: the sign goes above.
        if (det < 0) {
            x = -x;
            y = -y;
        }
        const cpp_int divisor = det < 0 ? cpp_int(-det) : det;
        values->x = cpp_rational(x, divisor);
        values->y = cpp_rational(y, divisor);
    } else {
        // Rank 1 (or 0): the equations agree when every 2 × 2 minor of the augmented matrix is
        // zero, and for an empty left side when both right sides are zero.
        const bool noUnknowns = a1 == 0 && b1 == 0 && a2 == 0 && b2 == 0;
        const bool agree =
            noUnknowns ? c1 == 0 && c2 == 0 : a1 * c2 == a2 * c1 && b1 * c2 == b2 * c1;
        values->kind = agree ? Kind::NotUnique : Kind::NoSolution;
    }
    return System(std::move(values));
}

Kind System::kind() const
{
    return m_values->kind;
}

Decimal System::shown(Unknown unknown) const
{
    const cpp_rational &exact = unknown == Unknown::X ? m_values->x : m_values->y;
    if (exact == 0)
        return {};
    // The shown digits and one more, cut off, are all the rounding rule looks at.
    return platform::roundedDecimal(truncatedTo(exact, shownDigits + 1), platform::shownDigits);
}

Exactness System::exactness(Unknown unknown, const Decimal &shown) const
{
    const cpp_rational &exact = unknown == Unknown::X ? m_values->x : m_values->y;
    if (toRational(shown) == exact)
        return {};
    return {true, shortFraction(exact)};
}

Fraction System::coefficient(std::size_t i) const
{
    return toFraction(toRational(m_values->coefficients.at(i)));
}

std::optional<Decimal> valueRead(const ScannedNumber &number)
{
    if (number.form == ScannedNumber::Form::Decimal)
        return platform::scannedDecimal(number);
    const auto value = toScaled(number);
    if (!value)
        return std::nullopt;
    return wholeDecimal(value->whole);
}

} // namespace solver::exact
