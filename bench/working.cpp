// Times the working of one system, from the six texts to its words and its answer line, on
// coefficients of up to 100 characters chosen to make the exact part work hardest. It judges
// nothing. Usage: tarnyx_working [rounds]
#include "window/workingtext.h"

#include "solver/solver.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    const auto digits = [](std::size_t count, char first) {
        std::string text(count, '7');
        text[0] = first;
        return text;
    };
    // Fractions of 100 characters, each part at an exponent bound, as bench/calculate has them.
    const auto fraction = [&](char top, char bottom) {
        return digits(44, top) + "e+999/" + digits(43, bottom) + "1e-999";
    };
    const struct
    {
        const char *name;
        std::array<std::string, 6> texts;
    } cases[] = {
        {"1/3 X + 1/2 Y = 1, 1/4 X - 1/5 Y = 2", {"1/3", "1/2", "1", "1/4", "-1/5", "2"}},
        {"100 digits each",
         {digits(100, '9'), digits(100, '8'), digits(100, '1'), digits(100, '3'), digits(100, '6'),
          digits(100, '2')}},
        {"fractions of 100 characters",
         {fraction('9', '3'), fraction('8', '7'), fraction('1', '9'), fraction('3', '1'),
          fraction('6', '2'), fraction('2', '8')}},
    };
    std::printf("one working (its words and its answer), %d rounds each\n", rounds);
    double worst = 0.0;
    for (const auto &c : cases) {
        std::vector<double> ms;
        for (int i = 0; i < rounds; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const solver::Analysis analysis(c.texts);
            const QStringList lines = WorkingText::lines(analysis, {});
            const QString answer = WorkingText::answer(analysis);
            ms.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count());
            if (lines.isEmpty() || answer.isEmpty())
                return 1;
        }
        std::sort(ms.begin(), ms.end());
        worst = std::max(worst, ms.back());
        std::printf("  %-40s median %8.3f ms   max %8.3f ms\n", c.name, ms[ms.size() / 2],
                    ms.back());
    }
    std::printf("  worst working with texts of up to 100 characters: %.3f ms\n", worst);
    return 0;
}
