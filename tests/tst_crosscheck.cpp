// The solver checked against exact integer arithmetic on many random systems, and every claim
// it makes re-derived by an independent exact reading (claims.h).
#include "claims.h"
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
    void claims_data();
    void claims();
    void claimsOnAdversarialSystems();
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

// Systems whose notes or messages were once false, each held against the independent reading.
void TestCrossCheck::claims_data()
{
    QTest::addColumn<QStringList>("texts"); // a1, b1, c1, a2, b2, c2
    const QString octal = "&o7074101006600157354775726314407726012242301";
    // clang-format off
    QTest::newRow("X exact ends past 15 digits") << QStringList{"-240", "-354", "-54", "-480", "-708.0000000000001", "84"};
    QTest::newRow("Y exact ends past 15 digits") << QStringList{"5e198", "-3e-198", "8e-198", "6e198", "-2e-198", "2e-11"};
    QTest::newRow("exact solution, long decimal") << QStringList{"-1e-306", "0e306", "-3e-306", "-7e306", "-8e-306", "2e-17"};
    QTest::newRow("exact solution, long X") << QStringList{"-8", "-670", "11", "-56", "-4690.00000000000001", "60"};
    QTest::newRow("long octal coefficient") << QStringList{"1", "3", "1", "1", octal, "2"};
    QTest::newRow("the same in decimal") << QStringList{"1", "3", "1", "1", "605484450064607254328813985870213891265", "2"};
    QTest::newRow("the same in hexadecimal") << QStringList{"1", "3", "1", "1", "&H1c784103600deecfef599907eb02944c1", "2"};
    QTest::newRow("octal digits across limbs") << QStringList{octal, "&o1" + QString(40, '7'), "&o3" + QString(63, '5'), "7", "&o2" + QString(22, '1'), "1"};
    QTest::newRow("short fraction and decimal") << QStringList{"3", "0", "1", "0", "5", "1"};
    QTest::newRow("nearly parallel") << QStringList{"1", "1", "2", "1", "1.0000000001", "3"};
    QTest::newRow("point without integer digits") << QStringList{".5", "1", "1", "1", "-1", "0"};
    QTest::newRow("minus sign U+2212 reads as 0") << QStringList{"1", "1", "3", "\u22125", "1", "1"};
    QTest::newRow("no-break space ends a number") << QStringList{"1\u00a0000", "1", "3", "2", "1", "1"};
    // clang-format on
}

void TestCrossCheck::claims()
{
    QFETCH(QStringList, texts);
    std::array<std::string, 6> t;
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = texts[qsizetype(i)].toStdString();
    claims::Checker checker;
    const std::string problem = checker.check({t[0], t[1], t[2], t[3], t[4], t[5]});
    QVERIFY2(problem.empty(), problem.c_str());
    const claims::Tally &n = checker.tally();
    QVERIFY(n.exactResults + n.notes + n.messages + n.verdicts > 0);
}

// Systems of the kinds a user can type and that make the exact part work: nearly parallel rows,
// decimals, exponents at the edges of the range, long octal and hexadecimal texts.
void TestCrossCheck::claimsOnAdversarialSystems()
{
    std::mt19937_64 random(2212);
    auto pick = [&](int low, int high) {
        return low + int(random() % std::uint64_t(high - low + 1));
    };
    auto digits = [&](int count, const char *alphabet, int base) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += alphabet[pick(i == 0 ? 1 : 0, base - 1)];
        return text;
    };
    auto coefficient = [&]() -> std::string {
        switch (pick(0, 5)) {
        case 0:
            return std::to_string(pick(-999, 999));
        case 1:
            return std::to_string(pick(-99, 99)) + "." + digits(pick(1, 3), "0123456789", 10);
        case 2:
            return std::to_string(pick(-9, 9)) + "e" + std::to_string(pick(-210, 210));
        case 3:
            return std::to_string(pick(-9, 9)) + "e" + std::to_string(pick(-308, 308));
        case 4:
            return "&o" + digits(pick(1, 60), "01234567", 8);
        default:
            return "&H" + digits(pick(1, 40), "0123456789ABCDEF", 16);
        }
    };
    claims::Checker checker;
    for (int i = 0; i < 4000; ++i) {
        std::array<std::string, 6> t;
        for (std::string &text : t)
            text = coefficient();
        if (i % 2 == 0) { // the second row k times the first: parallel, or one digit off
            const int k = pick(2, 9), a = pick(-999, 999), b = pick(-999, 999), c = pick(-99, 99);
            const bool parallel = i % 8 == 0;
            t = {std::to_string(a),     std::to_string(b),
                 std::to_string(c),     std::to_string(k * a),
                 std::to_string(k * b), parallel && i % 16 == 0 ? std::to_string(k * c) : t[5]};
            if (!parallel)
                t[4] += "." + std::string(std::size_t(pick(8, 16)), '0') + "1";
        }
        const std::string problem = checker.check({t[0], t[1], t[2], t[3], t[4], t[5]});
        QVERIFY2(problem.empty(), (problem + " in " + t[0] + " | " + t[1] + " | " + t[2] + " | " +
                                   t[3] + " | " + t[4] + " | " + t[5])
                                      .c_str());
    }
    const claims::Tally &n = checker.tally();
    qInfo("claims re-derived: %ld exact results, %ld notes, %ld messages, %ld verdicts",
          n.exactResults, n.notes, n.messages, n.verdicts);
    QVERIFY(n.notes > 1000 && n.messages > 100 && n.verdicts > 100);
}

QTEST_APPLESS_MAIN(TestCrossCheck)
#include "tst_crosscheck.moc"
