#include "platform/runtimeerror.h"
#include "solver/solver.h"
#include "testsupport.h"

#include <QtTest>

#include <cmath>
#include <optional>
#include <random>
#include <string>

using platform::ErrorCode;
using platform::RuntimeError;

namespace {

// The text shown for a result, or the error it raised.
struct Outcome
{
    std::optional<std::string> text;
    std::optional<ErrorCode> error;
};

template <typename Solve>
Outcome run(Solve solve, const solver::CoefficientTexts &texts)
{
    try {
        return {solve(texts), std::nullopt};
    } catch (const RuntimeError &e) {
        return {std::nullopt, e.code()};
    }
}

QString show(const Outcome &o)
{
    if (o.text)
        return QString::fromStdString(*o.text);
    switch (*o.error) {
    case ErrorCode::DivisionByZero:
        return "<division by zero>";
    case ErrorCode::Overflow:
        return "<overflow>";
    case ErrorCode::NoSolution:
        return "<no solution>";
    case ErrorCode::NotUnique:
        return "<not unique>";
    }
    return "<?>";
}

// The steps of the elimination written out one by one; volatile keeps each one rounded to a
// double on its own, whatever the compiler flags.
struct Stepwise
{
    double y, x;
};

Stepwise stepwise(double a1, double b1, double c1, double a2, double b2, double c2)
{
    volatile double m = a2 * a1;
    volatile double p = a2 * b1;
    volatile double q = a1 * b2;
    volatile double r = a2 * c1;
    volatile double s = a1 * c2;
    volatile double d = p - q;
    volatile double n = r - s;
    volatile double y = n / d;
    volatile double t = p * y;
    volatile double u = r - t;
    volatile double x = u / m;
    return {y, x};
}

} // namespace

class TestSolver : public QObject
{
    Q_OBJECT

private slots:
    void solves_data();
    void solves();
    void followsStepOrderToTheBit();
    void keepsStepsWhenCramerWouldDiffer();
    void readsInOrderFromTexts();
};

void TestSolver::solves_data()
{
    QTest::addColumn<QString>("a1");
    QTest::addColumn<QString>("b1");
    QTest::addColumn<QString>("c1");
    QTest::addColumn<QString>("a2");
    QTest::addColumn<QString>("b2");
    QTest::addColumn<QString>("c2");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("x");

    // clang-format off
    QTest::newRow("2X+3Y=8, X+Y=3")                         << "2"      << "3"     << "8"      << "1"     << "1"      << "3"     << "2"                 << "1";
    QTest::newRow("X+2Y=4, 3X-Y=5")                         << "1"      << "2"     << "4"      << "3"     << "-1"     << "5"     << "1"                 << "2";
    QTest::newRow("a2 = 0: X by Cramer's rule")             << "1"      << "1"     << "3"      << "0"     << "1"      << "1"     << "1"                 << "2";
    QTest::newRow("a1 = 0: X by Cramer's rule")             << "0"      << "1"     << "2"      << "1"     << "1"      << "3"     << "2"                 << "1";
    QTest::newRow("both X coefficients 0, Y alone")         << "0"      << "2"     << "4"      << "0"     << "1"      << "5"     << "<no solution>"     << "<no solution>";
    QTest::newRow("parallel")                               << "1"      << "1"     << "1"      << "2"     << "2"      << "3"     << "<no solution>"     << "<no solution>";
    QTest::newRow("same line twice")                        << "1"      << "1"     << "1"      << "2"     << "2"      << "2"     << "<not unique>"      << "<not unique>";
    QTest::newRow("all empty")                              << ""       << ""      << ""       << ""      << ""       << ""      << "<not unique>"      << "<not unique>";
    QTest::newRow("no unknowns, nonzero right side")        << "0"      << "0"     << "1"      << "0"     << "0"      << "0"     << "<no solution>"     << "<no solution>";
    QTest::newRow("one empty equation, one line")           << "1"      << "1"     << "2"      << "0"     << "0"      << "0"     << "<not unique>"      << "<not unique>";
    QTest::newRow("empty equation with nonzero right side") << "1"      << "1"     << "2"      << "0"     << "0"      << "5"     << "<no solution>"     << "<no solution>";
    QTest::newRow("Y-only equations agreeing")              << "0"      << "2"     << "4"      << "0"     << "1"      << "2"     << "<not unique>"      << "<not unique>";
    QTest::newRow("X-only equations contradicting")         << "1"      << "0"     << "1"      << "2"     << "0"      << "3"     << "<no solution>"     << "<no solution>";
    QTest::newRow("letters read as 0, 3x as 3")             << "abc"    << "1"     << "3x"     << "1"     << "1"      << "5"     << "3"                 << "2";
    QTest::newRow("decimals")                               << "0.5"    << "1.5"   << "2.5"    << "1"     << "-1"     << "1"     << "1"                 << "2";
    QTest::newRow("inexact third")                          << "3"      << "0"     << "1"      << "0"     << "3"      << "1"     << "0.333333333333333" << "0.333333333333333";
    QTest::newRow("coefficient too large to read")          << "1e400"  << "1"     << "1"      << "1"     << "2"      << "1"     << "<overflow>"        << "<overflow>";
    QTest::newRow("product overflows")                      << "1e200"  << "1e200" << "1"      << "1e200" << "2"      << "1"     << "<overflow>"        << "<overflow>";
    QTest::newRow("quotient overflows")                     << "1"      << "0"     << "0"      << "0"     << "1e-300" << "1e300" << "<overflow>"        << "<overflow>";
    QTest::newRow("tiny but exact")                         << "1e-300" << "0"     << "1e-300" << "0"     << "1"      << "2"     << "2"                 << "1";
    // clang-format on
}

