// Text to number never crashes, gives a finite double or the overflow error, and agrees to the
// bit with the independent reading (tests/truth: the README's rules, rounded in whole numbers),
// with no group separator and with the separators users have. A decimal read as it is and read
// as a fraction over 1 give the same double: the two nearest-double routines agree.
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

namespace {

std::optional<double> valueOf(const platform::ScannedNumber &number)
{
    try {
        const double value = solver::toNumber(number);
        if (!std::isfinite(value))
            std::abort();
        return value;
    } catch (const platform::RuntimeError &error) {
        if (error.code() != platform::ErrorCode::Overflow)
            std::abort();
        return std::nullopt;
    }
}

bool sameBits(const std::optional<double> &a, const std::optional<double> &b)
{
    return a.has_value() == b.has_value() &&
           (!a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    for (const std::string_view separator : {"", ",", ".", "\u2019"}) {
        const platform::ScannedNumber number = platform::scanNumber(text, separator);
        const std::optional<double> value = valueOf(number);
        if (!sameBits(value, truth::readDouble(text, separator)))
            std::abort();
        // Within the bounds a fraction may have, the same decimal over 1.
        if (number.form == platform::ScannedNumber::Form::Decimal && !number.denominator &&
            platform::readDecimal(number.numerator).withinBounds) {
            platform::ScannedNumber overOne = number;
            overOne.denominator = platform::DecimalPart{false, "1", 0, false};
            if (!sameBits(value, valueOf(overOne)))
                std::abort();
        }
    }
    return 0;
}
