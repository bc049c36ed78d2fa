// The solver checked against exact rational arithmetic on many random systems.
#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <QtTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <string>

using platform::ErrorCode;
using platform::RuntimeError;

namespace {

using Int = std::int64_t;

struct System
{
    Int a1, b1, c1, a2, b2, c2; // the coefficients times `scale`
};

enum class Kind { Unique, NoSolution, NotUnique };

int rank2(Int a, Int b, Int c, Int d)
{
    if (a * d - b * c != 0)
        return 2;
    return (a || b || c || d) ? 1 : 0;
}

// The rank test: the system has one solution when the coefficient matrix has rank 2, and none
// when the augmented matrix's rank exceeds the coefficient matrix's.
Kind classify(const System &s)
{
    const int rankA = rank2(s.a1, s.b1, s.a2, s.b2);
    int rankAug = std::max({rankA, rank2(s.a1, s.c1, s.a2, s.c2), rank2(s.b1, s.c1, s.b2, s.c2)});
    if (rankAug < 1 && (s.c1 || s.c2))
        rankAug = 1;
    if (rankA == 2)
        return Kind::Unique;
    return rankAug > rankA ? Kind::NoSolution : Kind::NotUnique;
}

// The exact X and Y as quotients of integers. The integers are exact in a double (below 2^53),
// so one IEEE division gives the exact quotient rounded once.
double exactY(const System &s)
{
    return double(s.a1 * s.c2 - s.a2 * s.c1) / double(s.a1 * s.b2 - s.a2 * s.b1);
}

double exactX(const System &s)
{
    return double(s.b2 * s.c1 - s.b1 * s.c2) / double(s.a1 * s.b2 - s.a2 * s.b1);
}

std::string decimalText(Int v, int scale)
{
    if (scale == 1)
        return std::to_string(v);
    // The digits of |v| with the point placed before the last two (scale is 100).
    std::string digits = std::to_string(std::abs(v));
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, '.');
    if (v < 0)
        digits.insert(0, 1, '-');
    return digits;
}

struct Shown
{
    std::optional<std::string> y, x;
    std::optional<ErrorCode> error;
};

Shown solve(const System &s, int scale)
{
    const std::string t[] = {decimalText(s.a1, scale), decimalText(s.b1, scale),
                             decimalText(s.c1, scale), decimalText(s.a2, scale),
                             decimalText(s.b2, scale), decimalText(s.c2, scale)};
    const solver::CoefficientTexts texts{t[0], t[1], t[2], t[3], t[4], t[5]};
    Shown shown;
    try {
        shown.y = solver::solveY(texts);
        shown.x = solver::solveX(texts);
    } catch (const RuntimeError &e) {
        shown.error = e.code();
    }
    return shown;
}

System randomSystem(std::mt19937_64 &random, Int limit, bool manyZeros)
{
    std::uniform_int_distribution<Int> value(-limit, limit);
    std::uniform_int_distribution<int> coin(0, 3);
    auto pick = [&] { return manyZeros && coin(random) == 0 ? 0 : value(random); };
    System s{pick(), pick(), pick(), pick(), pick(), pick()};
    if (manyZeros && coin(random) == 0) { // make the rows proportional
        const Int k = value(random) % 4;
        s.a2 = s.a1 * k;
        s.b2 = s.b1 * k;
        if (coin(random) < 2)
            s.c2 = s.c1 * k;
    }
    return s;
}

// Units in the 15th significant digit between two values, on the scale of the exact one.
long long unitsIn15thDigit(double shown, double exact)
{
    if (exact == 0.0)
        return shown == 0.0 ? 0 : std::numeric_limits<long long>::max();
    const double unit = std::pow(10.0, std::floor(std::log10(std::fabs(exact))) - 14);
    return std::llround(std::fabs(shown - exact) / unit);
}

} // namespace

class TestCrossCheck : public QObject
{
    Q_OBJECT

private slots:
    void integerSystems();
    void decimalSystems();
};

