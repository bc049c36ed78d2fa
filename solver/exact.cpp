#include "exact.h"

#include <boost/multiprecision/cpp_int.hpp>

#include "platform/runtimeerror.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

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

// A number as a whole number times a power of ten, over a positive whole denominator (1 but for
// a fraction; hexadecimal and octal: times 1).
struct Scaled
{
    cpp_int whole;
    long long exponent = 0;
    cpp_int denominator = 1;
};

// A decimal's significant digits as a whole number times a power of ten; none beyond the bounds.
std::optional<Scaled> decimalScaled(const platform::DecimalPart &part)
{
    const platform::ReadDecimal read = platform::readDecimal(part);
    if (!read.withinBounds)
        return std::nullopt;
    const platform::Decimal &d = read.value;
    if (d.digits.empty())
        return Scaled{};
    cpp_int whole{d.digits};
    const long long lastDigitExponent =
        d.firstDigitExponent - static_cast<long long>(d.digits.size()) + 1;
    return Scaled{d.negative ? cpp_int(-whole) : whole, lastDigitExponent};
}

std::optional<Scaled> toScaled(const ScannedNumber &number)
{
    if (number.form == ScannedNumber::Form::Decimal) {
        auto value = decimalScaled(number.numerator);
        if (!value || !number.denominator)
            return value;
        // The reader takes a fraction only with both parts within the bounds.
        const auto under = decimalScaled(*number.denominator);
        if (!under || under->whole == 0)
            return std::nullopt;
        value->exponent -= under->exponent;
        value->denominator = under->whole < 0 ? cpp_int(-under->whole) : under->whole;
        if (under->whole < 0)
            value->whole = -value->whole;
        return value;
    }
    std::string_view digits = number.numerator.digits;
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    if (digits.size() > maxDigits)
        return std::nullopt;
    const unsigned bits = number.form == ScannedNumber::Form::Hexadecimal ? 4 : 3;
    return Scaled{fromPowerOfTwoDigits(digits, bits), 0};
}

// p/q in lowest terms. (Boost 1.83's division of a rational by a whole number can leave a zero
// over the divisor, which then compares unequal to 0; its constructor reduces. Boost 1.74 refuses
// a negative denominator: the sign goes above.)
cpp_rational quotient(const cpp_int &p, const cpp_int &q)
{
    if (p == 0)
        return cpp_rational(0);
    return q < 0 ? cpp_rational(cpp_int(-p), cpp_int(-q)) : cpp_rational(p, q);
}

cpp_rational toRational(const Scaled &number)
{
    if (number.exponent >= 0)
        return quotient(number.whole * powerOfTen(number.exponent), number.denominator);
    return quotient(number.whole, number.denominator * powerOfTen(-number.exponent));
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
    const long long exponent = d.firstDigitExponent - static_cast<long long>(d.digits.size()) + 1;
    if (exponent >= 0)
        return cpp_rational(whole * powerOfTen(exponent));
    return cpp_rational(whole, powerOfTen(-exponent));
}

// Writes a non-negative whole number's decimal digits, at least `width` of them (zeros first),
// by halves: Boost's str() divides the whole number by 10^19 once for every 19 digits, which for
// the working's numbers of thousands of digits took most of its time. powers[k] is
// 10^(shortDigits·2^k); a number below powers[0] is short enough for str().
constexpr std::size_t shortDigits = 128;

void appendDigits(const cpp_int &whole, std::size_t width, const std::vector<cpp_int> &powers,
                  std::size_t level, std::string &out)
{
    if (whole < powers[0]) {
        const std::string digits = whole.str();
        out.append(width > digits.size() ? width - digits.size() : 0, '0');
        out += digits;
        return;
    }
    while (level > 0 && powers[level] > whole)
        --level;
    cpp_int high, low;
    boost::multiprecision::divide_qr(whole, powers[level], high, low);
    const std::size_t lowDigits = shortDigits << level;
    appendDigits(high, width > lowDigits ? width - lowDigits : 0, powers, level, out);
    appendDigits(low, lowDigits, powers, level, out);
}

