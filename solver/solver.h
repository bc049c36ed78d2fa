#pragma once

#include <string>
#include <string_view>

// Solves a1·X + b1·Y = c1, a2·X + b2·Y = c2 by elimination. Every step is one checked double
// operation (platform/arithmetic.h) in a fixed order, so results are reproducible to the bit.
// Failures raise platform::RuntimeError: NoSolution or NotUnique when the system has no single
// solution, Overflow when a number read or formed leaves the double range.
//
// solveY and solveX also solve the equations as typed in exact arithmetic (solver/exact.h):
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

// Reads the six texts in the order a1, b1, a2, b2, c1, c2.
Coefficients readCoefficients(const CoefficientTexts &texts);

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

// Y and X from the boxes' texts.
Result solveY(const CoefficientTexts &texts);
Result solveX(const CoefficientTexts &texts);

} // namespace solver
