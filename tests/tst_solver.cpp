#include "facts.h"
#include "outcome.h"
#include "platform/runtimeerror.h"
#include "solver/exact.h"
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

Outcome run(solver::Result (solver::Analysis::*solve)() const,
            const solver::CoefficientTexts &texts)
{
    try {
        return {platform::decimalText((solver::Analysis(texts).*solve)().value), std::nullopt};
    } catch (const RuntimeError &e) {
        return {std::nullopt, e.code()};
    }
}

QString show(const Outcome &o)
{
    if (o.text)
        return QString::fromStdString(*o.text);
    return QString::fromStdString(outcomeText(*o.error));
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
    void readsExactValue_data();
    void readsExactValue();
    void notesTheExactValue_data();
    void notesTheExactValue();
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
    QTest::newRow("no unknowns, second right side nonzero") << "0"      << "0"     << "0"      << "0"     << "0"      << "1"     << "<no solution>"     << "<no solution>";
    QTest::newRow("fractions as typed")                     << "1/3"    << "1/3"   << "1"      << "1/2"   << "-1/2"   << "0"     << "1.5"               << "1.5";
    QTest::newRow("a fraction of decimals, exactly")        << "0,1/0.3" << "0"    << "1"      << "0"     << "3/-4"   << "1,5/4" << "-0.5"              << "3";
    QTest::newRow("one empty equation, one line")           << "1"      << "1"     << "2"      << "0"     << "0"      << "0"     << "<not unique>"      << "<not unique>";
    QTest::newRow("empty equation with nonzero right side") << "1"      << "1"     << "2"      << "0"     << "0"      << "5"     << "<no solution>"     << "<no solution>";
    QTest::newRow("Y-only equations agreeing: Y is fixed")  << "0"      << "2"     << "4"      << "0"     << "1"      << "2"     << "2"                 << "<not unique>";
    QTest::newRow("X-only equations agreeing: X is fixed")  << "1"      << "0"     << "2"      << "2"     << "0"      << "4"     << "<not unique>"      << "2";
    QTest::newRow("X-only equations contradicting")         << "1"      << "0"     << "1"      << "2"     << "0"      << "3"     << "<no solution>"     << "<no solution>";
    QTest::newRow("letters read as 0, 3x as 3")             << "abc"    << "1"     << "3x"     << "1"     << "1"      << "5"     << "3"                 << "2";
    QTest::newRow("decimals")                               << "0.5"    << "1.5"   << "2.5"    << "1"     << "-1"     << "1"     << "1"                 << "2";
    QTest::newRow("inexact third")                          << "3"      << "0"     << "1"      << "0"     << "3"      << "1"     << "0.333333333333333" << "0.333333333333333";
    QTest::newRow("beyond the doubles, solved exactly")     << "1e400"  << "1"     << "1"      << "1"     << "2"      << "1"     << "0.5"               << "5E-401";
    QTest::newRow("products overflow the doubles")          << "1e200"  << "1e200" << "1"      << "1e200" << "2"      << "1"     << "0"                 << "1E-200";
    QTest::newRow("a solution beyond the doubles")          << "1"      << "0"     << "0"      << "0"     << "1e-300" << "1e300" << "1E+600"            << "0";
    QTest::newRow("past the exact bounds, too large")       << "1e1001" << "1"     << "1"      << "1"     << "2"      << "1"     << "<overflow>"        << "<overflow>";
    QTest::newRow("past the exact bounds, divisor 0")       << "1." + QString(999, '0') + "1" << "1" << "1" << "1" << "1" << "2" << "<division by zero>" << "<division by zero>";
    QTest::newRow("tiny but exact")                         << "1e-300" << "0"     << "1e-300" << "0"     << "1"      << "2"     << "2"                 << "1";
    QTest::newRow("X exactly 1/5")                          << "1"      << "1"     << "-9"     << "6"     << "1"      << "-8"    << "-9.2"              << "0.2";
    QTest::newRow("X exactly 0")                            << "1"      << "3"     << "7"      << "9"     << "3"      << "7"     << "2.33333333333333"  << "0";
    QTest::newRow("nearly parallel decimals")               << "0.1"    << "0.2"   << "0.3"    << "0.2"   << "0.4000001" << "0.6000001" << "1"           << "1";
    QTest::newRow("products underflow: one solution")       << "1E-200" << "0"     << "1E-200" << "0"     << "1E-200" << "1E-200" << "1"                << "1";
    QTest::newRow("parallel in exact decimals")             << "0.1"    << "0.3"   << "1"      << "0.3"   << "0.9"    << "2"     << "<no solution>"     << "<no solution>";
    QTest::newRow("same line in exact decimals")            << "0.1"    << "0.3"   << "1"      << "0.3"   << "0.9"    << "3"     << "<not unique>"      << "<not unique>";
    QTest::newRow("comma as decimal mark")                  << "2,5"    << "0"     << "5"      << "0"     << "1"      << "1,5"   << "1.5"               << "2";
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
    const solver::CoefficientTexts texts = {a1.toStdString(), b1.toStdString(), c1.toStdString(),
                                            a2.toStdString(), b2.toStdString(), c2.toStdString()};
    QCOMPARE(show(run(&solver::Analysis::y, texts)), y);
    QCOMPARE(show(run(&solver::Analysis::x, texts)), x);
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
    const solver::Analysis analysis({"1", "2", "3", "4", "5", "6"});
    QVERIFY(analysis.coefficients());
    const solver::Coefficients &c = *analysis.coefficients();
    QCOMPARE(c.a1, 1.0);
    QCOMPARE(c.b1, 2.0);
    QCOMPARE(c.c1, 3.0);
    QCOMPARE(c.a2, 4.0);
    QCOMPARE(c.b2, 5.0);
    QCOMPARE(c.c2, 6.0);
}

