// Times one Calculate (Y, then X from one analysis: reading, the double steps, the exact part and
// the facts known of the results) on coefficients of up to 100 characters chosen to make the
// exact part work hardest (fractions among them),
// and on long texts against the double steps alone. It judges nothing. Usage: tarnyx_calculate
// [rounds]
#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Texts = std::array<std::string, 6>;
using Clock = std::chrono::steady_clock;

// What Calculate does, with or without the exact part; failures count as done.
void calculate(const Texts &t)
{
    try {
        const solver::Analysis analysis(t);
        analysis.y();
        analysis.x();
    } catch (const platform::RuntimeError &) {
    }
}

// The double steps alone: the texts read to doubles, no exact part.
void doublesAlone(const Texts &t)
{
    for (auto compute : {&solver::computeY, &solver::computeX}) {
        try {
            using platform::scanNumber;
            const solver::Coefficients c =
                solver::toCoefficients({scanNumber(t[0]), scanNumber(t[1]), scanNumber(t[2]),
                                        scanNumber(t[3]), scanNumber(t[4]), scanNumber(t[5])});
            platform::numberToText(compute(c));
        } catch (const platform::RuntimeError &) {
        }
    }
}

// Milliseconds of each of `rounds` runs.
template <typename Run>
std::vector<double> time(Run run, const Texts &t, int rounds)
{
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const auto start = Clock::now();
        run(t);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

std::string digits(std::size_t count, char first = '9')
{
    std::string text(count, '7');
    text[0] = first;
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    // 100 characters, at the exact part's exponent bound, and at the other end.
    const std::string big = digits(94) + "e+999";
    const std::string small = digits(94) + "e-999";
    // Fractions of 100 characters, each part at an exponent bound: the widest exact values.
    const auto fraction = [](char top, char bottom) {
        return digits(44, top) + "e+999/" + digits(43, bottom) + "1e-999";
    };
    const std::string mega(1 << 20, '9');
    const std::string megaBlanks = std::string((1 << 20) - 1, ' ') + "3";
    const struct
    {
        const char *name;
        Texts texts;
    } cases[] = {
        {"2X + 3Y = 8, X + Y = 3", {"2", "3", "8", "1", "1", "3"}},
        {"100 digits each",
         {digits(100), digits(100, '8'), digits(100, '1'), digits(100, '3'), digits(100, '6'),
          digits(100, '2')}},
        {"exponents +999 and -999 mixed", {big, small, big, small, big, small}},
        {"exponent -999: one solution",
         {small, digits(94, '1') + "e-999", digits(94, '2') + "e-999", digits(94, '3') + "e-999",
          digits(94, '4') + "e-999", digits(94, '5') + "e-999"}},
        {"fractions of 100 characters",
         {fraction('9', '3'), fraction('8', '7'), fraction('1', '9'), fraction('3', '1'),
          fraction('6', '2'), fraction('2', '8')}},
        {"the same line twice, in fractions",
         {fraction('9', '3'), fraction('8', '7'), fraction('1', '9'), fraction('9', '3'),
          fraction('8', '7'), fraction('1', '9')}},
        {"decimals of 99 digits",
         {"0." + digits(98), "1." + digits(98, '3'), "2." + digits(98), "3." + digits(98, '1'),
          "4." + digits(98), "5." + digits(98)}},
    };
    std::printf("one Calculate (Y, then X), %d rounds each\n", rounds);
    double worst = 0.0;
    for (const auto &c : cases) {
        const std::vector<double> ms = time(calculate, c.texts, rounds);
        worst = std::max(worst, ms.back());
        std::printf("  %-36s median %8.3f ms   max %8.3f ms\n", c.name, ms[ms.size() / 2],
                    ms.back());
    }
    std::printf("  worst Calculate with texts of up to 100 characters: %.3f ms\n", worst);

    std::printf("long texts: Calculate against the double steps alone\n");
    const std::string thousand = digits(1000, '1') + "e-999"; // at both of the exact part's bounds
    const struct
    {
        const char *name;
        Texts texts;
    } longCases[] = {
        {"1 MiB of digits", {"2", "3", "8", "1", "1", mega}},
        {"1 MiB of blanks, then 3", {"2", "3", "8", "1", "1", megaBlanks}},
        {"1000 digits, exponent -999, each",
         {thousand, "2" + thousand, "3" + thousand, "4" + thousand, "5" + thousand,
          "6" + thousand}},
    };
    for (const auto &c : longCases) {
        const int few = std::max(1, rounds / 10);
        const double with = time(calculate, c.texts, few)[std::size_t(few / 2)];
        const double alone = time(doublesAlone, c.texts, few)[std::size_t(few / 2)];
        std::printf("  %-36s Calculate %8.3f ms   doubles alone %8.3f ms   ratio %.2f\n", c.name,
                    with, alone, with / alone);
    }
    return 0;
}
