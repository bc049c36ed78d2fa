#pragma once

// What the solver shows for an unknown, in the terms of the independent checker (truth.h).
#include "platform/runtimeerror.h"
#include "solver/solver.h"
#include "truth.h"

#include <algorithm>

// The solver's texts, as the checker reads them.
inline truth::Texts checkerTexts(const solver::CoefficientTexts &t)
{
    truth::Texts texts;
    std::copy(t.begin(), t.end(), texts.begin());
    return texts;
}

inline truth::Shown shownBy(const solver::Analysis &analysis,
                            solver::Result (solver::Analysis::*unknown)() const)
{
    using platform::ErrorCode;
    try {
        const solver::Result result = (analysis.*unknown)();
        return {std::nullopt, result.text, result.note};
    } catch (const platform::RuntimeError &error) {
        switch (error.code()) {
        case ErrorCode::NoSolution:
            return {truth::Failure::NoSolution, {}, {}};
        case ErrorCode::NotUnique:
            return {truth::Failure::NotUnique, {}, {}};
        case ErrorCode::Overflow:
            return {truth::Failure::Overflow, {}, {}};
        case ErrorCode::DivisionByZero:
            return {truth::Failure::DivisionByZero, {}, {}};
        }
        throw;
    }
}

// The check of both unknowns of one system; the first false or missing claim, or empty.
inline std::string checkSolver(truth::Checker &checker, const solver::CoefficientTexts &t)
{
    const solver::Analysis analysis(t);
    return checker.check(checkerTexts(t), shownBy(analysis, &solver::Analysis::y),
                         shownBy(analysis, &solver::Analysis::x));
}
