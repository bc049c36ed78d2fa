#pragma once

// A sceptical reader of what the solver tells its user. It reads the six texts itself, digit by
// digit into whole numbers (sharing no code with the solver's exact part), solves the equations
// exactly by Cramer's rule, and holds every claim against that:
// - a shown result with no note is the exact value;
// - each value after "Exactly" is the exact value;
// - "the first k digits are right" gives the k of the rule: the largest k <= 15 for which the
//   shown and the exact value, each rounded half away from zero to k significant digits, are
//   equal ("All its digits are right" when k reaches the shown digits, "None" when k is 0);
// - in "The exact solution is X = …, Y = …." each value is the exact one, or, after "about",
//   lies within half a unit of its last digit;
// - "no solution" and "infinitely many" are what the exact equations are.
// Used by the cross-check test and the solver fuzzer. Standard C++ and Boost.Multiprecision.
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <boost/multiprecision/cpp_int.hpp>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace claims {

using boost::multiprecision::cpp_int;
using boost::multiprecision::cpp_rational;
using platform::ErrorCode;

// Texts beyond these many significant digits, or a decimal exponent beyond them, are not read
// (the solver gives up on them before this).
inline constexpr long long readLimit = 1200;
// Where the solver's exact part gives up.
inline constexpr long long solverLimit = 1000;

inline cpp_rational tenTo(long long e)
{
    const cpp_int p =
        boost::multiprecision::pow(cpp_int(10), static_cast<unsigned>(e < 0 ? -e : e));
    return e < 0 ? cpp_rational(cpp_int(1), p) : cpp_rational(p);
}

// The exact value a box's text begins with, as the README states the rules; none past `limit`.
inline std::optional<cpp_rational> readText(std::string_view raw, long long limit = readLimit)
{
    std::string s;
    for (char c : raw)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            s += c;
    auto digitValue = [](char c, int base) -> int {
        int v = c >= '0' && c <= '9'   ? c - '0'
                : c >= 'a' && c <= 'f' ? c - 'a' + 10
                : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                       : 99;
        return v < base ? v : -1;
    };
    if (s.size() >= 2 && s[0] == '&' &&
        (s[1] == 'h' || s[1] == 'H' || s[1] == 'o' || s[1] == 'O')) {
        const int base = s[1] == 'h' || s[1] == 'H' ? 16 : 8;
        cpp_int v = 0;
        long long significant = 0;
        for (std::size_t i = 2; i < s.size() && digitValue(s[i], base) >= 0; ++i) {
            v = v * base + digitValue(s[i], base);
            if (v != 0 && ++significant > limit)
                return std::nullopt;
        }
        return cpp_rational(v);
    }
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    std::string mantissa;
    long long fraction = 0;
    for (; i < s.size() && digitValue(s[i], 10) >= 0; ++i)
        mantissa += s[i];
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        std::size_t j = i + 1;
        for (; j < s.size() && digitValue(s[j], 10) >= 0; ++j, ++fraction)
            mantissa += s[j];
        if (!mantissa.empty())
            i = j;
    }
    if (mantissa.empty())
        return cpp_rational(0);
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        const bool expNegative = j < s.size() && s[j] == '-';
        if (j < s.size() && (s[j] == '-' || s[j] == '+'))
            ++j;
        for (; j < s.size() && digitValue(s[j], 10) >= 0; ++j)
            exponent = exponent > 1'000'000'000 ? exponent : exponent * 10 + (s[j] - '0');
        if (expNegative)
            exponent = -exponent;
    }
    exponent -= fraction;
    const std::size_t first = mantissa.find_first_not_of('0');
    if (first == std::string::npos)
        return cpp_rational(0);
    const std::size_t last = mantissa.find_last_not_of('0');
    exponent += static_cast<long long>(mantissa.size() - 1 - last);
    mantissa = mantissa.substr(first, last + 1 - first);
    if (static_cast<long long>(mantissa.size()) > limit || exponent > limit || exponent < -limit)
        return std::nullopt;
    cpp_int v = 0;
    for (char c : mantissa)
        v = v * 10 + (c - '0');
    const cpp_rational value = cpp_rational(v) * tenTo(exponent);
    return negative ? cpp_rational(-value) : value;
}

