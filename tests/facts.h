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

// What is known of a shown result, as space-separated facts: "rounded", or "exactly=p/q" for a
// rounded value whose exact value is short; "doubles=<text>" or "doubles=<why not>" where the
// double steps gave something else; "unchecked" for a result of the double steps alone. Nothing
// for an exact value that the double steps agree with.
inline std::string factsText(const solver::Result &result)
{
    using Outcome = solver::DoubleSteps::Outcome;
    std::vector<std::string> facts;
    if (result.exact)
        facts.push_back("exactly=" + platform::decimalText(result.exact->numerator) + "/" +
                        platform::decimalText(result.exact->denominator));
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
