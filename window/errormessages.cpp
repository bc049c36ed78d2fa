#include "errormessages.h"

#include <exception>
#include <new>

QString errorMessage(platform::ErrorCode code)
{
    using platform::ErrorCode;
    switch (code) {
    case ErrorCode::NoSolution:
        return QStringLiteral("No solution: the two equations contradict each other.");
    case ErrorCode::NotUnique:
        return QStringLiteral(
            "No unique solution: infinitely many pairs of X and Y satisfy both equations.");
    case ErrorCode::Overflow:
        return QStringLiteral("The numbers are too large to calculate with.");
    case ErrorCode::DivisionByZero:
        return QStringLiteral("A division by zero in double arithmetic (the numbers are too long "
                              "to solve exactly).");
    }
    return QStringLiteral("The calculation failed.");
}

QString currentFailureMessage() noexcept
{
    try {
        throw;
    } catch (const platform::RuntimeError &error) {
        return errorMessage(error.code());
    } catch (const std::bad_alloc &) {
        return QStringLiteral("There is not enough memory to calculate.");
    } catch (...) {
        return QStringLiteral("The calculation failed.");
    }
}
