#pragma once

#include <exception>

namespace platform {

// Why a computation could not produce its result.
enum class ErrorCode {
    DivisionByZero, // a divisor was exactly zero
    Overflow,       // a number read or a result formed lies outside the range of a double
    NoSolution,     // the two equations contradict each other
    NotUnique,      // the two equations are satisfied by infinitely many pairs
};

// The one error a computation raises. It is caught at the window's handler boundary, which
// reports it and keeps the program running.
class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(ErrorCode code) : m_code(code) {}

    ErrorCode code() const noexcept { return m_code; }
    const char *what() const noexcept override;

private:
    ErrorCode m_code;
};

} // namespace platform
