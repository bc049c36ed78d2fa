// Number to text and back: for every finite double the text is the independent derivation's
// (tests/truth: the exact value rounded to 15 significant digits, half away from zero), has at
// most 15 significant digits, and reads back as the double nearest that rounded value; only a
// value whose rounded text lies beyond the largest double is refused.
#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"
#include "truth.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size != sizeof(double))
        return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x))
        return 0;
    const std::string expected = truth::text(truth::exactly(x));
    const std::optional<double> back = truth::readDouble(expected);

    std::string text;
    try {
        text = platform::numberToText(x);
    } catch (const platform::RuntimeError &) {
        if (back)
            std::abort();
        return 0;
    }
    if (text != expected)
        std::abort();
    int significant = 0;
    for (char c : text) {
        if (c == 'E')
            break;
        if ((c >= '1' && c <= '9') || (significant > 0 && c == '0'))
            ++significant;
    }
    if (significant > 15 || !back)
        std::abort();
    if (std::bit_cast<std::uint64_t>(solver::textToNumber(text)) !=
        std::bit_cast<std::uint64_t>(*back == 0.0 ? 0.0 : *back))
        std::abort();
    return 0;
}
