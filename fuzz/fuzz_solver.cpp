// The solver on six arbitrary texts (separated by newlines in the input; read with no group
// separator, "," or "." by the input's length), exact part included: it
// never crashes, fails only as no solution, not unique, overflow or division by zero, shows
// results in the program's text form, gives X the same verdict as Y when the equations have no
// single solution, and every shown result, fact and verdict it gives, and every step of the
// working, is true by the independent derivation (tests/truth). At exit it says how many claims it
// re-derived. scripts/fuzz.sh bounds the time of each input.
#include "shown.h"

#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using platform::ErrorCode;

// Whether text has the program's text form: [-]digits[.digits][E(+|-)digits], with at most 15
// significant digits. (Its value is the checker's to judge: it may lie beyond the doubles.)
bool isResultText(const std::string &text)
{
    std::size_t i = text[0] == '-' ? 1 : 0;
    int significant = 0, digits = 0;
    bool point = false;
    for (; i < text.size() && text[i] != 'E'; ++i) {
        const char c = text[i];
        if (c == '.' && !point && digits > 0) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            ++digits;
            if (c != '0' || significant > 0)
                ++significant;
        } else {
            return false;
        }
    }
    if (digits == 0 || significant > 15 || (!text.empty() && text.back() == '.'))
        return false;
    if (i < text.size()) {
        if (i + 3 > text.size() || (text[i + 1] != '+' && text[i + 1] != '-'))
            return false;
        for (std::size_t k = i + 2; k < text.size(); ++k)
            if (text[k] < '0' || text[k] > '9')
                return false;
    }
    return true;
}

template <typename Solve>
std::optional<ErrorCode> check(Solve solve)
{
    try {
        const std::string shown = platform::decimalText(solve().value);
        if (shown.empty() || !isResultText(shown))
            std::abort();
        return std::nullopt;
    } catch (const platform::RuntimeError &error) {
        if (error.code() != ErrorCode::NoSolution && error.code() != ErrorCode::NotUnique &&
            error.code() != ErrorCode::Overflow && error.code() != ErrorCode::DivisionByZero)
            std::abort();
        return error.code();
    }
}

// Counts what was re-derived and says so when the fuzzer ends.
struct Claims
{
    truth::Checker checker;
    ~Claims()
    {
        const truth::Tally &n = checker.tally();
        std::fprintf(stderr,
                     "claims re-derived: %ld results (%ld fixed where infinitely many solve), %ld "
                     "rounded values, %ld differing double steps, %ld verdicts (%ld with every "
                     "solution told), %ld unchecked results; none false\n",
                     n.results, n.fixed, n.valueFacts, n.stepFacts, n.verdicts, n.families,
                     n.unchecked);
    }
};

Claims claimsChecked;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char *>(data), size);
    solver::CoefficientTexts parts;
    for (auto &part : parts) {
        std::size_t end = input.find('\n');
        part = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    // The reading with no group separator, or a user's, by the input's length.
    const std::string_view separator = std::array<std::string_view, 3>{"", ",", "."}[size % 3];
    const solver::Analysis analysis(parts, separator);
    const auto y = check([&] { return analysis.y(); });
    const auto x = check([&] { return analysis.x(); });
    // A verdict on the equations must be the same for both where both fail (an unknown that
    // equations with infinitely many solutions fix has its value), unless X's own first product
    // a2·a1 overflows.
    if ((y == ErrorCode::NoSolution || y == ErrorCode::NotUnique) && x && x != y &&
        x != ErrorCode::Overflow)
        std::abort();
    std::string problem =
        claimsChecked.checker.check(checkerTexts(parts), shownBy(analysis, &solver::Analysis::y),
                                    shownBy(analysis, &solver::Analysis::x), separator);
    if (const auto working = workingOf(analysis); working && problem.empty())
        problem = truth::checkWorking(checkerTexts(parts), *working, separator);
    if (!problem.empty()) {
        std::fprintf(stderr, "false claim: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
