#pragma once

#include "platform/conversions.h"
#include "platform/runtimeerror.h"
#include "solver/solver.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// The window's words for what the engine found. The engine gives facts (solver::Result, a
// coefficient's reading, an error code); every sentence a user reads or hears about them is worded
// here, once, through tr(), with each number in a placeholder, written by number().
class Wording
{
    Q_DECLARE_TR_FUNCTIONS(Wording)

public:
    // A number as the window writes it: the program's text form, with the window's decimal mark.
    static QString number(const platform::Decimal &value);
    static QString number(const platform::Decimal &value, platform::Notation notation,
                          bool rounded = false);

    // "Y = 2": an unknown and the text of its result.
    static QString equation(const QString &unknown, const QString &text);

    // What a result box says of its value: nothing for an exact result whose double steps agree.
    static QString resultNote(const solver::Result &result);
    // What a result box from earlier equations says instead.
    static QString staleNote();

    // How a coefficient's text was read, when that needs saying; empty otherwise. value is what
    // the number read is worth (none for a hexadecimal or octal number too long to convert); rest
    // is the text left over, without the blanks at either end.
    static QString readBack(const platform::ScannedNumber &number,
                            const std::optional<platform::Decimal> &value, const QString &rest);

    // Why a computation failed, for each error it can raise.
    static QString error(platform::ErrorCode code);
    // Why the computation failed, for the exception being handled: call it in a catch block.
    static QString currentError() noexcept;
    // The whole message of a failed handler: why, the results it wrote before ("Y = 1"), and
    // what the boxes keep. neither: the handler computed both unknowns and wrote none.
    static QString failure(const QString &why, const QStringList &written, const QString &failed,
                           bool neither);

    // What a screen reader hears after results were written ("Y = 2, X = 1").
    static QString spokenResults(const QStringList &written);

    // At most `count` characters of text, with "…" where it was cut (never inside a surrogate
    // pair).
    static QString elided(const QString &text, qsizetype count);

    // The accessible name of a message box's warning picture.
    static QString warningPicture();
};
