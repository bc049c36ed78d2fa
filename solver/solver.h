#pragma once

#include <string>
#include <string_view>

// Solves a1·X + b1·Y = c1, a2·X + b2·Y = c2 by elimination. Every step is one checked double
// operation (platform/arithmetic.h) in a fixed order, so results are reproducible to the bit.
// Failures raise platform::RuntimeError: NoSolution or NotUnique when the system has no single
// solution, Overflow when a number read or formed leaves the double range.
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

// The text to show for Y and for X, read from and written as the boxes' texts.
std::string solveY(const CoefficientTexts &texts);
std::string solveX(const CoefficientTexts &texts);

} // namespace solver
