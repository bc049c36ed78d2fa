#include "truth.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace truth {

using boost::multiprecision::cpp_int;

namespace {

Rational tenTo(long long e)
{
    const cpp_int p =
        boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(e < 0 ? -e : e));
    return e < 0 ? Rational(cpp_int(1), p) : Rational(p);
}

// The text as the reader sees it: blanks (tab, CR, LF and the Unicode space separators) gone,
// the minus sign U+2212 as '-', bytes that are no character as '\x01'; other characters beyond
// ASCII stay as they are (no number contains them, but a group separator may be one).
std::string normalised(std::string_view utf8)
{
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        std::size_t length = c < 0xC0 ? 1 : c >= 0xF8 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        // A byte that cannot start a character (a lone continuation byte) is none.
        char32_t code = length > 1 ? c & (0x7F >> length) : c < 0x80 ? c : 0xFFFD;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = i + k < utf8.size() ? static_cast<unsigned char>(utf8[i + k]) : 0u;
            if ((next & 0xC0) != 0x80) { // not a continuation byte: the lead byte stands alone
                length = 1;
                code = 0xFFFD;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        // An over-long form (a space written in two bytes, say) is no character either.
        static constexpr char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
        if (length > 1 && code < least[length])
            code = 0xFFFD;
        i += length;
        const bool blank = code == U'\t' || code == U'\n' || code == U'\r' || code == U' ' ||
                           code == 0xA0 || code == 0x1680 || (code >= 0x2000 && code <= 0x200A) ||
                           code == 0x202F || code == 0x205F || code == 0x3000;
        if (blank)
            continue;
        if (code == 0x2212)
            out += '-';
        else if (code < 0x80)
            out += static_cast<char>(code);
        else if (code == 0xFFFD) // no character: nothing, not even a separator, matches it
            out += '\x01';
        else
            out.append(utf8.substr(i - length, length));
    }
    return out;
}

int digitValue(char c, int base)
{
    const int v = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : 99;
    return v < base ? v : -1;
}

// A box's number as parts: a whole number in a base (hexadecimal, octal), or decimal digits times
// ten to an exponent; a fraction has a second such decimal below.
struct Decimal
{
    bool number = false; // whether there was a number at all
    bool negative = false;
    std::string digits; // significant digits: no leading zeros, and no trailing ones
    long long exponent = 0;
};

struct Parts : Decimal
{
    int base = 10;
    bool fraction = false;
    Decimal below;
};

// The separator as the reader sees it in a normalised text; none where it is blank or could
// belong to a number itself.
std::string usableSeparator(std::string_view separator)
{
    std::string s = normalised(separator);
    for (char c : s) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '/' ||
            c == '&')
            return {};
    }
    return s;
}

// The whole digits at s[i], grouped by sep: cut at each sep, the run of digits and separators
// must give a first piece of one to three digits, not starting with 0, and one or more pieces
// of exactly three. Their digits, with i moved past them; none for any other run.
std::optional<std::string> groupedWhole(const std::string &s, std::size_t &i,
                                        const std::string &sep)
{
    if (sep.empty())
        return std::nullopt;
    std::vector<std::string> pieces(1);
    std::size_t j = i;
    while (j < s.size()) {
        if (digitValue(s[j], 10) >= 0) {
            pieces.back() += s[j++];
        } else if (s.compare(j, sep.size(), sep) == 0) {
            pieces.emplace_back();
            j += sep.size();
        } else {
            break;
        }
    }
    const std::string &first = pieces.front();
    if (pieces.size() < 2 || first.empty() || first.size() > 3 || first[0] == '0')
        return std::nullopt;
    std::string whole;
    for (const std::string &piece : pieces) {
        if (&piece != &first && piece.size() != 3)
            return std::nullopt;
        whole += piece;
    }
    i = j;
    return whole;
}

