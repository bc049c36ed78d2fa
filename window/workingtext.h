#pragma once

#include "solver/solver.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The words of the working: how the equations as read were solved, in exact numbers, step by
// step, then the answer and its check, or why there is no single solution. The engine gives the
// facts (solver::exact::Working and the analysis); this words them, in the user's language and
// number format.
class WorkingText
{
    Q_DECLARE_TR_FUNCTIONS(WorkingText)

public:
    // What is known besides the analysis: each coefficient box's text where it was not read as
    // typed (empty otherwise), and whether the result boxes hold results of these equations.
    struct Boxes
    {
        std::array<std::optional<solver::Number>, 6> read; // as typed: a fraction, or a decimal
        std::array<QString, 6> misreadTexts;
        std::array<QString, 6> misreadValues;
        bool resultsCurrent = false;
        bool resultsShown = false; // either box holds a computed result
        QString calculateKey;      // "Alt+A"
    };

    // The working, a line each (an empty line between its parts).
    static QStringList lines(const solver::Analysis &analysis, const Boxes &boxes);
    // The answer as one line ("X = 144/23 ≈ 6.26086956521739; Y = …"), or the verdict.
    static QString answer(const solver::Analysis &analysis);
    // The working window's title and its copy button's caption.
    static QString title();
    static QString copyCaption();
};
