#include "exact.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <algorithm>
#include <utility>

namespace solver::exact {

namespace {

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;
using platform::ScannedNumber;

// The most significant digits a note or a message shows: those of the program's text form.
constexpr int shownDigits = 15;

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

std::optional<cpp_rational> toRational(const ScannedNumber &number)
{
    std::string_view digits = number.digits;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.empty())
        return cpp_rational(0);
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
        return cpp_rational(fromPowerOfTwoDigits(digits, 4));
    case ScannedNumber::Form::Octal:
        return cpp_rational(fromPowerOfTwoDigits(digits, 3));
    case ScannedNumber::Form::Decimal:
        break;
    }
    cpp_int whole{std::string(digits)};
    if (number.negative)
        whole = -whole;
    if (exponent >= 0)
        return cpp_rational(whole * powerOfTen(exponent));
    return cpp_rational(whole, powerOfTen(-exponent));
}

using platform::Decimal;

int decimalLength(const cpp_int &v)
{
    return static_cast<int>(v.str().size());
}

// A non-zero value rounded half away from zero to `count` significant digits.
Decimal roundTo(const cpp_rational &value, int count)
{
    const bool negative = value < 0;
    const cpp_rational magnitude = negative ? cpp_rational(-value) : value;
    const cpp_int num = numerator(magnitude), den = denominator(magnitude);
    // The exponent e of the leading digit: 10^e <= magnitude < 10^(e+1).
    long long e = decimalLength(num) - decimalLength(den);
    auto atLeastPower = [&](long long k) {
        return k >= 0 ? num >= den * powerOfTen(k) : num * powerOfTen(-k) >= den;
    };
    if (!atLeastPower(e))
        --e;
    // magnitude × 10^(count − 1 − e), rounded half up, has `count` digits (or count + 1 on carry).
    const long long shift = count - 1 - e;
    cpp_int scaledNum = num, scaledDen = den;
    if (shift >= 0)
        scaledNum *= powerOfTen(shift);
    else
        scaledDen *= powerOfTen(-shift);
    cpp_int n = (2 * scaledNum + scaledDen) / (2 * scaledDen);
    std::string digits = n.str();
    if (static_cast<int>(digits.size()) > count) {
        digits.pop_back();
        ++e;
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return {negative, digits, e};
}

// The value's decimal text when it terminates within the shown digits. A denominator of
// 2^a·5^b makes value·10^max(a, b) a whole number, whose digits are all the decimal's.
std::optional<std::string> shortDecimal(const cpp_rational &value)
{
    if (value == 0)
        return "0";
    cpp_int den = denominator(value);
    const auto twos = static_cast<long long>(boost::multiprecision::lsb(den));
    den >>= twos;
    long long fives = 0;
    for (; den % 5 == 0; ++fives)
        den /= 5;
    if (den != 1)
        return std::nullopt;
    const long long places = std::max(twos, fives);
    const cpp_int whole = numerator(value) * powerOfTen(places) / denominator(value);
    Decimal decimal{whole < 0, (whole < 0 ? cpp_int(-whole) : whole).str(), 0};
    decimal.exponent = static_cast<long long>(decimal.digits.size()) - 1 - places;
    decimal.digits.erase(decimal.digits.find_last_not_of('0') + 1);
    if (static_cast<int>(decimal.digits.size()) > shownDigits)
        return std::nullopt;
    return platform::decimalText(decimal);
}

// "p/q" (or "p") when both have at most the shown digits.
std::optional<std::string> shortFraction(const cpp_rational &value)
{
    const cpp_int num = numerator(value), den = denominator(value);
    const cpp_int absNum = num < 0 ? cpp_int(-num) : num;
    if (decimalLength(absNum) > shownDigits || decimalLength(den) > shownDigits)
        return std::nullopt;
    return den == 1 ? num.str() : num.str() + "/" + den.str();
}

std::string valueText(const cpp_rational &value)
{
    if (auto decimal = shortDecimal(value))
        return *decimal;
    if (auto fraction = shortFraction(value))
        return *fraction;
    return "about " + platform::decimalText(roundTo(value, shownDigits));
}

std::string note(const cpp_rational &exact, std::string_view shown, bool nearlyParallel)
{
    const std::optional<cpp_rational> shownValue = toRational(platform::scanNumber(shown));
    if (!shownValue || *shownValue == exact)
        return {};
    // The exact value itself where it is short; the digits that are right otherwise, and also
    // when the equations are nearly parallel (where the shown digits are worst).
    std::string text;
    const auto fraction = shortFraction(exact);
    const auto decimal = shortDecimal(exact);
    if (fraction && decimal && *fraction != *decimal)
        text = "Exactly " + *fraction + " = " + *decimal + ".";
    else if (fraction || decimal)
        text = "Exactly " + (fraction ? *fraction : *decimal) + ".";
    if (!text.empty() && !nearlyParallel)
        return text;

    // The digits that are right: the largest k <= 15 for which the shown value and the exact
    // value, each rounded half away from zero to k significant digits, are equal (0 if none).
    int right = 0;
    if (*shownValue != 0) {
        for (int k = shownDigits; k >= 1; --k) {
            if (roundTo(*shownValue, k) == roundTo(exact, k)) {
                right = k;
                break;
            }
        }
    }
    const int digitsShown =
        *shownValue == 0 ? 1 : int(roundTo(*shownValue, shownDigits).digits.size());
    if (!text.empty())
        text += ' ';
    if (right >= digitsShown)
        text += "All its digits are right; the exact value has more.";
    else if (right == 0)
        text += "None of its digits are right.";
    else if (right == 1)
        text += "Only the first digit is right.";
    else
        text += "Only the first " + std::to_string(right) + " digits are right.";
    if (nearlyParallel)
        text += " The equations are nearly parallel.";
    return text;
}

} // namespace

struct System::Values
{
    std::array<cpp_rational, 6> coefficients;
    Kind kind;
    cpp_rational x, y;
};

System::System(std::shared_ptr<const Values> values) : m_values(std::move(values)) {}

std::optional<System> System::analyse(const std::array<ScannedNumber, 6> &numbers)
{
    std::array<cpp_rational, 6> v;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        auto value = toRational(numbers[i]);
        if (!value)
            return std::nullopt;
        v[i] = std::move(*value);
    }
    auto values = std::make_shared<Values>();
    values->coefficients = std::move(v);
    const auto &[a1, b1, c1, a2, b2, c2] = values->coefficients;
    const cpp_rational det = a1 * b2 - a2 * b1;
    if (det != 0) {
        values->kind = Kind::Unique;
        values->x = (c1 * b2 - c2 * b1) / det;
        values->y = (a1 * c2 - a2 * c1) / det;
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

std::string System::solutionText() const
{
    return "X = " + valueText(m_values->x) + ", Y = " + valueText(m_values->y);
}

std::string System::noteOnX(std::string_view shown, bool nearlyParallel) const
{
    return note(m_values->x, shown, nearlyParallel);
}

std::string System::noteOnY(std::string_view shown, bool nearlyParallel) const
{
    return note(m_values->y, shown, nearlyParallel);
}

std::string System::coefficientText(std::size_t i) const
{
    const cpp_rational &value = m_values->coefficients.at(i);
    const cpp_int num = numerator(value), den = denominator(value);
    return den == 1 ? num.str() : num.str() + "/" + den.str();
}

} // namespace solver::exact
