// Number to text and back: for every finite double the text is "%.15G" (with "0" for -0), has
// at most 15 significant digits, and reads back as the value rounded to 15 digits.
#include "platform/conversions.h"
#include "platform/runtimeerror.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size != sizeof(double))
        return 0;
    double x;
    std::memcpy(&x, data, sizeof x);
    if (!std::isfinite(x))
        return 0;
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.15G", x);
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.14e", x);
    const double back = std::strtod(rounded, nullptr);

    std::string text;
    try {
        text = platform::numberToText(x);
    } catch (const platform::RuntimeError &) {
        // Only a value whose 15-digit text lies beyond the largest double may fail.
        if (!std::isinf(back))
            std::abort();
        return 0;
    }
    if (x == 0.0 ? text != "0" : text != expected)
        std::abort();
    int significant = 0;
    for (char c : text) {
        if (c == 'E')
            break;
        if ((c >= '1' && c <= '9') || (significant > 0 && c == '0'))
            ++significant;
    }
    if (significant > 15)
        std::abort();
    if (std::bit_cast<std::uint64_t>(platform::textToNumber(text)) !=
        std::bit_cast<std::uint64_t>(back == 0.0 ? 0.0 : back))
        std::abort();
    return 0;
}
