#pragma once

// How the tests write the error a computation raised, where a result would stand: "<no solution>".
// Standard C++ only, for the golden-results program too.
#include "platform/runtimeerror.h"

#include <string>

inline std::string outcomeText(platform::ErrorCode code)
{
    using platform::ErrorCode;
    switch (code) {
    case ErrorCode::DivisionByZero:
        return "<division by zero>";
    case ErrorCode::Overflow:
        return "<overflow>";
    case ErrorCode::NoSolution:
        return "<no solution>";
    case ErrorCode::NotUnique:
        return "<not unique>";
    }
    return "<?>";
}
