// The solver held against an independent derivation (truth.h) on many systems: every shown result
// must be the exact solution rounded to 15 digits, every verdict what the equations are, and
// every fact known of a result (rounded, its exact value, what the double steps gave) true.
#include "shown.h"
#include "truth.h"

#include <QtTest>

#include <algorithm>
#include <functional>

class TestCrossCheck : public QObject
{
    Q_OBJECT

private slots:
    void systems_data();
    void systems();
    void claims_data();
    void claims();
};

// Systems drawn at random, of the kinds a user types and of kinds made to trip the arithmetic.
void TestCrossCheck::systems_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("drawn");
    QTest::newRow("whole coefficients from -20 to 20") << 0 << 1000;
    QTest::newRow("one or two decimals from -20 to 20") << 1 << 1000;
    QTest::newRow("adversarial") << 2 << 2000;
    QTest::newRow("fractions, and infinitely many solutions") << 3 << 1000;
}

void TestCrossCheck::systems()
{
    QFETCH(int, kind);
    QFETCH(int, drawn);
    // An emulator (qemu-user) runs this a hundred times slower or more: it draws a share of the
    // systems, as many as its environment's divisor says.
    const int count = drawn / std::max(1, qEnvironmentVariableIntValue("TARNYX_SYSTEMS_DIVISOR"));
    const std::function<std::array<std::string, 6>(std::mt19937_64 &)> generators[] = {
        truth::wholeSystem, truth::decimalSystem, truth::adversarialSystem, truth::fractionSystem};
    std::mt19937_64 random(20261208 + std::uint64_t(kind));
    truth::Checker checker;
    for (int i = 0; i < count; ++i) {
        const std::array<std::string, 6> t = generators[kind](random);
        const std::string problem = checkSolver(checker, t);
        QVERIFY2(problem.empty(), (problem + " in " + t[0] + " | " + t[1] + " | " + t[2] + " | " +
                                   t[3] + " | " + t[4] + " | " + t[5])
                                      .c_str());
    }
    const truth::Tally &n = checker.tally();
    qInfo("re-derived: %ld results, %ld rounded values, %ld differing double steps, %ld verdicts "
          "(%ld with every solution told)",
          n.results, n.valueFacts, n.stepFacts, n.verdicts, n.families);
    QVERIFY(n.results > count / 2);
    if (kind == 3)
        QVERIFY(n.families > count / 10);
    if (kind > 0) // decimals and edges make the double steps differ
        QVERIFY(n.stepFacts > 0 && n.valueFacts > 0);
}