std::string decimalDigits(const cpp_int &whole)
{
    // The powers are made once for each thread, as long numbers first need them.
    thread_local std::vector<cpp_int> powers{powerOfTen(shortDigits)};
    while (boost::multiprecision::msb(powers.back()) * 2 < boost::multiprecision::msb(whole))
        powers.push_back(powers.back() * powers.back());
    std::string out;
    appendDigits(whole, 0, powers, powers.size() - 1, out);
    return out;
}

// A whole number's digits and exponent.
Decimal wholeDecimal(const cpp_int &whole)
{
    Decimal d;
    if (whole == 0)
        return d;
    d.negative = whole < 0;
    d.digits = decimalDigits(d.negative ? cpp_int(-whole) : whole);
    d.firstDigitExponent = static_cast<std::int64_t>(d.digits.size()) - 1;
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    return d;
}

// A value as a fraction in lowest terms (no denominator for a whole number).
Number asFraction(const cpp_rational &value)
{
    const cpp_int den = denominator(value);
    Number n{wholeDecimal(numerator(value)), std::nullopt};
    if (den != 1)
        n.denominator = wholeDecimal(den);
    return n;
}

// The value as a decimal, where it ends within `digits` significant digits.
std::optional<Decimal> shortDecimal(const cpp_rational &value, std::size_t digits)
{
    if (value == 0)
        return Decimal{};
    // It ends exactly when the denominator is 2^a × 5^b; it then has max(a, b) places. The twos
    // are the trailing zero bits; what is left must be a power of five, whose exponent its
    // length in bits gives to within one (log2(5) > 2.32), so long denominators cost no long
    // loop of divisions.
    cpp_int den = denominator(value);
    const auto twos = static_cast<long long>(boost::multiprecision::lsb(den));
    den >>= static_cast<unsigned>(twos);
    // Most denominators have another factor: one not divisible by 5 is no power of five (but 1).
    if (den != 1 && den % 5 != 0)
        return std::nullopt;
    const auto bits = static_cast<long long>(boost::multiprecision::msb(den)) + 1;
    long long fives = -1;
    for (long long k = std::max(0LL, bits * 100 / 233 - 1); k <= bits * 100 / 232 + 1; ++k) {
        if (boost::multiprecision::pow(cpp_int(5), static_cast<unsigned>(k)) == den) {
            fives = k;
            break;
        }
    }
    if (fives < 0)
        return std::nullopt;
    const long long places = std::max(twos, fives);
    const cpp_int whole = numerator(value) * powerOfTen(places) / denominator(value);
    Decimal d = wholeDecimal(whole);
    if (d.digits.size() > digits)
        return std::nullopt;
    d.firstDigitExponent -= places;
    return d;
}

// The value exactly, as briefly as it goes: a decimal of at most `decimalDigits` significant
// digits, else a fraction of at most the shown digits above and below; else none.
std::optional<Number> shortNumber(const cpp_rational &value, std::size_t decimalDigits)
{
    if (const auto decimal = shortDecimal(value, decimalDigits))
        return Number{*decimal, std::nullopt};
    const cpp_int num = numerator(value), den = denominator(value);
    const cpp_int absNum = num < 0 ? cpp_int(-num) : num;
    const cpp_int limit = powerOfTen(shownDigits); // the first number of shownDigits + 1 digits
    if (absNum >= limit || den >= limit)
        return std::nullopt;
    return asFraction(value);
}

// The value told: exactly where it is short, else rounded to the shown digits.
Told told(const cpp_rational &value)
{
    if (const auto exact = shortNumber(value, platform::shownDigits))
        return {*exact, false};
    const Decimal rounded =
        platform::roundedDecimal(truncatedTo(value, shownDigits + 1), platform::shownDigits);
    return {{rounded, std::nullopt}, true};
}

} // namespace

struct System::Values
{
    std::array<Scaled, 6> coefficients;
    Kind kind;
    cpp_rational x, y; // where the equations determine them
    bool xFixed = false, yFixed = false;
    std::optional<int> impossible;
    Solutions solutions;                    // where there are infinitely many
    mutable std::optional<Working> working; // made on first asking
};

