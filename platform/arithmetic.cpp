#include "arithmetic.h"

#include "runtimeerror.h"

#include <cmath>

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
