#pragma once

#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

// The window's words for what the engine found. The engine gives facts (solver::Result, a
// coefficient's reading, an error code, the solutions of equations with infinitely many); every
// sentence a user reads or hears about them is worded here, once, through tr(), with each number
// in a placeholder, written by number().
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    // Whether the user's decimal mark is a comma (QLocale()); a period otherwise.
    static bool commaMark();
    // The user's group separator (QLocale()) in UTF-8, as the reader takes it; none in the C
    // locale, and none where the locale omits group separators.
    static std::string groupSeparator();

    // A number as a box holds it: the program's text form, with the user's decimal mark and "-".
    static QString boxText(const platform::Decimal &value);
    static QString boxText(const platform::Decimal &value, platform::Notation notation,
                           bool rounded = false);
    // A number told exactly, as a box draws it: a decimal, or "p/q".
    static QString boxText(const solver::Number &value);
    // The same in a sentence or formula, with the minus sign U+2212.
    static QString number(const platform::Decimal &value);
    static QString number(const solver::Number &value);

    // Items one after the other ("Y = 2, X = 1"), and two lists of them ("Y = 2, X = 1; a1 read
    // as 1"), separated as the number format allows: where a comma is the decimal mark, items
    // take "; " and lists ". ".
    static QString list(const QStringList &items);
    static QString lists(const QString &first, const QString &second);
    // A text in the quotation marks of the user's locale (“…” in the C locale, whose quotes are
    // ASCII).
    static QString quote(const QString &text);

    // "Y = 2": an unknown and the text of its result.
    static QString equation(const QString &unknown, const QString &text);

    // A coefficient's name in the equations with where it stands ("a1 (coefficient of X in
    // equation 1)"), by its place among the six (a1, b1, c1, a2, b2, c2); empty for none. A
    // coefficient box's tooltip starts with the same, as "a1: coefficient of X in equation 1".
    static QString coefficientName(std::optional<std::size_t> index);
    static QString coefficientTip(std::size_t index);

    // What a result box says of its value, a sentence a line: nothing for an exact result whose
    // double steps agree. beyondBox: the coefficient beyond the exact bounds, for a result the
    // double steps alone gave.
    static QStringList resultNote(const solver::Result &result, const QString &beyondBox);
    // What a result box drawing the exact answer as a fraction says of it.
    static QString drawnExactly(const QString &fraction);
    // What a result box from earlier equations says instead.
    static QString staleNote();
    // What a result box says of a text typed into it, with its unknown ("Y") and the Calculate
    // button's access key ("Alt+A").
    static QString typedResultNote(const QString &unknown, const QString &calculateKey);
    // The tooltip's line that gives a box's whole text: a computed result's, or a typed one.
    static QString resultLine(const QString &text);
    static QString typedLine(const QString &text);

    // What a coefficient's text was read as: the value read, every digit of it, as the window
    // writes numbers (a fraction in lowest terms; a hexadecimal or octal number too long to
    // convert as typed, without its blanks; for an exponent too large to count, the bound it
    // passed).
    static QString valueRead(const platform::ScannedNumber &number,
                             const std::optional<solver::Number> &value);
    // How a coefficient's text was read, when it was not read as typed; empty otherwise. rest is
    // the text left over, without the blanks at either end.
    static QString readBack(const platform::ScannedNumber &number, const QString &value,
                            const QString &rest);
    // A coefficient not read as typed, in a message ("a1 was read as 1, not as typed.") and as a
    // screen reader hears it after the results ("a1 read as 1").
    static QString misreadSentence(const QString &coefficient, const QString &value);
    static QString misreadSpoken(const QString &coefficient, const QString &value);

    // Why a computation failed, for each error it can raise, with what is known of the
    // equations: every solution where there are infinitely many, the equation impossible on its
    // own, the coefficient beyond the exact bounds.
    static QString error(platform::ErrorCode code, const solver::Verdict &verdict = {});
    // Why the computation failed, for the exception being handled: call it in a catch block.
    static QString currentError(const solver::Verdict &verdict) noexcept;

    // What a failed handler's message says of the boxes. For a handler that computed both
    // unknowns and wrote neither: the unknowns whose boxes hold a text they keep.
    static QString neitherComputed(const QStringList &keeping);
    // For one unknown (X or Y) that could not be computed, after any that were (written):
    // whether its box holds a text it keeps.
    static QString notComputed(const QStringList &written, const QString &unknown, bool keeps);

    // For equations that fix one unknown and leave the other free: the result written ("X = 2"),
    // and whether the free unknown's box holds a text it keeps.
    static QString shownBeside(const QStringList &written, const QString &unknown, bool keeps);

    // The coefficient beyond the bounds of the exact part, and what they are ("a1 (…) has more
    // than 1000 significant digits, or …"), as the messages, notes and the working say them.
    static QString beyondBounds(const QString &box);

    // Sentences told one after the other.
    static QString sentences(const QStringList &sentences);

    // What a screen reader hears after results were written ("Y = 2, X = 1"), and after them
    // each coefficient not read as typed ("a1 read as 1").
    static QString spokenResults(const QStringList &written, const QStringList &misread);

    // At most `count` characters of text, with "…" where it was cut (never inside a surrogate
    // pair).
    static QString elided(const QString &text, qsizetype count);

    // The result boxes' menu entry that opens the working.
    static QString showWorking();

    // The accessible name of a message box's warning picture.
    static QString warningPicture();
};
