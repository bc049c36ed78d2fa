// The solver checked against exact integer arithmetic on many random systems.
#include "exactsystems.h"
#include "platform/conversions.h"

#include <QtTest>

#include <cmath>

using namespace exact;

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
// (bench/precision.cpp counts how often X's text differs from the exact one.)
void TestCrossCheck::integerSystems()
{
    std::mt19937_64 random(20261207);
    const int cases = 100000;
    int unique = 0;
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
    }
    // Half the systems are drawn with many zeros and proportional rows: both kinds must occur.
    QVERIFY(unique > cases / 2 && unique < cases);
}

// Coefficients with two decimals (like 0.5, 1.25, -3.75) are not exact in binary, but the
// verdicts are exact for them too: a system with one solution never fails, and "no solution" or
// "infinitely many" are given exactly when they are true, however the doubles round.
void TestCrossCheck::decimalSystems()
{
    std::mt19937_64 random(42);
    int unique = 0;
    for (int i = 0; i < 100000; ++i) {
        const System s = randomSystem(random, 1000, i % 2 == 1);
        const Kind kind = classify(s);
        const Shown shown = solve(s, 100);
        if (kind == Kind::Unique) {
            ++unique;
            QVERIFY2(!shown.error, qPrintable(QString("system %1 failed").arg(i)));
        } else {
            QVERIFY2(shown.error.has_value(),
                     qPrintable(QString("system %1 shows Y = %2")
                                    .arg(i)
                                    .arg(QString::fromStdString(*shown.y))));
            QCOMPARE(*shown.error,
                     kind == Kind::NoSolution ? ErrorCode::NoSolution : ErrorCode::NotUnique);
        }
    }
    QVERIFY(unique > 50000 && unique < 100000);
}

QTEST_APPLESS_MAIN(TestCrossCheck)
#include "tst_crosscheck.moc"
