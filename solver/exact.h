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

inline constexpr std::size_t maxDigits = platform::exactDigits;
inline constexpr long long maxExponent = platform::exactExponent;

enum class Kind {
    Unique,     // the determinant is not zero: one solution
    NoSolution, // the determinant is zero and the equations contradict each other
    NotUnique,  // the determinant is zero and the equations agree: infinitely many solutions
};

enum class Unknown { X, Y };

// A number as the program tells it exactly: a decimal, or a fraction of whole numbers in lowest
// terms with a positive denominator other than 1.
struct Number
{
    platform::Decimal value; // the decimal, or the fraction's numerator
    std::optional<platform::Decimal> denominator;

    bool operator==(const Number &) const = default;
};

// A number told as briefly as it is exact: a decimal of at most the shown digits, else a fraction
// of at most the shown digits above and below, else the decimal rounded to the shown digits.
struct Told
{
    Number number;
    bool rounded = false;
};

// What is known of a shown value against the exact one.
struct Exactness
{
    bool rounded = false;        // the value shown is not the exact value
    std::optional<Number> exact; // where rounded, the exact value where it is short: a decimal
                                 // of at most 30 significant digits, else a fraction of at most
                                 // the shown digits above and below
};

// Every solution of a system that has infinitely many.
struct Solutions
{
    enum class Form {
        XFromY, // X = constant − slope·Y, for any Y (a slope of 0: X is constant, Y anything)
        YAlone, // Y = constant, for any X
        Any,    // every pair of X and Y
    };
    Form form = Form::Any;
    Told constant;
    Told slope;
};

// How the equations were solved, step by step, in exact numbers: X eliminated by taking equation
// 1 times a2 less equation 2 times a1, which leaves d·Y = n; then X from equation 1 times a2 with
// that Y, or, where a1·a2 is zero, by Cramer's rule. Each number is exact: a decimal where it
// ends within the shown digits, else a fraction in lowest terms.
struct Working
{
    Number p, q, r, s;       // a2·b1, a1·b2, a2·c1, a1·c2
    Number d, n;             // p − q and r − s: d·Y = n
    std::optional<Number> y; // n ÷ d, where d is not zero
    enum class Route {
        Equation1, // m = a2·a1, t = p·Y, u = r − t: m·X = u
        Cramer,    // a1·a2 = 0: g = b2·c1 − b1·c2, h = a1·b2 − a2·b1 (= −d): h·X = g
    };
    Route route = Route::Equation1;
    Number m, t, u; // Equation1
    Number g, h;    // Cramer
    std::optional<Number> x;
    // With X and Y put back: the left side of each equation, which equals its right side.
    std::optional<Number> left1, left2;
};

class System
{
public:
    // The system of the six coefficients a1, b1, c1, a2, b2, c2; none where a text is beyond
    // the bounds.
    static std::optional<System> analyse(const std::array<platform::ScannedNumber, 6> &numbers);

    Kind kind() const;

    // Whether the equations fix an unknown's value: always with one solution, and with
    // infinitely many where the other unknown appears in neither equation (X + 0Y = 2,
    // 2X + 0Y = 4 fix X). shown() and exactness() take such an unknown too.
    bool determines(Unknown unknown) const;

    // The first equation (1 or 2) that no X and Y satisfy on its own, 0·X + 0·Y = c with c not
    // zero; none otherwise.
    std::optional<int> impossibleEquation() const;

    // The exact value coefficient i (a1, b1, c1, a2, b2, c2) was read as, as a fraction (no
    // denominator for a whole number).
    Number coefficient(std::size_t i) const;

    // The solution's value of an unknown, rounded to the shown digits by the program's one rule
    // (platform::roundedDecimal). Unknowns the equations determine only.
    platform::Decimal shown(Unknown unknown) const;

    // Whether the value shown (as shown() gives it) is rounded, and the exact value where it is
    // short. Unknowns the equations determine only.
    Exactness exactness(Unknown unknown, const platform::Decimal &shown) const;

    // Every solution, of a system with infinitely many.
    Solutions solutions() const;

    // The elimination's steps, for any system: where d is zero, the steps stop there.
    Working working() const;

private:
    struct Values;
    explicit System(std::shared_ptr<const Values> values);
    std::shared_ptr<const Values> m_values;
};

// Whether a scanned number lies within the exact bounds, so that the exact part can take it.
bool withinBounds(const platform::ScannedNumber &number);

// A number in lowest terms, as a fraction (no denominator for a whole number): two numbers are
// one value exactly when these are equal (0.5 and 1/2).
Number lowestTerms(const Number &number);

// The value of a scanned number, every digit of it (3 for "3,000", 255 for "&HFF", 3/8 for
// "1,5/4"); none for a hexadecimal or octal number beyond the bounds, or a decimal whose
// exponent was not counted.
std::optional<Number> scannedValue(const platform::ScannedNumber &number);

// The double nearest a fraction's exact quotient (correctly rounded, ties to even). One too
// large for a double raises ErrorCode::Overflow; one too small reads as 0 or a subnormal.
double fractionToNumber(const platform::ScannedNumber &fraction);

} // namespace solver::exact
