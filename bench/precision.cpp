// Measures how often the shown results are the text of the exact solution, on random systems with
// integer coefficients up to ±1000 and with two-decimal coefficients: the figures of the README's
// Precision section. It judges nothing; tests/tst_crosscheck.cpp holds the bounds.
// Usage: tarnyx_precision
#include "exactsystems.h"
#include "platform/conversions.h"

#include <cstdio>
#include <map>

using namespace exact;

namespace {

void integerSystems()
{
    std::mt19937_64 random(20261207);
    const int cases = 100000;
    int unique = 0, xExact = 0;
    std::map<long long, int> xUnits;
    for (int i = 0; i < cases; ++i) {
        const System s = randomSystem(random, 1000, i % 2 == 1);
        if (classify(s) != Kind::Unique)
            continue;
        const Shown shown = solve(s, 1);
        if (shown.error)
            continue;
        ++unique;
        const double x = exactX(s);
        if (*shown.x == platform::numberToText(x))
            ++xExact;
        else
            ++xUnits[unitsIn15thDigit(platform::textToNumber(*shown.x), x)];
    }
    std::printf("integer systems: %d cases, %d with one solution; X shown exactly in %d\n", cases,
                unique, xExact);
    const std::pair<long long, const char *> buckets[] = {
        {0, "under 1"},   {1, "1"},
        {2, "2"},         {9, "3 to 9"},
        {99, "10 to 99"}, {std::numeric_limits<long long>::max() - 1, "100 or more"}};
    auto next = xUnits.begin();
    for (auto [upTo, label] : buckets) {
        int count = 0;
        for (; next != xUnits.end() && next->first <= upTo; ++next)
            count += next->second;
        std::printf("  X off by %s unit(s) in the 15th digit: %d\n", label, count);
    }
    std::printf("  X shown non-zero where the exact X is 0: %d\n",
                next == xUnits.end() ? 0 : next->second);
}

void decimalSystems()
{
    std::mt19937_64 random(42);
    int unique = 0, yExact = 0, xExact = 0, failed = 0;
    for (int i = 0; i < 100000; ++i) {
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
    std::printf("two-decimal systems: %d with one solution; %d failed; Y exact in %d (%.2f%%), "
                "X exact in %d (%.2f%%)\n",
                unique, failed, yExact, 100.0 * yExact / unique, xExact, 100.0 * xExact / unique);
}

} // namespace

int main()
{
    integerSystems();
    decimalSystems();
    return 0;
}
