#pragma once

#include "exact.h"

#include "platform/conversions.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Solves a1·X + b1·Y = c1, a2·X + b2·Y = c2 by elimination. Every step is one checked double
// operation (platform/arithmetic.h) in a fixed order, so results are reproducible to the bit.
// Failures raise platform::RuntimeError: NoSolution or NotUnique when the system has no single
// solution, Overflow when a number read or formed leaves the double range.
//
// Analysis also solves the equations as typed in exact arithmetic (solver/exact.h):
// its verdict is the one given whenever the system is singular, a double result is withheld
// where the doubles only found rounding noise (Imprecise, with the exact solution), and each
// result comes with a note that gives the exact value where the text is not it.
namespace solver {

struct CoefficientTexts
{
    std::string_view a1, b1, c1, a2, b2, c2;
};

struct Coefficients
{
    double a1, b1, c1, a2, b2, c2;
};

// The six scanned texts (a1, b1, c1, a2, b2, c2) rounded to doubles in the order a1, b1, a2, b2,
// c1, c2; a number beyond the double range raises Overflow.
Coefficients toCoefficients(const std::array<platform::ScannedNumber, 6> &scanned);

// Y = (a2·c1 − a1·c2) ÷ (a2·b1 − a1·b2).
double computeY(const Coefficients &c);

// X = (a2·c1 − (a2·b1)·Y) ÷ (a2·a1), with Y formed as computeY does. When a2·a1 is zero but the
// system still has one solution, X = (b2·c1 − b1·c2) ÷ (a1·b2 − a2·b1) instead.
double computeX(const Coefficients &c);

// What a result box shows: the double result's text, and what is known of it ("Exactly 1/5 =
// 0.2."; empty when the text is exact or the exact part gave up).
struct Result
{
    std::string text;
    std::string note;
};

// The six texts read once, for both unknowns: each text scanned once, rounded to a double in the
// order a1, b1, a2, b2, c1, c2, and the equations as typed analysed once in exact arithmetic.
// Reading never fails here: a number beyond the double range makes y() and x() raise Overflow,
// as reading it would have.
class Analysis
{
public:
    explicit Analysis(const CoefficientTexts &texts);

    // What a result box shows for Y and for X (the double steps in their fixed order, the exact
    // verdict and note), or the error that stops it.
    Result y() const;
    Result x() const;

    // The doubles read; none when a text lies beyond the double range.
    const std::optional<Coefficients> &coefficients() const { return m_doubles; }
    // The equations as typed; none where a text is beyond the exact part's bounds.
    const std::optional<exact::System> &exact() const { return m_exact; }

private:
    Result solve(double (*compute)(const Coefficients &),
                 std::string (exact::System::*noteOn)(std::string_view, bool) const) const;

    std::optional<Coefficients> m_doubles;
    std::optional<exact::System> m_exact;
};

} // namespace solver
