#include "arithmetic.h"

#include "runtimeerror.h"

#include <cfloat>
#include <cmath>

// Each operation must round to double once. Where the compiler evaluates double expressions in
// a wider format (the x87 unit), results would differ from every other machine in the last bit.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must not be evaluated in wider precision; "
                                    "on 32-bit x86 build with -msse2 -mfpmath=sse");

namespace platform {

namespace {

double checked(double result)
{
    if (!std::isfinite(result))
        throw RuntimeError(ErrorCode::Overflow);
    return result;
}

} // namespace

double multiply(double left, double right)
{
    return checked(left * right);
}

double subtract(double left, double right)
{
    return checked(left - right);
}

double divide(double left, double right)
{
    if (right == 0.0)
        throw RuntimeError(ErrorCode::DivisionByZero);
    return checked(left / right);
}

} // namespace platform