// A decimal from s[start]: [sign] digits [mark digits] [E|D [sign] digits], the whole digits
// perhaps grouped by sep; end is where it ends.
Decimal parseDecimal(const std::string &s, std::size_t start, std::size_t &end,
                     const std::string &sep)
{
    Decimal d;
    std::size_t i = start;
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        d.negative = s[i++] == '-';
    std::string mantissa;
    long long fraction = 0;
    if (const auto whole = groupedWhole(s, i, sep))
        mantissa = *whole;
    else
        for (; i < s.size() && digitValue(s[i], 10) >= 0; ++i)
            mantissa += s[i];
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        std::size_t j = i + 1;
        for (; j < s.size() && digitValue(s[j], 10) >= 0; ++j, ++fraction)
            mantissa += s[j];
        if (!mantissa.empty())
            i = j;
    }
    d.number = !mantissa.empty();
    end = d.number ? i : start;
    long long exponent = 0;
    if (d.number && i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        const bool expNegative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            ++j;
        const std::size_t digitsFrom = j;
        for (; j < s.size() && digitValue(s[j], 10) >= 0; ++j)
            exponent = exponent > 1'000'000'000 ? exponent : exponent * 10 + (s[j] - '0');
        if (expNegative)
            exponent = -exponent;
        if (j > digitsFrom)
            end = j;
    }
    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos)
        return d;
    const std::size_t last = mantissa.find_last_not_of('0');
    d.digits = mantissa.substr(first, last + 1 - first);
    d.exponent = exponent - fraction + static_cast<long long>(mantissa.size() - 1 - last);
    return d;
}

// Within the solver's exact bounds: at most 1,000 significant digits, the last one's exponent
// within ±1,000.
bool withinSolverBounds(const Decimal &d)
{
    return static_cast<long long>(d.digits.size()) <= solverBound && d.exponent <= solverBound &&
           d.exponent >= -solverBound;
}

Parts parse(std::string_view raw, std::string_view separator)
{
    const std::string s = normalised(raw), sep = usableSeparator(separator);
    Parts parts;
    if (s.size() >= 2 && s[0] == '&' &&
        (s[1] == 'h' || s[1] == 'H' || s[1] == 'o' || s[1] == 'O')) {
        parts.base = s[1] == 'h' || s[1] == 'H' ? 16 : 8;
        for (std::size_t i = 2; i < s.size() && digitValue(s[i], parts.base) >= 0; ++i) {
            parts.number = true;
            if (!parts.digits.empty() || s[i] != '0')
                parts.digits += s[i];
        }
        return parts;
    }
    std::size_t end = 0;
    static_cast<Decimal &>(parts) = parseDecimal(s, 0, end, sep);
    // "/" and a decimal that is not zero, both within the bounds, and no second "/".
    if (parts.number && end < s.size() && s[end] == '/') {
        std::size_t belowEnd = end + 1;
        const Decimal below = parseDecimal(s, end + 1, belowEnd, sep);
        parts.fraction = below.number && !below.digits.empty() && withinSolverBounds(parts) &&
                         withinSolverBounds(below) && !(belowEnd < s.size() && s[belowEnd] == '/');
        if (parts.fraction)
            parts.below = below;
    }
    return parts;
}

cpp_int wholeNumber(const std::string &digits, int base)
{
    cpp_int v = 0;
    for (char c : digits)
        v = v * base + digitValue(c, base);
    return v;
}

// "p/q" (or "p") with both at most 15 digits.
bool shortFraction(const Rational &value)
{
    const cpp_int num = abs(numerator(value)), den = denominator(value);
    return num.str().size() <= 15 && den.str().size() <= 15;
}

// Whether the value's decimal expansion ends within `digits` significant digits: its denominator
// is 2^a·5^b, and it has max(a, b) places.
bool shortDecimal(const Rational &value, std::size_t digits)
{
    cpp_int den = denominator(value);
    long long twos = 0, fives = 0;
    for (; den % 2 == 0; den /= 2)
        ++twos;
    for (; den % 5 == 0; den /= 5)
        ++fives;
    if (den != 1)
        return false;
    const Rational scaled = value * tenTo(std::max(twos, fives));
    std::string whole = cpp_int(abs(numerator(scaled))).str();
    whole.erase(whole.find_last_not_of('0') + 1);
    return whole.size() <= digits;
}

