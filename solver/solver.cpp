#include "solver.h"

#include <algorithm>

#include "exact.h"

#include "platform/arithmetic.h"
#include "platform/conversions.h"
#include "platform/runtimeerror.h"

#include <array>
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

} // namespace

double computeY(const Coefficients &c)
{
    const Elimination e = eliminate(c);
    return divide(e.n, e.d);
}

double computeX(const Coefficients &c)
{
    double m = multiply(c.a2, c.a1);
    Elimination e = eliminate(c);
    double y = divide(e.n, e.d);
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

double toNumber(const platform::ScannedNumber &number)
{
    if (number.form != platform::ScannedNumber::Form::Decimal)
        return platform::radixDigitsToNumber(number.form, number.numerator.digits);
    if (number.denominator)
        return exact::fractionToNumber(number);
    return platform::decimalToNumber(number.numerator);
}

double textToNumber(std::string_view text, std::string_view groupSeparator)
{
    return solver::toNumber(platform::scanNumber(text, groupSeparator));
}

Coefficients toCoefficients(const std::array<platform::ScannedNumber, 6> &n)
{
    Coefficients c{};
    c.a1 = solver::toNumber(n[0]);
    c.b1 = solver::toNumber(n[1]);
    c.a2 = solver::toNumber(n[3]);
    c.b2 = solver::toNumber(n[4]);
    c.c1 = solver::toNumber(n[2]);
    c.c2 = solver::toNumber(n[5]);
    return c;
}

Analysis::Analysis(const CoefficientTexts &texts, std::string_view groupSeparator)
{
    // Each text scanned once, for the doubles and the exact values.
    std::array<platform::ScannedNumber, 6> n;
    std::transform(texts.begin(), texts.end(), n.begin(), [&](const std::string &text) {
        return platform::scanNumber(text, groupSeparator);
    });
    try {
        m_doubles = toCoefficients(n);
    } catch (const RuntimeError &) {
        // Beyond the double range: y() and x() say so.
    }
    m_exact = exact::System::analyse(n);
    const auto beyond = std::find_if_not(n.begin(), n.end(), &exact::withinBounds);
    if (beyond != n.end())
        m_beyondBounds = static_cast<std::size_t>(beyond - n.begin());
}

namespace {

ErrorCode failureOf(exact::Kind kind)
{
    return kind == exact::Kind::NoSolution ? ErrorCode::NoSolution : ErrorCode::NotUnique;
}

// The double steps run in full, in their fixed order, whatever the exact part finds.
DoubleSteps runSteps(const std::optional<Coefficients> &doubles,
                     double (*compute)(const Coefficients &))
{
    using Outcome = DoubleSteps::Outcome;
    if (!doubles)
        return {Outcome::Unread, {}};
    try {
        return {Outcome::Value, platform::shownDecimal(compute(*doubles))};
    } catch (const RuntimeError &error) {
        return {error.code() == ErrorCode::Overflow ? Outcome::Overflow : Outcome::DivisionByZero,
                {}};
    }
}

} // namespace

Result Analysis::solve(exact::Unknown unknown, double (*compute)(const Coefficients &)) const
{
    Result result;
    result.steps = runSteps(m_doubles, compute);
    if (!m_exact) {
        // Beyond the exact part's bounds: the double steps' result, or their failure.
        switch (result.steps.outcome) {
        case DoubleSteps::Outcome::Value:
            break;
        case DoubleSteps::Outcome::DivisionByZero:
            throw RuntimeError(ErrorCode::DivisionByZero);
        case DoubleSteps::Outcome::Overflow:
        case DoubleSteps::Outcome::Unread:
            throw RuntimeError(ErrorCode::Overflow);
        }
        result.value = result.steps.value;
        result.unchecked = true;
        return result;
    }
    if (!m_exact->determines(unknown))
        throw RuntimeError(failureOf(m_exact->kind()));

    result.value = m_exact->shown(unknown);
    const exact::Exactness exactness = m_exact->exactness(unknown, result.value);
    result.rounded = exactness.rounded;
    result.exact = exactness.exact;
    return result;
}

std::optional<Solutions> Analysis::solutions() const
{
    if (!m_exact || m_exact->kind() != exact::Kind::NotUnique)
        return std::nullopt;
    return m_exact->solutions();
}

Verdict Analysis::verdict() const
{
    Verdict v;
    v.solutions = solutions();
    v.beyondBounds = m_beyondBounds;
    if (m_exact && m_exact->impossibleEquation()) {
        v.impossibleEquation = m_exact->impossibleEquation();
        v.impossibleRightSide = m_exact->coefficient(*v.impossibleEquation == 1 ? 2 : 5);
    }
    return v;
}

Result Analysis::y() const
{
    return solve(exact::Unknown::Y, &computeY);
}

Result Analysis::x() const
{
    return solve(exact::Unknown::X, &computeX);
}

} // namespace solver
