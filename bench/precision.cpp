// Counts wrong shown results: how often a result box would show a text that is not the exact
// solution rounded to 15 significant digits, over systems of the kinds a school exercise has
// and over systems made to trip the arithmetic. Each system is also held against every fact
// known of its results (tests/truth). For comparison it counts how often the double steps alone, in
// their fixed order, would have shown a wrong digit. It judges nothing; tst_crosscheck holds the
// bounds. Usage: tarnyx_precision
#include "shown.h"
#include "truth.h"

#include <cstdio>
#include <functional>

namespace {

void count(const char *kind,
           const std::function<std::array<std::string, 6>(std::mt19937_64 &)> &draw, int systems)
{
    std::mt19937_64 random(20261208);
    truth::Checker checker;
    int unique = 0, wrong = 0, falseNotes = 0, doublesWrong = 0;
    for (int i = 0; i < systems; ++i) {
        const std::array<std::string, 6> t = draw(random);
        const truth::Texts texts = checkerTexts(t);
        std::array<truth::Rational, 6> values;
        bool readable = true;
        for (std::size_t k = 0; k < values.size() && readable; ++k) {
            const auto value = truth::read(texts[k], truth::solverBound);
            readable = value.has_value();
            if (readable)
                values[k] = *value;
        }
        const truth::Solution solution = truth::solve(values);
        if (!readable || solution.kind != truth::Kind::Unique)
            continue;
        ++unique;
        const solver::Analysis analysis(t);
        const truth::Shown y = shownBy(analysis, &solver::Analysis::y);
        const truth::Shown x = shownBy(analysis, &solver::Analysis::x);
        wrong += (y.failure || y.text != truth::text(solution.y)) +
                 (x.failure || x.text != truth::text(solution.x));
        falseNotes += !checker.check(texts, y, x).empty();
        const truth::Steps steps = truth::doubleSteps(texts);
        doublesWrong +=
            (!steps.y || truth::text(truth::exactly(*steps.y)) != truth::text(solution.y)) +
            (!steps.x || truth::text(truth::exactly(*steps.x)) != truth::text(solution.x));
    }
    std::printf("%s: %d systems, %d with one solution: %d wrong shown results, %d with a false "
                "fact; the double steps alone: %d wrong results (%.1f%%)\n",
                kind, systems, unique, wrong, falseNotes, doublesWrong,
                unique ? 50.0 * doublesWrong / unique : 0.0);
}

} // namespace

int main()
{
    count("whole coefficients from -20 to 20", truth::wholeSystem, 10000);
    count("one or two decimals from -20 to 20", truth::decimalSystem, 10000);
    count("adversarial", truth::adversarialSystem, 10000);
    return 0;
}