// Whether a number said is the value in the form due: a decimal where the value ends within
// `decimalDigits` significant digits, else a fraction of at most 15 digits above and below; else
// rounded to 15 digits (where `rounding` allows it). Empty, or what is wrong.
std::string toldRight(const Rational &value, const Told &told, std::size_t decimalDigits,
                      bool rounding)
{
    const bool decimal = shortDecimal(value, decimalDigits);
    if (!decimal && !shortFraction(value) && rounding) {
        if (!told.rounded || told.text != text(value))
            return told.text + ": not " + text(value) + ", rounded";
        return {};
    }
    if (told.rounded)
        return told.text + ": said to be rounded";
    const bool slash = told.text.find('/') != std::string::npos;
    if (slash == decimal)
        return told.text + (decimal ? ": a decimal is due" : ": a fraction is due");
    if (readValue(told.text) != value)
        return told.text + ": not the value";
    return {};
}
} // namespace

namespace {

Rational decimalValue(const Decimal &d)
{
    const Rational value = Rational(wholeNumber(d.digits, 10)) * tenTo(d.exponent);
    return d.negative ? Rational(-value) : value;
}

} // namespace

std::optional<Rational> read(std::string_view text, long long bound, std::string_view separator)
{
    const Parts parts = parse(text, separator);
    if (parts.fraction)
        return decimalValue(parts) / decimalValue(parts.below);
    if (static_cast<long long>(parts.digits.size()) > bound || parts.exponent > bound ||
        parts.exponent < -bound)
        return std::nullopt;
    if (parts.digits.empty())
        return Rational(0);
    const Rational value = Rational(wholeNumber(parts.digits, parts.base)) * tenTo(parts.exponent);
    return parts.negative ? Rational(-value) : value;
}

namespace {

// The double nearest a positive value, ties to even (the rounding of IEEE arithmetic), worked
// out in whole numbers; an infinity beyond the range.
double nearestDouble(const Rational &value)
{
    const cpp_int num = numerator(value), den = denominator(value);
    // 2^e <= value < 2^(e+1)
    long long e = static_cast<long long>(boost::multiprecision::msb(num)) -
                  static_cast<long long>(boost::multiprecision::msb(den));
    if (e >= 0 ? num < (den << static_cast<unsigned>(e)) : (num << static_cast<unsigned>(-e)) < den)
        --e;
    if (e > 1023)
        return HUGE_VAL;
    // 53 significant bits, or fewer below the normal range (a step of 2^-1074 there).
    const long long shift = e < -1022 ? 1074 : 52 - e;
    cpp_int n = num, d = den;
    if (shift >= 0)
        n <<= static_cast<unsigned>(shift);
    else
        d <<= static_cast<unsigned>(-shift);
    cpp_int q = n / d;
    const cpp_int twiceRest = 2 * (n - q * d);
    if (twiceRest > d || (twiceRest == d && boost::multiprecision::bit_test(q, 0)))
        ++q;
    return std::ldexp(static_cast<double>(static_cast<long long>(q)), static_cast<int>(-shift));
}

} // namespace

std::optional<double> readDouble(std::string_view text, std::string_view separator)
{
    const Parts parts = parse(text, separator);
    const bool negativeZero =
        parts.fraction ? parts.negative != parts.below.negative : parts.number && parts.negative;
    const double zero = negativeZero ? -0.0 : 0.0;
    if (parts.digits.empty())
        return zero;
    if (parts.fraction) {
        const Rational q = decimalValue(parts) / decimalValue(parts.below);
        const double magnitude = nearestDouble(q < 0 ? Rational(-q) : q);
        if (std::isinf(magnitude))
            return std::nullopt;
        return q < 0 ? -magnitude : magnitude;
    }
    Rational value;
    if (parts.base == 10) {
        // Far beyond the range either way, whatever the digits.
        const long long magnitude = static_cast<long long>(parts.digits.size()) + parts.exponent;
        if (magnitude > 400)
            return std::nullopt;
        if (magnitude < -400)
            return zero;
        value = Rational(wholeNumber(parts.digits, parts.base)) * tenTo(parts.exponent);
    } else {
        if (parts.digits.size() > 400)
            return std::nullopt;
        value = Rational(wholeNumber(parts.digits, parts.base));
    }
    const double magnitude = nearestDouble(value);
    if (std::isinf(magnitude))
        return std::nullopt;
    return parts.negative ? -magnitude : magnitude;
}