System::System(std::shared_ptr<const Values> values) : m_values(std::move(values)) {}

namespace {

// Every solution of equations that agree and have no single one: X from an equation with an X
// in it, else Y from one with a Y, else anything. The equations are multiples of each other, so
// either one with the unknown gives the same answer.
Solutions solutionsOf(const std::array<cpp_int, 6> &w)
{
    const auto &[a1, b1, c1, a2, b2, c2] = w;
    const bool first = a1 != 0 || (a2 == 0 && b1 != 0);
    const cpp_int &a = first ? a1 : a2, &b = first ? b1 : b2, &c = first ? c1 : c2;
    if (a != 0)
        return {Solutions::Form::XFromY, told(quotient(c, a)), told(quotient(b, a))};
    if (b != 0)
        return {Solutions::Form::YAlone, told(quotient(c, b)), {}};
    return {};
}

} // namespace

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
    // is solved in whole numbers (each coefficient times 10^-least and the denominators' least
    // common multiple): one fraction to reduce for each unknown, not one for every step.
    cpp_int common = 1;
    for (const Scaled &c : values->coefficients)
        common = boost::multiprecision::lcm(common, c.denominator);
    std::array<cpp_int, 6> w;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const Scaled &c = values->coefficients[i];
        w[i] = c.whole * powerOfTen(c.exponent - least) * (common / c.denominator);
    }
    const auto &[a1, b1, c1, a2, b2, c2] = w;
    const cpp_int det = a1 * b2 - a2 * b1;
    if (det != 0) {
        values->kind = Kind::Unique;
        const cpp_int x = c1 * b2 - c2 * b1, y = a1 * c2 - a2 * c1;
        values->x = quotient(x, det);
        values->y = quotient(y, det);
    } else {
        // Rank 1 (or 0): the equations agree when every 2 × 2 minor of the augmented matrix is
        // zero, and for an empty left side when both right sides are zero.
        const bool noUnknowns = a1 == 0 && b1 == 0 && a2 == 0 && b2 == 0;
        const bool agree =
            noUnknowns ? c1 == 0 && c2 == 0 : a1 * c2 == a2 * c1 && b1 * c2 == b2 * c1;
        values->kind = agree ? Kind::NotUnique : Kind::NoSolution;
        if (agree)
            values->solutions = solutionsOf(w);
        // An unknown that appears in neither equation leaves the other fixed, where that one
        // appears at all: the equations are then multiples of a·X = c (or b·Y = c).
        const bool noY = b1 == 0 && b2 == 0, noX = a1 == 0 && a2 == 0;
        if (agree && noY && !noX) {
            values->xFixed = true;
            values->x = a1 != 0 ? quotient(c1, a1) : quotient(c2, a2);
        } else if (agree && noX && !noY) {
            values->yFixed = true;
            values->y = b1 != 0 ? quotient(c1, b1) : quotient(c2, b2);
        }
        if (a1 == 0 && b1 == 0 && c1 != 0)
            values->impossible = 1;
        else if (a2 == 0 && b2 == 0 && c2 != 0)
            values->impossible = 2;
    }
    if (values->kind == Kind::Unique)
        values->xFixed = values->yFixed = true;
    return System(std::move(values));
}

bool System::determines(Unknown unknown) const
{
    return unknown == Unknown::X ? m_values->xFixed : m_values->yFixed;
}

std::optional<int> System::impossibleEquation() const
{
    return m_values->impossible;
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
    constexpr std::size_t noteDigits = 30; // a decimal this long is plainer than a fraction
    return {true, shortNumber(exact, noteDigits)};
}

Solutions System::solutions() const
{
    return m_values->solutions;
}

namespace {

// A step's number: a decimal where it ends within the shown digits, else a fraction.
Number stepNumber(const cpp_rational &value)
{
    if (const auto decimal = shortDecimal(value, platform::shownDigits))
        return {*decimal, std::nullopt};
    return asFraction(value);
}

} // namespace

