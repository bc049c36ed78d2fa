#include "solver.h"

#include "platform/arithmetic.h"
#include "platform/conversions.h"
#include "platform/runtimeerror.h"

namespace solver {

using platform::divide;
using platform::ErrorCode;
using platform::multiply;
using platform::RuntimeError;
using platform::subtract;

namespace {

// The products and differences both unknowns start from, formed in this order.
struct Elimination
{
    double p, q, r, s, d, n;
};

Elimination eliminate(const Coefficients &c)
{
    Elimination e{};
    e.p = multiply(c.a2, c.b1);
    e.q = multiply(c.a1, c.b2);
    e.r = multiply(c.a2, c.c1);
    e.s = multiply(c.a1, c.c2);
    e.d = subtract(e.p, e.q);
    e.n = subtract(e.r, e.s);
    return e;
}

// Raised when the divisor d of Y is zero: tells a contradiction from a system that any point of
// a line (or of the plane) satisfies, by exact-zero tests on the same doubles.
[[noreturn]] void raiseSingular(const Coefficients &c, const Elimination &e)
{
    bool allZero = c.a1 == 0.0 && c.b1 == 0.0 && c.a2 == 0.0 && c.b2 == 0.0;
    bool consistent = allZero ? c.c1 == 0.0 && c.c2 == 0.0
                              : e.s == e.r && multiply(c.b1, c.c2) == multiply(c.b2, c.c1);
    throw RuntimeError(consistent ? ErrorCode::NotUnique : ErrorCode::NoSolution);
}

double yFrom(const Coefficients &c, const Elimination &e)
{
    if (e.d == 0.0)
        raiseSingular(c, e);
    return divide(e.n, e.d);
}

} // namespace

Coefficients readCoefficients(const CoefficientTexts &texts)
{
    using platform::textToNumber;
    Coefficients c{};
    c.a1 = textToNumber(texts.a1);
    c.b1 = textToNumber(texts.b1);
    c.a2 = textToNumber(texts.a2);
    c.b2 = textToNumber(texts.b2);
    c.c1 = textToNumber(texts.c1);
    c.c2 = textToNumber(texts.c2);
    return c;
}

double computeY(const Coefficients &c)
{
    return yFrom(c, eliminate(c));
}

double computeX(const Coefficients &c)
{
    double m = multiply(c.a2, c.a1);
    Elimination e = eliminate(c);
    double y = yFrom(c, e);
    if (m == 0.0) {
        // Equation 1 scaled by a2 says nothing about X here; Cramer's rule still gives it.
        double g = subtract(multiply(c.b2, c.c1), multiply(c.b1, c.c2));
        double h = subtract(e.q, e.p);
        return divide(g, h);
    }
    double t = multiply(e.p, y);
    double u = subtract(e.r, t);
    return divide(u, m);
}

std::string solveY(const CoefficientTexts &texts)
{
    return platform::numberToText(computeY(readCoefficients(texts)));
}

std::string solveX(const CoefficientTexts &texts)
{
    return platform::numberToText(computeX(readCoefficients(texts)));
}

} // namespace solver