std::string text(const Rational &value)
{
    if (value == 0)
        return "0";
    const Rational magnitude = value < 0 ? Rational(-value) : value;
    // 10^e <= magnitude < 10^(e+1)
    long long e = static_cast<long long>(numerator(magnitude).str().size()) -
                  static_cast<long long>(denominator(magnitude).str().size());
    while (magnitude >= tenTo(e + 1))
        ++e;
    while (magnitude < tenTo(e))
        --e;
    // 15 digits, the last rounded half away from zero.
    const Rational scaled = magnitude * tenTo(14 - e) + Rational(1, 2);
    cpp_int whole = numerator(scaled) / denominator(scaled);
    if (whole == boost::multiprecision::pow(cpp_int(10), 15)) {
        whole /= 10;
        ++e;
    }
    std::string digits = whole.str();
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string out = value < 0 ? "-" : "";
    if (e >= -4 && e <= 14) {
        if (e < 0)
            return out + "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + digits;
        if (static_cast<long long>(digits.size()) <= e + 1)
            return out + digits + std::string(static_cast<std::size_t>(e + 1) - digits.size(), '0');
        return out + digits.substr(0, static_cast<std::size_t>(e + 1)) + "." +
               digits.substr(static_cast<std::size_t>(e + 1));
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1)
        out += "." + digits.substr(1);
    std::string power = std::to_string(e < 0 ? -e : e);
    if (power.size() < 2)
        power.insert(0, "0");
    return out + (e < 0 ? "E-" : "E+") + power;
}

Rational exactly(double value)
{
    if (value == 0.0)
        return 0;
    int e = 0;
    const double fraction = std::frexp(value, &e); // value = fraction × 2^e, 0.5 <= |fraction| < 1
    const auto mantissa = static_cast<long long>(std::ldexp(fraction, 53));
    const cpp_int two = 2;
    const cpp_int power = boost::multiprecision::pow(two, static_cast<unsigned>(std::abs(e - 53)));
    return e - 53 >= 0 ? Rational(cpp_int(mantissa) * power) : Rational(cpp_int(mantissa), power);
}

std::optional<Rational> readValue(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return read(text, resultBound);
    const auto p = read(text.substr(0, slash), resultBound),
               q = read(text.substr(slash + 1), resultBound);
    if (!p || !q || *q == 0)
        return std::nullopt;
    return *p / *q;
}

Solution solve(const std::array<Rational, 6> &v)
{
    const Rational &a1 = v[0], &b1 = v[1], &c1 = v[2], &a2 = v[3], &b2 = v[4], &c2 = v[5];
    const Rational det = a1 * b2 - b1 * a2;
    if (det != 0)
        return {Kind::Unique, (c1 * b2 - b1 * c2) / det, (a1 * c2 - c1 * a2) / det, true, true, {}};
    // Rank of the augmented matrix against the coefficient matrix's.
    const bool zeroLeft = a1 == 0 && b1 == 0 && a2 == 0 && b2 == 0;
    const bool augmentedRankOne = a1 * c2 - c1 * a2 != 0 || b1 * c2 - c1 * b2 != 0;
    const bool contradiction = zeroLeft ? (c1 != 0 || c2 != 0) : augmentedRankOne;
    Solution s{contradiction ? Kind::NoSolution : Kind::NotUnique, 0, 0, false, false, {}};
    if (contradiction) {
        for (int i : {0, 1}) {
            if (!s.impossible && v[3 * i] == 0 && v[3 * i + 1] == 0 && v[3 * i + 2] != 0)
                s.impossible = i + 1;
        }
        return s;
    }
    // The solutions of a row a·X + b·Y = c that is not empty (the rows are multiples): with b
    // zero they all have X = c/a, with a zero Y = c/b.
    const std::size_t row = a1 != 0 || b1 != 0 ? 0 : 3;
    const Rational &a = v[row], &b = v[row + 1], &c = v[row + 2];
    s.xFixed = !zeroLeft && b == 0;
    s.yFixed = !zeroLeft && a == 0;
    s.x = s.xFixed ? Rational(c / a) : Rational(0);
    s.y = s.yFixed ? Rational(c / b) : Rational(0);
    return s;
}

