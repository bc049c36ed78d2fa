#pragma once

// What the solver shows for an unknown, in the terms of the independent checker (truth.h).
#include "platform/runtimeerror.h"
#include "solver/solver.h"
#include "truth.h"

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
inline std::string checkSolver(truth::Checker &checker, const truth::Texts &t)
{
    const solver::Analysis analysis(solver::CoefficientTexts{t[0], t[1], t[2], t[3], t[4], t[5]});
    return checker.check(t, shownBy(analysis, &solver::Analysis::y),
                         shownBy(analysis, &solver::Analysis::x));
}