void TestSolver::readsExactValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("exact"); // "p/q", or "p"; "" when beyond the exact part's bounds

    const QString thousandDigits = QString(1000, QLatin1Char('7')), zeros(1000, QLatin1Char('0'));
    // clang-format off
    QTest::newRow("decimal tenth")                 << "0.1"                      << "1/10";
    QTest::newRow("negative decimal")              << "-2.50"                    << "-5/2";
    QTest::newRow("exponent")                      << "1.5E3"                    << "1500";
    QTest::newRow("negative D exponent")           << "25d-3"                    << "1/40";
    QTest::newRow("comma as decimal mark")         << "2,5"                      << "5/2";
    QTest::newRow("comma with exponent")           << "1,5E3"                    << "1500";
    QTest::newRow("second mark ends it")           << "1,000.5"                  << "1";
    QTest::newRow("blanks inside")                 << " - 1 2 . 5"               << "-25/2";
    QTest::newRow("hexadecimal")                   << "&H1F"                     << "31";
    QTest::newRow("octal")                         << "&o17"                     << "15";
    QTest::newRow("beyond a double, still exact")  << "1e400"                    << "1" + QString(400, QLatin1Char('0'));
    QTest::newRow("no number")                     << "abc"                      << "0";
    QTest::newRow("trailing letters")              << "3x"                       << "3";
    QTest::newRow("1000 digits: within")           << thousandDigits             << thousandDigits;
    QTest::newRow("1001 digits: beyond")           << thousandDigits + "7"       << "";
    QTest::newRow("zeros do not count")            << "00" + thousandDigits + "000" << thousandDigits + "000";
    QTest::newRow("exponent 1000: within")         << "1e-1000"                  << "1/1" + QString(1000, QLatin1Char('0'));
    QTest::newRow("exponent 1001: beyond")         << "1e-1001"                  << "";
    QTest::newRow("a fraction in lowest terms")    << "6/-8"                     << "-3/4";
    QTest::newRow("a fraction of decimals")        << " 1,5 / 4 "                << "3/8";
    QTest::newRow("a zero denominator ends it")    << "1/0"                      << "1";
    QTest::newRow("a second slash ends it")        << "1/2/3"                    << "1";
    QTest::newRow("hexadecimal numerator ends it") << "&H1/2"                    << "1";
    QTest::newRow("a part beyond the bounds")      << "1/1e-1001"                << "1";
    // The reader takes a fraction exactly where the exact part can: each part at and past a bound.
    QTest::newRow("numerator of 1000 digits")      << thousandDigits + "/3"      << thousandDigits + "/3";
    QTest::newRow("numerator of 1001 digits")      << thousandDigits + "7/3"     << "";
    QTest::newRow("denominator of 1000 digits")    << "3/" + thousandDigits      << "3/" + thousandDigits;
    QTest::newRow("denominator of 1001 digits")    << "3/" + thousandDigits + "7" << "3";
    QTest::newRow("numerator exponent 1000")       << "1e1000/3"                 << "1" + zeros + "/3";
    QTest::newRow("numerator exponent 1001")       << "1e1001/3"                 << "";
    QTest::newRow("numerator exponent -1000")      << "1e-1000/3"                << "1/3" + zeros;
    QTest::newRow("numerator exponent -1001")      << "1e-1001/3"                << "";
    QTest::newRow("denominator exponent 1000")     << "3/1e1000"                 << "3/1" + zeros;
    QTest::newRow("denominator exponent 1001")     << "3/1e1001"                 << "3";
    QTest::newRow("denominator exponent -1000")    << "3/1e-1000"                << "3" + zeros;
    QTest::newRow("denominator exponent -1001")    << "3/1e-1001"                << "3";
    // clang-format on
}