Steps doubleSteps(const Texts &texts, std::string_view separator)
{
    Steps steps;
    std::array<double, 6> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto value = readDouble(texts[i], separator);
        if (!value) {
            steps.unread = true;
            return steps;
        }
        v[i] = *value;
    }
    const double a1 = v[0], b1 = v[1], c1 = v[2], a2 = v[3], b2 = v[4], c2 = v[5];
    // Each operation rounded once; one that leaves the range ends the steps with an overflow.
    bool overflow = false;
    auto op = [&](double result) {
        overflow = overflow || !std::isfinite(result);
        return result;
    };
    auto solveY = [&](double &p, double &q, double &r, double &y) -> std::optional<Failure> {
        p = op(a2 * b1);
        q = op(a1 * b2);
        r = op(a2 * c1);
        const double s = op(a1 * c2);
        const double d = op(p - q);
        const double n = op(r - s);
        if (overflow)
            return Failure::Overflow;
        if (d == 0.0)
            return Failure::DivisionByZero;
        y = op(n / d);
        return overflow ? std::optional(Failure::Overflow) : std::nullopt;
    };
    double p = 0, q = 0, r = 0, y = 0;
    if (const auto failure = solveY(p, q, r, y))
        steps.yFailure = *failure;
    else
        steps.y = y;

    // X: m = a2·a1 first, then Y again; where m is zero, Cramer's quotient instead.
    overflow = false;
    const double m = op(a2 * a1);
    if (overflow) {
        steps.xFailure = Failure::Overflow;
        return steps;
    }
    if (const auto failure = solveY(p, q, r, y)) {
        steps.xFailure = *failure;
        return steps;
    }
    double x = 0;
    if (m == 0.0) {
        const double g = op(op(b2 * c1) - op(b1 * c2));
        x = op(g / op(q - p));
    } else {
        x = op(op(r - op(p * y)) / m);
    }
    if (overflow)
        steps.xFailure = Failure::Overflow;
    else
        steps.x = x;
    return steps;
}

