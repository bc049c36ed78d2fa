#pragma once

#include "platform/conversions.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The equations as typed, in exact arithmetic: each coefficient text denotes a rational number
// (0.1 is exactly 1/10), and Cramer's rule on those six rationals gives the true verdict and the
// true solution, which the double results are measured against.
//
// The work is bounded, so that no text can make the window slow: a coefficient with more than
// maxDigits significant digits, or a decimal exponent beyond ±maxExponent, makes the exact part
// give up, and the program then goes by the doubles alone.
namespace solver::exact {

inline constexpr std::size_t maxDigits = 1000;
inline constexpr long long maxExponent = 1000;

enum class Kind {
    Unique,     // the determinant is not zero: one solution
    NoSolution, // the determinant is zero and the equations contradict each other
    NotUnique,  // the determinant is zero and the equations agree: infinitely many solutions
};

class System
{
public:
    // The system of the six coefficients a1, b1, c1, a2, b2, c2; none where a text is beyond
    // the bounds.
    static std::optional<System> analyse(const std::array<platform::ScannedNumber, 6> &numbers);

    Kind kind() const;

    // What coefficient i (a1, b1, c1, a2, b2, c2) was read as: "p/q" in lowest terms, or "p".
    std::string coefficientText(std::size_t i) const;

    // "X = 1, Y = 1/3": the exact solution, as valueText writes each value. Unique systems only.
    std::string solutionText() const;

    // What a result box says of its shown text: nothing when the text is the exact value;
    // "Exactly 1/5 = 0.2." when the exact value is a short fraction or a short decimal;
    // otherwise how many leading digits are right (the largest k <= 15 for which the shown and
    // the exact value, each rounded half away from zero to k significant digits, are equal),
    // and " The equations are nearly parallel."
    // when nearlyParallel. Unique systems only.
    std::string noteOnX(std::string_view shown, bool nearlyParallel) const;
    std::string noteOnY(std::string_view shown, bool nearlyParallel) const;

private:
    struct Values;
    explicit System(std::shared_ptr<const Values> values);
    std::shared_ptr<const Values> m_values;
};

} // namespace solver::exact