// The value rounded half away from zero to k significant digits.
inline cpp_rational roundedTo(const cpp_rational &value, int k)
{
    if (value == 0)
        return 0;
    const cpp_rational magnitude = value < 0 ? cpp_rational(-value) : value;
    // 10^e <= magnitude < 10^(e+1), starting from the binary lengths' guess
    const auto bits = static_cast<long long>(boost::multiprecision::msb(numerator(magnitude))) -
                      static_cast<long long>(boost::multiprecision::msb(denominator(magnitude)));
    long long e = bits * 30103 / 100000;
    while (magnitude >= tenTo(e + 1))
        ++e;
    while (magnitude < tenTo(e))
        --e;
    const cpp_rational scaled = magnitude * tenTo(k - 1 - e) + cpp_rational(1, 2);
    const cpp_int whole = numerator(scaled) / denominator(scaled);
    const cpp_rational r = cpp_rational(whole) * tenTo(e + 1 - k);
    return value < 0 ? cpp_rational(-r) : r;
}

// How many significant digits a result's text shows ("1500" and "1.5E+03" show 2).
inline int shownDigits(std::string_view text)
{
    std::string digits;
    for (char c : text.substr(0, text.find('E')))
        if (c >= '0' && c <= '9')
            digits += c;
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 1;
    return static_cast<int>(digits.find_last_not_of('0') - first + 1);
}

// The digits that are right, by the rule.
inline int digitsRight(const cpp_rational &shown, const cpp_rational &exact)
{
    for (int k = 15; k >= 1; --k)
        if (roundedTo(shown, k) == roundedTo(exact, k))
            return k;
    return 0;
}

// A value as a note or message writes it: "p/q", or a decimal in the result text form.
inline std::optional<cpp_rational> readValue(std::string_view text)
{
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return readText(text);
    const auto p = readText(text.substr(0, slash)), q = readText(text.substr(slash + 1));
    if (!p || !q || *q == 0)
        return std::nullopt;
    return *p / *q;
}

// Half a unit of the last digit of a decimal in the result text form.
inline cpp_rational halfUnit(std::string_view text)
{
    const std::size_t e = text.find('E');
    const std::string_view mantissa = text.substr(0, e);
    const std::size_t point = mantissa.find('.');
    long long last =
        point == std::string_view::npos ? 0 : -static_cast<long long>(mantissa.size() - point - 1);
    if (e != std::string_view::npos)
        last += std::stoll(std::string(text.substr(e + 1)));
    return tenTo(last) / 2;
}

struct Equations
{
    enum class Kind { Unique, NoSolution, NotUnique } kind;
    cpp_rational x, y;
};

inline Equations solveExactly(const std::array<cpp_rational, 6> &v)
{
    const cpp_rational &a1 = v[0], &b1 = v[1], &c1 = v[2], &a2 = v[3], &b2 = v[4], &c2 = v[5];
    const cpp_rational det = a1 * b2 - b1 * a2;
    if (det != 0)
        return {Equations::Kind::Unique, (c1 * b2 - b1 * c2) / det, (a1 * c2 - c1 * a2) / det};
    // Rank of the augmented matrix against the coefficient matrix's.
    const bool zeroLeft = a1 == 0 && b1 == 0 && a2 == 0 && b2 == 0;
    const bool augmentedRankOne = a1 * c2 - c1 * a2 != 0 || b1 * c2 - c1 * b2 != 0;
    const bool contradiction = zeroLeft ? (c1 != 0 || c2 != 0) : augmentedRankOne;
    return {contradiction ? Equations::Kind::NoSolution : Equations::Kind::NotUnique, 0, 0};
}

// How many claims were re-derived, by kind.
struct Tally
{
    long exactResults = 0; // results with no note, confirmed exact
    long notes = 0;        // notes, every value and digit count in them
    long messages = 0;     // exact solutions in a message
    long verdicts = 0;     // "no solution" and "infinitely many"
};

class Checker
{
public:
    // Checks what the solver says of Y and X from the six texts; the first false claim, or empty.
    std::string check(const solver::CoefficientTexts &t)
    {
        const std::array<std::string_view, 6> texts = {t.a1, t.b1, t.c1, t.a2, t.b2, t.c2};
        std::array<cpp_rational, 6> values;
        bool inBounds = true;
        for (std::size_t i = 0; i < 6; ++i) {
            const auto value = readText(texts[i]);
            if (!value)
                return {}; // past what the solver claims anything of
            values[i] = *value;
            inBounds = inBounds && readText(texts[i], solverLimit).has_value();
        }
        if (!inBounds)
            return {};
        const Equations exact = solveExactly(values);
        const solver::Analysis analysis(t);
        std::string problem = checkOne(analysis, &solver::Analysis::y, exact, exact.y, "Y");
        return problem.empty() ? checkOne(analysis, &solver::Analysis::x, exact, exact.x, "X")
                               : problem;
    }

