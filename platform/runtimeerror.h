#pragma once

#include <exception>
#include <string>
#include <utility>

namespace platform {

// Why a computation could not produce its result.
enum class ErrorCode {
    DivisionByZero, // a divisor was exactly zero
    Overflow,       // a number read or a result formed lies outside the range of a double
    NoSolution,     // the two equations contradict each other
    NotUnique,      // the two equations are satisfied by infinitely many pairs
    Imprecise,      // one solution exists, but double arithmetic cannot find it (a zero divisor)
};

// The one error a computation raises. It is caught at the window's handler boundary, which
// reports it and keeps the program running.
class RuntimeError : public std::exception
{
public:
    explicit RuntimeError(ErrorCode code, std::string detail = {})
        : m_code(code), m_detail(std::move(detail))
    {}

    ErrorCode code() const noexcept { return m_code; }
    // More for the user, in a sentence of its own (or empty): the exact solution, say.
    const std::string &detail() const noexcept { return m_detail; }
    const char *what() const noexcept override;

private:
    ErrorCode m_code;
    std::string m_detail;
};

} // namespace platform
