#pragma once

// Random systems with integer (or two-decimal) coefficients, classified and solved in exact
// integer arithmetic, and what the solver shows for them. Used by the cross-check test and the
// precision benchmark. Standard C++ only.
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace exact {

using platform::ErrorCode;
using platform::RuntimeError;

using Int = std::int64_t;

struct System
{
    Int a1, b1, c1, a2, b2, c2; // the coefficients times `scale`
};

enum class Kind { Unique, NoSolution, NotUnique };

inline int rank2(Int a, Int b, Int c, Int d)
{
    if (a * d - b * c != 0)
        return 2;
    return (a || b || c || d) ? 1 : 0;
}

// The rank test: the system has one solution when the coefficient matrix has rank 2, and none
// when the augmented matrix's rank exceeds the coefficient matrix's.
inline Kind classify(const System &s)
{
    const int rankA = rank2(s.a1, s.b1, s.a2, s.b2);
    int rankAug = std::max({rankA, rank2(s.a1, s.c1, s.a2, s.c2), rank2(s.b1, s.c1, s.b2, s.c2)});
    if (rankAug < 1 && (s.c1 || s.c2))
        rankAug = 1;
    if (rankA == 2)
        return Kind::Unique;
    return rankAug > rankA ? Kind::NoSolution : Kind::NotUnique;
}

// The exact X and Y as quotients of integers. The integers are exact in a double (below 2^53),
// so one IEEE division gives the exact quotient rounded once.
inline double exactY(const System &s)
{
    return double(s.a1 * s.c2 - s.a2 * s.c1) / double(s.a1 * s.b2 - s.a2 * s.b1);
}

inline double exactX(const System &s)
{
    return double(s.b2 * s.c1 - s.b1 * s.c2) / double(s.a1 * s.b2 - s.a2 * s.b1);
}

inline std::string decimalText(Int v, int scale)
{
    if (scale == 1)
        return std::to_string(v);
    // The digits of |v| with the point placed before the last two (scale is 100).
    std::string digits = std::to_string(std::abs(v));
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, '.');
    if (v < 0)
        digits.insert(0, 1, '-');
    return digits;
}

struct Shown
{
    std::optional<std::string> y, x;
    std::optional<ErrorCode> error;
};

inline Shown solve(const System &s, int scale)
{
    const std::string t[] = {decimalText(s.a1, scale), decimalText(s.b1, scale),
                             decimalText(s.c1, scale), decimalText(s.a2, scale),
                             decimalText(s.b2, scale), decimalText(s.c2, scale)};
    const solver::CoefficientTexts texts{t[0], t[1], t[2], t[3], t[4], t[5]};
    Shown shown;
    try {
        const solver::Analysis analysis(texts);
        shown.y = analysis.y().text;
        shown.x = analysis.x().text;
    } catch (const RuntimeError &e) {
        shown.error = e.code();
    }
    return shown;
}

inline System randomSystem(std::mt19937_64 &random, Int limit, bool manyZeros)
{
    std::uniform_int_distribution<Int> value(-limit, limit);
    std::uniform_int_distribution<int> coin(0, 3);
    auto pick = [&] { return manyZeros && coin(random) == 0 ? 0 : value(random); };
    System s{pick(), pick(), pick(), pick(), pick(), pick()};
    if (manyZeros && coin(random) == 0) { // make the rows proportional
        const Int k = value(random) % 4;
        s.a2 = s.a1 * k;
        s.b2 = s.b1 * k;
        if (coin(random) < 2)
            s.c2 = s.c1 * k;
    }
    return s;
}

// Units in the 15th significant digit between two values, on the scale of the exact one.
inline long long unitsIn15thDigit(double shown, double exact)
{
    if (exact == 0.0)
        return shown == 0.0 ? 0 : std::numeric_limits<long long>::max();
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(exact))) - 14);
    return std::llround(std::fabs(shown - exact) / unit);
}

} // namespace exact