Working System::working() const
{
    if (m_values->working)
        return *m_values->working;
    std::array<cpp_rational, 6> c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = toRational(m_values->coefficients[i]);
    const auto &[a1, b1, c1, a2, b2, c2] = c;
    const cpp_rational p = a2 * b1, q = a1 * b2, r = a2 * c1, s = a1 * c2, d = p - q, n = r - s;
    Working w;
    w.p = stepNumber(p);
    w.q = stepNumber(q);
    w.r = stepNumber(r);
    w.s = stepNumber(s);
    w.d = stepNumber(d);
    w.n = stepNumber(n);
    if (d != 0) {
        const cpp_rational y = n / d;
        w.y = stepNumber(y);
        const cpp_rational m = a2 * a1;
        cpp_rational x;
        if (m != 0) {
            const cpp_rational t = p * y, u = r - t;
            x = u / m;
            w.m = stepNumber(m);
            w.t = stepNumber(t);
            w.u = stepNumber(u);
        } else {
            const cpp_rational g = b2 * c1 - b1 * c2, h = q - p;
            x = g / h;
            w.route = Working::Route::Cramer;
            w.g = stepNumber(g);
            w.h = stepNumber(h);
        }
        w.x = stepNumber(x);
        w.left1 = stepNumber(a1 * x + b1 * y);
        w.left2 = stepNumber(a2 * x + b2 * y);
    }
    m_values->working = w;
    return w;
}

Number System::coefficient(std::size_t i) const
{
    return asFraction(toRational(m_values->coefficients.at(i)));
}

bool withinBounds(const ScannedNumber &number)
{
    return toScaled(number).has_value();
}

Number lowestTerms(const Number &number)
{
    cpp_rational value = toRational(number.value);
    if (number.denominator)
        value /= toRational(*number.denominator);
    return asFraction(value);
}

std::optional<Number> scannedValue(const ScannedNumber &number)
{
    if (number.form == ScannedNumber::Form::Decimal && !number.denominator) {
        const platform::ReadDecimal read = platform::readDecimal(number.numerator);
        if (number.numerator.exponentBeyond && !read.value.digits.empty())
            return std::nullopt;
        return Number{read.value, std::nullopt};
    }
    const auto value = toScaled(number);
    if (!value)
        return std::nullopt;
    return asFraction(toRational(*value));
}

double fractionToNumber(const ScannedNumber &fraction)
{
    const auto value = toScaled(fraction);
    if (!value || !fraction.denominator)
        throw std::logic_error("fractionToNumber takes a fraction within the bounds");
    const cpp_rational q = toRational(*value);
    if (q == 0)
        return value->whole == 0 && fraction.numerator.negative != fraction.denominator->negative
                   ? -0.0
                   : 0.0;
    const bool negative = q < 0;
    const cpp_int num = negative ? cpp_int(-numerator(q)) : numerator(q), den = denominator(q);
    // 2^e <= |q| < 2^(e+1)
    long long e = static_cast<long long>(boost::multiprecision::msb(num)) -
                  static_cast<long long>(boost::multiprecision::msb(den));
    if (e >= 0 ? num < (den << static_cast<unsigned>(e)) : (num << static_cast<unsigned>(-e)) < den)
        --e;
    if (e > 1023)
        throw platform::RuntimeError(platform::ErrorCode::Overflow);
    // 53 significant bits, or a step of 2^-1074 below the normal range.
    const long long shift = e < -1022 ? 1074 : 52 - e;
    cpp_int n = num, d = den;
    if (shift >= 0)
        n <<= static_cast<unsigned>(shift);
    else
        d <<= static_cast<unsigned>(-shift);
    cpp_int whole = n / d;
    const cpp_int twiceRest = 2 * (n - whole * d);
    if (twiceRest > d || (twiceRest == d && boost::multiprecision::bit_test(whole, 0)))
        ++whole;
    const double magnitude = std::ldexp(whole.convert_to<double>(), static_cast<int>(-shift));
    if (std::isinf(magnitude))
        throw platform::RuntimeError(platform::ErrorCode::Overflow);
    return negative ? -magnitude : magnitude;
}

} // namespace solver::exact