void TestSolver::solves()
{
    QFETCH(QString, a1);
    QFETCH(QString, b1);
    QFETCH(QString, c1);
    QFETCH(QString, a2);
    QFETCH(QString, b2);
    QFETCH(QString, c2);
    QFETCH(QString, y);
    QFETCH(QString, x);
    const std::string t[] = {a1.toStdString(), b1.toStdString(), c1.toStdString(),
                             a2.toStdString(), b2.toStdString(), c2.toStdString()};
    const solver::CoefficientTexts texts{t[0], t[1], t[2], t[3], t[4], t[5]};
    QCOMPARE(show(run(solver::solveY, texts)), y);
    QCOMPARE(show(run(solver::solveX, texts)), x);
}

// These coefficients give a different last bit for Y and X when a product is fused into the
// difference that follows it (a multiply-add), so they catch a build that contracts.
void TestSolver::followsStepOrderToTheBit()
{
    const double a1 = -1.7, b1 = 9.9, c1 = 4.4, a2 = 8.6, b2 = -9.9, c2 = -7.4;
    const Stepwise expected = stepwise(a1, b1, c1, a2, b2, c2);

    const double q = a1 * b2, s = a1 * c2;
    const double fusedY = std::fma(a2, c1, -s) / std::fma(a2, b1, -q);
    const double p = a2 * b1, r = a2 * c1;
    const double fusedX = std::fma(-p, expected.y, r) / (a2 * a1);
    QVERIFY(!sameBits(fusedY, expected.y));
    QVERIFY(!sameBits(fusedX, expected.x));

    const solver::Coefficients c{a1, b1, c1, a2, b2, c2};
    COMPARE_BITS(solver::computeY(c), expected.y);
    COMPARE_BITS(solver::computeX(c), expected.x);
}

// When a2·a1 is not zero, X comes from the elimination steps, not from Cramer's rule, even
// where the two differ in the last bit.
void TestSolver::keepsStepsWhenCramerWouldDiffer()
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> tenths(-99, 99);
    int differing = 0;
    for (int i = 0; i < 20000; ++i) {
        const double a1 = tenths(random) / 10.0, b1 = tenths(random) / 10.0,
                     c1 = tenths(random) / 10.0, a2 = tenths(random) / 10.0,
                     b2 = tenths(random) / 10.0, c2 = tenths(random) / 10.0;
        if (a2 * a1 == 0.0 || a2 * b1 - a1 * b2 == 0.0)
            continue;
        const Stepwise expected = stepwise(a1, b1, c1, a2, b2, c2);
        volatile double g = b2 * c1 - b1 * c2;
        volatile double h = a1 * b2 - a2 * b1;
        if (!sameBits(g / h, expected.x))
            ++differing;
        const solver::Coefficients c{a1, b1, c1, a2, b2, c2};
        COMPARE_BITS(solver::computeY(c), expected.y);
        COMPARE_BITS(solver::computeX(c), expected.x);
    }
    QVERIFY2(differing > 100, "the sample should include systems where the two rules differ");
}

// Each coefficient comes from its own box: swapping any two texts changes the result.
void TestSolver::readsInOrderFromTexts()
{
    const solver::Coefficients c = solver::readCoefficients({"1", "2", "3", "4", "5", "6"});
    QCOMPARE(c.a1, 1.0);
    QCOMPARE(c.b1, 2.0);
    QCOMPARE(c.c1, 3.0);
    QCOMPARE(c.a2, 4.0);
    QCOMPARE(c.b2, 5.0);
    QCOMPARE(c.c2, 6.0);
}

QTEST_APPLESS_MAIN(TestSolver)
#include "tst_solver.moc"
