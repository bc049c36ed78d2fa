#pragma once

#include "platform/conversions.h"

#include <array>
#include <memory>
#include <optional>

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

enum class Unknown { X, Y };

// A rational number in lowest terms, each part a whole number: the denominator is positive, and 1
// for a whole number.
struct Fraction
{
    platform::Decimal numerator;
    platform::Decimal denominator;

    bool operator==(const Fraction &) const = default;
};

// What is known of a shown value against the exact one.
struct Exactness
{
    bool rounded = false;          // the value shown is not the exact value
    std::optional<Fraction> exact; // where rounded: the exact value, when both of its parts have
                                   // at most the shown digits
};

class System
{
public:
    // The system of the six coefficients a1, b1, c1, a2, b2, c2; none where a text is beyond
    // the bounds.
    static std::optional<System> analyse(const std::array<platform::ScannedNumber, 6> &numbers);

    Kind kind() const;

    // The exact value coefficient i (a1, b1, c1, a2, b2, c2) was read as.
    Fraction coefficient(std::size_t i) const;

    // The solution's value of an unknown, rounded to the shown digits by the program's one rule
    // (platform::roundedDecimal). Unique systems only.
    platform::Decimal shown(Unknown unknown) const;

    // Whether the value shown (as shown() gives it) is rounded, and the exact value where it is
    // short. Unique systems only.
    Exactness exactness(Unknown unknown, const platform::Decimal &shown) const;

private:
    struct Values;
    explicit System(std::shared_ptr<const Values> values);
    std::shared_ptr<const Values> m_values;
};

// The value of a scanned number, every digit of it (3 for "3,000", 255 for "&HFF"); none for a
// hexadecimal or octal number beyond the bounds.
std::optional<platform::Decimal> valueRead(const platform::ScannedNumber &number);

} // namespace solver::exact
