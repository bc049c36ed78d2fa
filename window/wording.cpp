#include "wording.h"

#include <exception>
#include <new>
#include <string>

namespace {

// The decimal mark the window writes numbers with.
constexpr std::string_view decimalMark = platform::period;

// The most characters of the text a read-back sentence quotes, for the value and the rest.
constexpr qsizetype quotedCharacters = 120;

// A text to quote, cut to length, with each character the eye cannot see named by its code
// ("[U+00A0]"): blanks other than the space, controls, and format characters such as the
// zero-width space.
QString quoted(const QString &text)
{
    QString out;
    for (QChar c : Wording::elided(text, quotedCharacters)) {
        const auto category = c.category();
        const bool unseen = (platform::isBlank(c.unicode()) && c != u' ') ||
                            category == QChar::Other_Control || category == QChar::Other_Format ||
                            category == QChar::Separator_Line ||
                            category == QChar::Separator_Paragraph;
        out += unseen ? QStringLiteral("[U+%1]").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper()
                      : QString(c);
    }
    return QStringLiteral("\u201C%1\u201D").arg(out);
}

// A short exact value: "p/q", or "p" for a whole number.
QString fraction(const solver::Fraction &value)
{
    const QString numerator = Wording::number(value.numerator);
    if (value.denominator == platform::Decimal{false, "1", 0})
        return numerator;
    return QStringLiteral("%1/%2").arg(numerator, Wording::number(value.denominator));
}

} // namespace

QString Wording::number(const platform::Decimal &value)
{
    return QString::fromStdString(platform::decimalText(value, decimalMark));
}

QString Wording::number(const platform::Decimal &value, platform::Notation notation, bool rounded)
{
    return QString::fromStdString(platform::decimalText(value, notation, rounded, decimalMark));
}

QString Wording::equation(const QString &unknown, const QString &text)
{
    return QStringLiteral("%1 = %2").arg(unknown, text);
}

QString Wording::resultNote(const solver::Result &result)
{
    if (result.unchecked)
        return tr("Computed in double arithmetic, in the fixed order, and not checked: a "
                  "coefficient has more digits, or a larger exponent, than the exact solution "
                  "takes.");
    QStringList sentences;
    if (result.rounded && result.exact)
        sentences.append(tr("Exactly %1.").arg(fraction(*result.exact)));
    else if (result.rounded)
        sentences.append(tr("Rounded to %1 significant digits; the exact value has more.")
                             .arg(platform::shownDigits));
    using Outcome = solver::DoubleSteps::Outcome;
    if (result.stepsDiffer()) {
        switch (result.steps.outcome) {
        case Outcome::Value:
            sentences.append(tr("In double arithmetic, in the fixed order: %1.")
                                 .arg(number(result.steps.value)));
            break;
        case Outcome::DivisionByZero:
            sentences.append(
                tr("In double arithmetic, in the fixed order, a step divides by zero."));
            break;
        case Outcome::Overflow:
            sentences.append(tr("In double arithmetic, in the fixed order, a step overflows."));
            break;
        case Outcome::Unread:
            sentences.append(
                tr("In double arithmetic, a coefficient is beyond the range of doubles."));
            break;
        }
    }
    return sentences.join(QLatin1Char(' '));
}

QString Wording::staleNote()
{
    return tr("From earlier equations.");
}

QString Wording::readBack(const platform::ScannedNumber &number,
                          const std::optional<platform::Decimal> &value, const QString &rest)
{
    if (rest.isEmpty() && !number.decimalComma)
        return {};
    if (number.length == 0)
        return tr("Read as %1: %2 is not a number.").arg(Wording::number({}), quoted(rest));
    // The value read, every digit of it; a whole number in hexadecimal or octal digits in full,
    // and one too long to convert as typed, without its blanks.
    using Form = platform::ScannedNumber::Form;
    QString read;
    if (value && number.form == Form::Decimal)
        read = Wording::number(*value);
    else if (value)
        read = Wording::number(*value, platform::Notation::Plain);
    else
        read = QString::fromLatin1(number.form == Form::Octal ? "&O" : "&H") +
               QString::fromStdString(number.digits);
    read = elided(read, quotedCharacters);
    if (rest.isEmpty())
        return tr("Read as %1: a comma is a decimal mark here.").arg(read);
    if (!number.decimalComma)
        return tr("Read as %1: %2 is not part of the number.").arg(read, quoted(rest));
    return tr("Read as %1: %2 is not part of the number; a comma is a decimal mark here.")
        .arg(read, quoted(rest));
}

QString Wording::error(platform::ErrorCode code)
{
    using platform::ErrorCode;
    switch (code) {
    case ErrorCode::NoSolution:
        return tr("No solution: the two equations contradict each other.");
    case ErrorCode::NotUnique:
        return tr("No unique solution: infinitely many pairs of X and Y satisfy both equations.");
    case ErrorCode::Overflow:
        return tr("The numbers are too large to calculate with.");
    case ErrorCode::DivisionByZero:
        return tr("A division by zero in double arithmetic (the numbers are too long to solve "
                  "exactly).");
    }
    return tr("The calculation failed.");
}

QString Wording::currentError() noexcept
{
    try {
        throw;
    } catch (const platform::RuntimeError &error) {
        return Wording::error(error.code());
    } catch (const std::bad_alloc &) {
        return tr("There is not enough memory to calculate.");
    } catch (...) {
        return tr("The calculation failed.");
    }
}

QString Wording::failure(const QString &why, const QStringList &written, const QString &failed,
                         bool neither)
{
    QStringList sentences = {why};
    if (neither) {
        sentences.append(
            tr("Neither result could be computed; both boxes keep their earlier values."));
    } else {
        for (const QString &result : written)
            sentences.append(tr("%1 was computed.", "a result written before the failure, "
                                                    "as \"Y = 1\"")
                                 .arg(result));
        sentences.append(
            tr("%1 could not be computed; its box keeps its earlier value.", "the unknown, X or Y")
                .arg(failed));
    }
    return sentences.join(QLatin1Char(' '));
}

QString Wording::spokenResults(const QStringList &written)
{
    QString spoken = written.value(0);
    for (qsizetype i = 1; i < written.size(); ++i)
        spoken = tr("%1, %2", "results spoken one after the other").arg(spoken, written.at(i));
    return spoken;
}

QString Wording::elided(const QString &text, qsizetype count)
{
    if (text.size() <= count)
        return text;
    if (text.at(count - 1).isHighSurrogate())
        --count;
    return text.left(count) + QChar(0x2026);
}

QString Wording::warningPicture()
{
    return tr("Warning");
}