std::string Checker::check(const Texts &texts, const Shown &y, const Shown &x,
                           std::string_view separator)
{
    std::array<Rational, 6> values;
    bool inBounds = true;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto value = read(texts[i], 1200, separator);
        if (!value)
            return {}; // past what this checks
        values[i] = *value;
        inBounds = inBounds && read(texts[i], solverBound, separator).has_value();
    }
    const Steps steps = doubleSteps(texts, separator);
    std::optional<std::size_t> firstBeyond;
    for (std::size_t i = 0; i < values.size() && !firstBeyond; ++i) {
        if (!read(texts[i], solverBound, separator))
            firstBeyond = i;
    }
    for (const auto &[shown, name] : {std::pair{&y, "Y"}, std::pair{&x, "X"}}) {
        if (shown->beyondBounds != firstBeyond)
            return std::string(name) + ": not the first coefficient beyond the bounds";
    }

    if (!inBounds) {
        // The double steps alone give each result, and say so.
        for (const auto &[shown, value, failure, name] :
             {std::tuple{&y, steps.y, steps.yFailure, "Y"},
              std::tuple{&x, steps.x, steps.xFailure, "X"}}) {
            ++m_tally.unchecked;
            std::optional<Failure> expected;
            std::string expectedText;
            if (value) {
                expectedText = text(exactly(*value));
                if (!readDouble(expectedText))
                    expected = Failure::Overflow;
            } else {
                expected = failure;
            }
            if (shown->failure != expected)
                return std::string(name) + ": not what the double steps give";
            if (!expected &&
                (shown->text != expectedText || !shown->unchecked ||
                 shown->steps != StepsOutcome::Value || shown->stepsText != expectedText))
                return std::string(name) + " = " + shown->text + ": the double steps give " +
                       expectedText + ", unchecked";
        }
        return {};
    }

    const Solution solution = solve(values);
    for (const auto &[shown, name] : {std::pair{&y, "Y"}, std::pair{&x, "X"}}) {
        if (shown->impossible != solution.impossible)
            return std::string(name) + ": not the equation that is impossible on its own";
    }
    if (solution.kind != Kind::Unique) {
        const Failure verdict =
            solution.kind == Kind::NoSolution ? Failure::NoSolution : Failure::NotUnique;
        for (const auto &[shown, name, fixed] :
             {std::tuple{&y, "Y", solution.yFixed}, std::tuple{&x, "X", solution.xFixed}}) {
            if (fixed) { // the other unknown can be anything; this one has its value
                const bool isY = shown == &y;
                const std::string problem =
                    checkExact(isY ? solution.y : solution.x, *shown, isY ? steps.y : steps.x,
                               isY ? steps.yFailure : steps.xFailure, steps.unread, name);
                if (!problem.empty())
                    return problem;
                ++m_tally.fixed;
                continue;
            }
            ++m_tally.verdicts;
            if (shown->failure != verdict)
                return std::string(name) + ": the verdict is not what the equations are";
            if (verdict == Failure::NotUnique) {
                const std::string problem = checkFamily(values, shown->solutions);
                if (!problem.empty())
                    return std::string(name) + ": " + problem;
                ++m_tally.families;
            }
        }
        return {};
    }
    std::string problem = checkExact(solution.y, y, steps.y, steps.yFailure, steps.unread, "Y");
    return problem.empty() ? checkExact(solution.x, x, steps.x, steps.xFailure, steps.unread, "X")
                           : problem;
}

std::string Checker::checkFamily(const std::array<Rational, 6> &v,
                                 const std::optional<Family> &family)
{
    if (!family)
        return "infinitely many, but which is not said";
    const Rational &a1 = v[0], &b1 = v[1], &c1 = v[2], &a2 = v[3], &b2 = v[4], &c2 = v[5];
    // X from an equation with an X (they are multiples of each other), else Y from one with a Y.
    const bool first = a1 != 0 || (a2 == 0 && b1 != 0);
    const Rational &a = first ? a1 : a2, &b = first ? b1 : b2, &c = first ? c1 : c2;
    using Form = Family::Form;
    const Form form = a != 0 ? Form::XFromY : b != 0 ? Form::YAlone : Form::Any;
    if (family->form != form)
        return "the solutions are not of the form the equations give";
    std::string problem;
    if (form == Form::XFromY) {
        problem = toldRight(c / a, family->constant, 15, true);
        if (problem.empty())
            problem = toldRight(b / a, family->slope, 15, true);
    } else if (form == Form::YAlone) {
        problem = toldRight(c / b, family->constant, 15, true);
    }
    return problem;
}

