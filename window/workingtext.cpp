#include "workingtext.h"

#include "wording.h"

#include "solver/exact.h"

#include <optional>
#include <tuple>

namespace {

using solver::Number;

const QString times = QStringLiteral("\u00B7");
const QString minusSign = QStringLiteral("\u2212");

// A number in a formula: a fraction or a negative number in parentheses where it multiplies.
QString factor(const Number &value)
{
    const QString text = Wording::number(value);
    return value.denominator || value.value.negative ? QStringLiteral("(%1)").arg(text) : text;
}

// "2·X + 3·Y": a left side from its coefficients, a minus sign for a negative second one.
QString leftSide(const Number &a, const QString &first, const Number &b, const QString &second)
{
    Number magnitude = b;
    magnitude.value.negative = false;
    const QString sign = b.value.negative ? minusSign : QStringLiteral("+");
    return QStringLiteral("%1%2%3 %4 %5%2%6")
        .arg(factor(a), times, first, sign, factor(magnitude), second);
}

// "X = 144/23 ≈ 6.26086956521739", or "X = 2" where the exact value is what the box shows.
QString withDecimal(const QString &unknown, const Number &exact, const platform::Decimal &shown)
{
    const QString value = Wording::number(exact);
    if (!exact.denominator && exact.value == shown)
        return Wording::equation(unknown, value);
    return QStringLiteral("%1 \u2248 %2")
        .arg(Wording::equation(unknown, value), Wording::number(shown));
}

} // namespace

QString WorkingText::title()
{
    return tr("The working");
}

QString WorkingText::copyCaption()
{
    return tr("&Copy the answer");
}

QStringList WorkingText::lines(const solver::Analysis &analysis, const Boxes &boxes)
{
    QStringList out;
    const solver::Verdict verdict = analysis.verdict();
    const auto &system = analysis.exact();
    if (!system) {
        out << tr("The working cannot be shown exactly: %1.")
                   .arg(Wording::beyondBounds(Wording::coefficientName(verdict.beyondBounds)));
        return out;
    }
    std::array<Number, 6> c;
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = boxes.read[i].value_or(system->coefficient(i));
    const auto &[a1, b1, c1, a2, b2, c2] = c;

    // The equations as read, and each box not read as typed.
    out << tr("The equations as read:")
        << QStringLiteral("%1 = %2").arg(leftSide(a1, "X", b1, "Y"), Wording::number(c1))
        << QStringLiteral("%1 = %2").arg(leftSide(a2, "X", b2, "Y"), Wording::number(c2));
    for (std::size_t i = 0; i < boxes.misreadTexts.size(); ++i) {
        if (!boxes.misreadTexts[i].isEmpty())
            out << tr("%1, typed %2, was read as %3.")
                       .arg(Wording::coefficientName(i), Wording::quote(boxes.misreadTexts[i]),
                            boxes.misreadValues[i]);
    }
    if (boxes.resultsShown)
        out << (boxes.resultsCurrent
                    ? tr("The result boxes show the answer to these equations.")
                    : tr("The result boxes show results of earlier equations: Calculate (%1) "
                         "computes these.")
                          .arg(boxes.calculateKey));

    // X eliminated: equation 1 times a2, less equation 2 times a1.
    const solver::exact::Working w = system->working();
    out << QString()
        << tr("X is eliminated: equation 1 times a2 = %1, less equation 2 times a1 = %2:")
               .arg(Wording::number(a2), Wording::number(a1))
        << QStringLiteral("(%1 %2 %3)%4Y = %5 %2 %6")
               .arg(Wording::number(w.p), minusSign, factor(w.q), times, Wording::number(w.r),
                    factor(w.s))
        << QStringLiteral("%1%2Y = %3").arg(factor(w.d), times, Wording::number(w.n));
    if (!w.y) {
        out << QString()
            << tr("a2%1b1 %2 a1%1b2 = 0: the left sides are proportional, so there is no single "
                  "solution.")
                   .arg(times, minusSign);
        if (system->kind() == solver::exact::Kind::NoSolution && !verdict.impossibleEquation)
            out << tr("a2%1c1 %2 a1%1c2 = %3, not 0: the right sides are not in that proportion, "
                      "so no X and Y satisfy both equations.")
                       .arg(times, minusSign, Wording::number(w.n));
        else
            out << Wording::error(system->kind() == solver::exact::Kind::NoSolution
                                      ? platform::ErrorCode::NoSolution
                                      : platform::ErrorCode::NotUnique,
                                  verdict);
        return out;
    }
    out << QStringLiteral("Y = %1 \u00F7 %2 = %3")
               .arg(Wording::number(w.n), factor(w.d), Wording::number(*w.y));
    if (w.route == solver::exact::Working::Route::Equation1) {
        out << tr("X from equation 1 times a2, with that Y:")
            << QStringLiteral("%1%2X = %3 %4 %5%2%6 = %3 %4 %7 = %8")
                   .arg(factor(w.m), times, Wording::number(w.r), minusSign, factor(w.p),
                        factor(*w.y), factor(w.t), Wording::number(w.u))
            << QStringLiteral("X = %1 \u00F7 %2 = %3")
                   .arg(Wording::number(w.u), factor(w.m), Wording::number(*w.x));
    } else {
        out << tr("a1%1a2 = 0, so X comes from the two equations by Cramer's rule:").arg(times)
            << QStringLiteral(
                   "X = (b2%1c1 %2 b1%1c2) \u00F7 (a1%1b2 %2 a2%1b1) = %3 \u00F7 %4 = %5")
                   .arg(times, minusSign, Wording::number(w.g), factor(w.h), Wording::number(*w.x));
    }

    // The answer, and the check.
    out << QString() << tr("The answer:")
        << withDecimal("X", *w.x, system->shown(solver::exact::Unknown::X))
        << withDecimal("Y", *w.y, system->shown(solver::exact::Unknown::Y));
    out << QString() << tr("The check, with X and Y put back, both sides equal:");
    const Number x = *w.x, y = *w.y;
    for (const auto &[a, b, rhs, left] :
         {std::tuple{a1, b1, c1, *w.left1}, std::tuple{a2, b2, c2, *w.left2}}) {
        out << QStringLiteral("%1 = %2 = %3")
                   .arg(leftSide(a, factor(x), b, factor(y)), Wording::number(left),
                        Wording::number(rhs));
    }
    return out;
}

QString WorkingText::answer(const solver::Analysis &analysis)
{
    const auto &system = analysis.exact();
    if (!system)
        return tr("The working cannot be shown exactly: %1.")
            .arg(Wording::beyondBounds(Wording::coefficientName(analysis.verdict().beyondBounds)));
    const solver::exact::Working w = system->working();
    if (!w.y)
        return Wording::error(system->kind() == solver::exact::Kind::NoSolution
                                  ? platform::ErrorCode::NoSolution
                                  : platform::ErrorCode::NotUnique,
                              analysis.verdict());
    return Wording::list({withDecimal("X", *w.x, system->shown(solver::exact::Unknown::X)),
                          withDecimal("Y", *w.y, system->shown(solver::exact::Unknown::Y))});
}