    const Tally &tally() const { return m_tally; }

private:
    std::string checkOne(const solver::Analysis &analysis,
                         solver::Result (solver::Analysis::*solve)() const, const Equations &exact,
                         const cpp_rational &value, const char *name)
    {
        using Kind = Equations::Kind;
        try {
            const solver::Result result = (analysis.*solve)();
            if (exact.kind != Kind::Unique)
                return std::string(name) + " shown for equations with no single solution";
            return checkNote(result, value, name);
        } catch (const platform::RuntimeError &error) {
            switch (error.code()) {
            case ErrorCode::NoSolution:
            case ErrorCode::NotUnique:
                ++m_tally.verdicts;
                if (exact.kind !=
                    (error.code() == ErrorCode::NoSolution ? Kind::NoSolution : Kind::NotUnique))
                    return std::string("false verdict on ") + name;
                return {};
            case ErrorCode::Imprecise:
                ++m_tally.messages;
                if (exact.kind != Kind::Unique)
                    return "an exact solution given where there is none";
                return checkMessage(error.detail(), exact);
            default:
                return {};
            }
        }
    }

    std::string checkNote(const solver::Result &result, const cpp_rational &exact, const char *name)
    {
        const auto shown = readText(result.text);
        if (!shown)
            return std::string(name) + " shown as an unreadable text";
        std::string note = result.note;
        if (note.empty()) {
            ++m_tally.exactResults;
            return *shown == exact ? std::string()
                                   : std::string(name) + " = " + result.text + " is not exact";
        }
        ++m_tally.notes;
        const std::string where = std::string(name) + "'s note \"" + result.note + "\": ";
        if (note.starts_with("Exactly ")) {
            const std::size_t end = note.find(". ");
            std::string values =
                note.substr(8, end == std::string::npos ? note.size() - 9 : end - 8);
            note = end == std::string::npos ? "" : note.substr(end + 2);
            // "p/q = d" or one value
            while (!values.empty()) {
                const std::size_t at = values.find(" = ");
                const auto v = readValue(values.substr(0, at));
                if (!v || *v != exact)
                    return where + "not the exact value";
                values = at == std::string::npos ? "" : values.substr(at + 3);
            }
        }
        const std::string parallel = " The equations are nearly parallel.";
        if (note.ends_with(parallel))
            note.erase(note.size() - parallel.size());
        else if (note == parallel.substr(1))
            note.clear();
        if (note.empty())
            return {};
        const int k = digitsRight(*shown, exact);
        std::string expected;
        if (*shown == exact)
            return where + "a note on an exact result";
        if (k >= shownDigits(result.text))
            expected = "All its digits are right; the exact value has more.";
        else if (k == 0)
            expected = "None of its digits are right.";
        else if (k == 1)
            expected = "Only the first digit is right.";
        else
            expected = "Only the first " + std::to_string(k) + " digits are right.";
        return note == expected ? std::string() : where + "the rule says \"" + expected + "\"";
    }

    std::string checkMessage(const std::string &detail, const Equations &exact)
    {
        const std::string head = "The exact solution is X = ", middle = ", Y = ";
        const std::size_t at = detail.find(middle);
        if (!detail.starts_with(head) || at == std::string::npos || !detail.ends_with("."))
            return "message \"" + detail + "\" out of form";
        const std::string x = detail.substr(head.size(), at - head.size());
        const std::string y =
            detail.substr(at + middle.size(), detail.size() - 1 - at - middle.size());
        for (const auto &[text, value] : {std::pair{x, exact.x}, std::pair{y, exact.y}}) {
            if (text.starts_with("about ")) {
                const std::string digits = text.substr(6);
                const auto v = readText(digits);
                const cpp_rational error = v ? cpp_rational(*v - value) : cpp_rational(0);
                if (!v || *v == value ||
                    (error < 0 ? cpp_rational(-error) : error) > halfUnit(digits))
                    return "message \"" + detail + "\": " + text + " is not about the exact value";
            } else {
                const auto v = readValue(text);
                if (!v || *v != value)
                    return "message \"" + detail + "\": " + text + " is not the exact value";
            }
        }
        return {};
    }

    Tally m_tally;
};

} // namespace claims
