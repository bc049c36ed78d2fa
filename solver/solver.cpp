#include "solver.h"

#include "exact.h"

#include "platform/arithmetic.h"
#include "platform/conversions.h"
#include "platform/runtimeerror.h"

#include <array>
#include <cmath>
#include <optional>

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

Coefficients toCoefficients(const std::array<platform::ScannedNumber, 6> &n)
{
    using platform::toNumber;
    Coefficients c{};
    c.a1 = toNumber(n[0]);
    c.b1 = toNumber(n[1]);
    c.a2 = toNumber(n[3]);
    c.b2 = toNumber(n[4]);
    c.c1 = toNumber(n[2]);
    c.c2 = toNumber(n[5]);
    return c;
}

Analysis::Analysis(const CoefficientTexts &texts)
{
    using platform::scanNumber;
    // Each text scanned once, for the doubles and the exact values.
    const std::array<platform::ScannedNumber, 6> n = {scanNumber(texts.a1), scanNumber(texts.b1),
                                                      scanNumber(texts.c1), scanNumber(texts.a2),
                                                      scanNumber(texts.b2), scanNumber(texts.c2)};
    try {
        m_doubles = toCoefficients(n);
    } catch (const RuntimeError &) {
        // Beyond the double range: y() and x() say so.
    }
    m_exact = exact::System::analyse(n);
}

namespace {

ErrorCode verdict(exact::Kind kind)
{
    return kind == exact::Kind::NoSolution ? ErrorCode::NoSolution : ErrorCode::NotUnique;
}

// Y's divisor d = p − q is small beside the products it comes from.
bool nearlyParallel(const Coefficients &c)
{
    const double p = c.a2 * c.b1, q = c.a1 * c.b2;
    return std::fabs(p - q) < 1e-6 * (std::fabs(p) + std::fabs(q));
}

} // namespace

Result Analysis::solve(double (*compute)(const Coefficients &),
                       std::string (exact::System::*noteOn)(std::string_view, bool) const) const
{
    if (!m_doubles)
        throw RuntimeError(ErrorCode::Overflow);
    double value = 0.0;
    try {
        value = compute(*m_doubles);
    } catch (const RuntimeError &error) {
        // An overflow is reported as such; so is everything when the exact part gave up.
        const bool zeroDivisor =
            error.code() == ErrorCode::NoSolution || error.code() == ErrorCode::NotUnique;
        if (!zeroDivisor || !m_exact)
            throw;
        if (m_exact->kind() != exact::Kind::Unique)
            throw RuntimeError(verdict(m_exact->kind()));
        // One solution, but the doubles' divisor is zero: nearly parallel, or underflowed.
        throw RuntimeError(ErrorCode::Imprecise,
                           "The exact solution is " + m_exact->solutionText() + ".");
    }
    // Singular as typed: the doubles found one point of a line, or a huge number where no
    // solution exists.
    if (m_exact && m_exact->kind() != exact::Kind::Unique)
        throw RuntimeError(verdict(m_exact->kind()));
    Result result{platform::numberToText(value), {}};
    if (m_exact)
        result.note = ((*m_exact).*noteOn)(result.text, nearlyParallel(*m_doubles));
    return result;
}

Result Analysis::y() const
{
    return solve(&computeY, &exact::System::noteOnY);
}

Result Analysis::x() const
{
    return solve(&computeX, &exact::System::noteOnX);
}

} // namespace solver
