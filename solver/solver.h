#pragma once

#include "exact.h"

#include "platform/conversions.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Solves a1·X + b1·Y = c1, a2·X + b2·Y = c2. Two computations meet here:
// - the double steps: each step one checked double operation (platform/arithmetic.h) in a fixed
//   order, so their results are reproducible to the bit. They raise platform::RuntimeError:
//   DivisionByZero when a divisor is zero, Overflow when a number read or formed leaves the
//   double range;
// - the equations as typed, solved in exact arithmetic (solver/exact.h).
// A result box shows the exact solution, rounded to 15 significant digits, wherever the exact part
// finds it; its verdict is the one given whenever the system is singular. The double steps still
// run in full, and the result says what they gave. Only where the exact part gives
// up (texts beyond its bounds) does the box show the double steps' result, and their failures
// are the result's.
namespace solver {

// The six coefficient texts as typed, in UTF-8, in the order a1, b1, c1, a2, b2, c2: what the
// window reads from its boxes and remembers each result by.
using CoefficientTexts = std::array<std::string, 6>;

struct Coefficients
{
    double a1, b1, c1, a2, b2, c2;
};

// The double nearest a scanned number, whatever its form (a fraction's exact quotient, correctly
// rounded, included); one beyond the double range raises Overflow.
double toNumber(const platform::ScannedNumber &number);

// toNumber(platform::scanNumber(text, groupSeparator)).
double textToNumber(std::string_view text, std::string_view groupSeparator = {});

// The six scanned texts (a1, b1, c1, a2, b2, c2) rounded to doubles in the order a1, b1, a2, b2,
// c1, c2; a number beyond the double range raises Overflow.
Coefficients toCoefficients(const std::array<platform::ScannedNumber, 6> &scanned);

// Y = (a2·c1 − a1·c2) ÷ (a2·b1 − a1·b2).
double computeY(const Coefficients &c);

// X = (a2·c1 − (a2·b1)·Y) ÷ (a2·a1), with Y formed as computeY does. When a2·a1 is zero but the
// system still has one solution, X = (b2·c1 − b1·c2) ÷ (a1·b2 − a2·b1) instead.
double computeX(const Coefficients &c);

// What the double steps, one checked operation at a time in their fixed order, gave for an
// unknown.
struct DoubleSteps
{
    enum class Outcome {
        Value,          // a value: `value`
        DivisionByZero, // a step divides by zero
        Overflow,       // a step overflows, or the value is too close to the top of the range to
                        // be written
        Unread,         // a coefficient is beyond the range of doubles, so no step ran
    };
    Outcome outcome = Outcome::Value;
    platform::Decimal value; // rounded to the shown digits, as a box would show it
};

using exact::Number;
using exact::Solutions;
using exact::Told;

// What a result box shows, and what is known of it: the facts the window words.
struct Result
{
    platform::Decimal value;     // rounded to the shown digits
    bool rounded = false;        // value is not the exact value
    std::optional<Number> exact; // where rounded, the exact value where it is short
    DoubleSteps steps;
    // The coefficients are beyond the exact part's bounds: value is the double steps' own, and
    // nothing checked it.
    bool unchecked = false;

    // Whether the double steps gave anything other than the value shown.
    bool stepsDiffer() const
    {
        return steps.outcome != DoubleSteps::Outcome::Value || steps.value != value;
    }
};

// What is known of equations that fail a computation: the facts its message words.
struct Verdict
{
    std::optional<Solutions> solutions; // infinitely many: every solution
    // No solution because an equation (1 or 2) reads 0·X + 0·Y = c, c not zero: which, and c.
    std::optional<int> impossibleEquation;
    std::optional<Number> impossibleRightSide;
    // The first coefficient (0 to 5: a1, b1, c1, a2, b2, c2) beyond the exact part's bounds.
    std::optional<std::size_t> beyondBounds;
};

// The six texts read once, for both unknowns: each text scanned once, rounded to a double in the
// order a1, b1, a2, b2, c1, c2, and the equations as typed analysed once in exact arithmetic.
// Reading never fails here: a number beyond the double range fails only the double steps.
class Analysis
{
public:
    // groupSeparator: the user's, as platform::scanNumber takes it.
    explicit Analysis(const CoefficientTexts &texts, std::string_view groupSeparator = {});

    // What a result box shows for Y and for X, or the error that stops it. An unknown that
    // equations with infinitely many solutions fix (X + 0Y = 2, 2X + 0Y = 4 fix X) is shown as
    // with one solution; the other fails as NotUnique.
    Result y() const;
    Result x() const;

    // The doubles read; none when a text lies beyond the double range.
    const std::optional<Coefficients> &coefficients() const { return m_doubles; }
    // The equations as typed; none where a text is beyond the exact part's bounds.
    const std::optional<exact::System> &exact() const { return m_exact; }
    // Every solution, where the equations have infinitely many.
    std::optional<Solutions> solutions() const;
    // What a failure's message says of the equations.
    Verdict verdict() const;

private:
    Result solve(exact::Unknown unknown, double (*compute)(const Coefficients &)) const;

    std::optional<Coefficients> m_doubles;
    std::optional<exact::System> m_exact;
    std::optional<std::size_t> m_beyondBounds;
};

} // namespace solver