// Each text also denotes an exact rational: the number it begins with, before any rounding.
void TestSolver::readsExactValue()
{
    QFETCH(QString, text);
    QFETCH(QString, exact);
    const std::string t = text.toStdString();
    const solver::Analysis analysis({t, "0", "0", "0", "0", "0"});
    const auto &reading = analysis.exact();
    QString read;
    if (reading) {
        const solver::Number value = reading->coefficient(0);
        read =
            QString::fromStdString(platform::decimalText(value.value, platform::Notation::Plain));
        if (value.denominator)
            read += "/" + QString::fromStdString(
                              platform::decimalText(*value.denominator, platform::Notation::Plain));
    }
    QCOMPARE(read, exact);
}

void TestSolver::notesTheExactValue_data()
{
    QTest::addColumn<QStringList>("coefficients");
    QTest::addColumn<QString>("yFacts");
    QTest::addColumn<QString>("xFacts");

    // clang-format off
    QTest::newRow("X is 1/5, doubles give less")  << QStringList{"1", "1", "-9", "6", "1", "-8"}                         << ""                            << "doubles=0.199999999999999";
    QTest::newRow("X is 0, doubles give a tiny X") << QStringList{"1", "3", "7", "9", "3", "7"}                        << "exactly=7/3"                 << "doubles=-7.89491928622333E-16";
    QTest::newRow("nearly parallel decimals")     << QStringList{"0.1", "0.2", "0.3", "0.2", "0.4000001", "0.6000001"} << "doubles=1.00000000138778"    << "doubles=0.999999997224442";
    QTest::newRow("exact results: no facts")      << QStringList{"2", "3", "8", "1", "1", "3"}                          << ""                            << "";
    QTest::newRow("rounded to 15 digits")         << QStringList{"1", "0", "123456789012345678", "0", "1", "1"}        << ""                            << "exactly=1.23456789012345678E+17";
    QTest::newRow("a third")                      << QStringList{"3", "0", "1", "0", "3", "1"}                          << "exactly=1/3"                 << "exactly=1/3";
    QTest::newRow("a coefficient beyond doubles") << QStringList{"1E400", "0", "1E400", "1", "1", "3"}                  << "doubles=<unread>"            << "doubles=<unread>";
    QTest::newRow("the doubles divide by zero")   << QStringList{"1", "1", "2", "1", "1.0000000000000001", "2"}         << "doubles=<division by zero>"  << "doubles=<division by zero>";
    QTest::newRow("past the exact bounds")        << QStringList{"1." + QString(999, '0') + "1", "0", "1", "0", "1", "1"} << "unchecked"                 << "unchecked";
    // clang-format on
}

// A result whose text is not the exact solution says so, with the exact value where it is short;
// where the double steps give another text, or none, the result says that too. Past the exact
// part's bounds a result of the double steps says it was not checked.
void TestSolver::notesTheExactValue()
{
    QFETCH(QStringList, coefficients);
    QFETCH(QString, yFacts);
    QFETCH(QString, xFacts);
    solver::CoefficientTexts texts;
    for (int i = 0; i < 6; ++i)
        texts[i] = coefficients.at(i).toStdString();
    const solver::Analysis analysis(texts);
    QCOMPARE(QString::fromStdString(factsText(analysis.y())), yFacts);
    QCOMPARE(QString::fromStdString(factsText(analysis.x())), xFacts);
}

QTEST_APPLESS_MAIN(TestSolver)
#include "tst_solver.moc"
