// Text to number never crashes, gives a finite double or the overflow error, and agrees to the
// bit with the independent reading (tests/truth: the README's rules, rounded in whole numbers).
#include "truth.h"

#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    std::optional<double> value;
    try {
        value = solver::textToNumber(text);
    } catch (const platform::RuntimeError &error) {
        if (error.code() != platform::ErrorCode::Overflow)
            std::abort();
    }
    if (value && !std::isfinite(*value))
        std::abort();
    const std::optional<double> expected = truth::readDouble(text);
    if (expected.has_value() != value.has_value())
        std::abort();
    if (value && std::bit_cast<std::uint64_t>(*value) != std::bit_cast<std::uint64_t>(*expected))
        std::abort();
    return 0;
}
