#pragma once

// What the solver shows for an unknown, in the terms of the independent checker (truth.h).
#include "facts.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"
#include "truth.h"

#include <algorithm>
#include <string>

// The solver's texts, as the checker reads them.
inline truth::Texts checkerTexts(const solver::CoefficientTexts &t)
{
    truth::Texts texts;
    std::copy(t.begin(), t.end(), texts.begin());
    return texts;
}

// Every solution, in the checker's terms.
inline truth::Family familyOf(const solver::Solutions &solutions)
{
    using Form = solver::Solutions::Form;
    const auto told = [](const solver::Told &t) {
        return truth::Told{numberText(t.number), t.rounded};
    };
    const truth::Family::Form form = solutions.form == Form::XFromY   ? truth::Family::Form::XFromY
                                     : solutions.form == Form::YAlone ? truth::Family::Form::YAlone
                                                                      : truth::Family::Form::Any;
    return {form, told(solutions.constant), told(solutions.slope)};
}

inline truth::Shown shownBy(const solver::Analysis &analysis,
                            solver::Result (solver::Analysis::*unknown)() const)
{
    using platform::ErrorCode;
    using Outcome = solver::DoubleSteps::Outcome;
    const solver::Verdict verdict = analysis.verdict();
    truth::Shown shown;
    shown.impossible = verdict.impossibleEquation;
    shown.beyondBounds = verdict.beyondBounds;
    try {
        const solver::Result result = (analysis.*unknown)();
        shown.text = platform::decimalText(result.value);
        shown.rounded = result.rounded;
        if (result.exact)
            shown.exact = numberText(*result.exact);
        switch (result.steps.outcome) {
        case Outcome::Value:
            shown.steps = truth::StepsOutcome::Value;
            shown.stepsText = platform::decimalText(result.steps.value);
            break;
        case Outcome::DivisionByZero:
            shown.steps = truth::StepsOutcome::DivisionByZero;
            break;
        case Outcome::Overflow:
            shown.steps = truth::StepsOutcome::Overflow;
            break;
        case Outcome::Unread:
            shown.steps = truth::StepsOutcome::Unread;
            break;
        }
        shown.unchecked = result.unchecked;
        return shown;
    } catch (const platform::RuntimeError &error) {
        switch (error.code()) {
        case ErrorCode::NoSolution:
            shown.failure = truth::Failure::NoSolution;
            break;
        case ErrorCode::NotUnique:
            shown.failure = truth::Failure::NotUnique;
            if (const auto solutions = analysis.solutions())
                shown.solutions = familyOf(*solutions);
            break;
        case ErrorCode::Overflow:
            shown.failure = truth::Failure::Overflow;
            break;
        case ErrorCode::DivisionByZero:
            shown.failure = truth::Failure::DivisionByZero;
            break;
        }
        return shown;
    }
}

// The working's steps, in the checker's terms; none beyond the exact bounds.
inline std::optional<truth::WorkingFacts> workingOf(const solver::Analysis &analysis)
{
    if (!analysis.exact())
        return std::nullopt;
    const solver::exact::Working w = analysis.exact()->working();
    const auto text = [](const std::optional<solver::Number> &n) {
        return n ? std::optional(numberText(*n)) : std::nullopt;
    };
    return truth::WorkingFacts{
        numberText(w.p), numberText(w.q), numberText(w.r),
        numberText(w.s), numberText(w.d), numberText(w.n),
        text(w.y),       text(w.x),       w.route == solver::exact::Working::Route::Cramer,
        numberText(w.m), numberText(w.t), numberText(w.u),
        numberText(w.g), numberText(w.h), text(w.left1),
        text(w.left2)};
}

// The check of both unknowns of one system, read with a group separator or none; the first false
// or missing claim, or empty.
inline std::string checkSolver(truth::Checker &checker, const solver::CoefficientTexts &t,
                               std::string_view separator = {})
{
    const solver::Analysis analysis(t, separator);
    if (const auto working = workingOf(analysis)) {
        if (std::string problem = truth::checkWorking(checkerTexts(t), *working, separator);
            !problem.empty())
            return "the working: " + problem;
    }
    return checker.check(checkerTexts(t), shownBy(analysis, &solver::Analysis::y),
                         shownBy(analysis, &solver::Analysis::x), separator);
}