// Integer coefficients up to 1000: every product and difference is exact, so Y is the exact
// quotient rounded once and must show exactly. X carries Y's rounding: with Y = Y*(1+e1),
// t = p·Y(1+e2), u = (r − t)(1+e3) and X = u/m·(1+e4), |ei| <= 2^-53, and since r − p·Y* = m·X*,
//   |X − X*| <= 2^-53 · (2·|X*| + 2·|p·Y*/m|) + O(2^-106),
// where p·Y/m = b1·Y/a1 measures the cancellation in r − t. The check allows 2.5·2^-53 for the
// second-order terms. When m = 0, X is Cramer's single quotient and must show exactly.
void TestCrossCheck::integerSystems()
{
    std::mt19937_64 random(20261207);
    const int cases = 100000;
    int unique = 0, yExact = 0, xExact = 0;
    std::map<long long, int> xUnits;
    for (int i = 0; i < cases; ++i) {
        const System s = randomSystem(random, 1000, i % 2 == 1);
        const Kind kind = classify(s);
        const Shown shown = solve(s, 1);
        if (kind != Kind::Unique) {
            QVERIFY(shown.error.has_value());
            QCOMPARE(*shown.error,
                     kind == Kind::NoSolution ? ErrorCode::NoSolution : ErrorCode::NotUnique);
            continue;
        }
        ++unique;
        QVERIFY2(!shown.error, "a system with one solution failed");
        const double y = exactY(s), x = exactX(s);
        QCOMPARE(*shown.y, platform::numberToText(y));
        ++yExact;

        const double xShown = solver::computeX(
            {double(s.a1), double(s.b1), double(s.c1), double(s.a2), double(s.b2), double(s.c2)});
        if (s.a1 * s.a2 == 0) {
            QCOMPARE(*shown.x, platform::numberToText(x));
        } else {
            const double u = std::ldexp(1.0, -53);
            const double bound =
                2.5 * u * (std::fabs(x) + std::fabs(double(s.b1) * y / double(s.a1)));
            QVERIFY2(
                std::fabs(xShown - x) <= bound,
                qPrintable(QString("X %1 vs exact %2").arg(xShown, 0, 'g', 17).arg(x, 0, 'g', 17)));
        }
        if (*shown.x == platform::numberToText(x))
            ++xExact;
        else
            ++xUnits[unitsIn15thDigit(platform::textToNumber(*shown.x), x)];
    }
    qInfo("integer systems: %d cases, %d with one solution; Y shown exactly in %d, X in %d", cases,
          unique, yExact, xExact);
    const std::pair<long long, const char *> buckets[] = {
        {0, "under 1"},   {1, "1"},
        {2, "2"},         {9, "3 to 9"},
        {99, "10 to 99"}, {std::numeric_limits<long long>::max() - 1, "100 or more"}};
    auto next = xUnits.begin();
    for (auto [upTo, label] : buckets) {
        int count = 0;
        for (; next != xUnits.end() && next->first <= upTo; ++next)
            count += next->second;
        qInfo("  X off by %s unit(s) in the 15th digit: %d", label, count);
    }
    qInfo("  X shown non-zero where the exact X is 0: %d", next == xUnits.end() ? 0 : next->second);
    QVERIFY(unique > cases / 2);
}

// Coefficients with two decimals (like 0.5, 1.25, -3.75) are not exact in binary: this measures
// how often the shown Y and X are the text of the exact solution.
void TestCrossCheck::decimalSystems()
{
    std::mt19937_64 random(42);
    const int cases = 100000;
    int unique = 0, yExact = 0, xExact = 0, failed = 0;
    for (int i = 0; i < cases; ++i) {
        const System s = randomSystem(random, 1000, false);
        if (classify(s) != Kind::Unique)
            continue;
        ++unique;
        const Shown shown = solve(s, 100);
        if (shown.error) {
            ++failed;
            continue;
        }
        yExact += *shown.y == platform::numberToText(exactY(s));
        xExact += *shown.x == platform::numberToText(exactX(s));
    }
    qInfo("two-decimal systems: %d with one solution; %d failed; Y exact in %d (%.2f%%), X exact "
          "in %d (%.2f%%)",
          unique, failed, yExact, 100.0 * yExact / unique, xExact, 100.0 * xExact / unique);
    QCOMPARE(failed, 0);
    QVERIFY(yExact > unique * 9 / 10);
    QVERIFY(xExact > unique * 8 / 10);
}

QTEST_APPLESS_MAIN(TestCrossCheck)
#include "tst_crosscheck.moc"
