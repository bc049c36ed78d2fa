#pragma once

// What is known of a shown result, in one line of facts that no wording changes: the golden file
// holds it, and the solver's tests compare it. Standard C++ only, for the golden-results program
// too.
#include "outcome.h"
#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <string>
#include <vector>

// A number told exactly, as the checker reads it: a decimal, or "p/q".
inline std::string numberText(const solver::Number &number)
{
    const std::string value = platform::decimalText(number.value);
    return number.denominator ? value + "/" + platform::decimalText(*number.denominator) : value;
}

// What is known of a shown result, as space-separated facts: "rounded", or "exactly=<value>" for
// a rounded value whose exact value is short (a decimal, or p/q); "doubles=<text>" or "doubles=<why
// not>" where the double steps gave something else; "unchecked" for a result of the double steps
// alone. Nothing for an exact value that the double steps agree with.
inline std::string factsText(const solver::Result &result)
{
    using Outcome = solver::DoubleSteps::Outcome;
    std::vector<std::string> facts;
    if (result.exact)
        facts.push_back("exactly=" + numberText(*result.exact));
    else if (result.rounded)
        facts.emplace_back("rounded");
    if (result.stepsDiffer()) {
        switch (result.steps.outcome) {
        case Outcome::Value:
            facts.push_back("doubles=" + platform::decimalText(result.steps.value));
            break;
        case Outcome::DivisionByZero:
            facts.push_back("doubles=" + outcomeText(platform::ErrorCode::DivisionByZero));
            break;
        case Outcome::Overflow:
            facts.push_back("doubles=" + outcomeText(platform::ErrorCode::Overflow));
            break;
        case Outcome::Unread:
            facts.emplace_back("doubles=<unread>");
            break;
        }
    }
    if (result.unchecked)
        facts.emplace_back("unchecked");
    std::string text;
    for (const std::string &fact : facts)
        text += (text.empty() ? "" : " ") + fact;
    return text;
}

// Every solution of equations with infinitely many, in the same way: "XFromY <constant> <slope>"
// (X = constant − slope·Y), "YAlone <constant>" or "Any"; a number rounded ends in "~".
inline std::string solutionsText(const solver::Solutions &solutions)
{
    using Form = solver::Solutions::Form;
    const auto told = [](const solver::Told &t) {
        return numberText(t.number) + (t.rounded ? "~" : "");
    };
    switch (solutions.form) {
    case Form::XFromY:
        return "XFromY " + told(solutions.constant) + " " + told(solutions.slope);
    case Form::YAlone:
        return "YAlone " + told(solutions.constant);
    case Form::Any:
        break;
    }
    return "Any";
}
