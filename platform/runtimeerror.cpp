#include "runtimeerror.h"

namespace platform {

// The code's name, for a developer: the window words each code for the user.
const char *RuntimeError::what() const noexcept
{
    switch (m_code) {
    case ErrorCode::DivisionByZero:
        return "platform::ErrorCode::DivisionByZero";
    case ErrorCode::Overflow:
        return "platform::ErrorCode::Overflow";
    case ErrorCode::NoSolution:
        return "platform::ErrorCode::NoSolution";
    case ErrorCode::NotUnique:
        return "platform::ErrorCode::NotUnique";
    }
    return "platform::RuntimeError";
}

} // namespace platform