std::string Checker::checkExact(const Rational &exact, const Shown &shown,
                                const std::optional<double> &steps, Failure stepFailure,
                                bool unread, const char *name)
{
    const std::string where = std::string(name) + " = " + shown.text;
    if (shown.failure)
        return std::string(name) + " failed where the equations have one solution";
    const std::string expected = text(exact);
    if (shown.text != expected)
        return where + ": the solution rounded is " + expected;
    if (shown.unchecked)
        return where + ": checked here, but said to be unchecked";
    ++m_tally.results;

    const bool rounded = readValue(expected) != exact;
    if (shown.rounded != rounded)
        return where + (rounded ? ": rounded, but not said so" : ": said to be rounded");
    constexpr std::size_t noteDigits = 30;
    const bool shortExact = rounded && (shortDecimal(exact, noteDigits) || shortFraction(exact));
    if (shown.exact.has_value() != shortExact)
        return where + (shortExact ? ": the short exact value is not given"
                                   : ": an exact value is given where none is due");
    if (shown.exact) {
        const std::string problem = toldRight(exact, {*shown.exact, false}, noteDigits, false);
        if (!problem.empty())
            return where + ": the exact value " + problem;
    }
    m_tally.valueFacts += rounded;

    // What the double steps gave, as the box would have shown it.
    StepsOutcome outcome = StepsOutcome::Value;
    std::string stepsText;
    if (unread) {
        outcome = StepsOutcome::Unread;
    } else if (steps) {
        stepsText = text(exactly(*steps));
        if (!readDouble(stepsText)) {
            outcome = StepsOutcome::Overflow;
            stepsText.clear();
        }
    } else {
        outcome = stepFailure == Failure::DivisionByZero ? StepsOutcome::DivisionByZero
                                                         : StepsOutcome::Overflow;
    }
    if (shown.steps != outcome || shown.stepsText != stepsText)
        return where + ": the double steps give " +
               (outcome == StepsOutcome::Value ? stepsText : "no value") + ", not " +
               (shown.steps == StepsOutcome::Value ? shown.stepsText : "that");
    m_tally.stepFacts += outcome != StepsOutcome::Value || stepsText != shown.text;
    return {};
}

std::string checkWorking(const Texts &texts, const WorkingFacts &w, std::string_view separator)
{
    std::array<Rational, 6> v;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const auto value = read(texts[i], solverBound, separator);
        if (!value)
            return {}; // no working is shown beyond the bounds
        v[i] = *value;
    }
    const auto number = [](const std::string &text) { return readValue(text).value_or(-1234567); };
    const Rational p = number(w.p), q = number(w.q), r = number(w.r), s = number(w.s),
                   d = number(w.d), n = number(w.n);
    if (p - q != d || r - s != n)
        return "d or n is not the stated difference";
    // a2·(equation 1) − a1·(equation 2), as residuals a·X + b·Y − c at three points, is d·Y − n.
    const auto residual = [&](std::size_t row, const Rational &x, const Rational &y) {
        return v[row] * x + v[row + 1] * y - v[row + 2];
    };
    for (const auto &[x, y] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{0, 1}}) {
        if (v[3] * residual(0, x, y) - v[0] * residual(3, x, y) != d * y - n)
            return "d·Y = n is not equation 1 times a2 less equation 2 times a1";
    }
    const Solution solution = solve(v);
    if (w.y.has_value() != (solution.kind == Kind::Unique) || w.x.has_value() != w.y.has_value())
        return "Y and X are given exactly where the equations have one solution";
    if (!w.y)
        return {};
    const Rational y = number(*w.y), x = number(*w.x);
    if (d * y != n || x != solution.x || y != solution.y)
        return "Y or X does not solve the equations";
    const bool routeHolds = w.cramer ? number(w.h) * x == number(w.g)
                                     : number(w.m) * x == number(w.u) &&
                                           number(w.u) == r - number(w.t) && number(w.t) == p * y;
    if (!routeHolds)
        return "X's route does not give X";
    if (!w.left1 || !w.left2 || number(*w.left1) != residual(0, x, y) + v[2] ||
        number(*w.left2) != residual(3, x, y) + v[5] || number(*w.left1) != v[2] ||
        number(*w.left2) != v[5])
        return "a left side with X and Y put back is not its right side";
    return {};
}

