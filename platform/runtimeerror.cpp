#include "runtimeerror.h"

namespace platform {

const char *RuntimeError::what() const noexcept
{
    switch (m_code) {
    case ErrorCode::DivisionByZero:
        return "division by zero";
    case ErrorCode::Overflow:
        return "overflow";
    case ErrorCode::NoSolution:
        return "no solution";
    case ErrorCode::NotUnique:
        return "no unique solution";
    }
    return "runtime error";
}

} // namespace platform