// Systems whose results or notes were once wrong, each held against the independent derivation.
void TestCrossCheck::claims_data()
{
    QTest::addColumn<QStringList>("texts"); // a1, b1, c1, a2, b2, c2
    const QString octal = "&o7074101006600157354775726314407726012242301";
    // clang-format off
    QTest::newRow("X exact ends past 15 digits")        << QStringList{"-240", "-354", "-54", "-480", "-708.0000000000001", "84"};
    QTest::newRow("Y exact ends past 15 digits")        << QStringList{"5e198", "-3e-198", "8e-198", "6e198", "-2e-198", "2e-11"};
    QTest::newRow("long decimal solution")              << QStringList{"-1e-306", "0e306", "-3e-306", "-7e306", "-8e-306", "2e-17"};
    QTest::newRow("long X")                             << QStringList{"-8", "-670", "11", "-56", "-4690.00000000000001", "60"};
    QTest::newRow("long octal coefficient")             << QStringList{"1", "3", "1", "1", octal, "2"};
    QTest::newRow("the same in decimal")                << QStringList{"1", "3", "1", "1", "605484450064607254328813985870213891265", "2"};
    QTest::newRow("the same in hexadecimal")            << QStringList{"1", "3", "1", "1", "&H1c784103600deecfef599907eb02944c1", "2"};
    QTest::newRow("octal digits across limbs")          << QStringList{octal, "&o1" + QString(40, '7'), "&o3" + QString(63, '5'), "7", "&o2" + QString(22, '1'), "1"};
    QTest::newRow("short fraction and decimal")         << QStringList{"3", "0", "1", "0", "5", "1"};
    QTest::newRow("nearly parallel")                    << QStringList{"1", "1", "2", "1", "1.0000000001", "3"};
    QTest::newRow("point without integer digits")       << QStringList{".5", "1", "1", "1", "-1", "0"};
    QTest::newRow("minus sign U+2212 reads as minus")   << QStringList{"1", "1", "3", "\u22125", "1", "1"};
    QTest::newRow("no-break space is a blank")          << QStringList{"1\u00a0000", "1", "3", "2", "1", "1"};
    QTest::newRow("X off in the last digit (-13/36)")   << QStringList{"2", "-10", "19", "-13", "11", "-17"};
    QTest::newRow("X exactly 0, not 2E-16")             << QStringList{"7", "-5", "-11", "5", "0", "0"};
    QTest::newRow("tenths: X exactly -1")               << QStringList{"0.1", "0.2", "0.3", "0.4", "0.5", "0.6"};
    QTest::newRow("X exactly -27/32")                   << QStringList{"-1", "-15", "-4", "13", "3", "-10"};
    QTest::newRow("doubles lose every digit")           << QStringList{"1", "1", "2", "1", "1.0000000000000003", "2.0000000000000002"};
    QTest::newRow("doubles see parallel equations")     << QStringList{"1", "1", "2", "1", "1.0000000000000001", "2"};
    QTest::newRow("products underflow")                 << QStringList{"1E-170", "0", "1E-170", "0", "1E-170", "2E-170"};
    QTest::newRow("a coefficient beyond the doubles")   << QStringList{"1E400", "0", "1E400", "1", "1", "3"};
    QTest::newRow("a solution beyond the doubles")      << QStringList{"1E-300", "0", "1E300", "0", "1", "1"};
    QTest::newRow("a solution below the doubles")       << QStringList{"1E300", "0", "1E-100", "0", "1", "1"};
    QTest::newRow("past the exact bounds")              << QStringList{"1" + QString(1001, '0'), "1", "3", "1", "-1", "1"};
    QTest::newRow("X = 3 - Y, for any Y")               << QStringList{"1", "1", "3", "2", "2", "6"};
    QTest::newRow("X = 2, Y anything")                  << QStringList{"1", "0", "2", "2", "0", "4"};
    QTest::newRow("Y alone, X anything")                << QStringList{"0", "3", "1", "0", "6", "2"};
    QTest::newRow("any X and Y")                        << QStringList{"0", "0", "0", "0", "0", "0"};
    QTest::newRow("no unknowns, c2 alone nonzero")      << QStringList{"0", "0", "0", "0", "0", "1"};
    QTest::newRow("infinitely many, rounded numbers")   << QStringList{"3", "1", "1", "6", "2", "2"};
    QTest::newRow("a teacher's 1 and 1")                << QStringList{"1", "1", "2", "1", "1.000000000000001", "2.000000000000001"};
    QTest::newRow("a short decimal, not a fraction")    << QStringList{"2", "0", "-4.00000000000001", "0", "1", "1"};
    QTest::newRow("fractions as typed")                 << QStringList{"1/3", "-2/5", "1", "1,5/4", "3/-4", "2"};
    QTest::newRow("fractions partly read")              << QStringList{"1/0", "1/x", "1/2/3", "2", "&H1/2", "1"};
    QTest::newRow("a fraction beyond the doubles")      << QStringList{"1e300/1e-300", "0", "1", "0", "1", "1"};
    QTest::newRow("working: a1 = 0, Cramer's X")       << QStringList{"0", "1", "2", "1", "1", "3"};
    QTest::newRow("working: a2 = 0, Cramer's X")       << QStringList{"1", "1", "3", "0", "1", "1"};
    QTest::newRow("working: fractions")                << QStringList{"1/3", "1/2", "1", "1/4", "-1/5", "2"};
    QTest::newRow("working: impossible equation")      << QStringList{"0", "0", "1", "1", "1", "3"};
    QTest::newRow("X exact beyond 1E-1200")             << QStringList{"5e198", "-3e-999", "\u0090e-198", "Ae198", "-8", "8.11439804238034E-14"};
    // clang-format on
}

void TestCrossCheck::claims()
{
    QFETCH(QStringList, texts);
    solver::CoefficientTexts t;
    for (std::size_t i = 0; i < t.size(); ++i)
        t[i] = texts[qsizetype(i)].toStdString();
    truth::Checker checker;
    const std::string problem = checkSolver(checker, t);
    QVERIFY2(problem.empty(), problem.c_str());
    const truth::Tally &n = checker.tally();
    QVERIFY(n.results + n.verdicts + n.unchecked > 0);
}

QTEST_APPLESS_MAIN(TestCrossCheck)
#include "tst_crosscheck.moc"
