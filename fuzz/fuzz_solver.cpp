// The solver on six arbitrary texts (separated by newlines in the input): it never crashes,
// never shows a value that is not a finite number, fails only as no solution, not unique or
// overflow, and a failure leaves the shown result as it was.
#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

template <typename Solve>
void check(Solve solve, const solver::CoefficientTexts &texts)
{
    std::string shown = "before";
    try {
        shown = solve(texts);
    } catch (const platform::RuntimeError &error) {
        using platform::ErrorCode;
        if (error.code() != ErrorCode::NoSolution && error.code() != ErrorCode::NotUnique &&
            error.code() != ErrorCode::Overflow)
            std::abort();
        if (shown != "before")
            std::abort();
        return;
    }
    if (shown.find_first_of("naifNAIF") != std::string::npos)
        std::abort();
    if (!std::isfinite(platform::textToNumber(shown)))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char *>(data), size);
    std::array<std::string_view, 6> parts{};
    for (auto &part : parts) {
        std::size_t end = input.find('\n');
        part = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    const solver::CoefficientTexts texts{parts[0], parts[1], parts[2],
                                         parts[3], parts[4], parts[5]};
    check(solver::solveY, texts);
    check(solver::solveX, texts);
    return 0;
}