namespace {

int pick(std::mt19937_64 &random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

// k / 10^places as a decimal text with that many places ("-3.25", "0.5", "7.0").
std::string decimal(int k, int places)
{
    std::string digits = std::to_string(std::abs(k));
    if (places == 0)
        return (k < 0 ? "-" : "") + digits;
    if (digits.size() <= static_cast<std::size_t>(places))
        digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
    digits.insert(digits.size() - static_cast<std::size_t>(places), 1, '.');
    return (k < 0 ? "-" : "") + digits;
}

} // namespace

std::array<std::string, 6> wholeSystem(std::mt19937_64 &random)
{
    std::array<std::string, 6> t;
    for (std::string &text : t)
        text = std::to_string(pick(random, -20, 20));
    return t;
}

std::array<std::string, 6> decimalSystem(std::mt19937_64 &random)
{
    std::array<std::string, 6> t;
    for (std::string &text : t) {
        const int places = pick(random, 1, 2);
        const int scale = places == 1 ? 10 : 100;
        text = decimal(pick(random, -20 * scale, 20 * scale), places);
    }
    return t;
}

std::array<std::string, 6> adversarialSystem(std::mt19937_64 &random)
{
    auto digits = [&](int count, const char *alphabet, int base) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += alphabet[pick(random, i == 0 ? 1 : 0, base - 1)];
        return text;
    };
    auto coefficient = [&]() -> std::string {
        switch (pick(random, 0, 6)) {
        case 0:
            return std::to_string(pick(random, -999, 999));
        case 1:
            return decimal(pick(random, -99999, 99999), pick(random, 1, 3));
        case 2:
            return std::to_string(pick(random, -9, 9)) + "e" +
                   std::to_string(pick(random, -210, 210));
        case 3:
            return std::to_string(pick(random, -9, 9)) + "e" +
                   std::to_string(pick(random, -330, 330));
        case 4:
            return "&o" + digits(pick(random, 1, 60), "01234567", 8);
        case 5:
            return "&H" + digits(pick(random, 1, 40), "0123456789ABCDEF", 16);
        default: // a minus sign U+2212 and a no-break or thin space between the digits
            return (pick(random, 0, 1) ? "\u2212" : "") + std::to_string(pick(random, 1, 99)) +
                   (pick(random, 0, 1) ? "\u00a0" : "\u2009") + digits(3, "0123456789", 10);
        }
    };
    std::array<std::string, 6> t;
    for (std::string &text : t)
        text = coefficient();
    if (pick(random, 0, 1) == 0) { // the second row k times the first: parallel, or nearly
        const int k = pick(random, 2, 9), a = pick(random, -999, 999), b = pick(random, -999, 999),
                  c = pick(random, -99, 99);
        const int kind = pick(random, 0, 3);
        t = {std::to_string(a),     std::to_string(b),
             std::to_string(c),     std::to_string(k * a),
             std::to_string(k * b), kind == 0 ? std::to_string(k * c) : t[5]};
        if (kind >= 2)
            t[4] += "." + std::string(static_cast<std::size_t>(pick(random, 8, 16)), '0') + "1";
    }
    return t;
}

std::array<std::string, 6> fractionSystem(std::mt19937_64 &random)
{
    auto fraction = [&]() -> std::string {
        const char *const ends[] = {"", "", "", "/0", "/x", "/2/3"};
        const std::string p = pick(random, 0, 2) == 0 ? decimal(pick(random, -999, 999), 1)
                                                      : std::to_string(pick(random, -30, 30));
        const int q = pick(random, -12, 12);
        return p + " / " + std::to_string(q == 0 ? 7 : q) + ends[pick(random, 0, 5)];
    };
    std::array<std::string, 6> t;
    for (std::string &text : t)
        text = pick(random, 0, 3) == 0 ? std::to_string(pick(random, -9, 9)) : fraction();
    if (pick(random, 0, 2) == 0) { // the second equation k times the first
        const int k = pick(random, -4, 4);
        for (std::size_t i = 0; i < 3; ++i) {
            const Rational v = *read(t[i]) * (k == 0 ? 2 : k);
            t[i + 3] = numerator(v).str() + "/" + denominator(v).str();
        }
        if (pick(random, 0, 2) == 0) // or X in neither equation
            t[0] = t[3] = "0";
    }
    return t;
}

} // namespace truth
